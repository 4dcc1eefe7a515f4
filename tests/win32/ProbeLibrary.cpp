// A W32N50.dll that records what it is handed and answers as the test says.
// Built once with stdcall and once with cdecl (QUORIL_PROBE_CALL); the .def
// file of each variant decides under which names the calls are exported.

#include <windows.h>

#include <cstring>

#include "ProbeState.h"

using quoril::probe::State;

namespace {

State state;
int nextAdapter = 0;

int Fill(std::uint8_t* record) {
  const int slot = state.firstCalls + state.nextCalls - 1;
  if (slot < 8) state.enumerationRecords[slot] = record;
  if (nextAdapter >= state.adapterCount) return 1;
  // Every byte is written, so a record shorter than 780 bytes would show.
  std::memset(record, 0xEE, 780);
  std::strcpy(reinterpret_cast<char*>(record + 520), state.adapters[nextAdapter++].name);
  return 0;
}

}  // namespace

extern "C" {

__declspec(dllexport) State* Probe_State() {
  return &state;
}

int QUORIL_PROBE_CALL W32N_GetFirstAdapterRegistryInfo(std::uint8_t* record) {
  ++state.firstCalls;
  nextAdapter = 0;
  return Fill(record);
}

int QUORIL_PROBE_CALL W32N_GetNextAdapterRegistryInfo(std::uint8_t* record) {
  ++state.nextCalls;
  return Fill(record);
}

HANDLE QUORIL_PROBE_CALL W32N_OpenAdapterA(const char* name) {
  ++state.openCalls;
  std::strncpy(state.lastOpened, name, sizeof state.lastOpened - 1);
  for (int i = 0; i < state.adapterCount; ++i) {
    auto& adapter = state.adapters[i];
    if (std::strcmp(adapter.name, name) != 0 || !adapter.opens) continue;
    if (adapter.opensLeft == 0) break;
    if (adapter.opensLeft > 0) --adapter.opensLeft;
    return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(quoril::probe::kFirstHandle + i));
  }
  return INVALID_HANDLE_VALUE;
}

DWORD QUORIL_PROBE_CALL W32N_GetLastError() {
  ++state.lastErrorCalls;
  return quoril::probe::kOpenError;
}

DWORD QUORIL_PROBE_CALL W32N_MakeNdisRequest(HANDLE adapter, const std::uint8_t* record,
                                             OVERLAPPED* overlapped, DWORD wait) {
  ++state.requestCalls;
  state.requestHandle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(adapter));
  std::memcpy(state.requestRecord, record, sizeof state.requestRecord);
  state.overlappedAddress =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(overlapped));
  state.overlappedEvent = overlapped->hEvent;
  state.wait = wait;

  // Answer the way a driver would: through the buffer address in the record,
  // within the length it gives, then signal completion on the caller's event
  // and wait for it.
  std::uint32_t address, length;
  std::memcpy(&address, record + 28, 4);
  std::memcpy(&length, record + 32, 4);
  if (length >= 4 + sizeof state.answer) {
    std::memcpy(reinterpret_cast<std::uint8_t*>(static_cast<std::uintptr_t>(address)) + 4,
                state.answer, sizeof state.answer);
  }
  state.eventSignalledOnEntry = WaitForSingleObject(overlapped->hEvent, 0) == WAIT_OBJECT_0;
  SetEvent(overlapped->hEvent);
  WaitForSingleObject(overlapped->hEvent, INFINITE);
  state.eventResetByWait = WaitForSingleObject(overlapped->hEvent, 0) == WAIT_TIMEOUT;
  return state.status;
}

BOOL QUORIL_PROBE_CALL W32N_CloseAdapter(HANDLE adapter) {
  ++state.closeCalls;
  state.lastClosed = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(adapter));
  return TRUE;
}

}  // extern "C"
