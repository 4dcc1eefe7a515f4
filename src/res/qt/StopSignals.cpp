#include "res/qt/StopSignals.h"

#include <atomic>
#include <csignal>

namespace quoril {

namespace {

std::atomic<bool> stopRaised{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnStopSignal(int) {
  stopRaised = true;
}

}  // namespace

void InstallStopSignalHandlers() {
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
}

bool StopSignalRaised() {
  return stopRaised;
}

void RaiseStopSignal() {
  stopRaised = true;
}

}  // namespace quoril
