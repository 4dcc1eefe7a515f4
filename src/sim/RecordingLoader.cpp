#include "sim/RecordingLoader.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

#include "adapter/AdapterRegistryRecord.h"
#include "adapter/RecordingFormat.h"
#include "sim/JsonReader.h"

namespace quoril {
namespace {

constexpr std::int64_t kMaxTimeMs = 1000LL * 60 * 60 * 24 * 365;  // a year
constexpr std::int64_t kMaxDurationMs = 1000LL * 60 * 60;
constexpr std::int64_t kMaxOrdinal = 1'000'000;
constexpr std::int64_t kMaxLength = 65536;
constexpr std::int64_t kMaxUint32 = 0xFFFFFFFF;
constexpr std::size_t kMaxFields = 7;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Pairs of hex digits, appended to `out`; false when `text` is not that.
bool HexBytes(std::string_view text, std::vector<std::uint8_t>& out) {
  if (text.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexDigit(text[i]);
    const int low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) return false;
    out.push_back(static_cast<std::uint8_t>(high << 4 | low));
  }
  return true;
}

// A name as the library gives it: bytes, written as \u0000 to \u00ff.
std::string NameOf(const JsonField& field) {
  const std::string text = field.String();
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(text[i]);
    if (byte < 0x80) {
      name += static_cast<char>(byte);
    } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < text.size()) {
      name += static_cast<char>((byte & 0x03) << 6 | (static_cast<std::uint8_t>(text[++i]) & 0x3F));
    } else {
      field.Fail("expected a name of bytes, written as characters \\u0000 to \\u00ff");
    }
  }
  if (name.size() >= AdapterRegistryRecord::kNameCapacity || name.find('\0') != std::string::npos)
    field.Fail("expected a name of at most " +
               std::to_string(AdapterRegistryRecord::kNameCapacity - 1) +
               " bytes without a zero byte");
  return name;
}

bool Blank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

class Reader {
 public:
  void Header(const JsonField& root);
  void Entry(const JsonField& root);
  Recording Take() { return std::move(recording_); }
  void CutOff() { recording_.cutOff = true; }

 private:
  using Fields = std::vector<JsonField>;
  using Handler = void (Reader::*)(const JsonField&, const Fields&);
  struct Kind {
    std::string_view name;
    Handler handler;
    std::size_t fields;  // without the options
    bool options;        // may end with the options
  };
  static const Kind kKinds[];

  void Define(const JsonField& root, const Fields& fields);
  void Answer(const JsonField& root, const Fields& fields);
  void Event(const JsonField& root, const Fields& fields);
  void Registry(const JsonField& root, const Fields& fields);
  void Open(const JsonField& root, const Fields& fields);
  void Error(const JsonField& root, const Fields& fields);
  void Close(const JsonField& root, const Fields& fields);

  // The time of fields[1] and the options at fields[at], if there.
  static RecordedMoment Moment(const Fields& fields, std::size_t at);
  void AddCall(const JsonField& root, std::string_view kind, std::string_view what,
               RecordedCall call);
  void ApplyRuns(const JsonField& field, std::uint32_t length, std::vector<RecordedByte>& state);

  Recording recording_;
  std::vector<std::vector<RecordedByte>> written_;  // by request: what the card has written
  std::unordered_map<recording::RequestKey, std::size_t, recording::RequestKeyHash> keys_;
};

const Reader::Kind Reader::kKinds[] = {
    {recording::kRequest, &Reader::Define, 6, false},
    {recording::kEvent, &Reader::Event, 3, true},
    {recording::kFirst, &Reader::Registry, 4, true},
    {recording::kNext, &Reader::Registry, 4, true},
    {recording::kOpen, &Reader::Open, 4, true},
    {recording::kError, &Reader::Error, 3, true},
    {recording::kClose, &Reader::Close, 4, true},
};

void Reader::Header(const JsonField& root) {
  JsonObject object(root);
  const JsonField versionField = object.Required(recording::kHeaderKey);
  const std::int64_t version = versionField.Integer(1, INT_MAX);
  if (version > recording::kVersion) {
    versionField.Fail("recorded in format " + std::to_string(version) +
                      " by a newer version of WLAN Quoril; this one reads formats up to " +
                      std::to_string(recording::kVersion));
  }
  recording_.version = static_cast<int>(version);
  if (auto program = object.Optional("program")) program->String();
  if (auto masked = object.Optional("maskedAddresses"))
    recording_.maskedAddresses = masked->Boolean();
  object.RejectUnknownKeys();
}

void Reader::Entry(const JsonField& root) {
  const Fields fields = root.Elements(3, kMaxFields);
  if (fields[0].Value().is_number()) {
    Answer(root, fields);
    return;
  }
  const std::string name = fields[0].String();
  for (const Kind& kind : kKinds) {
    if (kind.name != name) continue;
    if (fields.size() < kind.fields || fields.size() > kind.fields + (kind.options ? 1 : 0)) {
      root.Fail("expected " + std::to_string(kind.fields) + " elements" +
                (kind.options ? " and maybe the options" : "") + " for \"" + name + "\"");
    }
    (this->*kind.handler)(root, fields);
    return;
  }
  std::string names;
  for (const Kind& kind : kKinds) names += (names.empty() ? "" : ", ") + std::string(kind.name);
  fields[0].Fail("unknown entry \"" + name + "\"; expected a request number or one of: " + names);
}

// ["request", number, "query" or "set", code, length, bytes sent]
void Reader::Define(const JsonField& root, const Fields& fields) {
  const std::int64_t number = fields[1].Integer(0, kMaxUint32);
  if (static_cast<std::size_t>(number) != recording_.requests.size()) {
    fields[1].Fail("expected request number " + std::to_string(recording_.requests.size()) +
                   ": requests are numbered from 0 in the order they are defined");
  }
  RecordedRequest request;
  const std::string type = fields[2].String();
  if (type != "query" && type != "set") fields[2].Fail("expected \"query\" or \"set\"");
  request.type = type == "set" ? NdisRequestType::kSet : NdisRequestType::kQuery;
  request.oid = static_cast<std::uint32_t>(fields[3].Integer(0, kMaxUint32));
  request.length = static_cast<std::uint32_t>(fields[4].Integer(0, kMaxLength));
  if (!HexBytes(fields[5].String(), request.sent) ||
      request.sent.size() > recording::kMaxSentBytes || request.sent.size() > request.length) {
    fields[5].Fail("expected up to " + std::to_string(recording::kMaxSentBytes) +
                   " bytes in hex, no more than the length, such as \"30003e00\"");
  }
  NdisRequest shape;
  shape.type = request.type;
  shape.oid = request.oid;
  shape.length = request.length;
  shape.sent = static_cast<std::uint32_t>(request.sent.size());
  const auto [found, added] =
      keys_.try_emplace(recording::RequestKey::Of(shape, request.sent), recording_.requests.size());
  if (!added) root.Fail("defines request " + std::to_string(found->second) + " again");
  recording_.requests.push_back(std::move(request));
  written_.emplace_back();
}

// [number, time, status, bytes written?, options?]
void Reader::Answer(const JsonField& root, const Fields& fields) {
  const std::int64_t number = fields[0].Integer(0, kMaxUint32);
  if (static_cast<std::size_t>(number) >= recording_.requests.size())
    fields[0].Fail("no request " + std::to_string(number) + " is defined before this line");
  RecordedRequest& request = recording_.requests[static_cast<std::size_t>(number)];
  std::vector<RecordedByte>& written = written_[static_cast<std::size_t>(number)];

  RecordedAnswer answer;
  answer.status = static_cast<std::uint32_t>(fields[2].Integer(0, kMaxUint32));
  std::size_t optionsAt = 3;
  if (fields.size() > 3 && fields[3].Value().is_string()) {
    ApplyRuns(fields[3], request.length, written);
    optionsAt = 4;
  }
  if (fields.size() > optionsAt + 1)
    fields[optionsAt + 1].Fail("expected nothing after the options");
  answer.moment = Moment(fields, optionsAt);
  if (!request.answers.empty() && !request.answers.back().moment.Before(answer.moment))
    root.Fail("not later than the request's previous answer (time, then \"n\")");
  answer.first = static_cast<std::uint32_t>(recording_.bytes.size());
  answer.count = static_cast<std::uint32_t>(written.size());
  recording_.bytes.insert(recording_.bytes.end(), written.begin(), written.end());
  request.answers.push_back(answer);
}

// "4:0102 12:ff": runs of bytes from an offset, kept in `state` by offset.
void Reader::ApplyRuns(const JsonField& field, std::uint32_t length,
                       std::vector<RecordedByte>& state) {
  const std::string text = field.String();
  const auto bad = [&field] {
    field.Fail("expected the bytes written as runs such as \"4:0102 12:ff\"");
  };
  std::vector<std::uint8_t> bytes;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view run = std::string_view(text).substr(at, end - at);
    at = end == text.size() ? end : end + 1;
    const std::size_t colon = run.find(':');
    if (colon == 0 || colon == std::string_view::npos || colon > 5 ||
        (end < text.size() && at == text.size()))
      bad();
    std::uint32_t offset = 0;
    for (const char c : run.substr(0, colon)) {
      if (c < '0' || c > '9') bad();
      offset = offset * 10 + static_cast<std::uint32_t>(c - '0');
    }
    bytes.clear();
    if (!HexBytes(run.substr(colon + 1), bytes) || bytes.empty()) bad();
    if (offset + bytes.size() > length) {
      field.Fail("byte " + std::to_string(offset + bytes.size() - 1) + " lies beyond the " +
                 std::to_string(length) + "-byte buffer of the request");
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto where = static_cast<std::uint16_t>(offset + i);
      const auto found =
          std::lower_bound(state.begin(), state.end(), where,
                           [](const RecordedByte& b, std::uint16_t o) { return b.offset < o; });
      if (found != state.end() && found->offset == where)
        found->value = bytes[i];
      else
        state.insert(found, {where, bytes[i]});
    }
  }
}

RecordedMoment Reader::Moment(const Fields& fields, std::size_t at) {
  RecordedMoment moment;
  moment.time = Millis{fields[1].Integer(0, kMaxTimeMs)};
  if (fields.size() <= at) return moment;
  JsonObject options(fields[at]);
  if (auto n = options.Optional(recording::kOrdinalKey))
    moment.ordinal = static_cast<std::uint32_t>(n->Integer(1, kMaxOrdinal));
  if (auto ms = options.Optional(recording::kDurationKey))
    moment.duration = static_cast<std::uint32_t>(ms->Integer(1, kMaxDurationMs));
  options.RejectUnknownKeys();
  return moment;
}

void Reader::AddCall(const JsonField& root, std::string_view kind, std::string_view what,
                     RecordedCall call) {
  std::vector<RecordedCall>& calls = recording_.calls[recording::CallKey(kind, what)];
  if (!calls.empty() && !calls.back().moment.Before(call.moment))
    root.Fail("not later than the previous \"" + std::string(kind) + "\" (time, then \"n\")");
  calls.push_back(std::move(call));
}

// ["event", time, made]
void Reader::Event(const JsonField& root, const Fields& fields) {
  RecordedCall call{Moment(fields, 3), fields[2].Boolean() ? 1 : 0, {}};
  AddCall(root, recording::kEvent, {}, std::move(call));
}

// ["first" or "next", time, rc, name]
void Reader::Registry(const JsonField& root, const Fields& fields) {
  RecordedCall call{Moment(fields, 4), fields[2].Integer(INT_MIN, INT_MAX), NameOf(fields[3])};
  AddCall(root, fields[0].String(), {}, std::move(call));
}

// ["open", time, name, handle]
void Reader::Open(const JsonField& root, const Fields& fields) {
  const std::string name = NameOf(fields[2]);
  RecordedCall call{Moment(fields, 4), fields[3].Integer(INT_MIN, kMaxUint32), {}};
  AddCall(root, recording::kOpen, name, std::move(call));
}

// ["error", time, value]
void Reader::Error(const JsonField& root, const Fields& fields) {
  RecordedCall call{Moment(fields, 3), fields[2].Integer(0, kMaxUint32), {}};
  AddCall(root, recording::kError, {}, std::move(call));
}

// ["close", time, handle, rc]
void Reader::Close(const JsonField& root, const Fields& fields) {
  const std::int64_t handle = fields[2].Integer(INT_MIN, kMaxUint32);
  RecordedCall call{Moment(fields, 4), fields[3].Integer(INT_MIN, INT_MAX), {}};
  AddCall(root, recording::kClose, std::to_string(handle), std::move(call));
}

// "rec.json:17:12" for the syntax error's offset within line 17.
std::string SyntaxError(std::string_view where, const nlohmann::json::parse_error& error) {
  return std::string(where) + ":" + std::to_string(std::max<std::size_t>(error.byte, 1)) + ": " +
         JsonSyntaxProblem(error);
}

}  // namespace

bool LooksLikeRecording(std::string_view text) {
  const std::string_view first = text.substr(0, text.find('\n'));
  const nlohmann::json header = nlohmann::json::parse(first, nullptr, false, true);
  return header.is_object() && header.contains(recording::kHeaderKey);
}

Recording ParseRecording(std::string_view text, std::string_view source) {
  Reader reader;
  bool header = false;
  std::size_t number = 0;
  for (std::size_t at = 0; at < text.size();) {
    ++number;
    const std::size_t end = text.find('\n', at);
    const bool whole = end != std::string_view::npos;
    std::string_view line = text.substr(at, whole ? end - at : std::string_view::npos);
    at = whole ? end + 1 : text.size();
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (Blank(line)) continue;

    const std::string where = std::string(source) + ":" + std::to_string(number);
    nlohmann::json value;
    try {
      value = nlohmann::json::parse(line, nullptr, true, true);
    } catch (const nlohmann::json::parse_error& error) {
      // A crash cuts the last line short; what came before is whole.
      if (!whole && header) {
        reader.CutOff();
        break;
      }
      throw ScenarioError(SyntaxError(where, error));
    } catch (const nlohmann::json::exception& error) {
      throw ScenarioError(where + ": " + error.what());
    }
    const JsonField root(value, "", where);
    if (header) {
      reader.Entry(root);
    } else {
      reader.Header(root);
      header = true;
    }
  }
  if (!header) throw ScenarioError(std::string(source) + ": empty: no recording in it");
  return reader.Take();
}

}  // namespace quoril
