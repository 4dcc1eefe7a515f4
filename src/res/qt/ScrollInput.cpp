#include "res/qt/ScrollInput.h"

#include <QWheelEvent>

namespace quoril {

namespace {

struct KeyMove {
  int key;
  ScrollMove move;
};
constexpr KeyMove kKeyMoves[] = {
    {Qt::Key_Left, {ScrollCode::kLineLeft, QAbstractSlider::SliderSingleStepSub}},
    {Qt::Key_Up, {ScrollCode::kLineLeft, QAbstractSlider::SliderSingleStepSub}},
    {Qt::Key_Right, {ScrollCode::kLineRight, QAbstractSlider::SliderSingleStepAdd}},
    {Qt::Key_Down, {ScrollCode::kLineRight, QAbstractSlider::SliderSingleStepAdd}},
    {Qt::Key_PageUp, {ScrollCode::kPageLeft, QAbstractSlider::SliderPageStepSub}},
    {Qt::Key_PageDown, {ScrollCode::kPageRight, QAbstractSlider::SliderPageStepAdd}},
    {Qt::Key_Home, {ScrollCode::kLeft, QAbstractSlider::SliderToMinimum}},
    {Qt::Key_End, {ScrollCode::kRight, QAbstractSlider::SliderToMaximum}},
};

struct ActionCode {
  int action;
  ScrollCode code;
};
constexpr ActionCode kActionCodes[] = {
    {QAbstractSlider::SliderSingleStepSub, ScrollCode::kLineLeft},
    {QAbstractSlider::SliderSingleStepAdd, ScrollCode::kLineRight},
    {QAbstractSlider::SliderPageStepSub, ScrollCode::kPageLeft},
    {QAbstractSlider::SliderPageStepAdd, ScrollCode::kPageRight},
    {QAbstractSlider::SliderToMinimum, ScrollCode::kLeft},
    {QAbstractSlider::SliderToMaximum, ScrollCode::kRight},
    {QAbstractSlider::SliderMove, ScrollCode::kThumbTrack},
};

constexpr int kNotch = 120;  // wheel delta of one notch, in eighths of a degree

}  // namespace

std::optional<ScrollMove> ScrollMoveOfKey(int key) {
  for (const KeyMove& k : kKeyMoves) {
    if (k.key == key) return k.move;
  }
  return std::nullopt;
}

std::optional<ScrollCode> ScrollCodeOfAction(int action) {
  for (const ActionCode& a : kActionCodes) {
    if (a.action == action) return a.code;
  }
  return std::nullopt;
}

int WheelNotches::Take(const QWheelEvent& event) {
  const QPoint angle = event.angleDelta();
  delta_ += angle.y() != 0 ? angle.y() : angle.x();
  const int notches = delta_ / kNotch;
  delta_ -= notches * kNotch;
  return notches;
}

}  // namespace quoril
