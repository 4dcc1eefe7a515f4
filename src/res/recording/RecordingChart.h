#pragma once
// The recording backend's chart surface: it keeps the DrawOps it was given
// instead of an image, counts the paints it asked for, and runs its timers
// on the window system's virtual clock.

#include <map>
#include <memory>
#include <vector>

#include "res/ChartSurface.h"
#include "res/TimerSchedule.h"

namespace quoril::recording {

class RecordingWindowSystem;

// What a chart surface holds; it outlives the surface object so that tests
// can look at a chart whose dialog has gone.
struct ChartState {
  PixelRect rect;  // in the dialog's client pixels
  bool shown = false;
  bool alive = true;  // false once the dialog's window or the surface object went
  bool paintPending = true;
  int paints = 0;              // OnPaint calls
  std::vector<DrawOp> ops;     // every op drawn, in order
  std::size_t opsAtPaint = 0;  // ops.size() as the last paint began
  struct Timer {
    TimerSchedule schedule;
    std::uint64_t order;  // when it was set: the tie-break between equal due times
  };
  std::map<int, Timer> timers;
  ChartEvents* events = nullptr;

  // The period of a running timer, 0 when it is not running.
  int TimerPeriod(int id) const;
};

class RecordingChart final : public ChartSurface {
 public:
  RecordingChart(RecordingWindowSystem& system, std::shared_ptr<ChartState> state)
      : system_(system), state_(std::move(state)) {}
  ~RecordingChart() override;

  PixelRect ClientRect() const override;
  // Nine pixels a character, cells 17 high: the label font's size.
  TextExtent Extent(std::string_view text) const override;
  void Draw(std::span<const DrawOp> ops) override;
  void Invalidate() override;
  void SetTimer(int timerId, int periodMs) override;
  void KillTimer(int timerId) override;

  // The first showing, when the dialog shows.
  static void Show(ChartState& state);

 private:
  RecordingWindowSystem& system_;
  std::shared_ptr<ChartState> state_;
};

}  // namespace quoril::recording
