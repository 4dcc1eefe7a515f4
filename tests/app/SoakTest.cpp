// A simulated day of monitoring with faults throughout: the link goes
// through good, error-free, out-of-range and searching spells; requests fail
// with every kind of status in windows spread over the day; the user scans
// the air, runs antenna tests, rescans and changes the power now and then,
// and restarts the program whenever the driver alarm ends it. Every poll's
// alarm must be the one the faults call for, and (under the sanitizers)
// nothing may crash, overrun or leak.

#include <gtest/gtest.h>

#include <string>

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
  const std::vector<LinkPhase> spell = day.phases;
  day.phases.clear();
  for (int i = 0; i < 2 * 24 * 6; ++i) {
    LinkPhase phase = spell[static_cast<std::size_t>(i) % spell.size()];
    phase.duration = kSpell;
    day.phases.push_back(phase);
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

class Day {
 public:
  Day() : rig_(SoakDay()), scenario_(rig_.card->Inner().GetScenario()) {
    rig_.adapter.TxPowerControl = 1;
    rig_.adapter.TxPowerIndex = 7;
    rig_.adapter.TxPowerValue = 128;
  }

  // One poll, its alarm checked; false when it ended the program.
  bool Poll(int tick) {
    const Millis now = rig_.card->Inner().Elapsed();
    const PollResult r = RunPollTick(rig_.adapter);
    const DriverAlarm want = DriverAlarm::Judge(ExpectedStatus(scenario_, now, r.clearReg62));
    EXPECT_EQ(r.alarm.kind, want.kind) << "tick " << tick << " at " << now.count() << " ms";
    EXPECT_EQ(r.alarm.text, want.text) << "tick " << tick << " at " << now.count() << " ms";
    alarms_ += r.alarm.kind != DriverAlarm::Kind::kNone;
    rig_.clock.Advance(kPollPeriod);
    return r.alarm.kind != DriverAlarm::Kind::kOff;
  }

  // The program starts again once the driver is back.
  void Restart() {
    do {
      rig_.clock.Advance(Millis{5000});
      rig_.ui.exitCode = -1;
      rig_.adapter.FindInputAdapter();
    } while (rig_.ui.exitCode == 0);
    PollState{}.Store(rig_.adapter);
    ++restarts_;
  }

  void AirScan(int ticks) {
    rig_.adapter.PacketStartScan();
    ResetAirScan(rig_.adapter, CurrentScanChannel(rig_.adapter));
    const AirScanState state;
    for (int i = 0; i < ticks; ++i) {
      const ScanTickResult r = RunScanTick(rig_.adapter, state);
      ASSERT_TRUE(r.channel >= 1 && r.channel <= kScanChannelCount);
      rig_.clock.Advance(Millis{kScanPeriodMs});
      if (r.close) break;
    }
    rig_.adapter.PacketStopTest();
  }

  // Sweep steps at speed 100 with the poll ticking between them.
  void AntennaTest(int& tick, int polls) {
    rig_.adapter.PacketSetTxLevel(kTestTxLevel);
    ChartSweep sweep = MakeChartSweep({0, 0, 480, 360});
    RunChartPaint(rig_.adapter, sweep, {0, 0, 480, 360}, {40, 12});
    for (int p = 0; p < polls; ++p) {
      for (int step = 0; step < 6; ++step) {
        RunSweepStep(rig_.adapter, sweep);
        rig_.clock.Advance(Millis{50});
      }
      EXPECT_FALSE(RefreshAntennaReport(rig_.adapter.VswrByChannel).verdict.empty());
      if (!Poll(++tick)) Restart();
    }
    rig_.adapter.PacketStopTest();
  }

  void ChoosePower(int index) {
    PowerControlModel dialog(rig_.adapter);
    dialog.Load();
    dialog.ClickPower(index);
  }

  void Rescan() { rig_.adapter.PacketRescan(); }

  int alarms() const { return alarms_; }
  int restarts() const { return restarts_; }
  int openAdapters() { return rig_.card->Inner().OpenAdapterCount(); }

 private:
  testing::FailingRig rig_;
  const Scenario& scenario_;
  int alarms_ = 0;
  int restarts_ = 0;
};

TEST(Soak, ADayOfMonitoringWithFaultsThroughout) {
  Day day;
  for (int tick = 1; tick <= kTicks; ++tick) {
    if (!day.Poll(tick)) day.Restart();
    if (tick % 1000 == 0) day.AirScan(40);
    if (tick % 3000 == 1500) day.AntennaTest(tick, 20);
    if (tick % 2000 == 700) day.Rescan();
    if (tick % 500 == 250) day.ChoosePower(tick / 500 % 8);
    if (::testing::Test::HasFailure()) FAIL() << "stopped at tick " << tick;
  }
  ::testing::Test::RecordProperty("alarms", day.alarms());
  ::testing::Test::RecordProperty("restarts", day.restarts());
  EXPECT_EQ(day.openAdapters(), 1);
  // Faults hit the day's polls, and the status-6 windows (one fault window
  // in nine, every seven minutes) ended the program.
  EXPECT_GT(day.alarms(), kTicks / 300);
  EXPECT_GE(day.restarts(), kTicks / 14400);
}

}  // namespace
}  // namespace quoril
