#include "adapter/Clock.h"

#include <thread>

namespace quoril {

SteadyClock::SteadyClock() : start_(std::chrono::steady_clock::now()) {}

Millis SteadyClock::Now() const {
  return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - start_);
}

void SteadyClock::Wait(Millis duration) {
  if (duration.count() > 0) std::this_thread::sleep_for(duration);
}

}  // namespace quoril
