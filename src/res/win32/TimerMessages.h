#pragma once
// Window timers that keep their rhythm: after a tick has run, the timer
// messages that came due meanwhile are taken off the queue, so a slow tick
// drops ticks instead of running them late, one after another.

#include <windows.h>

namespace quoril::win32 {

// Removes the WM_TIMER messages queued for `window`. Should the platform
// hand over one of a child window's, that one is delivered, not lost.
void DropQueuedTimerMessages(HWND window);

// Sent to a chart surface when its dialog ends: its timers stop at once.
inline constexpr UINT kStopTimersMessage = WM_APP + 0x51;

}  // namespace quoril::win32
