#pragma once
// One drawing primitive of the chart, for a window to paint as it comes.

#include <vector>

#include "antenna/ChartGeometry.h"
#include "app/Rgb.h"
#include "app/ShortText.h"

namespace quoril {

struct DrawOp {
  enum class Kind {
    kFill,   // solid rectangle from `from` (top-left) to `to` (bottom-right, exclusive)
    kPixel,  // one pixel at `to`
    kLine,   // from `from` to `to`; the last pixel is not drawn
    kText,   // `text`, top-left corner at `from`, label font, transparent, black
  };
  Kind kind = Kind::kLine;
  Rgb colour = colours::kBlack;
  int penWidth = 1;  // 0 for the axis pen (one pixel, whatever the device)
  Pixel from;
  Pixel to;
  ShortText text;
};

using DrawList = std::vector<DrawOp>;

}  // namespace quoril
