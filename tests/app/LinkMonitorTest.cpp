// The main window on a scripted card: settings at start and exit, where each
// poll tick's figures go, the driver alarm, and the commands with the poll
// around them. What the figures are is the poll computation's business and
// tested there.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "app/BoxAdapterUi.h"
#include "app/CLinkMonitorDlg.h"
#include "support/WindowRig.h"

namespace quoril {
namespace {

using namespace catalogue;
using testing::RecordingDialog;
using Write = MemoryProfile::Write;
namespace fs = std::filesystem;

constexpr int kPoll = CLinkMonitorDlg::kPollTimerId;
constexpr int kSignalBar = 1016, kInterferenceBar = 1022, kLinkErrorBar = 1023;

fs::path ScratchSettingsFile() {
  return fs::temp_directory_path() /
         ("quoril-window-test-" + std::to_string(std::random_device{}()) + ".cfg");
}

// The main window on a card with one adapter that answers.
struct LinkRig : testing::WindowRig {
  LinkRig() {
    library().adapters.push_back({"PRISM2_1"});
    Link(4, 100, 17, 30);
  }
  ~LinkRig() { fs::remove(services.settingsFile); }
  void Link(std::uint8_t P, std::uint8_t S, std::uint8_t N, std::uint8_t L) {
    records[kRecordPortStatus] = {P, 0};
    SetSignal(S);
    registers[kRegRxLevel] = N;
    registers[kRegLinkErrors] = L;
  }
  // The window's run with `script` inside; the window is gone after it.
  int Open(const std::function<void(RecordingDialog&)>& script) {
    CLinkMonitorDlg dialog(services);
    const int result = Run(dialog, script);
    exitCode = dialog.ExitCode();
    return result;
  }
  AppServices services{adapter, profile, windows, ScratchSettingsFile(), false};
  int exitCode = -1;
};

// An adapter whose set-up messages are boxes and whose exit ends the
// program, as in the application. Once `failOpens` is set, the first request
// after it makes every later open fail.
struct BoxedRig : testing::WindowRig {
  BoxedRig() {
    auto scripted = std::make_unique<testing::ScriptedLibrary>();
    library = scripted.get();
    library->adapters.push_back({"PRISM2_1"});
    library->answer = [this](const NdisRequest&) {
      if (failOpens) library->adapters[0].opens = false;
      return 0u;
    };
    boxed.Connect(std::move(scripted), ui);
  }
  BoxAdapterUi ui{windows};
  testing::ScriptedLibrary* library = nullptr;
  CAdapter boxed;
  AppServices services{boxed, profile, windows, {}, false};
  bool failOpens = false;
};

std::vector<std::string> Shown(const recording::RecordingWindowSystem& windows) {
  std::vector<std::string> out;
  for (const auto& box : windows.Boxes()) out.push_back(box.caption + "|" + box.text);
  return out;
}

TEST(LinkMonitorTest, StartsWithItsSettingsAndSavesOnlyTheAdapterAtExit) {
  for (const bool simulated : {false, true}) {
    LinkRig rig;
    rig.services.simulatedCard = simulated;
    rig.profile.WriteInt("TX_Power", "TxPower", 384);
    rig.profile.WriteInt("Adapter", "OutputAdapter", 5);
    const std::size_t stored = rig.profile.Writes().size();
    EXPECT_EQ(rig.Open([&](RecordingDialog& d) {
      EXPECT_EQ(rig.adapter.TxPowerValue, 128);  // low 8 bits of 384
      EXPECT_EQ(rig.adapter.InputAdapter, 1);    // the card was found
      EXPECT_EQ(rig.profile.Writes().size(), stored);
      EXPECT_TRUE(fs::exists(rig.services.settingsFile));
      EXPECT_EQ(d.Caption(), simulated ? "WLAN Quoril (simulated card)" : "WLAN Quoril");
      EXPECT_EQ(d.Icon(), res::kApplicationIcon);
      EXPECT_EQ(d.MenuItems(),
                (std::vector<std::pair<unsigned, std::string>>{{0x10, "&About WLAN Quoril"}}));
      EXPECT_FALSE(d.Control(1102).enabled || d.Control(1107).enabled);
      EXPECT_EQ(d.TimerPeriod(kPoll), 300);
      d.Click(CDialog::IDOK);  // Exit
      EXPECT_TRUE(d.Control(1102).enabled && !d.Control(1107).enabled);
    }),
              CDialog::IDOK);
    const std::vector<Write> atExit(rig.profile.Writes().begin() + stored,
                                    rig.profile.Writes().end());
    EXPECT_EQ(atExit, (std::vector<Write>{{"Adapter", "InputAdapter", 1},
                                          {"Adapter", "OutputAdapter", 5}}));
  }
}

TEST(LinkMonitorTest, ACardMissingOrUnopenableEndsTheProgramWithOneBoxAndSavesNothing) {
  const std::string none = "|Can not find the PC card WLAN";
  const std::string unopenable =
      "Error!|In InitInputAdapter: hInputAdapter == INVALID_HANDLE_VALUE";
  struct Case {
    bool later;  // found at start, searched again by the hidden "Wlan" button
    bool unopenable;
    std::string ending;
    std::vector<std::string> boxes;
  };
  const Case cases[] = {
      {false, false, "exit 0", {none}},
      {false, true, "initialization failed", {unopenable}},  // the application says no more
      {true, false, "window 2 status 0", {none}},
      {true, true, "window 2 status 1", {unopenable}},
  };
  for (const Case& c : cases) {
    BoxedRig rig;
    if (!c.later) {
      if (c.unopenable)
        rig.failOpens = true;  // the probe's open works, the second fails
      else
        rig.library->adapters.clear();
    }
    std::string ending;
    try {
      CLinkMonitorDlg dialog(rig.services);
      const int result = rig.Run(dialog, [&](RecordingDialog& d) {
        if (c.unopenable)
          rig.failOpens = true;
        else
          rig.library->adapters.clear();
        d.Command(1018);
        EXPECT_EQ(d.TimerPeriod(kPoll), 0);
      });
      ending = "window " + std::to_string(result) + " status " + std::to_string(dialog.ExitCode());
    } catch (const ProgramExit& exit) {
      ending = "exit " + std::to_string(exit.code);
    } catch (const CAdapter::Initialization&) {
      ending = "initialization failed";
    }
    EXPECT_EQ(ending, c.ending);
    EXPECT_EQ(Shown(rig.windows), c.boxes);
    EXPECT_TRUE(rig.profile.Writes().empty());
  }
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
        {kSignalBar, 0, 109, 109, colours::kGreen},
        {kInterferenceBar, 0, 42, 42, colours::kRed},
        {kLinkErrorBar, 5, 80, 5, std::nullopt},
    };
    for (const auto& [id, low, high, pos, colour] : bars) {
      const recording::ControlState& bar = d.Control(id);
      EXPECT_EQ(std::vector({bar.low, bar.high, bar.step, bar.pos}),
                std::vector({low, high, 1, pos}));
      EXPECT_EQ(bar.barColour, colour);
    }
    d.Run(1500);
    EXPECT_EQ(d.Text(1055) + d.Text(1056), "00");

    // Searching empties the signal bar and leaves its colour as it was.
    rig.Link(2, 100, 17, 30);
    d.Run(300);
    EXPECT_EQ(d.Text(1113), "Scanning");
    EXPECT_EQ(d.Control(kSignalBar).pos, 0);
    EXPECT_EQ(d.Control(kSignalBar).barColour, colours::kGreen);
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

TEST(LinkMonitorTest, TxPowerSavesOnlyOnOkAndThePollAppliesIt) {
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
    rig.library().log.clear();
    d.Run(300);  // the next poll writes the new power to the card
    EXPECT_EQ(rig.WrittenRegisters(), std::vector<std::uint8_t>{kRegTxPower});
    d.Command(CDialog::IDCANCEL);
  });
}

TEST(LinkMonitorTest, RescanAndTheHiddenButtons) {
  LinkRig rig;
  rig.Open([&](RecordingDialog& d) {
    d.Run(1800);
    EXPECT_EQ(rig.adapter.ThroughputWarmup, 1);
    d.Click(1020);  // Rescan
    EXPECT_EQ(rig.library().Requests().back()->oid, kOidRescan);
    EXPECT_EQ(rig.adapter.ThroughputWarmup, 0);
    EXPECT_EQ(d.TimerPeriod(kPoll), 300);

    d.Command(1107);  // hidden Stop
    EXPECT_TRUE(d.Control(1102).enabled);
    d.Command(1102);  // hidden Start disables itself
    EXPECT_FALSE(d.Control(1102).enabled);
    rig.registers[kRegTxPower] = 128;  // the power in force: read, not written
    const std::size_t before = rig.library().Requests().size();
    d.Command(1019);  // hidden SQ: the status requests
    d.Command(1104);  // hidden Delay: nothing
    EXPECT_EQ(rig.library().Requests().size() - before, 14u);
    d.Events().OnSysCommand(0xF020);  // the platform's own commands are not ours
    EXPECT_EQ(rig.windows.Opened().size(), 1u);
    d.Command(CDialog::IDCANCEL);
  });
}

}  // namespace
}  // namespace quoril
