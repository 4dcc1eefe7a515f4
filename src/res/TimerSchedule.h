#pragma once
// When the ticks of a periodic timer come: `period` apart, start to start,
// from the moment it was set. A tick that overran drops the ticks that came
// due meanwhile, so the next one keeps the timer's rhythm instead of coming
// a period after the late tick's end.

#include <chrono>

namespace quoril {

class TimerSchedule {
 public:
  using Millis = std::chrono::milliseconds;

  // Set at `now` with `period` (at least 1 ms).
  TimerSchedule(Millis now, Millis period);

  Millis Period() const { return period_; }
  // The tick that is due next.
  Millis NextDue() const { return next_; }
  // After the tick that was due ran, at `now`: the next due time, the first
  // of the timer's rhythm after `now`.
  Millis Advance(Millis now);

 private:
  Millis period_;
  Millis next_;
};

}  // namespace quoril
