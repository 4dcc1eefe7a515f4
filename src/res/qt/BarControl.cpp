#include "res/qt/BarControl.h"

#include <QPainter>
#include <algorithm>

namespace quoril {

BarControl::BarControl(Qt::Orientation orientation, bool smooth, QWidget* parent)
    : QWidget(parent),
      orientation_(orientation),
      smooth_(smooth),
      bar_(DefaultBarColor()),
      background_(DefaultBackgroundColor()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor BarControl::DefaultBarColor() {
  return QColor(0, 0, 128);
}
QColor BarControl::DefaultBackgroundColor() {
  return QColor(212, 208, 200);
}

int BarControl::Clamp(int position) const {
  return std::clamp(position, std::min(minimum_, maximum_), std::max(minimum_, maximum_));
}

void BarControl::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  position_ = Clamp(position_);
  update();
}

int BarControl::SetPos(int position) {
  const int previous = position_;
  position_ = Clamp(position);
  if (position_ != previous) update();
  return previous;
}

int BarControl::StepIt() {
  int next = position_ + step_;
  if (next > maximum_) next = minimum_ + (next - maximum_);
  return SetPos(next);
}

void BarControl::SetBarColor(const QColor& colour) {
  if (colour == bar_) return;
  bar_ = colour;
  update();
}

void BarControl::SetBackgroundColor(const QColor& colour) {
  if (colour == background_) return;
  background_ = colour;
  update();
}

void BarControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect();
  // Thin sunken edge.
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(outer.topLeft(), outer.topRight());
  painter.drawLine(outer.topLeft(), outer.bottomLeft());
  painter.setPen(Qt::white);
  painter.drawLine(outer.bottomLeft(), outer.bottomRight());
  painter.drawLine(outer.topRight(), outer.bottomRight());

  const QRect inner = outer.adjusted(1, 1, -1, -1);
  painter.fillRect(inner, background_);
  const int span = maximum_ - minimum_;
  if (span <= 0 || inner.isEmpty()) return;

  const QRect area = inner.adjusted(1, 1, -1, -1);
  const bool horizontal = orientation_ == Qt::Horizontal;
  const int length = horizontal ? area.width() : area.height();
  const int filled = static_cast<int>(static_cast<long long>(position_ - minimum_) * length / span);
  if (filled <= 0) return;

  if (smooth_) {
    if (horizontal) {
      painter.fillRect(QRect(area.left(), area.top(), filled, area.height()), bar_);
    } else {
      painter.fillRect(QRect(area.left(), area.bottom() - filled + 1, area.width(), filled), bar_);
    }
    return;
  }
  // Blocks two thirds as long as the bar is thick, two pixels apart.
  const int thickness = horizontal ? area.height() : area.width();
  const int block = std::max(1, (thickness * 2 + 2) / 3);
  painter.setClipRect(area);
  for (int at = 0; at < filled; at += block + 2) {
    if (horizontal) {
      painter.fillRect(QRect(area.left() + at, area.top(), block, area.height()), bar_);
    } else {
      painter.fillRect(QRect(area.left(), area.bottom() - at - block + 1, area.width(), block),
                       bar_);
    }
  }
}

}  // namespace quoril
