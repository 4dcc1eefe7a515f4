#pragma once
// A window system for tests and benchmarks: no toolkit, no screen. Dialogs
// keep their controls' state and note every operation in a readable log;
// time is virtual, on a ManualClock that the simulated card may share, so a
// run is fast and the same every time.
//
// Inside a modal run nothing happens by itself: the test scripts it
// (WhenOpen), and lets time pass (Run), during which the timers of every
// open dialog and the After() actions fire in due order, the outer dialogs'
// included. A modal run whose script is done while the dialog is still open
// lets time pass up to the pending After() actions; with none pending it
// throws UnscriptedModalRun rather than hang.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "adapter/Clock.h"
#include "res/WindowSystem.h"
#include "res/recording/RecordingDialog.h"

namespace quoril::recording {

class UnscriptedModalRun : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class RecordingWindowSystem final : public WindowSystem {
 public:
  // With a clock of its own, or with one shared with the card.
  RecordingWindowSystem();
  explicit RecordingWindowSystem(ManualClock& clock);
  ~RecordingWindowSystem() override;

  // --- Scripts ----------------------------------------------------------------
  using Script = std::function<void(RecordingDialog&)>;
  // Runs `script` inside the next modal run of `templateId`, once the window
  // shows. Scripts of one template are used in the order given.
  void WhenOpen(int templateId, Script script);

  struct Box {
    std::string caption;
    std::string text;
    BoxButtons buttons;
    BoxIcon icon;
  };
  // Answers for the next message boxes, in order. A box with only OK needs
  // none; any other box without an answer throws UnscriptedModalRun.
  void AnswerBoxes(std::initializer_list<BoxAnswer> answers);
  // Runs as each box shows, before it is answered.
  std::function<void(const Box&)> whileBoxShown;
  const std::vector<Box>& Boxes() const { return boxes_; }

  // --- Time -------------------------------------------------------------------
  // Lets `ms` pass: every timer and After() action that comes due fires in
  // due order (ties in the order they were set). Returns early when the
  // innermost dialog that was open at the call ends.
  void Run(int ms);
  Millis Now() const { return clock_.Now(); }
  ManualClock& Clock() { return clock_; }

  // --- Looking ----------------------------------------------------------------
  // The open dialog of `templateId`, innermost first; nullptr when none.
  RecordingDialog* Find(int templateId) const;
  // The latest dialog of `templateId`, open or gone; throws std::logic_error
  // when there never was one.
  const RecordingDialog& Last(int templateId) const;
  // Template ids of the dialogs opened, in order.
  const std::vector<int>& Opened() const { return opened_; }
  // One line per operation: "<template> <what> <arguments>".
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  // Long runs (benchmarks) may keep no log.
  void KeepLog(bool keep) { keepLog_ = keep; }
  void Note(std::string line);

  // --- WindowSystem -----------------------------------------------------------
  BoxAnswer Show(std::string_view caption, std::string_view text, BoxButtons buttons,
                 BoxIcon icon) override;
  void After(int ms, std::function<void()> action) override;

  // A sequence number for timers set, the tie-break between equal due times.
  std::uint64_t Order() { return ++order_; }

 protected:
  int RunModalWindow(OpenDialog& dialog) override;

 private:
  struct Action {
    Millis due;
    std::uint64_t order;
    std::function<void()> run;
  };
  // Fires the first timer or action due at or before `end`; false when none.
  bool FireNext(Millis end);
  void Idle(RecordingDialog& dialog);

  ManualClock ownClock_;
  ManualClock& clock_;
  std::map<int, std::deque<Script>> scripts_;
  std::deque<BoxAnswer> answers_;
  std::vector<Box> boxes_;
  std::vector<Action> actions_;
  std::vector<RecordingDialog*> open_;  // outermost first
  std::vector<std::unique_ptr<RecordingDialog>> dialogs_;
  std::vector<int> opened_;
  std::vector<std::string> log_;
  bool keepLog_ = true;
  std::uint64_t order_ = 0;
};

}  // namespace quoril::recording
