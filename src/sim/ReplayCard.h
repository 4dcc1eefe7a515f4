#pragma once
// A card that plays a recording back, behind the same boundary as the real
// request library. Each call gets the answer recorded for the same call at
// the latest recorded time at or before now (time 0 is when the card is
// made, as for scenarios); calls at one time are told apart by their order,
// so that a request asked twice at one time gets its two answers in turn. A
// call asked before its first recorded answer gets that first answer. The
// adapter list ends where the recorded one does. A
// request never recorded fails with "not supported", as on the simulated
// card; with no recorded adapter there is no adapter. A call that took time
// when it was recorded lets that time pass on the clock again. No request
// allocates.

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "adapter/Clock.h"
#include "adapter/NdisLibrary.h"
#include "adapter/RecordingFormat.h"
#include "sim/Recording.h"

namespace quoril {

class ReplayCard final : public NdisLibrary {
 public:
  ReplayCard(Recording recording, Clock& clock);

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
  Millis Elapsed() const { return clock_.Now() - start_; }
  // The recorded answer to this call of `key`, after its time has passed;
  // nullptr when the call was never recorded.
  const RecordedCall* Call(std::string_view kind, std::string_view what = {});
  int Registry(std::string_view kind, AdapterRegistryRecord& record);

  Recording recording_;
  Clock& clock_;
  Millis start_;
  std::unordered_map<recording::RequestKey, std::size_t, recording::RequestKeyHash> index_;
  std::vector<recording::Ordinal> requestOrdinals_;  // by request
  std::map<std::string, recording::Ordinal, std::less<>> callOrdinals_;
  const RecordedCall* lastNext_ = nullptr;  // of the search going on
  bool event_ = false;                      // what the completion event handle points at
};

}  // namespace quoril
