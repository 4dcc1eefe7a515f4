#include "antenna/ChartFrame.h"

#include <string>

#include "antenna/ChartPrimitives.h"

namespace quoril {

namespace {

// VSWR 1.0 to 1.9 in steps of ten units; the threshold after 1.3.
constexpr int kYTicks = 10;
constexpr int kYTickStep = 10;
constexpr int kThresholdAfterTick = 3;
constexpr int kThresholdHeight = 40;
constexpr int kVswrAxisWidth = 50;
constexpr int kXTickDepth = -3;
constexpr int kYTickWidth = -1;

DrawOp AxisLine(Pixel from, Pixel to) {
  DrawOp op;
  op.kind = DrawOp::Kind::kLine;
  op.colour = kChartAxisColour;
  op.penWidth = 0;
  op.from = from;
  op.to = to;
  return op;
}

DrawOp Text(Pixel at, std::string_view text) {
  DrawOp op;
  op.kind = DrawOp::Kind::kText;
  op.from = at;
  op.text.Assign(text);
  return op;
}

void DrawTicks(ChartCursor& cursor, DrawList& out) {
  cursor.scales = VswrAxisScales(cursor.plot);
  cursor.last = {0, 0};
  for (int k = 0; k < kYTicks; ++k) {
    const char label[] = {'1', '.', static_cast<char>('0' + k)};
    cursor.last = {0, kYTickStep * k};
    DrawYTick(cursor, {kYTickWidth, kYTickStep * k}, {label, sizeof label}).AppendTo(out);
    if (k == kThresholdAfterTick) {
      cursor.last = {0, kThresholdHeight};
      DrawSegment(cursor, {kVswrAxisWidth, kThresholdHeight}).AppendTo(out);
    }
  }
  cursor.scales = ChannelAxisScales(cursor.plot);
  cursor.last = {0, 0};
  for (int k = 0; k < 14; ++k) {
    char label[3];
    const int n = k + 1;
    const std::size_t length = n < 10 ? 1 : 2;
    if (n < 10) {
      label[0] = static_cast<char>('0' + n);
    } else {
      label[0] = '1';
      label[1] = static_cast<char>('0' + n - 10);
    }
    cursor.last = {k, 0};
    DrawXTick(cursor, {k, kXTickDepth}, {label, length}).AppendTo(out);
  }
}

void DrawAxes(const PixelRect& r, TextExtent xTitle, DrawList& out) {
  out.push_back(AxisLine({r.left, r.top}, {r.left, r.bottom}));
  out.push_back(AxisLine({r.left, r.bottom}, {r.right, r.bottom}));
  out.push_back(AxisLine({r.right, r.bottom}, {r.right - 5, r.bottom - 2}));
  out.push_back(AxisLine({r.right, r.bottom}, {r.right - 5, r.bottom + 2}));
  out.push_back(AxisLine({r.left, r.top}, {r.left - 2, r.top + 5}));
  out.push_back(AxisLine({r.left, r.top}, {r.left + 2, r.top + 5}));
  out.push_back(Text({r.right - xTitle.cx + 28, r.bottom - xTitle.cy + 21}, kChartXTitle));
  out.push_back(Text({r.left + 2, r.top}, kChartYTitle));
}

}  // namespace

void DrawFrame(ChartCursor& cursor, TextExtent xTitle, DrawList& out) {
  DrawTicks(cursor, out);
  cursor.scales = ChannelAxisScales(cursor.plot);
  cursor.last = {0, 0};
  DrawAxes(cursor.plot, xTitle, out);
}

}  // namespace quoril
