#include "res/qt/ScrollBarControl.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionSlider>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace quoril {

namespace {

// The bar's context menu, as Qt words it; a null text is a separator.
struct MenuItem {
  const char* horizontal;
  const char* vertical;
  ScrollCode code;
};
constexpr MenuItem kMenu[] = {
    {"Scroll here", "Scroll here", ScrollCode::kThumbPosition},
    {nullptr, nullptr, ScrollCode::kEndScroll},
    {"Left edge", "Top", ScrollCode::kLeft},
    {"Right edge", "Bottom", ScrollCode::kRight},
    {nullptr, nullptr, ScrollCode::kEndScroll},
    {"Page left", "Page up", ScrollCode::kPageLeft},
    {"Page right", "Page down", ScrollCode::kPageRight},
    {nullptr, nullptr, ScrollCode::kEndScroll},
    {"Scroll left", "Scroll up", ScrollCode::kLineLeft},
    {"Scroll right", "Scroll down", ScrollCode::kLineRight},
};

}  // namespace

ScrollBarControl::ScrollBarControl(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
  connect(this, &QAbstractSlider::actionTriggered, this, &ScrollBarControl::OnAction);
  connect(this, &QAbstractSlider::sliderPressed, this, [this] {
    dragThumb_ = value();
    moved_ = true;
  });
  connect(this, &QAbstractSlider::sliderReleased, this, [this] {
    emit scrolled(ScrollCode::kThumbPosition, dragThumb_);
  });
}

void ScrollBarControl::OnAction(int action) {
  const std::optional<ScrollCode> code = ScrollCodeOfAction(action);
  if (!code) return;
  // Qt has moved the thumb already; it goes back until the dialog says.
  const int thumb = sliderPosition();
  setSliderPosition(value());
  moved_ = true;
  if (*code == ScrollCode::kThumbTrack) dragThumb_ = thumb;
  emit scrolled(*code, *code == ScrollCode::kThumbTrack ? thumb : 0);
}

void ScrollBarControl::keyPressEvent(QKeyEvent* event) {
  const std::optional<ScrollMove> move = ScrollMoveOfKey(event->key());
  if (!move) {
    QScrollBar::keyPressEvent(event);
    return;
  }
  emit scrolled(move->code, 0);
}

void ScrollBarControl::keyReleaseEvent(QKeyEvent* event) {
  if (!ScrollMoveOfKey(event->key())) {
    QScrollBar::keyReleaseEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) emit scrolled(ScrollCode::kEndScroll, 0);
}

void ScrollBarControl::wheelEvent(QWheelEvent* event) {
  const int notches = wheel_.Take(*event);
  for (int i = 0; i < std::abs(notches); ++i) emit scrolled(WheelNotches::CodeOf(notches), 0);
  event->accept();
}

void ScrollBarControl::mouseReleaseEvent(QMouseEvent* event) {
  QScrollBar::mouseReleaseEvent(event);
  if (moved_) emit scrolled(ScrollCode::kEndScroll, 0);
  moved_ = false;
}

void ScrollBarControl::contextMenuEvent(QContextMenuEvent* event) {
  const bool horizontal = orientation() == Qt::Horizontal;
  QMenu menu(this);
  std::vector<std::pair<QAction*, ScrollCode>> items;
  for (const MenuItem& item : kMenu) {
    if (!item.horizontal) {
      menu.addSeparator();
      continue;
    }
    items.emplace_back(menu.addAction(QScrollBar::tr(horizontal ? item.horizontal : item.vertical)),
                       item.code);
  }
  const QAction* chosen = menu.exec(event->globalPos());
  for (const auto& [action, code] : items) {
    if (action != chosen) continue;
    emit scrolled(code, code == ScrollCode::kThumbPosition ? ValueAt(event->pos()) : 0);
    emit scrolled(ScrollCode::kEndScroll, 0);
  }
}

int ScrollBarControl::ValueAt(QPoint point) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect groove =
      style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
  const QRect thumb =
      style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
  const bool horizontal = orientation() == Qt::Horizontal;
  const int length = horizontal ? thumb.width() : thumb.height();
  const int first = horizontal ? groove.left() : groove.top();
  const int last = (horizontal ? groove.right() : groove.bottom()) - length + 1;
  const int at = (horizontal ? point.x() : point.y()) - length / 2;
  return QStyle::sliderValueFromPosition(minimum(), maximum(), at - first, last - first,
                                         option.upsideDown);
}

}  // namespace quoril
