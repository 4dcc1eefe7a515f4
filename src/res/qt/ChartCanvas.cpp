#include "res/qt/ChartCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstdlib>

#include "antenna/ChartFrame.h"
#include "res/qt/QtText.h"

namespace quoril {

namespace {

QRgb ToQRgb(Rgb colour) {
  return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace

QFont ChartLabelFont() {
  QFont font(QString::fromLatin1(ChartFont::kFace.data(),
                                 static_cast<qsizetype>(ChartFont::kFace.size())));
  font.setStyleHint(QFont::TypeWriter);
  font.setItalic(ChartFont::kItalic);
  font.setWeight(static_cast<QFont::Weight>(ChartFont::kWeight));
  // Default quality: whole pixels, no smoothing.
  font.setStyleStrategy(QFont::NoAntialias);
  // The height asked for is that of the whole character cell, ascent and
  // descent together; Qt sizes the em square, which is smaller.
  int pixels = ChartFont::kHeight;
  font.setPixelSize(pixels);
  while (pixels > 1 && QFontMetrics(font).height() > ChartFont::kHeight) {
    font.setPixelSize(--pixels);
  }
  return font;
}

TextExtent LabelExtent(const QFont& font, std::string_view text) {
  const QFontMetrics metrics(font);
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void ChartCanvas::Draw(const DrawOp& op) {
  switch (op.kind) {
    case DrawOp::Kind::kFill:
      Fill(op.from, op.to, ToQRgb(op.colour));
      break;
    case DrawOp::Kind::kPixel:
      SetPixel(op.to, ToQRgb(op.colour));
      break;
    case DrawOp::Kind::kLine:
      Line(op.from, op.to, ToQRgb(op.colour));
      break;
    case DrawOp::Kind::kText:
      Text(op.from, op.text.view());
      break;
  }
}

void ChartCanvas::Fill(Pixel from, Pixel to, QRgb colour) {
  const QRect area = QRect(QPoint(from.x, from.y), QPoint(to.x - 1, to.y - 1)) & image_.rect();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(row + area.left(), row + area.right() + 1, colour);
  }
}

void ChartCanvas::SetPixel(Pixel at, QRgb colour) {
  if (image_.valid(at.x, at.y)) image_.setPixel(at.x, at.y, colour);
}

// Bresenham's line from `from` up to, not including, `to`.
void ChartCanvas::Line(Pixel from, Pixel to, QRgb colour) {
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  Pixel p = from;
  while (p != to) {
    SetPixel(p, colour);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      p.y += sy;
    }
  }
}

void ChartCanvas::Text(Pixel at, std::string_view text) {
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(Qt::black);
  painter.drawText(QPoint(at.x, at.y + QFontMetrics(font_).ascent()), ToQString(text));
}

}  // namespace quoril
