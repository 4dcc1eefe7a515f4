#include "res/qt/StaticControl.h"

#include <QPainter>
#include <QStyle>

namespace quoril {

StaticControl::StaticControl(const QString& text, bool prefix, QWidget* parent)
    : QLabel(text, parent), prefix_(prefix) {
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
}

void StaticControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  int flags = static_cast<int>(alignment()) | Qt::TextWordWrap;
  if (prefix_) flags |= Qt::TextShowMnemonic;
  style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                        foregroundRole());
}

}  // namespace quoril
