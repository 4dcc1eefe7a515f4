#pragma once
// The VSWR dialog's two scroll bars: "Speed" (1..100) and "Clear" (1..30).

#include "res/ScrollCode.h"

namespace quoril {

struct ScrollBarRange {
  int id;
  int low;
  int high;
};
inline constexpr ScrollBarRange kSpeedBar{1002, 1, 100};
inline constexpr ScrollBarRange kClearBar{1004, 1, 30};

// The new position of the bar that sent `code`: moved from `current` (or to
// `thumb`), limited to 1..100, then kept within the bar's own range.
int ScrollPosition(ScrollCode code, int current, int thumb, const ScrollBarRange& bar);

}  // namespace quoril
