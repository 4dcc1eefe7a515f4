#include "res/qt/TrackbarControl.h"

#include <QKeyEvent>
#include <cstdlib>
#include <optional>

namespace quoril {

TrackbarControl::TrackbarControl(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent) {
  connect(this, &QAbstractSlider::actionTriggered, this, &TrackbarControl::OnAction);
  connect(this, &QAbstractSlider::sliderPressed, this, [this] { moved_ = true; });
  connect(this, &QAbstractSlider::sliderReleased, this,
          [this] { emit scrolled(ScrollCode::kThumbPosition, value()); });
}

void TrackbarControl::OnAction(int action) {
  const std::optional<ScrollCode> code = ScrollCodeOfAction(action);
  if (!code) return;
  // Qt takes the new value only after this; the dialog reads it now.
  setValue(sliderPosition());
  moved_ = true;
  emit scrolled(*code, *code == ScrollCode::kThumbTrack ? value() : 0);
}

void TrackbarControl::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<ScrollMove> move = ScrollMoveOfKey(event->key())) {
    triggerAction(move->action);
  } else {
    QSlider::keyPressEvent(event);
  }
}

void TrackbarControl::keyReleaseEvent(QKeyEvent* event) {
  if (!ScrollMoveOfKey(event->key())) {
    QSlider::keyReleaseEvent(event);
  } else if (!event->isAutoRepeat()) {
    emit scrolled(ScrollCode::kEndScroll, 0);
  }
}

void TrackbarControl::wheelEvent(QWheelEvent* event) {
  const int notches = wheel_.Take(*event);
  const SliderAction action = notches > 0 ? SliderSingleStepSub : SliderSingleStepAdd;
  for (int i = 0; i < std::abs(notches); ++i) triggerAction(action);
  event->accept();
}

void TrackbarControl::mouseReleaseEvent(QMouseEvent* event) {
  QSlider::mouseReleaseEvent(event);
  if (moved_) emit scrolled(ScrollCode::kEndScroll, 0);
  moved_ = false;
}

}  // namespace quoril
