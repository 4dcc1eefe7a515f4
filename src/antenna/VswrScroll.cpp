#include "antenna/VswrScroll.h"

#include <algorithm>

namespace quoril {

int ScrollPosition(ScrollCode code, int current, int thumb, const ScrollBarRange& bar) {
  // Wide enough that a step from any int (a position read from the
  // settings) cannot overflow before the limits apply.
  long long pos = current;
  switch (code) {
    case ScrollCode::kLineLeft:
      pos = current - 1LL;
      break;
    case ScrollCode::kLineRight:
      pos = current + 1LL;
      break;
    case ScrollCode::kPageLeft:
      pos = current - 10LL;
      break;
    case ScrollCode::kPageRight:
      pos = current + 10LL;
      break;
    case ScrollCode::kThumbPosition:
    case ScrollCode::kThumbTrack:
      pos = thumb;
      break;
    case ScrollCode::kLeft:
      pos = 1;
      break;
    case ScrollCode::kRight:
      pos = 100;
      break;
    case ScrollCode::kEndScroll:
      break;
  }
  pos = std::clamp(pos, 1LL, 100LL);
  return std::clamp(static_cast<int>(pos), bar.low, bar.high);
}

}  // namespace quoril
