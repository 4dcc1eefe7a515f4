// A W32N50.dll for tests only, never shipped: the simulated card behind the
// library's six calls, so that the Windows build is exercised with the real
// records, the real completion event and the real dynamic loading. The
// scenario comes from QUORIL_STANDIN_SCENARIO (a built-in name or a file).
// Built with stdcall and with cdecl (QUORIL_STANDIN_CALL).

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>

#include "adapter/Clock.h"
#include "adapter/RequestCatalogue.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril {
namespace {

constexpr std::uint32_t kInvalidHandle = 0xFFFFFFFF;
constexpr Millis kPollPeriod{300};

class StandIn {
 public:
  StandIn() {
    const char* scenario = std::getenv("QUORIL_STANDIN_SCENARIO");
    try {
      scenario_ = LoadScenario(scenario && *scenario ? scenario : kDefaultScenario);
      card_ = MakeSimulatedCard(scenario_, clock_);
      event_ = card_->CreateCompletionEvent();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "W32N50 stand-in: %s\n", e.what());
      card_.reset();
    }
  }

  // Without a card (the scenario could not be loaded) there is no adapter.
  std::uint32_t Open(const char* name) {
    return card_ ? static_cast<std::uint32_t>(card_->OpenAdapter(name)) : kInvalidHandle;
  }
  std::uint32_t LastError() {
    return card_ ? card_->GetLastError() : std::uint32_t{ERROR_MOD_NOT_FOUND};
  }
  int Close(std::uintptr_t handle) { return card_ ? card_->CloseAdapter(HandleOf(handle)) : 1; }

  int Enumerate(std::uint8_t* out, bool first) {
    if (!card_) return 1;
    AdapterRegistryRecord record;
    std::memcpy(record.bytes.data(), out, record.bytes.size());
    const int rc = first ? card_->GetFirstAdapterRegistryInfo(record)
                         : card_->GetNextAdapterRegistryInfo(record);
    std::memcpy(out, record.bytes.data(), record.bytes.size());
    return rc;
  }

  std::uint32_t Request(std::uint32_t handle, const std::uint8_t* bytes, int wait) {
    if (!card_) return kNdisStatusFailure;
    std::span<const std::uint8_t, NdisRequest::kRecordSize> record(bytes, NdisRequest::kRecordSize);
    auto* buffer = reinterpret_cast<std::uint8_t*>(
        static_cast<std::uintptr_t>(NdisRequest::BufferAddressOf(record)));
    const std::optional<NdisRequest> request = NdisRequest::Decode(record, buffer);
    if (!request) return kNdisStatusInvalidData;
    if (StartsPoll(*request)) PollStarts();
    CompletionRecord completion;
    completion.hEvent = event_;
    return card_->MakeNdisRequest(HandleOf(handle), *request, completion, wait);
  }

 private:
  static AdapterHandle HandleOf(std::uintptr_t handle) {
    return static_cast<AdapterHandle>(static_cast<std::int32_t>(handle));
  }
  // The poll's first request: record 0xFD42 with length word 4.
  static bool StartsPoll(const NdisRequest& r) {
    return r.oid == catalogue::kOidRecord && r.length >= 4 && r.buffer[0] == 0x04 &&
           r.buffer[1] == 0x00 && r.buffer[2] == 0x42 && r.buffer[3] == 0xFD;
  }

  // The program's clock is out of reach, so the card keeps its own and steps
  // it as the program's --fast timer would: each poll starts one period after
  // the end of the previous one, or on time when there was time to spare.
  void PollStarts() {
    const Millis now = clock_.Now();
    due_ = due_ && *due_ + kPollPeriod >= now ? *due_ + kPollPeriod : now + kPollPeriod;
    clock_.Advance(*due_ - now);
  }

  ManualClock clock_;
  std::optional<Millis> due_;
  Scenario scenario_;
  std::unique_ptr<SimulatedCard> card_;
  EventHandle event_ = nullptr;
};

StandIn& Instance() {
  static StandIn instance;
  return instance;
}

// No exception may cross into the caller, which is not C++.
template <typename F>
auto Guarded(F f, decltype(f()) onError) noexcept {
  try {
    return f();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "W32N50 stand-in: %s\n", e.what());
  } catch (...) {
  }
  return onError;
}

}  // namespace
}  // namespace quoril

using quoril::Guarded;
using quoril::Instance;

extern "C" {

int QUORIL_STANDIN_CALL W32N_GetFirstAdapterRegistryInfo(std::uint8_t* record) {
  return Guarded([&] { return Instance().Enumerate(record, true); }, 1);
}

int QUORIL_STANDIN_CALL W32N_GetNextAdapterRegistryInfo(std::uint8_t* record) {
  return Guarded([&] { return Instance().Enumerate(record, false); }, 1);
}

HANDLE QUORIL_STANDIN_CALL W32N_OpenAdapterA(const char* name) {
  const auto handle = Guarded([&] { return Instance().Open(name); }, quoril::kInvalidHandle);
  return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(handle));
}

DWORD QUORIL_STANDIN_CALL W32N_GetLastError() {
  return Guarded([] { return Instance().LastError(); }, std::uint32_t{ERROR_GEN_FAILURE});
}

// Completes before it returns, as the program asks with wait = 1: the caller's
// event is signalled and, since the caller waits, consumed again.
DWORD QUORIL_STANDIN_CALL W32N_MakeNdisRequest(HANDLE adapter, const std::uint8_t* record,
                                               OVERLAPPED* overlapped, DWORD wait) {
  const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(adapter));
  const std::uint32_t status =
      Guarded([&] { return Instance().Request(handle, record, static_cast<int>(wait)); },
              quoril::kNdisStatusFailure);
  if (overlapped && overlapped->hEvent) {
    SetEvent(overlapped->hEvent);
    if (wait == 1) WaitForSingleObject(overlapped->hEvent, INFINITE);
  }
  return status;
}

BOOL QUORIL_STANDIN_CALL W32N_CloseAdapter(HANDLE adapter) {
  return Guarded([&] { return Instance().Close(reinterpret_cast<std::uintptr_t>(adapter)); }, 1);
}

}  // extern "C"
