#include "res/TimerSchedule.h"

#include <algorithm>

namespace quoril {

TimerSchedule::TimerSchedule(Millis now, Millis period)
    : period_(std::max(period, Millis{1})), next_(now + period_) {}

TimerSchedule::Millis TimerSchedule::Advance(Millis now) {
  next_ += period_;
  if (next_ <= now) next_ += ((now - next_) / period_ + 1) * period_;
  return next_;
}

}  // namespace quoril
