#include "res/qt/QtChartSurface.h"

#include "res/qt/ChartCanvas.h"
#include "res/qt/PeriodicTimers.h"

namespace quoril {

QtChartSurface::QtChartSurface(QWidget& dialog, const PixelRect& rect, ChartEvents& events)
    : view_(new ChartView(dialog, QRect(rect.left, rect.top, rect.Width(), rect.Height()), events)),
      client_{0, 0, rect.Width(), rect.Height()},
      font_(ChartLabelFont()) {}

QtChartSurface::~QtChartSurface() {
  delete view_.data();
}

PixelRect QtChartSurface::ClientRect() const {
  return client_;
}

TextExtent QtChartSurface::Extent(std::string_view text) const {
  return LabelExtent(font_, text);
}

void QtChartSurface::Draw(std::span<const DrawOp> ops) {
  if (!view_) return;
  ChartCanvas(view_->Image(), font_).Draw(ops);
  view_->update();
}

void QtChartSurface::Invalidate() {
  if (view_) view_->Invalidate();
}

void QtChartSurface::SetTimer(int timerId, int periodMs) {
  if (view_) view_->Timers().Set(timerId, periodMs);
}

void QtChartSurface::KillTimer(int timerId) {
  if (view_) view_->Timers().Kill(timerId);
}

}  // namespace quoril
