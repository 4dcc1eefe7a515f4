#pragma once
// The chart's measuring sweep over channels 1 to 14 and its repaint, as they
// touch the card, with what the window is to draw.

#include <array>
#include <cstdint>

#include "antenna/ChartGeometry.h"
#include "antenna/DrawOp.h"

namespace quoril {

class CAdapter;

inline constexpr int kChartTimerId = 1;
inline constexpr int kChartChannels = 14;
inline constexpr std::uint8_t kTestTxLevel = 128;

struct ChartSweep {
  ChartCursor cursor;  // plot rectangle fixed at creation
  int channel = 0;     // measured by the next step; out of 1..15 restarts at 1
};

// Layout at creation, from the client rectangle.
ChartSweep MakeChartSweep(const PixelRect& client);

struct SweepStep {
  int channel = 0;       // the channel measured
  std::uint8_t raw = 0;  // byte 2 of the register 0x74 answer
  double vswr = 0.0;
  int plotY = 0;
  std::uint8_t tuned = 1;  // the channel tuned for the next step
  // The sample: its pixel, the black X, the line from the previous point.
  std::array<DrawOp, 4> ops;
};

// One timer step: level 128, read register 0x74, record the VSWR of the
// channel, tune the next channel.
SweepStep RunSweepStep(CAdapter& adapter, ChartSweep& sweep);

// A repaint: fills `client`, draws the frame and restarts the sweep at
// channel 1, tuning the card there and setting level 128.
DrawList RunChartPaint(CAdapter& adapter, ChartSweep& sweep, const PixelRect& client,
                       TextExtent xTitle);

}  // namespace quoril
