// A simulated day of monitoring: good, error-free, out-of-range and searching
// spells; requests failing with every kind of status in windows over the
// day; air scans, antenna tests, rescans and power changes now and then, and
// a restart whenever the driver alarm ends the program. Every poll's alarm
// must be the one the faults call for, and (under the sanitizers) nothing
// may crash, overrun or leak.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "adapter/FailingCard.h"
#include "airscan/ScanTick.h"
#include "antenna/AntennaReport.h"
#include "antenna/ChartSweep.h"
#include "app/PollTick.h"
#include "power/PowerControlModel.h"
#include "sim/ScenarioLoader.h"

namespace quoril {
namespace {

#if defined(__SANITIZE_ADDRESS__)
// The sanitized debug build is some forty times slower: a tenth of a day
// there still sees every kind of fault twice and keeps the suite short.
constexpr int kTicks = 28800;
#else
constexpr int kTicks = 288000;  // a day of 300 ms ticks
#endif
constexpr Millis kPollPeriod{300};
constexpr Millis kSpell{10 * 60 * 1000};
constexpr Millis kFaultEvery{7 * 60 * 1000};
constexpr Millis kFaultLasts{20 * 1000};

// The faults in turn, each for kFaultLasts.
struct FaultKind {
  RequestKind kind;
  std::optional<std::uint16_t> id;
  std::uint32_t status;
};
constexpr FaultKind kFaultKinds[] = {
    {RequestKind::kAny, {}, kNdisStatusFailure},
    {RequestKind::kRegisterRead, 0x7C, 0xC00000BB},
    {RequestKind::kCounter, {}, 1},
    {RequestKind::kRecord, 0xFD43, 0xC0010001},
    {RequestKind::kAny, {}, 6},
    {RequestKind::kRegisterWrite, 0x62, 0xC0000002},
    {RequestKind::kRecord, {}, kNdisStatusFailure},
    {RequestKind::kAny, {}, 0xC0010012},
    {RequestKind::kCommand, {}, 0xFFFFFFFF},
};

Scenario SoakDay() {
  Scenario day = ParseScenario(R"({"base": "office", "link": {"phases": [
      {"durationMs": 600000, "portStatus": 4, "signal": {"kind": "walk", "start": 90,
       "min": 60, "max": 120, "maxStep": 3}, "interference": 12, "linkErrors": 15},
      {"durationMs": 600000, "linkErrors": 0},
      {"durationMs": 600000, "portStatus": 5, "signal": {"kind": "frozen"}, "interference": 4},
      {"portStatus": 2, "signal": 0, "interference": 0}]},
      "traffic": {"txBytesPerSecond": 5000, "rxBytesPerSecond": 90000,
                  "initial": [4294000000, 0, 4294960000, 0]}})",
                               "soak");
  // The four spells over and over for two days.
  const std::vector<LinkPhase> spell = std::exchange(day.phases, {});
  for (std::size_t i = 0; i < 2 * 24 * 6; ++i) {
    day.phases.push_back(spell[i % spell.size()]);
    day.phases.back().duration = kSpell;
  }
  for (int i = 1; i < 2 * 24; ++i) day.traffic.resets.push_back(Millis{i * 3600 * 1000});
  for (Millis from = Millis{60 * 1000}; from < Millis{2 * 86400 * 1000}; from += kFaultEvery) {
    const FaultKind& f = kFaultKinds[(from / kFaultEvery) % std::size(kFaultKinds)];
    day.faults.push_back({from, from + kFaultLasts, f.kind, f.id, f.status});
  }
  return day;
}

// The status of a tick's last request at time t: the signal query, or the
// register 0x62 write when the tick cleared the link errors.
std::uint32_t ExpectedStatus(const Scenario& s, Millis t, bool clearedReg62) {
  const RequestKind kind = clearedReg62 ? RequestKind::kRegisterWrite : RequestKind::kRecord;
  const std::uint16_t id = clearedReg62 ? 0x62 : 0xFD43;
  for (const Fault& f : s.faults) {
    if (t < f.from || t >= *f.until) continue;
    if (f.kind == RequestKind::kAny || (f.kind == kind && (!f.id || *f.id == id))) {
      return f.status;
    }
  }
  return 0;
}

// The day's program: a failing card, the user's actions and restarts.
struct Day {
  testing::FailingRig rig{SoakDay()};
  const Scenario& scenario = rig.card->Inner().GetScenario();
  int alarms = 0;
  int restarts = 0;

  // One poll, its alarm checked; the program starts again once the driver
  // is back when the alarm ended it.
  void Poll(int tick) {
    const Millis now = rig.card->Inner().Elapsed();
    const PollResult r = RunPollTick(rig.adapter);
    const DriverAlarm want = DriverAlarm::Judge(ExpectedStatus(scenario, now, r.clearReg62));
    EXPECT_EQ(r.alarm.kind, want.kind) << "tick " << tick << " at " << now.count() << " ms";
    EXPECT_EQ(r.alarm.text, want.text) << "tick " << tick << " at " << now.count() << " ms";
    alarms += r.alarm.kind != DriverAlarm::Kind::kNone;
    rig.clock.Advance(kPollPeriod);
    if (r.alarm.kind != DriverAlarm::Kind::kOff) return;
    do {
      rig.clock.Advance(Millis{5000});
      rig.ui.exitCode = -1;
      rig.adapter.FindInputAdapter();
    } while (rig.ui.exitCode == 0);
    PollState{}.Store(rig.adapter);
    ++restarts;
  }

  void AirScan(int ticks) {
    rig.adapter.PacketStartScan();
    ResetAirScan(rig.adapter, CurrentScanChannel(rig.adapter));
    for (int i = 0; i < ticks; ++i) {
      const ScanTickResult r = RunScanTick(rig.adapter, AirScanState{});
      ASSERT_TRUE(r.channel >= 1 && r.channel <= kScanChannelCount);
      rig.clock.Advance(Millis{kScanPeriodMs});
      if (r.close) break;
    }
    rig.adapter.PacketStopTest();
  }

  // Sweep steps at speed 100 with the poll ticking between them.
  void AntennaTest(int& tick, int polls) {
    rig.adapter.PacketSetTxLevel(kTestTxLevel);
    ChartSweep sweep = MakeChartSweep({0, 0, 480, 360});
    RunChartPaint(rig.adapter, sweep, {0, 0, 480, 360}, {40, 12});
    for (int p = 0; p < polls; ++p) {
      for (int step = 0; step < 6; ++step, rig.clock.Advance(Millis{50})) {
        RunSweepStep(rig.adapter, sweep);
      }
      EXPECT_FALSE(RefreshAntennaReport(rig.adapter.VswrByChannel).verdict.empty());
      Poll(++tick);
    }
    rig.adapter.PacketStopTest();
  }

  void ChoosePower(int index) {
    PowerControlModel dialog(rig.adapter);
    dialog.Load();
    dialog.ClickPower(index);
  }
};

TEST(Soak, ADayOfMonitoringWithFaultsThroughout) {
  Day day;
  day.rig.adapter.TxPowerControl = 1;
  day.rig.adapter.TxPowerIndex = 7;
  day.rig.adapter.TxPowerValue = 128;
  for (int tick = 1; tick <= kTicks; ++tick) {
    day.Poll(tick);
    if (tick % 1000 == 0) day.AirScan(40);
    if (tick % 3000 == 1500) day.AntennaTest(tick, 20);
    if (tick % 2000 == 700) day.rig.adapter.PacketRescan();
    if (tick % 500 == 250) day.ChoosePower(tick / 500 % 8);
    if (::testing::Test::HasFailure()) FAIL() << "stopped at tick " << tick;
  }
  ::testing::Test::RecordProperty("alarms", day.alarms);
  ::testing::Test::RecordProperty("restarts", day.restarts);
  EXPECT_EQ(day.rig.card->Inner().OpenAdapterCount(), 1);
  // Faults hit the day's polls, and the status-6 windows (one fault window
  // in nine, every seven minutes) ended the program.
  EXPECT_GT(day.alarms, kTicks / 300);
  EXPECT_GE(day.restarts, kTicks / 14400);
}

}  // namespace
}  // namespace quoril
