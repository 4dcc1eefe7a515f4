#include "antenna/VswrScroll.h"

#include <algorithm>

namespace quoril {

int ScrollPosition(ScrollCode code, int current, int thumb, const ScrollBarRange& bar) {
  int pos = current;
  switch (code) {
    case ScrollCode::kLineLeft:
      pos = current - 1;
      break;
    case ScrollCode::kLineRight:
      pos = current + 1;
      break;
    case ScrollCode::kPageLeft:
      pos = current - 10;
      break;
    case ScrollCode::kPageRight:
      pos = current + 10;
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
  pos = std::clamp(pos, 1, 100);
  return std::clamp(pos, bar.low, bar.high);
}

}  // namespace quoril
