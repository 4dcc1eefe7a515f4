#include "res/win32/TimerMessages.h"

namespace quoril::win32 {

void DropQueuedTimerMessages(HWND window) {
  MSG message;
  while (PeekMessageW(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    if (message.hwnd != window) DispatchMessageW(&message);
  }
}

}  // namespace quoril::win32
