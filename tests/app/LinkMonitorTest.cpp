// The main window on a scripted card: the card missing, where each poll
// tick's figures go, the driver alarm, and the commands with the poll around
// them. What the figures are is the poll computation's business and
// tested there.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/BoxAdapterUi.h"
#include "app/CLinkMonitorDlg.h"
#include "support/WindowRig.h"

namespace quoril {
namespace {

using namespace catalogue;
using testing::RecordingDialog;
using Write = MemoryProfile::Write;

constexpr int kPoll = CLinkMonitorDlg::kPollTimerId;

std::vector<std::string> Shown(const recording::RecordingWindowSystem& windows) {
  std::vector<std::string> out;
  for (const auto& box : windows.Boxes()) out.push_back(box.caption + "|" + box.text);
  return out;
}

// The main window on a card with one adapter that answers.
struct LinkRig : testing::WindowRig {
  LinkRig() {
    library().adapters.push_back({"PRISM2_1"});
    Link(4, 100, 17, 30);
  }
  void Link(std::uint8_t P, std::uint8_t S, std::uint8_t N, std::uint8_t L) {
    records[kRecordPortStatus] = {P, 0};
    SetSignal(S);
    registers[kRegRxLevel] = N;
    registers[kRegLinkErrors] = L;
  }
  int Open(const std::function<void(RecordingDialog&)>& script) {
    CLinkMonitorDlg dialog(services);
    return Run(dialog, script);
  }
  AppServices services{adapter, profile, windows, {}, false};
};

// With boxes for the adapter's messages, as in the application: a card that
// cannot be opened again when the hidden "Wlan" button searches ends the
// program with one box and saves nothing. (Missing or unopenable at start:
// the application's and the adapter's tests.)
TEST(LinkMonitorTest, ACardUnopenableOnSearchEndsTheProgramWithOneBoxAndSavesNothing) {
  testing::WindowRig rig;
  auto scripted = std::make_unique<testing::ScriptedLibrary>();
  testing::ScriptedLibrary& library = *scripted;
  library.adapters.push_back({"PRISM2_1"});
  bool failOpens = false;  // the first request after it makes every later open fail
  library.answer = [&](const NdisRequest&) {
    if (failOpens) library.adapters[0].opens = false;
    return 0u;
  };
  BoxAdapterUi ui{rig.windows};
  CAdapter boxed;
  boxed.Connect(std::move(scripted), ui);
  AppServices services{boxed, rig.profile, rig.windows, {}, false};
  CLinkMonitorDlg dialog(services);
  const int result = rig.Run(dialog, [&](RecordingDialog& d) {
    failOpens = true;
    d.Command(1018);
    EXPECT_EQ(d.TimerPeriod(kPoll), 0);
  });
  EXPECT_EQ(result, 2);
  EXPECT_EQ(dialog.ExitCode(), 1);
  EXPECT_EQ(Shown(rig.windows),
            std::vector<std::string>{
                "Error!|In InitInputAdapter: hInputAdapter == INVALID_HANDLE_VALUE"});
  EXPECT_TRUE(rig.profile.Writes().empty());
}

TEST(LinkMonitorTest, EachFigureGoesToItsControlAndBarsKeepTheirRanges) {
  LinkRig rig;
  rig.Link(9, 120, 97, 4);  // every bar beyond its range
  rig.records[kRecordBssId] = {0x00, 0x60, 0x1d, 0x0a, 0x0b, 0x0c};
  rig.records[kRecordTxRate] = {4, 0};
  rig.records[kRecordChannel] = {6, 0};
  rig.registers[kRegTxPower] = 128;
  rig.registers[kRegPowerReading] = 129;
  rig.Open([&](RecordingDialog& d) {
    d.Run(300);
    const std::pair<int, const char*> texts[] = {
        {1177, "PRISM II told - UNKNOW"},
        {1052, "Associated - BSS ID = 00:60:1d:0a:0b:0c"},
        {1113, "- 55.2 dBm"},
        {1114, "- 0 dBm"},
        {1054, "5.5"},
        {1053, "6"},
        {1061, "100.0"},
        {1062, "20.2"},
        {1055, ""},  // no throughput before the sixth tick
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(d.Text(id), text) << id;
    const std::tuple<int, int, int, int, std::optional<Rgb>> bars[] = {
        {1016, 0, 109, 109, colours::kGreen},
        {1022, 0, 42, 42, colours::kRed},
        {1023, 5, 80, 5, std::nullopt},
    };
    for (const auto& [id, low, high, pos, colour] : bars) {
      const recording::ControlState& bar = d.Control(id);
      EXPECT_EQ(std::vector({bar.low, bar.high, bar.step, bar.pos}),
                std::vector({low, high, 1, pos}));
      EXPECT_EQ(bar.barColour, colour);
    }
    d.Command(CDialog::IDCANCEL);
  });
}

TEST(LinkMonitorTest, TheDriverAlarmStopsThePollAndAsksOrEnds) {
  struct Case {
    std::uint32_t signalStatus, clearStatus;
    std::optional<BoxAnswer> answer;
    std::string box;  // empty: none
    bool ends;
  };
  const Case cases[] = {
      {kNdisStatusFailure, 0, {}, "", false},
      {6, 0, {}, "|WLAN Driver OFF", true},
      {0xC0010015, 0, BoxAnswer::kRetry, "|WLAN Driver FAILURE: c0010015", false},
      {0, 0x1F, BoxAnswer::kCancel, "|WLAN Driver FAILURE: 0000001f", true},  // the 0x62 write
  };
  for (const Case& c : cases) {
    LinkRig rig;
    rig.signalRecordStatus = c.signalStatus;
    rig.clearReg62Status = c.clearStatus;
    if (c.clearStatus) rig.registers[kRegLinkErrors] = 0;
    if (c.answer) rig.windows.AnswerBoxes({*c.answer});
    int pollWhileShown = -1;
    const int result = rig.Open([&](RecordingDialog& d) {
      rig.windows.whileBoxShown = [&](const auto&) { pollWhileShown = d.TimerPeriod(kPoll); };
      d.Run(300);
      if (!d.Ended()) {
        EXPECT_EQ(d.TimerPeriod(kPoll), 300);
        d.Command(CDialog::IDCANCEL);
      }
    });
    EXPECT_EQ(result, c.ends ? CDialog::IDOK : CDialog::IDCANCEL);
    EXPECT_EQ(Shown(rig.windows),
              c.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
    EXPECT_EQ(pollWhileShown, c.box.empty() ? -1 : 0);
  }
}

// Which dialog a command opens, whether the poll ticks while it is open, and
// the test command the card is left with.
TEST(LinkMonitorTest, CommandsRunTheirDialogsWithThePollAsTheyShould) {
  struct Case {
    int command;  // a button, or 0 for the About item
    int dialog;
    bool pollGoesOn;
    std::uint8_t atOpen, atEnd;  // the last test command sent, unless 0
  };
  const Case cases[] = {
      {1105, res::kPowerControl, true, 0, 0},
      {1112, res::kAntennaTest, true, 0, kTestStop},
      {1024, res::kAirScan, false, kTestStartScan, kTestStop},
      {0, res::kAboutBox, true, 0, 0},
  };
  for (const Case& c : cases) {
    LinkRig rig;
    rig.records[kRecordChannel] = {5, 0};
    const auto last = [&rig](std::uint8_t expected) {
      return expected ? rig.TestCommands().back() : expected;
    };
    rig.windows.WhenOpen(c.dialog, [&](RecordingDialog& inner) {
      EXPECT_EQ(last(c.atOpen), c.atOpen);
      rig.windows.ClearLog();
      inner.Run(650);
      inner.Command(CDialog::IDCANCEL);
      if (!inner.Ended()) inner.Click(CDialog::IDOK);  // the air scan's cancel is Start
    });
    rig.Open([&](RecordingDialog& d) {
      d.Run(300);
      if (c.command)
        d.Click(c.command);
      else
        d.SysCommand(CLinkMonitorDlg::kIdmAboutBox);
      EXPECT_EQ(d.TimerPeriod(kPoll), 300);
      d.Command(CDialog::IDCANCEL);
    });
    const auto& log = rig.windows.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "102 tick 1105"), c.pollGoesOn ? 2 : 0)
        << c.dialog;
    EXPECT_EQ(last(c.atEnd), c.atEnd) << c.dialog;
    if (c.dialog == res::kAirScan) {
      EXPECT_EQ(rig.TunedChannels().front(), 6);  // the channel after the polled 5
    }
  }
}

TEST(LinkMonitorTest, TxPowerSavesOnlyOnOkAndRescanRestartsTheThroughput) {
  LinkRig rig;
  for (const auto& [button, end] :
       {std::pair{1141, CDialog::IDCANCEL}, std::pair{1139, CDialog::IDOK}}) {
    rig.windows.WhenOpen(res::kPowerControl, [button = button, end = end](RecordingDialog& d) {
      d.Click(button);
      d.Click(end);
    });
  }
  rig.Open([&](RecordingDialog& d) {
    d.Click(1105);  // "60", Cancel
    EXPECT_TRUE(rig.profile.Writes().empty());
    EXPECT_EQ(rig.adapter.TxPowerValue, 168);  // stays in force for the run
    d.Click(1105);                             // "20", OK
    EXPECT_EQ(rig.profile.Writes(), (std::vector<Write>{{"TX_Power", "ON_OFF_TxPower", 1},
                                                        {"TX_Power", "Ex_TxPower", 3},
                                                        {"TX_Power", "TxPower", 254}}));
    d.Run(1800);
    EXPECT_EQ(rig.adapter.ThroughputWarmup, 1);
    d.Click(1020);  // Rescan
    EXPECT_EQ(rig.library().Requests().back()->oid, kOidRescan);
    EXPECT_EQ(rig.adapter.ThroughputWarmup, 0);
    EXPECT_EQ(d.TimerPeriod(kPoll), 300);
    d.Events().OnSysCommand(0xF020);  // the platform's own commands are not ours
    EXPECT_EQ(rig.windows.Opened().size(), 3u);
    d.Command(CDialog::IDCANCEL);
  });
}

}  // namespace
}  // namespace quoril
