#pragma once
// The terminal's stand-in for a window timer: runs a tick every period on the
// given clock, start to start. Like the windows, it never catches up: the
// ticks that came due while a slow one ran are dropped, and the next keeps the
// timer's rhythm.

#include <functional>

#include "adapter/Clock.h"

namespace quoril::cli {

enum class LoopEnd {
  kCount,        // the requested number of ticks ran
  kStopped,      // a tick asked to stop
  kInterrupted,  // Ctrl-C
};

struct TickLoop {
  Millis period{300};
  int count = 0;  // ticks to run; 0 runs until stopped or interrupted

  // `tick` gets the 1-based tick number and returns false to stop. The first
  // tick comes one period after the call, as a timer's first message does.
  LoopEnd Run(Clock& clock, const std::function<bool(int)>& tick) const;
};

// Lets time pass until `due`, in slices of a tenth of a second so that
// Ctrl-C is noticed soon. Returns false when interrupted.
bool WaitUntil(Clock& clock, Millis due);

}  // namespace quoril::cli
