#pragma once
// What the keyboard, the mouse and the wheel do to a scroll bar or a
// trackbar, in the platform's scroll codes: Left and Up step back, Right and
// Down forward, Page Up and Page Down page, Home and End go to the ends.

#include <QAbstractSlider>
#include <optional>

#include "res/ScrollCode.h"

class QWheelEvent;

namespace quoril {

struct ScrollMove {
  ScrollCode code;
  QAbstractSlider::SliderAction action;  // what Qt calls the same move
};

// The move of `key`, none for other keys.
std::optional<ScrollMove> ScrollMoveOfKey(int key);
// The code of a move Qt made from the mouse, none for "no action".
std::optional<ScrollCode> ScrollCodeOfAction(int action);

// Wheel turns gathered into whole notches, positive away from the user; each
// notch is a line move, away from the user a line back.
class WheelNotches {
 public:
  int Take(const QWheelEvent& event);
  static ScrollCode CodeOf(int notches) {
    return notches > 0 ? ScrollCode::kLineLeft : ScrollCode::kLineRight;
  }

 private:
  int delta_ = 0;
};

}  // namespace quoril
