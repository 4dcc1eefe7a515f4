// The windows on a recording: a session of the main window recorded on the
// simulated card and replayed from the file makes the same card calls at the
// same times and shows the same, through the power control, an air scan and
// an antenna sweep. Virtual time on the card's manual clock keeps both runs
// exact.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/AppServices.h"
#include "app/BoxAdapterUi.h"
#include "app/CLinkMonitorDlg.h"
#include "app/CardSetup.h"
#include "app/MemoryProfile.h"
#include "res/recording/RecordingWindowSystem.h"
#include "sim/ScenarioLoader.h"

namespace quoril {
namespace {

namespace fs = std::filesystem;
using recording::RecordingDialog;

// The trace, then the window system's log and boxes.
using Session = std::vector<std::string>;

// The main window on `simulate`, traced into `trace` and recorded into
// `record` unless it is empty: polls, the power set to 20 mW, an air scan,
// an antenna sweep, polls again.
Session RunMainWindow(const std::string& simulate, const fs::path& trace,
                      const std::string& record) {
  Card card = SetUpCard({simulate, trace.string(), true, record});
  recording::RecordingWindowSystem windows(dynamic_cast<ManualClock&>(*card.clock));
  windows.AnswerBoxes({BoxAnswer::kRetry, BoxAnswer::kCancel});
  windows.WhenOpen(res::kPowerControl, [](RecordingDialog& d) {
    d.Click(1139);  // 20 mW
    d.Click(CDialog::IDOK);
  });
  windows.WhenOpen(res::kAirScan, [](RecordingDialog& d) {
    d.Run(1000);
    d.Command(CDialog::IDCANCEL);
    if (!d.Ended()) d.Click(CDialog::IDOK);  // the air scan's cancel is Start
  });
  windows.WhenOpen(res::kAntennaTest, [](RecordingDialog& d) {
    d.Run(2000);
    d.Command(CDialog::IDCANCEL);
  });
  windows.WhenOpen(res::kLinkMonitor, [](RecordingDialog& d) {
    d.Run(1500);
    for (const int command : {1105, 1024, 1112}) {
      if (!d.Ended()) d.Click(command);
      if (!d.Ended()) d.Run(900);
    }
    if (!d.Ended()) d.Command(CDialog::IDCANCEL);
  });
  {
    MemoryProfile profile;
    BoxAdapterUi ui(windows);
    CAdapter adapter;
    try {
      adapter.Connect(std::move(card.library), ui);
      AppServices services{adapter, profile, windows, {}, true};
      CLinkMonitorDlg dialog(services);
      dialog.DoModal();
    } catch (const ProgramExit&) {
    } catch (const CAdapter::Initialization&) {
    }
  }  // the card goes: the trace and the recording are written out
  std::ostringstream text;
  text << std::ifstream(trace, std::ios::binary).rdbuf();
  Session session{text.str()};
  session.insert(session.end(), windows.Log().begin(), windows.Log().end());
  for (const auto& box : windows.Boxes()) session.push_back(box.caption + "|" + box.text);
  return session;
}

TEST(WindowReplayTest, AReplayedSessionMakesTheSameCallsAndShowsTheSame) {
  const fs::path folder = fs::temp_directory_path() /
                          ("quoril-window-replay-" + std::to_string(std::random_device{}()));
  fs::create_directories(folder);
  const std::string recording = (folder / "session.json").string();
  for (const std::string_view scenario : BuiltinScenarioNames()) {
    const Session live = RunMainWindow(std::string(scenario), folder / "live.trace", recording);
    const Session replay = RunMainWindow(recording, folder / "replay.trace", "");
    EXPECT_NE(live[0], "") << scenario;
    EXPECT_EQ(replay, live) << scenario;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace quoril
