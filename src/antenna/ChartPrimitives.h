#pragma once
// The chart's four ways of drawing from the cursor's last point to a target
// in chart units. Each ends with the cursor at the target.

#include <array>
#include <cstddef>
#include <string_view>

#include "antenna/ChartGeometry.h"
#include "antenna/DrawOp.h"

namespace quoril {

// What one primitive draws, in order.
struct PrimitiveOps {
  std::array<DrawOp, 4> ops;
  std::size_t count = 0;
  void AppendTo(DrawList& out) const { out.insert(out.end(), ops.begin(), ops.begin() + count); }
};

// Pixel, black X marker, line.
PrimitiveOps PlotSample(ChartCursor& cursor, ChartPoint to, Rgb colour);
// Pixel, line, in green.
PrimitiveOps DrawSegment(ChartCursor& cursor, ChartPoint to);
// Pixel, line, in red, then the label at (-24, -9) from the target pixel.
PrimitiveOps DrawYTick(ChartCursor& cursor, ChartPoint to, std::string_view label);
// Pixel, line, in red, then the label at (-5, -3) from the target pixel.
PrimitiveOps DrawXTick(ChartCursor& cursor, ChartPoint to, std::string_view label);

}  // namespace quoril
