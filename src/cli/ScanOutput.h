#pragma once
// How `scan` prints an air-scan tick: the channel the reading belongs to, its
// value text, its bar value and the bar's background.

#include <string>

#include "airscan/ScanSliders.h"
#include "airscan/ScanTick.h"
#include "cli/Output.h"

namespace quoril::cli {

struct ScanTick {
  TickStamp stamp;
  const ScanTickResult& result;
  int barHigh = 97;  // the bars run from 0 to this: the zoom, or 100 in BER mode
};

// Text mode's first line: the display mode and the sliders' texts.
std::string ScanTextHeading(bool ber, const SliderUpdate& sliders);

// The line after the tick that closes the scan by itself.
inline constexpr std::string_view kScanClosedNote =
    "closed: 13 ticks in a row without errors while the BER threshold is 0";

std::string ScanText(const ScanTick& tick);
Json ScanJson(const ScanTick& tick);
std::string ScanCsvHeader();
std::string ScanCsvRow(const ScanTick& tick);

}  // namespace quoril::cli
