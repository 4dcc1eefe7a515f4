#include "sim/SimulatedCard.h"

namespace quoril {

SimulatedCard::SimulatedCard(const Scenario& scenario, Clock& clock)
    : scenario_(scenario), clock_(clock), start_(clock.Now()), timeline_(scenario_) {}

SimulatedCard::~SimulatedCard() = default;

int SimulatedCard::GetFirstAdapterRegistryInfo(AdapterRegistryRecord&) {
  return 1;
}
int SimulatedCard::GetNextAdapterRegistryInfo(AdapterRegistryRecord&) {
  return 1;
}
AdapterHandle SimulatedCard::OpenAdapter(const char*) {
  return kInvalidAdapter;
}
std::uint32_t SimulatedCard::GetLastError() {
  return lastError_;
}
std::uint32_t SimulatedCard::MakeNdisRequest(AdapterHandle, const NdisRequest&, CompletionRecord&,
                                             int) {
  return kNdisStatusFailure;
}
int SimulatedCard::CloseAdapter(AdapterHandle) {
  return 0;
}
EventHandle SimulatedCard::CreateCompletionEvent() {
  return nullptr;
}
void SimulatedCard::ResetCompletionEvent(EventHandle) {}
void SimulatedCard::CloseCompletionEvent(EventHandle) {}
Millis SimulatedCard::Elapsed() const {
  return clock_.Now() - start_;
}
int SimulatedCard::OpenAdapterCount() const {
  return 0;
}
int SimulatedCard::OpenEventCount() const {
  return 0;
}

std::unique_ptr<SimulatedCard> MakeSimulatedCard(const Scenario& scenario, Clock& clock) {
  return std::make_unique<SimulatedCard>(scenario, clock);
}

}  // namespace quoril
