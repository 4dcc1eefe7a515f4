#pragma once
// The window system on Qt Widgets: template dialogs run modally, each in an
// event loop of its own nested in its opener's, message boxes, and one-shot
// actions on timers.

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "res/WindowSystem.h"
#include "res/qt/QtMessageBoxes.h"

class QApplication;

namespace quoril {

class QtWindowSystem final : public WindowSystem {
 public:
  // On the application that runs already.
  QtWindowSystem();
  // Starts Qt on `args` (the program's name first), which takes its own
  // options out of them, and keeps it running as long as this lives.
  explicit QtWindowSystem(std::vector<std::string> args);
  ~QtWindowSystem() override;

  // What Qt left of the arguments, the program's name first.
  std::vector<std::string> Arguments() const;

  void After(int ms, std::function<void()> action) override;
  BoxAnswer Show(std::string_view caption, std::string_view text, BoxButtons buttons,
                 BoxIcon icon) override;

  // Every `periodMs` while a stop signal is raised, ends the innermost
  // window: a message box is dismissed as by Escape, a dialog ends with
  // IDCANCEL (not the dialog's cancel command, which may do something else).
  void WatchStopSignals(int periodMs);

 protected:
  int RunModalWindow(OpenDialog& dialog) override;

 private:
  void EndInnermostWindow();

  // Qt keeps a reference to the count and the vector of the arguments.
  std::vector<std::string> args_;
  std::vector<char*> argv_;
  int argc_ = 0;
  std::unique_ptr<QApplication> application_;
  // Owns the timers of After and of the watch, which go with this.
  std::unique_ptr<QObject> context_;
  QtMessageBoxes boxes_;
};

}  // namespace quoril
