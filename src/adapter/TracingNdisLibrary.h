#pragma once
// A card boundary that writes one line per library call to a stream and
// passes the call on. Requests show the bytes the program wrote and the first
// bytes of the answer; the format is documented in docs/trace.md.

#include <cstdio>
#include <memory>

#include "adapter/Clock.h"
#include "adapter/NdisLibrary.h"

namespace quoril {

class TracingNdisLibrary final : public NdisLibrary {
 public:
  // `out` stays open for the tracer's life; the tracer does not close it.
  TracingNdisLibrary(std::unique_ptr<NdisLibrary> inner, std::FILE* out, const Clock& clock);

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

  NdisLibrary& Inner() { return *inner_; }

 private:
  void Stamp();

  std::unique_ptr<NdisLibrary> inner_;
  std::FILE* out_;
  const Clock& clock_;
};

}  // namespace quoril
