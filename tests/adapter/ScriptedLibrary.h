#pragma once
// A card boundary for tests: a list of adapters, statuses by request, and a
// log of every call with the bytes the program sent.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "adapter/AdapterUi.h"
#include "adapter/NdisLibrary.h"

namespace quoril::testing {

struct LoggedCall {
  std::string what;  // "first", "next", "open NAME", "last-error", "request", "close", ...
  NdisRequestType type = NdisRequestType::kQuery;
  std::uint32_t oid = 0;
  std::uint32_t length = 0;
  std::vector<std::uint8_t> sent;  // the header the program wrote
};

struct FakeAdapter {
  std::string name;
  bool opens = true;
  bool answersProbe = true;
};

class ScriptedLibrary final : public NdisLibrary {
 public:
  std::vector<FakeAdapter> adapters;
  std::vector<LoggedCall> log;
  bool eventFails = false;
  // Status for a request, by its position among all requests (0-based).
  std::map<std::size_t, std::uint32_t> statusAt;
  // Fills the answer of a request; called after the log entry is made.
  std::function<std::uint32_t(const NdisRequest&)> answer;
  // Outlives the library, which the adapter owns and destroys.
  struct Tally {
    int closes = 0;
    int eventCloses = 0;
  };
  std::shared_ptr<Tally> tally = std::make_shared<Tally>();

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

  std::vector<const LoggedCall*> Requests() const;
  std::vector<std::string> Kinds() const;
  // "q ff010181 256 04 00 42 fd" for each request: type, oid, length, sent.
  std::vector<std::string> Described() const;

 private:
  void Note(std::string what);

  std::size_t next_ = 0;
  std::size_t requests_ = 0;
  int event_ = 0;
};

class RecordingUi final : public AdapterUi {
 public:
  std::vector<std::string> messages;  // "caption|text", caption empty for plain boxes
  int exitCode = -1;

  void ShowMessage(std::string_view text) override { messages.push_back("|" + std::string(text)); }
  void ShowError(std::string_view caption, std::string_view text) override {
    messages.push_back(std::string(caption) + "|" + std::string(text));
  }
  void ExitProcess(int code) override { exitCode = code; }
};

// "04 00 42 fd" for the bytes.
std::string Hex(const std::vector<std::uint8_t>& bytes);

}  // namespace quoril::testing
