#pragma once
// How `antenna` prints a sweep step: the channel measured and its VSWR, and
// after the step that completes a sweep, the report on the whole table.

#include <string>

#include "antenna/AntennaReport.h"
#include "antenna/ChartSweep.h"
#include "cli/Output.h"

namespace quoril::cli {

struct AntennaTick {
  TickStamp stamp;
  const SweepStep& step;
  const AntennaReport* report = nullptr;  // only after channel 14
};

std::string AntennaText(const AntennaTick& tick);
Json AntennaJson(const AntennaTick& tick);
std::string AntennaCsvHeader();
std::string AntennaCsvRow(const AntennaTick& tick);

}  // namespace quoril::cli
