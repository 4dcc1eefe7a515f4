#pragma once
// A chart surface on Qt: a ChartView over its rectangle of the dialog,
// drawn with ChartCanvas in the chart's label font. When the dialog's window
// goes first, the surface stays and does nothing.

#include <QFont>
#include <QPointer>

#include "res/ChartSurface.h"
#include "res/qt/ChartView.h"

namespace quoril {

class QtChartSurface final : public ChartSurface {
 public:
  QtChartSurface(QWidget& dialog, const PixelRect& rect, ChartEvents& events);
  ~QtChartSurface() override;

  PixelRect ClientRect() const override;
  TextExtent Extent(std::string_view text) const override;
  void Draw(std::span<const DrawOp> ops) override;
  void Invalidate() override;
  void SetTimer(int timerId, int periodMs) override;
  void KillTimer(int timerId) override;

 private:
  QPointer<ChartView> view_;
  PixelRect client_;
  QFont font_;
};

}  // namespace quoril
