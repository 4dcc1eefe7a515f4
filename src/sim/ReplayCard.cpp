#include "sim/ReplayCard.h"

#include <algorithm>

#include "sim/SimulatedCard.h"

namespace quoril {
namespace {

// The latest of `entries` (in time order) at or before `moment`. Asked
// before the first, the calls count as if at the first one's time, so that
// the second of them gets the second answer recorded then.
template <typename Entry>
const Entry& Latest(const std::vector<Entry>& entries, RecordedMoment moment) {
  moment.time = std::max(moment.time, entries.front().moment.time);
  const auto after = std::upper_bound(
      entries.begin(), entries.end(), moment,
      [](const RecordedMoment& m, const Entry& entry) { return m.Before(entry.moment); });
  return after == entries.begin() ? entries.front() : *std::prev(after);
}

}  // namespace

ReplayCard::ReplayCard(Recording recording, Clock& clock)
    : recording_(std::move(recording)), clock_(clock), start_(clock.Now()) {
  for (std::size_t i = 0; i < recording_.requests.size(); ++i) {
    const RecordedRequest& request = recording_.requests[i];
    if (request.answers.empty()) continue;
    NdisRequest shape;
    shape.type = request.type;
    shape.oid = request.oid;
    shape.length = request.length;
    shape.sent = static_cast<std::uint32_t>(request.sent.size());
    index_.emplace(recording::RequestKey::Of(shape, request.sent), i);
  }
  requestOrdinals_.resize(recording_.requests.size());
}

const RecordedCall* ReplayCard::Call(std::string_view kind, std::string_view what) {
  const std::string key = recording::CallKey(kind, what);
  const auto calls = recording_.calls.find(key);
  if (calls == recording_.calls.end() || calls->second.empty()) return nullptr;
  const Millis now = Elapsed();
  const RecordedMoment moment{now, callOrdinals_[key].Next(now.count())};
  const RecordedCall& call = Latest(calls->second, moment);
  if (call.moment.duration > 0) clock_.Wait(Millis{call.moment.duration});
  return &call;
}

int ReplayCard::Registry(std::string_view kind, AdapterRegistryRecord& record) {
  const RecordedCall* call = Call(kind);
  // Past the recorded list (a cut recording, a longer search) the same entry
  // would come again and again: the list ends there.
  const bool again = kind == recording::kNext && call == lastNext_;
  lastNext_ = kind == recording::kNext ? call : nullptr;
  if (call == nullptr || again) return 1;
  if (call->value == 0) record.SetName(call->name);
  return static_cast<int>(call->value);
}

int ReplayCard::GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) {
  return Registry(recording::kFirst, record);
}

int ReplayCard::GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) {
  return Registry(recording::kNext, record);
}

AdapterHandle ReplayCard::OpenAdapter(const char* name) {
  const RecordedCall* call = name ? Call(recording::kOpen, name) : nullptr;
  return call ? static_cast<AdapterHandle>(call->value) : kInvalidAdapter;
}

std::uint32_t ReplayCard::GetLastError() {
  const RecordedCall* call = Call(recording::kError);
  return call ? static_cast<std::uint32_t>(call->value) : kNdisStatusFailure;
}

int ReplayCard::CloseAdapter(AdapterHandle adapter) {
  const RecordedCall* call = Call(recording::kClose, std::to_string(adapter));
  return call ? static_cast<int>(call->value) : 0;
}

EventHandle ReplayCard::CreateCompletionEvent() {
  const RecordedCall* call = Call(recording::kEvent);
  return call && call->value == 0 ? nullptr : &event_;
}

void ReplayCard::ResetCompletionEvent(EventHandle) {}

void ReplayCard::CloseCompletionEvent(EventHandle) {}

std::uint32_t ReplayCard::MakeNdisRequest(AdapterHandle, const NdisRequest& request,
                                          CompletionRecord&, int) {
  if (request.buffer == nullptr && request.length != 0) return kNdisStatusInvalidData;
  const auto key =
      recording::RequestKey::Of(request, {request.buffer, request.buffer ? request.length : 0u});
  const auto found = index_.find(key);
  if (found == index_.end()) return kNdisStatusNotSupported;
  const RecordedRequest& recorded = recording_.requests[found->second];
  const Millis now = Elapsed();
  const RecordedMoment moment{now, requestOrdinals_[found->second].Next(now.count())};
  const RecordedAnswer& answer = Latest(recorded.answers, moment);
  if (answer.moment.duration > 0) clock_.Wait(Millis{answer.moment.duration});
  for (std::uint32_t i = answer.first; i < answer.first + answer.count; ++i) {
    const RecordedByte& byte = recording_.bytes[i];
    request.buffer[byte.offset] = byte.value;
  }
  return answer.status;
}

}  // namespace quoril
