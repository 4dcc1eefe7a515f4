#pragma once
// The VSWR dialog's two scroll bars: "Speed" (1..100) and "Clear" (1..30).

namespace quoril {

enum class ScrollCode {
  kLineLeft = 0,
  kLineRight = 1,
  kPageLeft = 2,
  kPageRight = 3,
  kThumbPosition = 4,
  kThumbTrack = 5,
  kLeft = 6,
  kRight = 7,
  kEndScroll = 8,
};

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
