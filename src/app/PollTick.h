#pragma once
// The main window's tick as it touches the card: refresh the status, work
// out the display, clear register 0x62 when the link-error reading is 0, and
// judge the status of the tick's last request.

#include "app/PollComputation.h"

namespace quoril {

class CAdapter;

// The poll runs every 300 ms: the window's timer and the terminal's loop.
inline constexpr int kPollPeriodMs = 300;

// The alarm in the result is that of the last request of the tick (the 0x62
// write when it ran). The poll state goes back into the adapter.
PollResult RunPollTick(CAdapter& adapter);

}  // namespace quoril
