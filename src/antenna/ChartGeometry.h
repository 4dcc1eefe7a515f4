#pragma once
// Where the chart stands in its window, and how chart units become pixels.

namespace quoril {

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

struct Pixel {
  int x = 0, y = 0;
  bool operator==(const Pixel&) const = default;
};

// A point in chart units (channel index across, hundredths of VSWR up).
struct ChartPoint {
  int x = 0, y = 0;
  bool operator==(const ChartPoint&) const = default;
};

// Pixels per chart unit.
struct ChartScales {
  double x = 0.0, y = 0.0;
  bool operator==(const ChartScales&) const = default;
};

struct TextExtent {
  int cx = 0, cy = 0;
};

inline constexpr double kChannelAxisUnit = 0.06666666666666667;  // 15 units across
inline constexpr double kVswrAxisUnit = 0.02;                    // 50 units across
inline constexpr double kHeightUnit = 0.01;                      // 100 units up

// The plot rectangle: a margin of a tenth of the client height all round.
PixelRect PlotRectangle(const PixelRect& client);
ChartScales ChannelAxisScales(const PixelRect& plot);
ChartScales VswrAxisScales(const PixelRect& plot);

// What the drawing primitives work with: the plot rectangle, the scales in
// force, and the point in chart units where the next line starts.
struct ChartCursor {
  PixelRect plot;
  ChartScales scales;
  ChartPoint last;
};

// Products and sums in double precision, truncated toward zero.
Pixel ToPixel(ChartPoint point, ChartScales scales, const PixelRect& plot);

}  // namespace quoril
