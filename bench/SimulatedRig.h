#pragma once
// The adapter on a simulated card with a manual clock, opened as the main
// window opens it: what every benchmark measures against.

#include <cstdio>
#include <memory>
#include <string_view>

#include "adapter/AdapterUi.h"
#include "adapter/CAdapter.h"
#include "adapter/Clock.h"
#include "adapter/RecordingNdisLibrary.h"
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
  // With `recording`, the card is recorded into it (which the rig closes).
  explicit SimulatedRig(std::string_view scenario = kDefaultScenario,
                        std::FILE* recording = nullptr) {
    std::unique_ptr<NdisLibrary> card = MakeSimulatedCard(LoadScenario(scenario), clock);
    if (recording) {
      card = std::make_unique<RecordingNdisLibrary>(std::move(card), recording, "bench", clock,
                                                    RecordingNdisLibrary::Options{});
    }
    adapter.Connect(std::move(card), ui);
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
