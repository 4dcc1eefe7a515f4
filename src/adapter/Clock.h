#pragma once
// Time as the card and its observers see it. The programs use the steady
// clock; tests and --fast runs use a manual clock, so that a simulated run is
// the same every time.

#include <chrono>

namespace quoril {

using Millis = std::chrono::milliseconds;

class Clock {
 public:
  virtual ~Clock() = default;
  // Time since an arbitrary start.
  virtual Millis Now() const = 0;
  // Lets `duration` pass: the steady clock sleeps, the manual one advances.
  virtual void Wait(Millis duration) = 0;
};

class SteadyClock final : public Clock {
 public:
  SteadyClock();
  Millis Now() const override;
  void Wait(Millis duration) override;

 private:
  std::chrono::steady_clock::time_point start_;
};

class ManualClock final : public Clock {
 public:
  Millis Now() const override { return now_; }
  void Wait(Millis duration) override { now_ += duration; }
  void Advance(Millis duration) { now_ += duration; }

 private:
  Millis now_{0};
};

}  // namespace quoril
