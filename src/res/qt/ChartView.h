#pragma once
// The widget of a chart surface: a picture kept in an image, which drawing
// changes and painting only shows, so that an exposure leaves it as it was.
// It takes no input and shows the blank cursor. At its first showing, and
// when invalidated while showing, it asks its events for the picture.

#include <QImage>
#include <QWidget>

namespace quoril {

class ChartEvents;
class PeriodicTimers;

class ChartView final : public QWidget {
 public:
  ChartView(QWidget& parent, const QRect& place, ChartEvents& events);

  QImage& Image() { return image_; }
  PeriodicTimers& Timers() { return *timers_; }
  // OnPaint now when showing, else at the first showing.
  void Invalidate();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  ChartEvents& events_;
  QImage image_;
  PeriodicTimers* timers_;
  bool paintDue_ = true;
};

}  // namespace quoril
