#include "res/qt/ChartView.h"

#include <QPaintEvent>
#include <QPainter>

#include "res/ChartSurface.h"
#include "res/qt/PeriodicTimers.h"
#include "res/qt/Resources.h"

namespace quoril {

ChartView::ChartView(QWidget& parent, const QRect& place, ChartEvents& events)
    : QWidget(&parent),
      events_(events),
      image_(place.size(), QImage::Format_RGB32),
      timers_(new PeriodicTimers([this](int id) { events_.OnTimer(id); }, this)) {
  image_.fill(Qt::white);
  setGeometry(place);
  setEnabled(false);
  setFocusPolicy(Qt::NoFocus);
  setCursor(BlankCursor());
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Shows with the dialog; over a dialog that shows already, once the
  // surface has been handed out.
  if (parent.isVisible()) {
    QMetaObject::invokeMethod(this, &QWidget::show, Qt::QueuedConnection);
  } else {
    show();
  }
}

void ChartView::Invalidate() {
  paintDue_ = true;
  if (!isVisible()) return;
  paintDue_ = false;
  events_.OnPaint();
  update();
}

void ChartView::showEvent(QShowEvent*) {
  if (!paintDue_) return;
  paintDue_ = false;
  events_.OnPaint();
}

void ChartView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace quoril
