// The simulated card as the windows meet it: through CAdapter, with a manual
// clock.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "antenna/Vswr.h"
#include "app/PollComputation.h"
#include "sim/DetectorModel.h"
#include "sim/SimRig.h"

namespace quoril::testing {
namespace {

using std::chrono::seconds;

Scenario Office() {
  return LoadScenario("office");
}

TEST(SimulatedCardTest, OfficeOpensThePrismCardAndReportsAnAssociatedLink) {
  SimRig rig("office");
  rig.Open().Poll();

  EXPECT_TRUE(rig.ui.messages.empty());
  EXPECT_STREQ(rig.adapter.AdapterName, "PRISM2_1");  // the first adapter fails the probe
  EXPECT_EQ(rig.adapter.InputAdapter, 1);
  const std::uint8_t address[] = {0x00, 0x60, 0x1d, 0xf0, 0x12, 0x34};
  EXPECT_TRUE(std::equal(std::begin(address), std::end(address), rig.adapter.AdapterAddress));
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  EXPECT_EQ(rig.PortStatus(), 4);
  EXPECT_EQ(rig.Channel(), 6);
  EXPECT_EQ(rig.adapter.bufFD44[4], 8);
  const std::uint8_t bssid[] = {0x00, 0x60, 0x1d, 0x0a, 0x0b, 0x0c};
  EXPECT_TRUE(std::equal(std::begin(bssid), std::end(bssid), rig.adapter.bufFD42.begin() + 4));
  EXPECT_EQ(rig.RxLevel(), 12);
  EXPECT_EQ(rig.LinkErrors(), 15);
  EXPECT_EQ(rig.adapter.bufReg3E[2], 0x80);
  EXPECT_GE(rig.Signal(), 88);
  EXPECT_LE(rig.Signal(), 112);
  EXPECT_EQ(rig.card->OpenAdapterCount(), 1);  // the probed ones were closed
}

TEST(SimulatedCardTest, CountersGrowWithTimeAtTheScenarioRates) {
  SimRig rig("office");
  rig.Open().Poll();
  EXPECT_EQ(rig.Rx(), 0u);
  EXPECT_EQ(rig.Tx(), 0u);

  rig.At(Millis{1800}).Poll();
  EXPECT_EQ(rig.Rx(), 18000u * 18 / 10);
  EXPECT_EQ(rig.Tx(), 2400u * 18 / 10);
  // Directed and broadcast items both move.
  EXPECT_GT(Le32(rig.adapter.bufCount12, 12), 0u);
  EXPECT_GT(Le32(rig.adapter.bufCount13, 12), 0u);
}

TEST(SimulatedCardTest, CountersWrapAt32BitsAndStartAgainAtAReset) {
  Scenario scenario = Office();
  scenario.traffic.initial = {0, 0, 0xFFFFFF00u, 0};
  scenario.traffic.resets = {Millis{5000}};
  SimRig rig(scenario);
  rig.Open().Poll();
  EXPECT_EQ(Le32(rig.adapter.bufCount12, 12), 0xFFFFFF00u);

  rig.At(seconds{1}).Poll();  // 18000 * 7/8 bytes more: past 2^32
  EXPECT_EQ(Le32(rig.adapter.bufCount12, 12), 0xFFFFFF00u + 15750u);  // wrapped
  EXPECT_LT(Le32(rig.adapter.bufCount12, 12), 15750u);

  rig.At(Millis{5000}).Poll();
  EXPECT_EQ(rig.Rx(), 0u);
  rig.At(Millis{6000}).Poll();
  EXPECT_EQ(rig.Rx(), 18000u);
}

TEST(SimulatedCardTest, RescanSearchesForAWhileThenAssociatesAgain) {
  SimRig rig("office");
  rig.Open().At(seconds{3}).Poll();
  ASSERT_EQ(rig.PortStatus(), 4);

  rig.adapter.PacketRescan();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  rig.Poll();
  EXPECT_EQ(rig.PortStatus(), 2);
  rig.At(Millis{4999}).Poll();
  EXPECT_EQ(rig.PortStatus(), 2);
  rig.At(Millis{5000}).Poll();
  EXPECT_EQ(rig.PortStatus(), 4);
}

TEST(SimulatedCardTest, ScanningReadsEachTunedChannelsLevelUntilStopped) {
  SimRig rig("office");
  rig.Open().Poll();
  rig.adapter.PacketStartScan();
  std::uint8_t level[14] = {};
  std::uint8_t errors[14] = {};
  for (std::uint8_t channel = 1; channel <= 13; ++channel) {
    rig.adapter.PacketSetChannel(channel);
    rig.Poll();
    EXPECT_EQ(rig.Channel(), channel);
    level[channel] = rig.RxLevel();
    errors[channel] = rig.LinkErrors();
  }
  EXPECT_EQ(level[1], 38);
  EXPECT_EQ(level[6], 62);
  EXPECT_EQ(level[11], 45);
  EXPECT_EQ(level[3], 0);
  EXPECT_EQ(errors[11], 9);
  EXPECT_EQ(errors[4], 0);

  rig.adapter.PacketStopTest();
  rig.Poll();
  EXPECT_EQ(rig.RxLevel(), 12);  // the link's interference again
  EXPECT_EQ(rig.LinkErrors(), 15);
  EXPECT_EQ(rig.Channel(), 6);
}

// Within the resolution of one byte: no other byte's VSWR lies nearer.
void ExpectNearestReading(std::uint8_t reading, double vswr, int channel) {
  const double distance = std::fabs(VswrFromRaw(reading) - vswr);
  for (int other = 0; other < 256; ++other) {
    if (other == detector::kNoReading) continue;
    EXPECT_LE(distance, std::fabs(VswrFromRaw(static_cast<std::uint8_t>(other)) - vswr))
        << "channel " << channel << ": byte " << other << " is nearer " << vswr;
  }
}

TEST(SimulatedCardTest, AntennaTestReadingsGiveBackTheScenariosVswr) {
  for (const char* name : {"office", "bad-antenna"}) {
    SCOPED_TRACE(name);
    SimRig rig(name);
    rig.Open();
    bool above2 = false;
    for (std::uint8_t channel = 1; channel <= 14; ++channel) {
      rig.adapter.PacketSetTxLevel(0x80);
      rig.adapter.PacketSetChannel(channel);
      rig.adapter.PacketReadReg74();
      const std::uint8_t reading = rig.adapter.bufReg74Test[2];
      const double expected = rig.card->GetScenario().antennaVswr[channel - 1];
      ExpectNearestReading(reading, expected, channel);
      EXPECT_NEAR(VswrFromRaw(reading), expected, 0.03 * expected);
      above2 = above2 || (channel <= 13 && VswrFromRaw(reading) > 2.0);
    }
    EXPECT_EQ(above2, std::string_view(name) == "bad-antenna");
  }
}

TEST(SimulatedCardTest, PowerReadingFollowsTheSettingOutsideTheAntennaTest) {
  SimRig rig("office");
  rig.Open();
  for (int setting = 0; setting < 256; ++setting) {
    const auto t = static_cast<std::uint8_t>(setting);
    rig.adapter.TxPowerControl = 1;
    rig.adapter.TxPowerValue = t;
    rig.Poll().Poll();  // the first poll reads 0x3E before it writes it
    ASSERT_EQ(rig.adapter.bufReg3E[2], t);
    // The main window's two power figures.
    ShortText set;
    ShortText measured;
    FormatTxPowerSetting(rig.adapter.bufReg3E[2], set);
    FormatTxPowerReading(rig.adapter.bufReg74[2], measured);
    if (detector::SettingMw(t) < 20.0) {
      EXPECT_EQ(measured, "<20") << "setting " << setting;
    } else {
      EXPECT_EQ(measured, set) << "setting " << setting;
    }
  }

  // During the antenna test a setting other than 0x80 still reads as power.
  rig.adapter.PacketSetTxLevel(0xC8);
  rig.adapter.PacketReadReg74();
  EXPECT_NEAR(detector::ReadingMw(rig.adapter.bufReg74Test[2]), detector::SettingMw(0xC8), 0.3);
}

TEST(SimulatedCardTest, ClearingRegister62ZeroesTheLinkErrorsForThePhase) {
  SimRig rig("office");
  rig.Open().Poll();
  ASSERT_EQ(rig.LinkErrors(), 15);
  rig.adapter.PacketClearReg62();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  rig.At(seconds{10}).Poll();
  EXPECT_EQ(rig.LinkErrors(), 0);
}

TEST(SimulatedCardTest, LinkErrorsComeBackWithTheNextPhase) {
  SimRig rig("lost-link");
  rig.Open().Poll();
  rig.adapter.PacketClearReg62();
  rig.Poll();
  EXPECT_EQ(rig.LinkErrors(), 0);
  rig.At(seconds{5}).Poll();
  EXPECT_EQ(rig.LinkErrors(), 60);
}

TEST(SimulatedCardTest, DriverOffAnswersStatus6FromTheFaultTimeOn) {
  SimRig rig("driver-off");
  rig.Open().At(Millis{4999}).Poll();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  rig.At(Millis{5000}).Poll();
  EXPECT_EQ(rig.adapter.nNdisStatus, 6u);
  rig.adapter.PacketClearReg62();
  EXPECT_EQ(rig.adapter.nNdisStatus, 6u);
}

TEST(SimulatedCardTest, FaultsHitOnlyTheirKindOfRequest) {
  Scenario scenario = Office();
  scenario.faults.push_back({Millis{1000}, Millis{2000}, RequestKind::kRecord, 0xFD43, 0xC0000001});
  scenario.faults.push_back({Millis{0}, std::nullopt, RequestKind::kCounter, 0x12, 0xC000009A});
  SimRig rig(scenario);
  rig.Open().Poll();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  rig.At(Millis{1000}).Poll();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0xC0000001u);  // the poll's last request, record 0xFD43
  EXPECT_EQ(rig.PortStatus(), 4);                   // other records still answer
  rig.adapter.PacketClearReg62();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  rig.At(Millis{2000}).Poll();
  EXPECT_EQ(rig.adapter.nNdisStatus, 0u);
  rig.At(seconds{3}).Poll();
  EXPECT_EQ(Le32(rig.adapter.bufCount12, 12), 0u);  // never answered
  EXPECT_GT(Le32(rig.adapter.bufCount13, 12), 0u);
}

TEST(SimulatedCardTest, NoCardEndsTheSearchWithTheMessage) {
  SimRig rig("no-card");
  rig.Open();
  ASSERT_EQ(rig.ui.messages.size(), 1u);
  EXPECT_EQ(rig.ui.messages[0], "|Can not find the PC card WLAN");
  EXPECT_EQ(rig.ui.exitCode, 0);
}

TEST(SimulatedCardTest, AnAdapterThatStopsOpeningIsSkipped) {
  Scenario scenario = Office();
  scenario.adapters[1].opens = false;
  SimRig rig(scenario);
  rig.Open();
  EXPECT_EQ(rig.ui.exitCode, 0);
  EXPECT_EQ(rig.card->GetLastError(), kNdisStatusFailure);
}

TEST(SimulatedCardTest, FailingEventCreationFailsTheConnection) {
  Scenario scenario = Office();
  scenario.eventFails = true;
  ManualClock clock;
  RecordingUi ui;
  CAdapter adapter;
  EXPECT_THROW(adapter.Connect(MakeSimulatedCard(scenario, clock), ui), CAdapter::Initialization);
}

TEST(SimulatedCardTest, EveryRequestSpendsTheScenariosLatency) {
  SimRig rig("slow-driver");
  rig.Open();
  const Millis before = rig.clock.Now();
  rig.Poll();
  EXPECT_EQ(rig.clock.Now() - before, Millis{13 * 25});
}

TEST(SimulatedCardTest, PhaseLatencyOverridesTheCards) {
  Scenario scenario = Office();
  scenario.phases[0].duration = Millis{1000};
  scenario.phases.push_back(scenario.phases[0]);
  scenario.phases[1].duration.reset();
  scenario.phases[1].latency = Millis{40};
  SimRig rig(scenario);
  rig.Open().Poll();
  EXPECT_EQ(rig.clock.Now(), Millis{0});
  rig.At(seconds{1});
  rig.adapter.PacketStopTest();
  EXPECT_EQ(rig.clock.Now(), Millis{1040});
}

TEST(SimulatedCardTest, LostLinkHoldsTheSignalOnceOutOfRange) {
  SimRig rig("lost-link");
  rig.Open();
  rig.At(Millis{8000}).Poll();
  EXPECT_EQ(rig.PortStatus(), 5);
  EXPECT_EQ(rig.Signal(), 10);  // where the fall ended
  const std::uint64_t tx = rig.Tx();
  for (int tick = 1; tick <= 30; ++tick) {
    rig.At(Millis{8000 + 300 * tick}).Poll();
    ASSERT_EQ(rig.Signal(), 10) << "tick " << tick;
  }
  EXPECT_EQ(rig.Tx(), tx);  // no traffic out of range
}

TEST(SimulatedCardTest, BuiltinLinksShowTheirCharacter) {
  SimRig adhoc("adhoc");
  adhoc.Open().Poll();
  EXPECT_EQ(adhoc.PortStatus(), 3);

  SimRig weak("weak-link");
  weak.Open();
  for (int tick = 0; tick < 100; ++tick) {
    weak.At(Millis{300 * tick}).Poll();
    ASSERT_LE(weak.Signal(), 42);
    ASSERT_GE(weak.Signal(), 14);
    ASSERT_EQ(weak.adapter.bufFD44[4], 2);
  }
}

TEST(SimulatedCardTest, OverridesForceExactRawValuesForAWhile) {
  Scenario scenario = Office();
  RawOverride level;
  level.target = OverrideTarget::kRegister;
  level.id = 0x7C;
  level.bytes[0] = 50;
  level.size = 1;
  level.until = Millis{1000};
  RawOverride signal;
  signal.target = OverrideTarget::kRecord;
  signal.id = 0xFD43;
  signal.bytes = {0, 0, 200, 0};
  signal.size = 4;
  scenario.overrides = {level, signal};
  SimRig rig(scenario);
  rig.Open().Poll();
  EXPECT_EQ(rig.RxLevel(), 50);
  EXPECT_EQ(rig.Signal(), 200);
  rig.At(Millis{1000}).Poll();
  EXPECT_EQ(rig.RxLevel(), 12);
  EXPECT_EQ(rig.Signal(), 200);
}

// Everything the windows read after a poll.
std::vector<std::uint8_t> Snapshot(const SimRig& rig) {
  std::vector<std::uint8_t> bytes;
  const auto add = [&bytes](std::span<const std::uint8_t> buffer, std::size_t from, std::size_t n) {
    bytes.insert(bytes.end(), buffer.begin() + from, buffer.begin() + from + n);
  };
  const CAdapter& a = rig.adapter;
  add(a.bufFD43, 4, 6);
  add(a.bufFD42, 4, 6);
  add(a.bufFD44, 4, 2);
  add(a.bufFDC1, 4, 2);
  add(a.bufFD40, 4, 2);
  for (const auto* reg : {&a.bufReg3E, &a.bufReg74, &a.bufReg7C, &a.bufReg66}) add(*reg, 2, 1);
  for (const auto* count : {&a.bufCount10, &a.bufCount11, &a.bufCount12, &a.bufCount13}) {
    add(*count, 12, 4);
  }
  return bytes;
}

TEST(SimulatedCardTest, ValuesDependOnTimeAloneNotOnHowOftenTheCardWasAsked) {
  // A walk that moves on every step, so any dependence on the number of
  // requests would show.
  Scenario scenario = LoadScenario("weak-link");
  SimRig often(scenario);
  SimRig seldom(scenario);
  often.Open();
  seldom.Open();
  std::vector<std::uint8_t> signals;
  for (int tick = 0; tick <= 60; ++tick) {
    often.At(Millis{300 * tick}).Poll();
    if (tick % 4 != 0) continue;
    seldom.At(Millis{300 * tick}).Poll().Poll();
    ASSERT_EQ(Snapshot(often), Snapshot(seldom)) << "tick " << tick;
    signals.push_back(often.Signal());
  }
  std::vector<std::uint8_t> distinct = signals;
  std::sort(distinct.begin(), distinct.end());
  EXPECT_GT(std::unique(distinct.begin(), distinct.end()) - distinct.begin(), 3);  // it does walk

  Scenario reseeded = scenario;
  reseeded.seed += 1;
  SimRig other(reseeded);
  other.Open();
  std::vector<std::uint8_t> otherSignals;
  for (int tick = 0; tick <= 60; tick += 4)
    otherSignals.push_back(other.At(Millis{300 * tick}).Poll().Signal());
  EXPECT_NE(otherSignals, signals);
}

}  // namespace
}  // namespace quoril::testing
