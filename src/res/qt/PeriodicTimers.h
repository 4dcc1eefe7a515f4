#pragma once
// The timers of one window, by id, each ticking on its own TimerSchedule:
// start to start, so the time a tick takes does not stretch the period, and
// a tick that overran drops the ticks that came due meanwhile instead of
// running them back to back. The next tick is armed after the current one
// returns, so a tick never runs inside another.

#include <QObject>
#include <functional>
#include <map>

#include "res/TimerSchedule.h"

class QTimer;

namespace quoril {

class PeriodicTimers final : public QObject {
  Q_OBJECT
 public:
  using Tick = std::function<void(int timerId)>;

  PeriodicTimers(Tick tick, QObject* parent);

  // Starts the timer, or restarts a running one with a fresh period.
  void Set(int timerId, int periodMs);
  void Kill(int timerId);
  void KillAll();
  bool IsRunning(int timerId) const;

 private:
  struct Timer {
    QTimer* qtimer = nullptr;
    TimerSchedule schedule{TimerSchedule::Millis{0}, TimerSchedule::Millis{1}};
    bool running = false;
    unsigned setting = 0;  // counts Set and Kill, so a tick sees that it was reset
  };

  void Fire(int timerId);

  Tick tick_;
  std::map<int, Timer> timers_;
};

}  // namespace quoril
