// The scenario parser over any text: it gives a scenario or one
// ScenarioError, never anything else. A scenario it accepts then drives a
// simulated card through start-up and a few polls and channel changes.

#include <cstdint>
#include <memory>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzedCard.h"
#include "adapter/CAdapter.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace quoril;
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  Scenario scenario;
  try {
    scenario = ParseScenario(text, "fuzz.json");
  } catch (const ScenarioError& error) {
    FUZZ_CHECK(std::string_view(error.what()).starts_with("fuzz.json"));
    return 0;
  }

  ManualClock clock;
  fuzz::SilentUi ui;
  CAdapter adapter;
  try {
    adapter.Connect(MakeSimulatedCard(scenario, clock), ui);
  } catch (const CAdapter::Initialization&) {
    FUZZ_CHECK(scenario.eventFails);
    return 0;
  }
  try {
    adapter.FindInputAdapter();
  } catch (const CAdapter::Initialization&) {
    return 0;  // the chosen adapter would not open a second time
  }
  for (std::uint8_t channel = 0; channel <= 15; ++channel) {
    adapter.PacketGetStatus();
    adapter.PacketSetChannel(channel);
    clock.Advance(Millis{997});
  }
  adapter.PacketStartScan();
  adapter.PacketGetStatus();
  adapter.PacketRescan();
  adapter.PacketStopTest();
  return 0;
}
