#include "antenna/ChartPrimitives.h"

#include "antenna/ChartFrame.h"

namespace quoril {

namespace {

DrawOp Line(Rgb colour, Pixel from, Pixel to) {
  DrawOp op;
  op.kind = DrawOp::Kind::kLine;
  op.colour = colour;
  op.from = from;
  op.to = to;
  return op;
}

// The common part: the target pixel in the colour (a line leaves out its
// last pixel), then an optional marker, then the line.
PrimitiveOps Draw(ChartCursor& cursor, ChartPoint to, Rgb colour, bool marker) {
  const Pixel from = ToPixel(cursor.last, cursor.scales, cursor.plot);
  const Pixel p = ToPixel(to, cursor.scales, cursor.plot);
  PrimitiveOps out;
  DrawOp pixel;
  pixel.kind = DrawOp::Kind::kPixel;
  pixel.colour = colour;
  pixel.from = pixel.to = p;
  out.ops[out.count++] = pixel;
  if (marker) {
    out.ops[out.count++] = Line(colours::kBlack, {p.x - 2, p.y + 2}, {p.x + 3, p.y - 3});
    out.ops[out.count++] = Line(colours::kBlack, {p.x - 2, p.y - 2}, {p.x + 3, p.y + 3});
  }
  out.ops[out.count++] = Line(colour, from, p);
  cursor.last = to;
  return out;
}

PrimitiveOps Tick(ChartCursor& cursor, ChartPoint to, std::string_view label, Pixel offset) {
  PrimitiveOps out = Draw(cursor, to, kChartTickColour, false);
  const Pixel p = out.ops[0].to;
  DrawOp text;
  text.kind = DrawOp::Kind::kText;
  text.from = {p.x + offset.x, p.y + offset.y};
  text.text.Assign(label);
  out.ops[out.count++] = text;
  return out;
}

}  // namespace

PrimitiveOps PlotSample(ChartCursor& cursor, ChartPoint to, Rgb colour) {
  return Draw(cursor, to, colour, true);
}

PrimitiveOps DrawSegment(ChartCursor& cursor, ChartPoint to) {
  return Draw(cursor, to, kChartThresholdColour, false);
}

PrimitiveOps DrawYTick(ChartCursor& cursor, ChartPoint to, std::string_view label) {
  return Tick(cursor, to, label, {-24, -9});
}

PrimitiveOps DrawXTick(ChartCursor& cursor, ChartPoint to, std::string_view label) {
  return Tick(cursor, to, label, {-5, -3});
}

}  // namespace quoril
