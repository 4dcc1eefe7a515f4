// The simulated card as the windows meet it: through CAdapter, with a manual
// clock.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <tuple>
#include <vector>

#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"
#include "antenna/Vswr.h"
#include "app/PollComputation.h"
#include "sim/DetectorModel.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Le32(std::span<const std::uint8_t> buffer) {
  return std::uint32_t{buffer[12]} | std::uint32_t{buffer[13]} << 8 |
         std::uint32_t{buffer[14]} << 16 | std::uint32_t{buffer[15]} << 24;
}

struct SimRig {
  explicit SimRig(const Scenario& scenario) {
    auto owned = MakeSimulatedCard(scenario, clock);
    card = owned.get();
    adapter.Connect(std::move(owned), ui);
    adapter.FindInputAdapter();
  }
  explicit SimRig(std::string_view name) : SimRig(LoadScenario(name)) {}

  // One poll at time `t` (or now): the time the requests take passes too.
  SimRig& Poll(Millis t = Millis{-1}) {
    if (card->Elapsed() < t) clock.Advance(t - card->Elapsed());
    adapter.PacketGetStatus();
    return *this;
  }
  std::uint8_t Signal() const { return adapter.bufFD43[6]; }
  std::uint8_t RxLevel() const { return adapter.bufReg7C[2]; }
  std::uint8_t LinkErrors() const { return adapter.bufReg66[2]; }
  std::uint64_t Rx() const {
    return std::uint64_t{Le32(adapter.bufCount12)} + Le32(adapter.bufCount13);
  }

  ManualClock clock;
  RecordingUi ui;
  CAdapter adapter;
  SimulatedCard* card = nullptr;
};

TEST(SimulatedCardTest, OfficeOpensThePrismCardReportsAnAssociatedLinkAndRescans) {
  SimRig rig("office");
  rig.Poll();
  EXPECT_TRUE(rig.ui.messages.empty());
  // Its name, address and BSS ID show in quoril-cli's own test.
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  // The signal record's last word is the noise: the interference.
  EXPECT_EQ(
      (Bytes{rig.adapter.bufFD40[4], rig.adapter.bufFDC1[4], rig.adapter.bufFD44[4], rig.RxLevel(),
             rig.adapter.bufFD43[8], rig.LinkErrors(), rig.adapter.bufReg3E[2]}),
      (Bytes{4, 6, 8, 12, 12, 15, 0x80}));
  EXPECT_GE(rig.Signal(), 88);
  EXPECT_LE(rig.Signal(), 112);
  EXPECT_EQ(rig.card->OpenAdapterCount(), 1);  // the probed ones were closed
  // A rescan searches for a while, then associates again.
  rig.Poll(Millis{3000}).adapter.PacketRescan();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  EXPECT_EQ(rig.Poll().adapter.bufFD40[4], 2);
  EXPECT_EQ(rig.Poll(Millis{4999}).adapter.bufFD40[4], 2);
  EXPECT_EQ(rig.Poll(Millis{5000}).adapter.bufFD40[4], 4);
}

TEST(SimulatedCardTest, CountersGrowAtTheScenarioRatesWrapAt32BitsAndStartAgainAtAReset) {
  Scenario scenario = LoadScenario("office");
  scenario.traffic.initial = {0, 0, 0xFFFFFF00u, 0};
  scenario.traffic.resets = {Millis{5000}};
  SimRig rig(scenario);
  rig.Poll();
  EXPECT_EQ(Le32(rig.adapter.bufCount12), 0xFFFFFF00u);
  // 18000 * 1.8 * 7/8 bytes more directed: past 2^32.
  EXPECT_EQ(Le32(rig.Poll(Millis{1800}).adapter.bufCount12), 0xFFFFFF00u + 28350u);
  EXPECT_EQ(Le32(rig.adapter.bufCount10) + Le32(rig.adapter.bufCount11), 2400u * 18 / 10);
  EXPECT_EQ(rig.Poll(Millis{5000}).Rx(), 0u);
  EXPECT_EQ(rig.Poll(Millis{6000}).Rx(), 18000u);
}

TEST(SimulatedCardTest, ScanningReadsEachTunedChannelsLevelUntilStopped) {
  SimRig rig("office");
  rig.adapter.PacketStartScan();
  Bytes levels;
  Bytes errors;
  for (std::uint8_t channel = 1; channel <= 13; ++channel) {
    rig.adapter.PacketSetChannel(channel);
    rig.Poll();
    EXPECT_EQ(rig.adapter.bufFDC1[4], channel);
    levels.push_back(rig.RxLevel());
    errors.push_back(rig.LinkErrors());
  }
  EXPECT_EQ(levels, (Bytes{38, 0, 0, 0, 0, 62, 0, 0, 0, 0, 45, 0, 0}));
  EXPECT_EQ(errors, (Bytes{6, 0, 0, 0, 0, 3, 0, 0, 0, 0, 9, 0, 0}));
  rig.adapter.PacketStopTest();
  rig.Poll();
  EXPECT_EQ((Bytes{rig.RxLevel(), rig.LinkErrors(), rig.adapter.bufFDC1[4]}), (Bytes{12, 15, 6}));
}

TEST(SimulatedCardTest, AntennaTestReadingsAreTheNearestByteToTheScenariosVswr) {
  for (const char* name : {"office", "bad-antenna"}) {
    SimRig rig(name);
    bool above2 = false;
    for (std::uint8_t channel = 1; channel <= 14; ++channel) {
      rig.adapter.PacketSetTxLevel(0x80);
      rig.adapter.PacketSetChannel(channel);
      rig.adapter.PacketReadReg74();
      const double shown = VswrFromRaw(rig.adapter.bufReg74Test[2]);
      const double vswr = rig.card->GetScenario().antennaVswr[channel - 1];
      for (int other = 0; other < 256; ++other) {
        if (other == detector::kNoReading) continue;
        EXPECT_LE(std::fabs(shown - vswr), std::fabs(VswrFromRaw(std::uint8_t(other)) - vswr))
            << name << " channel " << int{channel} << ": byte " << other << " is nearer";
      }
      above2 = above2 || (channel <= 13 && shown > 2.0);
    }
    EXPECT_EQ(above2, std::string_view(name) == "bad-antenna") << name;
  }
}

TEST(SimulatedCardTest, PowerReadingFollowsTheSettingOutsideTheAntennaTest) {
  SimRig rig("office");
  for (int setting = 0; setting < 256; ++setting) {
    const auto t = static_cast<std::uint8_t>(setting);
    rig.adapter.TxPowerControl = 1;
    rig.adapter.TxPowerValue = t;
    rig.Poll().Poll();  // the first poll reads 0x3E before it writes it
    ASSERT_EQ(rig.adapter.bufReg3E[2], t);
    ShortText set, measured;  // the main window's two power figures
    FormatTxPowerSetting(rig.adapter.bufReg3E[2], set);
    FormatTxPowerReading(rig.adapter.bufReg74[2], measured);
    EXPECT_EQ(measured, detector::SettingMw(t) < 20.0 ? "<20" : set.c_str()) << setting;
  }
}

TEST(SimulatedCardTest, FaultsAndOverridesHitOnlyTheirKindOfRequestForTheirTime) {
  Scenario scenario = LoadScenario("office");
  scenario.faults.push_back({Millis{1000}, Millis{2000}, RequestKind::kRecord, 0xFD43, 0xC0000001});
  scenario.faults.push_back({Millis{0}, std::nullopt, RequestKind::kCounter, 0x12, 0xC000009A});
  scenario.overrides = {
      {Millis{0}, Millis{1000}, OverrideTarget::kRegister, 0x7C, {50}, 1},
      {Millis{0}, std::nullopt, OverrideTarget::kRecord, 0xFD43, {0, 0, 200, 0}, 4}};
  SimRig rig(scenario);
  EXPECT_EQ(rig.Poll().adapter.nNdisStatus, 0u);
  EXPECT_EQ((Bytes{rig.RxLevel(), rig.Signal()}), (Bytes{50, 200}));  // overridden
  rig.Poll(Millis{1000});
  EXPECT_EQ((Bytes{rig.RxLevel(), rig.Signal()}), (Bytes{12, 200}));
  EXPECT_EQ(rig.adapter.nNdisStatus, 0xC0000001u);  // the poll's last request, record 0xFD43
  EXPECT_EQ(rig.adapter.bufFD40[4], 4);             // other records still answer
  rig.adapter.PacketClearReg62();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  EXPECT_EQ(rig.Poll(Millis{2000}).adapter.nNdisStatus, 0u);
  EXPECT_EQ(rig.LinkErrors(), 0);                                  // cleared above
  EXPECT_EQ(Le32(rig.Poll(Millis{3000}).adapter.bufCount12), 0u);  // never answered
  EXPECT_GT(Le32(rig.adapter.bufCount13), 0u);
}

TEST(SimulatedCardTest, EveryRequestSpendsTheCardsOrThePhasesLatency) {
  SimRig slow("slow-driver");
  const Millis before = slow.clock.Now();
  slow.Poll();
  EXPECT_EQ(slow.clock.Now() - before, Millis{13 * 25});

  SimRig rig(ParseScenario(
      R"({"base": "office", "link": {"phases": [{"durationMs": 1000}, {"latencyMs": 40}]}})", "x"));
  EXPECT_EQ(rig.Poll().clock.Now(), Millis{0});
  rig.clock.Advance(Millis{1000});
  rig.adapter.PacketStopTest();
  EXPECT_EQ(rig.clock.Now(), Millis{1040});
}

// Everything the windows read after a poll.
auto Snapshot(const CAdapter& a) {
  return std::tie(a.bufFD43, a.bufFD42, a.bufFD44, a.bufFDC1, a.bufFD40, a.bufReg3E, a.bufReg74,
                  a.bufReg7C, a.bufReg66, a.bufCount10, a.bufCount11, a.bufCount12, a.bufCount13);
}

TEST(SimulatedCardTest, ValuesDependOnTimeAndSeedNotOnHowOftenTheCardWasAsked) {
  // The weak link's walk moves on every step, so any dependence on the
  // number of requests would show.
  Scenario scenario = LoadScenario("weak-link");
  SimRig often(scenario);
  SimRig seldom(scenario);
  scenario.seed += 1;
  SimRig reseeded(scenario);
  Bytes signals;
  Bytes otherSignals;
  for (int tick = 0; tick <= 60; ++tick) {
    often.Poll(Millis{300 * tick});
    if (tick % 4 != 0) continue;
    seldom.Poll(Millis{300 * tick}).Poll();
    ASSERT_EQ(Snapshot(often.adapter), Snapshot(seldom.adapter)) << "tick " << tick;
    signals.push_back(often.Signal());
    otherSignals.push_back(reseeded.Poll(Millis{300 * tick}).Signal());
  }
  EXPECT_NE(otherSignals, signals);
  std::sort(signals.begin(), signals.end());
  EXPECT_GT(std::unique(signals.begin(), signals.end()) - signals.begin(), 3);  // it does walk
}

}  // namespace
}  // namespace quoril::testing
