#pragma once
// The chart of the antenna test, and the engine of its sweep: timer 1
// measures one channel per tick, records its VSWR in the adapter's table and
// draws the sample over the earlier sweeps.
//
// The chart lives in the surface's image, which the sweep draws into and an
// exposure only shows, so a window passing over the chart leaves the curves
// and the sweep alone. Only a repaint the chart asks for itself (its first
// showing, a new width or resolution) clears it, draws the empty frame and
// restarts the sweep at channel 1.

#include <memory>

#include "antenna/ChartOptions.h"
#include "antenna/ChartSweep.h"
#include "res/ChartSurface.h"

namespace quoril {

class CAdapter;
class DialogPeer;
class Profile;

class CChartWnd : public ChartEvents {
 public:
  // Reads the width, resolution and colour settings; makes no window yet.
  CChartWnd(CAdapter& adapter, const Profile& profile);
  ~CChartWnd() override;

  // Places the chart over `rect` of the dialog `parent`, fixes the plot
  // rectangle and starts the sweep timer with the profile speed.
  bool Create(const PixelRect& rect, DialogPeer& parent);
  // The window goes; the chart keeps its settings.
  void Destroy();

  // Restarts the sweep timer with the speed's period.
  void SetSpeed(int speed);
  // A new value repaints at once when the chart is showing, else at its
  // first showing.
  void SetResolution(int n);
  void SetWidth(int n);
  // Kept only; nothing is drawn with it.
  void SetColor(Rgb color) { m_options.colour = color; }

  // ChartEvents: the repaint, and timer 1 as a sweep step (others ignored).
  void OnPaint() override;
  void OnTimer(int id) override;

  int Width() const { return m_options.width; }
  int Resolution() const { return m_options.resolution; }
  Rgb Color() const { return m_options.colour; }
  // The channel the next step measures; outside 1..15 it starts at 1.
  int NextChannel() const { return m_sweep.channel; }
  PixelRect PlotRect() const { return m_sweep.cursor.plot; }

 private:
  void OnCreate();
  void Invalidate();

  CAdapter& m_adapter;
  const Profile& m_profile;
  ChartOptions m_options;
  ChartSweep m_sweep;
  std::unique_ptr<ChartSurface> m_surface;
};

}  // namespace quoril
