#pragma once
// What the probe library (a stand-in W32N50.dll for the loader's tests) is
// told to do and what it saw. The library exports it as Probe_State; tests
// reach it through the same module that Win32NdisLibrary loaded.

#include <cstdint>

namespace quoril::probe {

inline constexpr std::uint32_t kFirstHandle = 0x1000;
inline constexpr std::uint32_t kInvalidHandle = 0xFFFFFFFF;
inline constexpr std::uint32_t kOpenError = 2;  // what GetLastError gives after a failed open

struct Adapter {
  char name[260];
  bool opens;
  // How many opens succeed before it refuses (-1: always).
  int opensLeft;
};

struct State {
  // Set by the test.
  Adapter adapters[4];
  int adapterCount;
  std::uint32_t status;    // result of every request
  std::uint8_t answer[4];  // written at byte 4 of the request's buffer

  // Seen by the library.
  int firstCalls, nextCalls, openCalls, lastErrorCalls, requestCalls, closeCalls;
  const void* enumerationRecords[8];  // the record passed to each first/next call
  char lastOpened[260];
  std::uint32_t lastClosed;
  std::uint32_t requestHandle;
  std::uint8_t requestRecord[556];  // a copy of the last request record
  std::uint32_t overlappedAddress;
  void* overlappedEvent;
  std::uint32_t wait;
  bool eventSignalledOnEntry;  // must not be: the event starts reset
  bool eventResetByWait;       // automatic reset: a wait consumes the signal
};

using StateFunction = State* (*)();
inline constexpr const char* kStateExport = "Probe_State";

}  // namespace quoril::probe
