#pragma once
// Checked reading of a JSON document: every value knows its path, and every
// wrong type, value out of range or unknown key becomes one ScenarioError
// that names the document, the path and the problem.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace quoril {

// The parser's own description of a syntax error, without its prefix and
// its own idea of the place.
std::string JsonSyntaxProblem(const nlohmann::json::parse_error& error);

class JsonField {
 public:
  // `source` names the document in messages and must outlive the field.
  JsonField(const nlohmann::json& value, std::string path, std::string_view source);

  [[noreturn]] void Fail(std::string_view problem) const;

  const nlohmann::json& Value() const { return *value_; }
  const std::string& Path() const { return path_; }
  std::string_view Source() const { return source_; }
  JsonField Child(std::string_view key, const nlohmann::json& value) const;

  // An integer, or a string of hex digits after "0x", in [min, max].
  std::int64_t Integer(std::int64_t min, std::int64_t max) const;
  std::uint8_t Byte() const { return static_cast<std::uint8_t>(Integer(0, 255)); }
  double Number(double min, double max) const;
  bool Boolean() const;
  std::string String() const;
  // Six hex pairs separated by ':' or '-'.
  std::array<std::uint8_t, 6> Mac() const;
  // The elements of an array of `minSize` to `maxSize` elements.
  std::vector<JsonField> Elements(std::size_t minSize, std::size_t maxSize) const;

 private:
  [[noreturn]] void Expected(std::string_view what) const;

  const nlohmann::json* value_;
  std::string path_;
  std::string_view source_;
};

// The members of a JSON object. Every key read, present or not, counts as
// known; RejectUnknownKeys then fails on the first key nobody asked for.
class JsonObject {
 public:
  explicit JsonObject(const JsonField& field);

  std::optional<JsonField> Optional(std::string_view key);
  JsonField Required(std::string_view key);
  bool Has(std::string_view key) const;
  void RejectUnknownKeys() const;
  const JsonField& Field() const { return field_; }

 private:
  JsonField field_;
  std::vector<std::string> known_;
};

}  // namespace quoril
