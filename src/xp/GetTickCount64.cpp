// Windows XP has no GetTickCount64, yet the static POSIX thread library that
// the C++ runtime's own locks pull in imports it for its timed waits, and
// Windows does not start a program that imports a function it lacks. This
// defines the import's address slot, so that the linker takes it instead of
// the system's: a clock on the performance counter, which every Windows has.
// Linked into every program of the Windows build (see the top CMakeLists).

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

ULONGLONG WINAPI CounterMilliseconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER now;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&now);
  const auto hz = static_cast<ULONGLONG>(frequency.QuadPart);
  const auto ticks = static_cast<ULONGLONG>(now.QuadPart);
  // In two steps, so that a counter of some GHz does not overflow.
  return ticks / hz * 1000 + ticks % hz * 1000 / hz;
}

}  // namespace

using TickCount64Function = ULONGLONG(WINAPI*)();
extern "C" {
// The slot a call through the import table reads, named as the thread
// library's object code refers to it.
extern const TickCount64Function quorilGetTickCount64Slot __asm__("__imp__GetTickCount64@0");
const TickCount64Function quorilGetTickCount64Slot = CounterMilliseconds;
}
