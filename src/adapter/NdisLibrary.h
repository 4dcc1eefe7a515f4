#pragma once
// The card boundary: the six calls of the NDIS request library and the
// completion event that every request waits on. The real library (Windows)
// and the simulated card implement it; CAdapter talks only to this.

#include <cstdint>

#include "adapter/AdapterRegistryRecord.h"
#include "adapter/NdisRequest.h"

namespace quoril {

// Handle of an open adapter as the library returns it; -1 means none.
using AdapterHandle = std::intptr_t;
inline constexpr AdapterHandle kInvalidAdapter = -1;

// Handle of the completion event; nullptr means none.
using EventHandle = void*;

// Stand-in for the Windows OVERLAPPED record handed to every request. The
// program sets only the event; everything else stays zero.
struct CompletionRecord {
  std::uintptr_t internal = 0;
  std::uintptr_t internalHigh = 0;
  std::uint32_t offset = 0;
  std::uint32_t offsetHigh = 0;
  EventHandle hEvent = nullptr;
};

// NDIS status codes the program itself names.
inline constexpr std::uint32_t kNdisStatusSuccess = 0;
inline constexpr std::uint32_t kNdisStatusFailure = 0xC0000001;

class NdisLibrary {
 public:
  virtual ~NdisLibrary() = default;

  // 0 when the record now describes the first (next) adapter.
  virtual int GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) = 0;
  virtual int GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) = 0;
  // A handle, or kInvalidAdapter when the adapter cannot be opened.
  virtual AdapterHandle OpenAdapter(const char* name) = 0;
  virtual std::uint32_t GetLastError() = 0;
  // Synchronous when wait is 1: returns once the request has completed,
  // with 0 or an NDIS status code; the answer is in request.buffer.
  virtual std::uint32_t MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                        CompletionRecord& completion, int wait) = 0;
  virtual int CloseAdapter(AdapterHandle adapter) = 0;

  // Completion event: automatic reset, initially not signalled.
  virtual EventHandle CreateCompletionEvent() = 0;  // nullptr on failure
  virtual void ResetCompletionEvent(EventHandle event) = 0;
  virtual void CloseCompletionEvent(EventHandle event) = 0;
};

}  // namespace quoril
