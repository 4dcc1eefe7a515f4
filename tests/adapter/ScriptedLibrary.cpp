#include "adapter/ScriptedLibrary.h"

#include <algorithm>
#include <cstdio>

#include "adapter/RequestCatalogue.h"

namespace quoril::testing {

int ScriptedLibrary::GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) {
  Note("first");
  next_ = 0;
  if (adapters.empty()) return 1;
  record.SetName(adapters[next_++].name);
  return 0;
}

int ScriptedLibrary::GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) {
  Note("next");
  if (next_ >= adapters.size()) return 1;
  record.SetName(adapters[next_++].name);
  return 0;
}

AdapterHandle ScriptedLibrary::OpenAdapter(const char* name) {
  Note("open " + std::string(name));
  for (std::size_t i = 0; i < adapters.size(); ++i)
    if (adapters[i].name == name && adapters[i].opens) return static_cast<AdapterHandle>(100 + i);
  return kInvalidAdapter;
}

std::uint32_t ScriptedLibrary::GetLastError() {
  Note("last-error");
  return 2;
}

std::uint32_t ScriptedLibrary::MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                               CompletionRecord& completion, int wait) {
  log.push_back({completion.hEvent != nullptr && wait == 1 ? "request" : "request-without-event",
                 request.type,
                 request.oid,
                 request.length,
                 {request.buffer, request.buffer + std::min(request.sent, request.length)}});
  std::uint32_t status = 0;
  if (answer) status = answer(request);
  const std::size_t index = requests_++;
  if (auto it = statusAt.find(index); it != statusAt.end()) status = it->second;
  if (request.oid == catalogue::kOidRecord && request.buffer[2] == 0x01 &&
      request.buffer[3] == 0xFC) {
    const std::size_t i = static_cast<std::size_t>(adapter - 100);
    if (i < adapters.size() && !adapters[i].answersProbe) status = 0xC0000001;
  }
  return status;
}

int ScriptedLibrary::CloseAdapter(AdapterHandle) {
  Note("close");
  ++tally->closes;
  return 0;
}

EventHandle ScriptedLibrary::CreateCompletionEvent() {
  return eventFails ? nullptr : static_cast<EventHandle>(&event_);
}
void ScriptedLibrary::ResetCompletionEvent(EventHandle) {
  Note("reset-event");
}
void ScriptedLibrary::CloseCompletionEvent(EventHandle) {
  ++tally->eventCloses;
}

void ScriptedLibrary::Note(std::string what) {
  log.emplace_back().what = std::move(what);
}

std::vector<const LoggedCall*> ScriptedLibrary::Requests() const {
  std::vector<const LoggedCall*> out;
  for (const auto& c : log)
    if (c.what == "request") out.push_back(&c);
  return out;
}

std::vector<std::string> ScriptedLibrary::Kinds() const {
  std::vector<std::string> out;
  for (const auto& c : log) out.push_back(c.what);
  return out;
}

std::vector<std::string> ScriptedLibrary::Described() const {
  std::vector<std::string> out;
  for (const LoggedCall* c : Requests()) {
    char head[48];
    std::snprintf(head, sizeof head, "%s %08x %u ", c->type == NdisRequestType::kSet ? "set" : "q",
                  c->oid, c->length);
    out.push_back(head + Hex(c->sent));
  }
  return out;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  char two[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(two, sizeof two, "%02x", bytes[i]);
    if (i) out += ' ';
    out += two;
  }
  return out;
}

}  // namespace quoril::testing
