#include "antenna/ChartGeometry.h"

namespace quoril {

PixelRect PlotRectangle(const PixelRect& client) {
  const int m = client.Height() / 10;
  return {client.left + m, client.top + m, client.right - m, client.bottom - m};
}

ChartScales ChannelAxisScales(const PixelRect& plot) {
  return {plot.Width() * kChannelAxisUnit, plot.Height() * kHeightUnit};
}

ChartScales VswrAxisScales(const PixelRect& plot) {
  return {plot.Width() * kVswrAxisUnit, plot.Height() * kHeightUnit};
}

Pixel ToPixel(ChartPoint point, ChartScales scales, const PixelRect& plot) {
  return {static_cast<int>(point.x * scales.x + plot.left),
          static_cast<int>(plot.bottom - point.y * scales.y)};
}

}  // namespace quoril
