#pragma once
// The adapter on a simulated card with a manual clock, opened as the main
// window opens it: what every benchmark measures against.

#include <memory>
#include <string_view>

#include "adapter/AdapterUi.h"
#include "adapter/CAdapter.h"
#include "adapter/Clock.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril::bench {

class SilentUi final : public AdapterUi {
 public:
  void ShowMessage(std::string_view) override {}
  void ShowError(std::string_view, std::string_view) override {}
  void ExitProcess(int) override {}
};

struct SimulatedRig {
  explicit SimulatedRig(std::string_view scenario = kDefaultScenario) {
    adapter.Connect(MakeSimulatedCard(LoadScenario(scenario), clock), ui);
    adapter.FindInputAdapter();
    // The settings of a first run: manual power control on, 100 mW.
    adapter.TxPowerControl = 1;
    adapter.TxPowerIndex = 7;
    adapter.TxPowerValue = 128;
  }

  ManualClock clock;
  SilentUi ui;
  CAdapter adapter;
};

}  // namespace quoril::bench
