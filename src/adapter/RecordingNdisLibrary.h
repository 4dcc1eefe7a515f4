#pragma once
// A card boundary that records every call to a file while passing it on:
// the adapter list, opens, last errors, closes, the completion event, and for
// each request its kind, code, length, the bytes sent, the status, how long
// it took and the bytes the card wrote, stamped with the clock's time since
// the recording began. An answer the same as the previous one to the same
// request is written once. The format is documented in docs/recordings.md;
// the simulated card replays it.
//
// On the calling thread a request costs two clock readings and two copies of
// the first bytes of its buffer into a queue; a thread of its own compares
// the answers and writes the file (RecordingWriter).

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "adapter/Clock.h"
#include "adapter/NdisLibrary.h"
#include "adapter/RecordQueue.h"
#include "adapter/RecordingWriter.h"

namespace quoril {

class RecordingNdisLibrary final : public NdisLibrary {
 public:
  struct Options {
    bool maskAddresses = false;  // see AddressMask
  };

  // Takes `file`, opened for writing, and writes the recording to it;
  // `name` names it in messages. `clock` outlives the recorder.
  RecordingNdisLibrary(std::unique_ptr<NdisLibrary> inner, std::FILE* file, std::string name,
                       const Clock& clock, Options options);
  // Finishes the recording.
  ~RecordingNdisLibrary() override;

  // Writes out everything, closes the file and stops recording; the calls
  // that follow are passed on unrecorded. For ends that skip destructors.
  void Finish();

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
  // A line for a call other than a request: `fields` follow the kind and
  // the time; `what` tells calls of the kind apart (see CallKey).
  void RecordCall(std::string_view kind, std::string_view what, Millis start,
                  const std::string& fields);
  std::int64_t Since(Millis clockTime) const { return (clockTime - origin_).count(); }

  std::unique_ptr<NdisLibrary> inner_;
  const Clock& clock_;
  Millis origin_;
  bool recording_ = true;
  std::map<std::string, recording::Ordinal> calls_;  // by CallKey
  RecordQueue queue_;
  RecordingWriter writer_;  // last: its thread reads the queue
};

}  // namespace quoril
