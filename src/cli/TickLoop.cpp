#include "cli/TickLoop.h"

#include <algorithm>

#include "cli/Interrupt.h"
#include "res/TimerSchedule.h"

namespace quoril::cli {
namespace {

// Each slice wakes the process: at 20 ms the wake-ups alone cost a monitor
// more CPU time than all its polls.
constexpr Millis kSlice{100};

}  // namespace

bool WaitUntil(Clock& clock, Millis due) {
  for (Millis now = clock.Now(); now < due; now = clock.Now()) {
    if (InterruptRequested()) return false;
    clock.Wait(std::min(due - now, kSlice));
  }
  return !InterruptRequested();
}

LoopEnd TickLoop::Run(Clock& clock, const std::function<bool(int)>& tick) const {
  TimerSchedule schedule(clock.Now(), period);
  for (int n = 1; count == 0 || n <= count; ++n) {
    if (!WaitUntil(clock, schedule.NextDue())) return LoopEnd::kInterrupted;
    if (!tick(n)) return LoopEnd::kStopped;
    schedule.Advance(clock.Now());
  }
  return LoopEnd::kCount;
}

}  // namespace quoril::cli
