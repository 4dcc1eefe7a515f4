#pragma once
// A scroll bar as dialogs have it: whatever the user does to it (mouse,
// keyboard, wheel, its context menu) is reported as a scroll code and the
// bar stays where it is; the dialog sets the position that stays.

#include <QScrollBar>

#include "res/ScrollCode.h"
#include "res/qt/ScrollInput.h"

namespace quoril {

class ScrollBarControl final : public QScrollBar {
  Q_OBJECT
 public:
  ScrollBarControl(Qt::Orientation orientation, QWidget* parent);

 signals:
  // `thumb` is the thumb's place for kThumbTrack and kThumbPosition, else 0.
  void scrolled(quoril::ScrollCode code, int thumb);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Qt's own menu moves the bar without a word for "Scroll here"; this one
  // reports every item.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OnAction(int action);
  // The value whose thumb is centred on `point`.
  int ValueAt(QPoint point) const;

  WheelNotches wheel_;
  int dragThumb_ = 0;
  bool moved_ = false;  // since the mouse went down
};

}  // namespace quoril
