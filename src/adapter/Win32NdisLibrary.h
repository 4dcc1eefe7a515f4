#pragma once
// The card boundary on Windows: the NDIS request library W32N50.dll, loaded
// at run time, and kernel events for request completion. A library that is
// missing, or lacks one of the six calls, behaves like a library that knows
// no adapter, so the program says that it cannot find the card.

#include <array>
#include <memory>
#include <string>

#include "adapter/NdisLibrary.h"

struct _OVERLAPPED;  // <windows.h>, kept out of this header

namespace quoril {

class Win32NdisLibrary final : public NdisLibrary {
 public:
  static constexpr const char* kDefaultLibrary = "W32N50.dll";

  // Loads `path` with the system's DLL search rules.
  explicit Win32NdisLibrary(const char* path = kDefaultLibrary);
  ~Win32NdisLibrary() override;
  Win32NdisLibrary(const Win32NdisLibrary&) = delete;
  Win32NdisLibrary& operator=(const Win32NdisLibrary&) = delete;

  // True when the library was loaded and has all six calls.
  bool IsUsable() const { return problem_.empty(); }
  // Why it is not usable, as a sentence for the user: "W32N50.dll was not
  // found.", "W32N50.dll has no W32N_OpenAdapterA."
  const std::string& Problem() const { return problem_; }

  int GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) override;
  int GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) override;
  AdapterHandle OpenAdapter(const char* name) override;
  std::uint32_t GetLastError() override;
  std::uint32_t MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                CompletionRecord& completion, int wait) override;
  int CloseAdapter(AdapterHandle adapter) override;
  EventHandle CreateCompletionEvent() override;
  void ResetCompletionEvent(EventHandle event) override;
  void CloseCompletionEvent(EventHandle event) override;

 private:
  enum Call { kFirst, kNext, kOpen, kLastError, kRequest, kClose, kCallCount };

  void Resolve(const char* path);

  void* module_ = nullptr;
  std::array<const void*, kCallCount> calls_{};
  std::string problem_;
  // The OVERLAPPED handed to the library. It lives as long as the library,
  // as the program's own record would, in case a driver finishes writing it
  // after the call has returned.
  std::unique_ptr<_OVERLAPPED> overlapped_;
};

}  // namespace quoril
