#pragma once
// CAdapter on a simulated card with a manual clock: what the windows see.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril::testing {

inline std::uint32_t Le32(std::span<const std::uint8_t> buffer, std::size_t at) {
  return std::uint32_t{buffer[at]} | std::uint32_t{buffer[at + 1]} << 8 |
         std::uint32_t{buffer[at + 2]} << 16 | std::uint32_t{buffer[at + 3]} << 24;
}

struct SimRig {
  explicit SimRig(const Scenario& scenario) {
    auto owned = MakeSimulatedCard(scenario, clock);
    card = owned.get();
    adapter.Connect(std::move(owned), ui);
  }
  explicit SimRig(std::string_view name) : SimRig(LoadScenario(name)) {}

  // Finds and opens the card, as the main window does at start.
  SimRig& Open() {
    adapter.FindInputAdapter();
    return *this;
  }
  // One poll at the current time: the time the requests take passes too.
  SimRig& Poll() {
    adapter.PacketGetStatus();
    return *this;
  }
  SimRig& At(Millis t) {
    if (card->Elapsed() < t) clock.Advance(t - card->Elapsed());
    return *this;
  }

  std::uint8_t PortStatus() const { return adapter.bufFD40[4]; }
  std::uint8_t Channel() const { return adapter.bufFDC1[4]; }
  std::uint8_t Signal() const { return adapter.bufFD43[6]; }
  std::uint8_t RxLevel() const { return adapter.bufReg7C[2]; }
  std::uint8_t LinkErrors() const { return adapter.bufReg66[2]; }
  std::uint64_t Rx() const {
    return std::uint64_t{Le32(adapter.bufCount12, 12)} + Le32(adapter.bufCount13, 12);
  }
  std::uint64_t Tx() const {
    return std::uint64_t{Le32(adapter.bufCount10, 12)} + Le32(adapter.bufCount11, 12);
  }

  ManualClock clock;
  RecordingUi ui;
  CAdapter adapter;
  SimulatedCard* card = nullptr;
};

}  // namespace quoril::testing
