#include "adapter/FailingCard.h"

#include "sim/ScenarioLoader.h"

namespace quoril::testing {

std::uint32_t FailingCard::MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                           CompletionRecord& completion, int wait) {
  const std::size_t index = count_++;
  switch (mode_) {
    case Mode::kFrom:
      if (index >= at_) return status_;
      break;
    case Mode::kOnly:
      if (index == at_) return status_;
      break;
    case Mode::kUnplug:
      if (index == at_) inner_->CloseAdapter(adapter);
      break;
    case Mode::kNone:
      break;
  }
  return inner_->MakeNdisRequest(adapter, request, completion, wait);
}

FailingRig::FailingRig(std::string_view scenario) : FailingRig(LoadScenario(scenario)) {}

FailingRig::FailingRig(const Scenario& scenario) {
  auto owned = std::make_unique<FailingCard>(MakeSimulatedCard(scenario, clock));
  card = owned.get();
  adapter.Connect(std::move(owned), ui);
  adapter.FindInputAdapter();
}

}  // namespace quoril::testing
