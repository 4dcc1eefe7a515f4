#include "cli/Output.h"

#include <cstdio>

namespace quoril::cli {

std::string Seconds(Millis time) {
  const long long ms = time.count();
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%03lld", ms < 0 ? "-" : "", (ms < 0 ? -ms : ms) / 1000,
                (ms < 0 ? -ms : ms) % 1000);
  return text;
}

std::string ColourName(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return text;
}

std::string CsvField(std::string_view text) {
  const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return std::string(text);
  std::string field = "\"";
  for (char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  field += '"';
  return field;
}

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  bool first = true;
  for (const std::string& field : fields) {
    if (!first) row += ',';
    first = false;
    row += CsvField(field);
  }
  return row;
}

void PrintLine(std::FILE* out, std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), out);
  std::fputc('\n', out);
  std::fflush(out);
}

void PrintJsonLine(std::FILE* out, const Json& line) {
  PrintLine(out, line.dump());
}

}  // namespace quoril::cli
