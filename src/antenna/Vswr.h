#pragma once
// The antenna test's measured quantity: a raw register 0x74 byte turned into
// a voltage standing wave ratio, and its height on the chart.

#include <cstdint>

namespace quoril {

// 0x80 means no reading and gives 0.0. Raw bytes 0x37..0x7F give negative
// values; the chart draws them as they come.
double VswrFromRaw(std::uint8_t raw);

// Chart units above the channel axis: (VSWR - 1) x 100 truncated toward
// zero, 0 for no reading.
int PlotHeight(std::uint8_t raw);

}  // namespace quoril
