#include "sim/JsonReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/ScenarioLoader.h"

namespace quoril {
namespace {

constexpr std::size_t kShownValueLength = 40;

// A short rendering of an offending value for messages.
std::string Shown(const nlohmann::json& value) {
  std::string text = value.dump();
  if (text.size() > kShownValueLength) text = text.substr(0, kShownValueLength - 3) + "...";
  return text;
}

// RFC 6901: '~' and '/' in a key are written ~0 and ~1.
std::string PointerToken(std::string_view key) {
  std::string token;
  for (char c : key) {
    if (c == '~')
      token += "~0";
    else if (c == '/')
      token += "~1";
    else
      token += c;
  }
  return token;
}

std::optional<std::int64_t> ParseHex(const std::string& text) {
  if (text.size() < 3 || text.size() > 18 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
    return std::nullopt;
  std::uint64_t value = 0;
  for (std::size_t i = 2; i < text.size(); ++i) {
    const char c = text[i];
    int digit = -1;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    if (digit < 0 || value > (UINT64_MAX >> 4)) return std::nullopt;
    value = value << 4 | static_cast<std::uint64_t>(digit);
  }
  if (value > static_cast<std::uint64_t>(INT64_MAX)) return std::nullopt;
  return static_cast<std::int64_t>(value);
}

}  // namespace

std::string JsonSyntaxProblem(const nlohmann::json::parse_error& error) {
  std::string message = error.what();
  for (std::string_view marker : {"syntax error", "parse error"}) {
    const std::size_t at = message.find(marker, message.find(']'));
    if (at != std::string::npos) return message.substr(at);
  }
  return message;
}

JsonField::JsonField(const nlohmann::json& value, std::string path, std::string_view source)
    : value_(&value), path_(std::move(path)), source_(source) {}

void JsonField::Fail(std::string_view problem) const {
  throw ScenarioError(std::string(source_) + ": " + (path_.empty() ? "top level" : path_) + ": " +
                      std::string(problem));
}

void JsonField::Expected(std::string_view what) const {
  Fail("expected " + std::string(what) + ", got " + Shown(*value_));
}

JsonField JsonField::Child(std::string_view key, const nlohmann::json& value) const {
  return JsonField(value, path_ + "/" + PointerToken(key), source_);
}

std::int64_t JsonField::Integer(std::int64_t min, std::int64_t max) const {
  const std::string range = "an integer from " + std::to_string(min) + " to " + std::to_string(max);
  std::optional<std::int64_t> value;
  if (value_->is_number_unsigned()) {
    const auto u = value_->get<std::uint64_t>();
    if (u <= static_cast<std::uint64_t>(INT64_MAX)) value = static_cast<std::int64_t>(u);
  } else if (value_->is_number_integer()) {
    value = value_->get<std::int64_t>();
  } else if (value_->is_string()) {
    value = ParseHex(value_->get<std::string>());
    if (!value) Expected(range + " (or a hex string such as \"0x80\")");
  } else {
    Expected(range);
  }
  if (!value || *value < min || *value > max)
    Fail("out of range: " + Shown(*value_) + " is not " + range);
  return *value;
}

double JsonField::Number(double min, double max) const {
  if (!value_->is_number()) Expected("a number");
  const double value = value_->get<double>();
  if (!(value >= min && value <= max)) {
    char range[64];
    std::snprintf(range, sizeof range, "from %g to %g", min, max);
    Fail("out of range: " + Shown(*value_) + " is not a number " + range);
  }
  return value;
}

bool JsonField::Boolean() const {
  if (!value_->is_boolean()) Expected("true or false");
  return value_->get<bool>();
}

std::string JsonField::String() const {
  if (!value_->is_string()) Expected("a string");
  return value_->get<std::string>();
}

std::array<std::uint8_t, 6> JsonField::Mac() const {
  static constexpr std::string_view kWhat =
      "an address of six hex pairs such as \"00:60:1d:f0:12:34\"";
  if (!value_->is_string()) Expected(kWhat);
  const std::string text = value_->get<std::string>();
  std::array<std::uint8_t, 6> mac{};
  if (text.size() != 17) Expected(kWhat);
  for (std::size_t i = 0; i < mac.size(); ++i) {
    const std::size_t at = i * 3;
    if (i > 0 && text[at - 1] != ':' && text[at - 1] != '-') Expected(kWhat);
    const auto pair = ParseHex("0x" + text.substr(at, 2));
    if (!pair) Expected(kWhat);
    mac[i] = static_cast<std::uint8_t>(*pair);
  }
  return mac;
}

std::vector<JsonField> JsonField::Elements(std::size_t minSize, std::size_t maxSize) const {
  if (!value_->is_array()) Expected("an array");
  const std::size_t size = value_->size();
  if (size < minSize || size > maxSize) {
    Fail("expected " +
         (minSize == maxSize ? std::to_string(minSize)
                             : std::to_string(minSize) + " to " + std::to_string(maxSize)) +
         " elements, got " + std::to_string(size));
  }
  std::vector<JsonField> elements;
  elements.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    elements.emplace_back((*value_)[i], path_ + "/" + std::to_string(i), source_);
  }
  return elements;
}

JsonObject::JsonObject(const JsonField& field) : field_(field) {
  if (!field.Value().is_object()) {
    field.Fail("expected an object, got " + Shown(field.Value()));
  }
}

std::optional<JsonField> JsonObject::Optional(std::string_view key) {
  known_.emplace_back(key);
  const auto& object = field_.Value();
  const auto found = object.find(key);
  if (found == object.end()) return std::nullopt;
  return field_.Child(key, *found);
}

JsonField JsonObject::Required(std::string_view key) {
  std::optional<JsonField> field = Optional(key);
  if (!field) field_.Fail("missing key \"" + std::string(key) + "\"");
  return *field;
}

bool JsonObject::Has(std::string_view key) const {
  return field_.Value().contains(key);
}

void JsonObject::RejectUnknownKeys() const {
  for (const auto& [key, value] : field_.Value().items()) {
    if (std::find(known_.begin(), known_.end(), key) != known_.end()) continue;
    std::string expected;
    for (const std::string& k : known_) expected += (expected.empty() ? "" : ", ") + k;
    field_.Child(key, value).Fail("unknown key; expected one of: " + expected);
  }
}

}  // namespace quoril
