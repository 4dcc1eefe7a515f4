// The recording backend as the window tests rely on it: timers keep their
// rhythm and drop the ticks an overrun swallowed, and a modal run or a box
// that nobody scripted fails instead of hanging.

#include <gtest/gtest.h>

#include <vector>

#include "res/CDialog.h"
#include "res/recording/RecordingWindowSystem.h"

namespace quoril::recording {
namespace {

// A dialog whose timer 1 notes when its ticks start and may take long.
class Ticker : public CDialog {
 public:
  Ticker(RecordingWindowSystem& windows, int templateId, int periodMs)
      : CDialog(templateId, windows), windows_(windows), periodMs_(periodMs) {}
  bool OnInitDialog() override {
    SetTimer(1, periodMs_);
    return true;
  }
  void OnTimer(int) override {
    starts.push_back(static_cast<int>(windows_.Now().count()));
    if (starts.size() == overrunAt) windows_.Clock().Advance(Millis{overrunMs});
  }
  std::vector<int> starts;
  std::size_t overrunAt = 0;
  int overrunMs = 0;

 private:
  RecordingWindowSystem& windows_;
  int periodMs_;
};

TEST(RecordingBackendTest, TicksKeepTheirRhythmAndDropWhatAnOverrunSwallowed) {
  struct Case {
    std::size_t overrunAt;
    int overrunMs;
    std::vector<int> starts;
  };
  const Case cases[] = {
      {0, 0, {100, 200, 300, 400, 500}},
      {2, 30, {100, 200, 300, 400, 500}},  // late, but within its period
      {2, 250, {100, 200, 500}},           // 300 and 400 came due while it ran
      {2, 100, {100, 200, 400, 500}},      // 300 came due as it ended
  };
  for (const Case& c : cases) {
    RecordingWindowSystem windows;
    Ticker dialog(windows, res::kAboutBox, 100);
    dialog.overrunAt = c.overrunAt;
    dialog.overrunMs = c.overrunMs;
    windows.WhenOpen(res::kAboutBox, [](RecordingDialog& d) {
      d.Run(550);
      d.Command(CDialog::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), CDialog::IDOK);
    EXPECT_EQ(dialog.starts, c.starts);
  }
}

TEST(RecordingBackendTest, WhatNobodyScriptedFailsLoudly) {
  RecordingWindowSystem windows;
  Ticker dialog(windows, res::kAboutBox, 100);
  EXPECT_THROW(dialog.DoModal(), UnscriptedModalRun);
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_EQ(windows.Show("", "Retry?", BoxButtons::kOk, BoxIcon::kNone), BoxAnswer::kOk);
  EXPECT_THROW(windows.Show("", "Retry?", BoxButtons::kRetryCancel, BoxIcon::kNone),
               UnscriptedModalRun);
}

}  // namespace
}  // namespace quoril::recording
