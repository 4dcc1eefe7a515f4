#pragma once
// The three ways a timed command prints its ticks, and the small pieces they
// share: CSV fields, colours, the time column.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "adapter/Clock.h"
#include "app/Rgb.h"

namespace quoril::cli {

enum class OutputFormat { kText, kJson, kCsv };

// Key order in the lines is the order of writing.
using Json = nlohmann::ordered_json;

// Where a tick stands: its number from 1 and the clock's reading when it ran.
struct TickStamp {
  int tick = 0;
  Millis time{0};
};

// Seconds with three decimals, "12.300".
std::string Seconds(Millis time);
// "#rrggbb".
std::string ColourName(Rgb colour);

// A field as spreadsheets read it back: quoted when it holds a comma, a
// quote, a line break or blanks at either end, quotes doubled.
std::string CsvField(std::string_view text);
// Fields joined by commas, each through CsvField.
std::string CsvRow(const std::vector<std::string>& fields);

// One line on `out`, flushed so that a pipe sees each tick as it comes.
void PrintLine(std::FILE* out, std::string_view line);
void PrintJsonLine(std::FILE* out, const Json& line);

// One tick in the chosen format, through that format's formatter.
template <class Tick, class TextLine, class JsonLine, class CsvLine>
void PrintTick(std::FILE* out, OutputFormat format, const Tick& tick, TextLine text, JsonLine json,
               CsvLine csv) {
  switch (format) {
    case OutputFormat::kText:
      PrintLine(out, text(tick));
      break;
    case OutputFormat::kJson:
      PrintJsonLine(out, json(tick));
      break;
    case OutputFormat::kCsv:
      PrintLine(out, csv(tick));
      break;
  }
}

}  // namespace quoril::cli
