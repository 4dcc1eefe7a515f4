#pragma once
// Draws the chart's primitives into an image the way the platform's device
// context draws them: solid fills, single pixels, one-pixel lines that leave
// out their last pixel, and black text on a transparent background with its
// top-left corner at the given point. Nothing is clipped but to the image.

#include <QFont>
#include <QImage>
#include <span>

#include "antenna/DrawOp.h"

namespace quoril {

// The chart's label font: an italic "Courier New" of cell height 17, or the
// nearest monospaced italic where that face is missing.
QFont ChartLabelFont();
// Width and cell height of `text` in `font`.
TextExtent LabelExtent(const QFont& font, std::string_view text);

class ChartCanvas {
 public:
  ChartCanvas(QImage& image, const QFont& font) : image_(image), font_(font) {}

  void Draw(const DrawOp& op);
  void Draw(std::span<const DrawOp> ops) {
    for (const DrawOp& op : ops) Draw(op);
  }

  // Width and cell height of `text` in the label font.
  TextExtent Extent(std::string_view text) const { return LabelExtent(font_, text); }

 private:
  void Fill(Pixel from, Pixel to, QRgb colour);
  void SetPixel(Pixel at, QRgb colour);
  void Line(Pixel from, Pixel to, QRgb colour);
  void Text(Pixel at, std::string_view text);

  QImage& image_;
  QFont font_;
};

}  // namespace quoril
