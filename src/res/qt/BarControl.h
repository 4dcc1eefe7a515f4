#pragma once
// A progress bar driven the way dialogs drive theirs: a range, a step, a
// position that clamps to the nearest end of the range, a bar colour and a
// background colour. Horizontal bars fill from the left in blocks; vertical
// smooth bars fill from the bottom without blocks.

#include <QColor>
#include <QWidget>
#include <cstdint>

namespace quoril {

class BarControl : public QWidget {
  Q_OBJECT
 public:
  BarControl(Qt::Orientation orientation, bool smooth, QWidget* parent);

  void SetRange(int minimum, int maximum);
  void SetStep(int step) { step_ = step; }
  // Clamped into the range; returns the previous position.
  int SetPos(int position);
  // Advances by the step, wrapping to the minimum past the maximum.
  int StepIt();
  void SetBarColor(const QColor& colour);
  void SetBackgroundColor(const QColor& colour);

  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int Step() const { return step_; }
  int Pos() const { return position_; }
  QColor BarColor() const { return bar_; }
  QColor BackgroundColor() const { return background_; }
  Qt::Orientation Orientation() const { return orientation_; }
  bool Smooth() const { return smooth_; }

  // The default colours, as the platform paints a bar nobody coloured.
  static QColor DefaultBarColor();
  static QColor DefaultBackgroundColor();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Clamp(int position) const;

  Qt::Orientation orientation_;
  bool smooth_;
  int minimum_ = 0;
  int maximum_ = 100;
  int step_ = 10;
  int position_ = 0;
  QColor bar_;
  QColor background_;
};

// A colour reference (red in the low byte, then green, then blue).
inline QColor ColorFromRef(std::uint32_t ref) {
  return QColor(static_cast<int>(ref & 0xFF), static_cast<int>(ref >> 8 & 0xFF),
                static_cast<int>(ref >> 16 & 0xFF));
}

}  // namespace quoril
