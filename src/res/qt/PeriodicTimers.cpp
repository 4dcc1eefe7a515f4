#include "res/qt/PeriodicTimers.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace quoril {

namespace {

TimerSchedule::Millis Now() {
  return std::chrono::duration_cast<TimerSchedule::Millis>(
      std::chrono::steady_clock::now().time_since_epoch());
}

int MillisUntil(TimerSchedule::Millis due) {
  return static_cast<int>(std::max<TimerSchedule::Millis::rep>(0, (due - Now()).count()));
}

}  // namespace

PeriodicTimers::PeriodicTimers(Tick tick, QObject* parent)
    : QObject(parent), tick_(std::move(tick)) {}

void PeriodicTimers::Set(int timerId, int periodMs) {
  Timer& timer = timers_[timerId];
  if (!timer.qtimer) {
    timer.qtimer = new QTimer(this);
    timer.qtimer->setSingleShot(true);
    timer.qtimer->setTimerType(Qt::PreciseTimer);
    connect(timer.qtimer, &QTimer::timeout, this, [this, timerId] { Fire(timerId); });
  }
  timer.schedule = TimerSchedule(Now(), TimerSchedule::Millis{periodMs});
  timer.running = true;
  ++timer.setting;
  timer.qtimer->start(MillisUntil(timer.schedule.NextDue()));
}

void PeriodicTimers::Kill(int timerId) {
  const auto it = timers_.find(timerId);
  if (it == timers_.end()) return;
  it->second.running = false;
  ++it->second.setting;
  it->second.qtimer->stop();
}

void PeriodicTimers::KillAll() {
  for (auto& [id, timer] : timers_) Kill(id);
}

bool PeriodicTimers::IsRunning(int timerId) const {
  const auto it = timers_.find(timerId);
  return it != timers_.end() && it->second.running;
}

void PeriodicTimers::Fire(int timerId) {
  const unsigned setting = timers_[timerId].setting;
  const QPointer<PeriodicTimers> alive(this);
  tick_(timerId);
  if (!alive) return;
  // A tick that set or killed its own timer has decided already.
  Timer& timer = timers_[timerId];
  if (!timer.running || timer.setting != setting) return;
  timer.qtimer->start(MillisUntil(timer.schedule.Advance(Now())));
}

}  // namespace quoril
