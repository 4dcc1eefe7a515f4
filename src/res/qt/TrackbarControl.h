#pragma once
// A trackbar as dialogs have it: it moves as the user drives it (mouse,
// keyboard, wheel) and then reports the move as a scroll code, the keys
// taking the platform's meaning: Left and Up towards the minimum.

#include <QSlider>

#include "res/ScrollCode.h"
#include "res/qt/ScrollInput.h"

namespace quoril {

class TrackbarControl final : public QSlider {
  Q_OBJECT
 public:
  TrackbarControl(Qt::Orientation orientation, QWidget* parent);

 signals:
  // After the move; `thumb` is the new place for the thumb codes, else 0.
  void scrolled(quoril::ScrollCode code, int thumb);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void OnAction(int action);

  WheelNotches wheel_;
  bool moved_ = false;  // since the mouse went down
};

}  // namespace quoril
