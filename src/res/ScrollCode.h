#pragma once
// What a scroll bar or a trackbar tells its dialog about a move, with the
// platform's numbers (SB_LINELEFT .. SB_ENDSCROLL; the trackbar's TB_ codes
// carry the same numbers).

namespace quoril {

enum class ScrollCode {
  kLineLeft = 0,       // arrow left or up, the key Left or Up
  kLineRight = 1,      // arrow right or down, the key Right or Down
  kPageLeft = 2,       // the trough before the thumb, Page Up
  kPageRight = 3,      // the trough after the thumb, Page Down
  kThumbPosition = 4,  // the thumb let go, or a jump to a place ("Scroll here")
  kThumbTrack = 5,     // the thumb being dragged
  kLeft = 6,           // Home, "Left edge"
  kRight = 7,          // End, "Right edge"
  kEndScroll = 8,      // the move is over
};

}  // namespace quoril
