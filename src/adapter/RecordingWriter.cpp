#include "adapter/RecordingWriter.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "adapter/RequestCatalogue.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quoril {
namespace {

// Lines are handed to the file in pieces of about this size.
constexpr std::size_t kChunk = 64 * 1024;

// An answer's line, put together in place: the longest (every byte of the
// window in runs of one, every option) is under 200 characters.
class Line {
 public:
  void Add(char c) { *end_++ = c; }
  void Add(std::string_view text) {
    std::memcpy(end_, text.data(), text.size());
    end_ += text.size();
  }
  void Number(std::int64_t value) { end_ = std::to_chars(end_, text_ + sizeof text_, value).ptr; }
  void Hex(std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789abcdef";
    Add(kDigits[byte >> 4]);
    Add(kDigits[byte & 0xF]);
  }
  std::string_view View() const { return {text_, static_cast<std::size_t>(end_ - text_)}; }

 private:
  char text_[256];
  char* end_ = text_;
};

void AddStatus(Line& line, std::uint32_t status) {
  if (status == 0) {
    line.Add('0');
    return;
  }
  line.Add("\"0x");
  for (int shift = 24; shift >= 0; shift -= 8) line.Hex(static_cast<std::uint8_t>(status >> shift));
  line.Add('"');
}

bool Has(std::uint32_t bits, std::size_t i) {
  return i < 32 && (bits >> i & 1) != 0;
}

// "4:0102 12:ff": the bytes in `changed`, in runs; a run bridges a gap of
// up to two bytes the file knows already, which is shorter than a new run.
void AddRuns(Line& line, std::uint32_t changed, std::uint32_t known, const std::uint8_t* bytes,
             std::size_t size) {
  line.Add('"');
  bool first = true;
  std::size_t i = 0;
  while (i < size && (changed >> i) != 0) {
    i += static_cast<std::size_t>(std::countr_zero(changed >> i));
    std::size_t end = i + 1;
    for (;;) {
      if (end >= size || (changed >> end) == 0) break;
      const std::size_t next = end + static_cast<std::size_t>(std::countr_zero(changed >> end));
      bool bridged = next - end <= 2;
      for (std::size_t gap = end; bridged && gap < next; ++gap) bridged = Has(known, gap);
      if (!bridged) break;
      end = next + 1;
    }
    if (!first) line.Add(' ');
    first = false;
    line.Number(static_cast<std::int64_t>(i));
    line.Add(':');
    for (std::size_t b = i; b < end; ++b) line.Hex(bytes[b]);
    i = end;
  }
  line.Add('"');
}

void AddOptions(Line& line, std::uint32_t ordinal, std::uint32_t duration) {
  if (ordinal == 0 && duration == 0) return;
  line.Add(",{");
  if (ordinal != 0) {
    line.Add("\"n\":");
    line.Number(ordinal);
  }
  if (duration != 0) {
    line.Add(ordinal != 0 ? ",\"ms\":" : "\"ms\":");
    line.Number(duration);
  }
  line.Add('}');
}

// Bit i set where byte i of `a` and `b` differ.
std::uint32_t Differing(const RecordEvent::Window& a, const RecordEvent::Window& b) {
#ifdef __SSE2__
  const auto half = [](const std::uint8_t* x, const std::uint8_t* y) {
    const __m128i same = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(x)),
                                        _mm_loadu_si128(reinterpret_cast<const __m128i*>(y)));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(same));
  };
  return ~(half(a.data(), b.data()) | half(a.data() + 16, b.data() + 16) << 16);
#else
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < a.size(); ++i) bits |= std::uint32_t{a[i] != b[i]} << i;
  return bits;
#endif
}

// ["request",5,"query","0xff010183",256,"30003e00"]
std::string Definition(std::size_t number, const recording::RequestKey& key) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08x", key.oid);
  std::string line = "[\"" + std::string(recording::kRequest) + "\"," + std::to_string(number) +
                     ",\"" + (key.type != 0 ? "set" : "query") + "\",\"" + code + "\"," +
                     std::to_string(key.length) + ",\"";
  static constexpr char kDigits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < key.sentLength; ++i) {
    line += kDigits[key.sent[i] >> 4];
    line += kDigits[key.sent[i] & 0xF];
  }
  return line + "\"]\n";
}

// Where the answers that reveal an address hold it: the station address
// query, the BSS ID record.
std::uint8_t AddressIn(const recording::RequestKey& key, std::uint8_t none) {
  using namespace catalogue;
  if (key.oid == kOidCurrentAddress) return 0;
  if (key.oid == kOidRecord && key.sentLength >= 4 && key.sent[2] == (kRecordBssId & 0xFF) &&
      key.sent[3] == kRecordBssId >> 8) {
    return kRecordValueOffset;
  }
  return none;
}

void SyncToDisk(std::FILE* file) {
#ifdef _WIN32
  _commit(_fileno(file));
#else
  fsync(fileno(file));
#endif
}

}  // namespace

RecordingWriter::RecordingWriter(RecordQueue& queue, std::FILE* file, std::string name,
                                 bool maskAddresses)
    : queue_(queue), file_(file), name_(std::move(name)) {
  if (maskAddresses) mask_.emplace();
  text_.reserve(2 * kChunk);
  requests_.reserve(64);
  thread_ = std::thread([this] { Run(); });
}

RecordingWriter::~RecordingWriter() {
  Stop();
}

void RecordingWriter::Stop() {
  if (!thread_.joinable()) return;
  queue_.Stop();
  thread_.join();
  if (std::fclose(file_) != 0 && !failed_) Fail("close");
}

// While calls keep coming (a fast run) the writer looks again soon, so that
// the queue never fills up; otherwise once a period.
void RecordingWriter::Run() {
  for (bool running = true, busy = false; running;) {
    running = queue_.Wait(busy ? kBusyPeriod : kPeriod);
    busy = WriteOut();
  }
}

bool RecordingWriter::WriteOut() {
  std::size_t events = 0;
  // A busy card side (a fast run) keeps the writer going round.
  for (std::size_t n = RecordQueue::kCapacity; n >= RecordQueue::kCapacity / 4;) {
    n = queue_.Drain([this](RecordEvent& event) {
      Add(event);
      // Within the room reserved, so that lines never allocate.
      if (text_.size() >= kChunk) WriteText();
    });
    events += n;
  }
  WriteText();
  if (!failed_ && events > 0 && std::fflush(file_) != 0) Fail("write");
  const Millis now = clock_.Now();
  if (!failed_ && events > 0 && now - lastSync_ >= kPeriod) {
    SyncToDisk(file_);
    lastSync_ = now;
  }
  return events > 0;
}

void RecordingWriter::WriteText() {
  if (!failed_ && std::fwrite(text_.data(), 1, text_.size(), file_) != text_.size()) {
    Fail("write");
  }
  text_.clear();
}

void RecordingWriter::Add(RecordEvent& event) {
  if (event.kind == RecordEvent::Kind::kLine) {
    text_ += queue_.TakeLine();
    text_ += '\n';
    return;
  }
  // The card side copied only the buffer's own bytes.
  const std::size_t size = event.Size();
  std::fill(event.before.begin() + size, event.before.end(), std::uint8_t{0});
  std::fill(event.after.begin() + size, event.after.end(), std::uint8_t{0});
  Request& request = requests_[FindRequest(event)];
  const std::uint32_t ordinal = request.ordinal.Next(event.time);
  std::uint32_t written = request.written | Differing(event.before, event.after);
  if (mask_) {
    if (request.addressAt != kNoAddress && event.status == 0 &&
        request.addressAt + std::size_t{6} <= size) {
      mask_->Learn(std::span<const std::uint8_t, 6>(event.after.data() + request.addressAt, 6));
    }
    mask_->Apply({event.after.data(), size}, written);
  }
  const std::uint32_t changed =
      (Differing(event.after, request.bytes) & request.written) | (written & ~request.written);
  if (request.any && changed == 0 && event.status == request.status &&
      event.duration == request.duration) {
    return;
  }
  Line line;
  line.Add('[');
  line.Number(static_cast<std::int64_t>(&request - requests_.data()));
  line.Add(',');
  line.Number(event.time);
  line.Add(',');
  AddStatus(line, event.status);
  if (changed != 0) {
    line.Add(',');
    AddRuns(line, changed, written, event.after.data(), size);
  }
  AddOptions(line, ordinal, event.duration);
  line.Add("]\n");
  text_ += line.View();

  request.any = true;
  request.status = event.status;
  request.duration = event.duration;
  request.written = written;
  request.bytes = event.after;
}

std::size_t RecordingWriter::FindRequest(const RecordEvent& event) {
  const auto key =
      recording::RequestKey::Of(event.request, std::span(event.before.data(), event.Size()));
  const auto address =
      static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(event.request.buffer));
  Recent& recent = recent_[static_cast<std::size_t>((address * 0x9E3779B97F4A7C15u) >> 58)];
  if (recent.buffer == event.request.buffer && requests_[recent.request].key == key)
    return recent.request;

  const auto [found, added] = index_.try_emplace(key, requests_.size());
  if (added) {
    Request& request = requests_.emplace_back();
    request.key = key;
    request.addressAt = AddressIn(key, kNoAddress);
    text_ += Definition(found->second, key);
  }
  recent = {event.request.buffer, found->second};
  return found->second;
}

void RecordingWriter::Fail(const char* what) {
  if (!failed_) {
    std::fprintf(stderr, "cannot %s the recording file '%s': %s; the recording ends here\n", what,
                 name_.c_str(), std::strerror(errno));
  }
  failed_ = true;
}

}  // namespace quoril
