#pragma once
// The empty chart: ticks with labels, the green threshold at VSWR 1.4, the
// axes with arrow heads and the two titles.

#include <string_view>

#include "antenna/ChartGeometry.h"
#include "antenna/DrawOp.h"
#include "app/Rgb.h"

namespace quoril {

inline constexpr Rgb kChartBackground = MakeRgb(192, 192, 100);
inline constexpr Rgb kChartAxisColour = colours::kBlue;
inline constexpr Rgb kChartTickColour = colours::kRed;
inline constexpr Rgb kChartThresholdColour = colours::kGreen;
inline constexpr Rgb kChartCurveColour = colours::kBlue;
inline constexpr std::string_view kChartXTitle = "Channel";
inline constexpr std::string_view kChartYTitle = "VSWR";

// Label font of the chart, for the window to make.
struct ChartFont {
  static constexpr int kHeight = 17;
  static constexpr int kWeight = 500;
  static constexpr bool kItalic = true;
  static constexpr std::string_view kFace = "Courier New";
};

// Appends the frame over `cursor.plot` to `out`. `xTitle` is the x-axis
// title's extent in the label font. Leaves the cursor at the origin with the
// channel axis's scales, which the sweep uses.
void DrawFrame(ChartCursor& cursor, TextExtent xTitle, DrawList& out);

}  // namespace quoril
