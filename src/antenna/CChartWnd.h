#pragma once
// The chart of the antenna test, and the engine of its sweep: timer 1
// measures one channel per tick, records its VSWR in the adapter's table and
// draws the sample over the earlier sweeps.
//
// The chart lives in an image that the sweep draws into and that a paint
// only shows, so a window passing over the chart leaves the curves and the
// sweep alone. Only a repaint the chart asks for itself (its first showing, a
// new width or resolution) clears it, draws the empty frame and restarts the
// sweep at channel 1.

#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "antenna/ChartOptions.h"
#include "antenna/ChartSweep.h"

namespace quoril {

class CAdapter;
class Profile;

class CChartWnd : public QWidget {
  Q_OBJECT
 public:
  // Reads the width, resolution and colour settings; makes no window yet.
  CChartWnd(CAdapter& adapter, const Profile& profile);
  ~CChartWnd() override;

  // Places the chart over `rect` of `parent`, fixes the plot rectangle and
  // starts the sweep timer with the profile speed.
  bool Create(const QRect& rect, QWidget* parent);

  // Restarts the sweep timer with the speed's period.
  void SetSpeed(int speed);
  // A new value repaints at once when the chart is showing, else at its
  // first showing.
  void SetResolution(int n);
  void SetWidth(int n);
  // Kept only; nothing is drawn with it.
  void SetColor(Rgb color) { m_options.colour = color; }

  // One timer notification: id 1 is a sweep step, others are ignored.
  void OnTimer(int id);

  int Width() const { return m_options.width; }
  int Resolution() const { return m_options.resolution; }
  Rgb Color() const { return m_options.colour; }
  // The channel the next step measures; outside 1..15 it starts at 1.
  int NextChannel() const { return m_sweep.channel; }
  ChartPoint LastPoint() const { return m_sweep.cursor.last; }
  PixelRect PlotRect() const { return m_sweep.cursor.plot; }
  bool IsSweeping() const { return m_timer->isActive(); }
  int SweepPeriodMs() const { return m_timer->interval(); }
  const QImage& Image() const { return m_image; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void OnCreate();
  // Clears the image, draws the frame and restarts the sweep.
  void PaintChart();
  // Repaints at once, or marks the chart for its first showing.
  void Invalidate();

  CAdapter& m_adapter;
  const Profile& m_profile;
  ChartOptions m_options;
  ChartSweep m_sweep;
  QImage m_image;
  QFont m_fontLabel;
  QTimer* m_timer;  // timer 1, the sweep step
  bool m_bRepaintPending = true;
};

}  // namespace quoril
