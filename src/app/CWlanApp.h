#pragma once
// The application: reads the command line, starts the window system, hands
// the adapter its card and runs the main window until the program ends.

#include <memory>

#include "app/BoxAdapterUi.h"
#include "app/CommandLine.h"
#include "res/qt/QtMessageBoxes.h"

namespace quoril {

class CAdapter;

class CWlanApp {
 public:
  CWlanApp();
  // theApp is constructed before theAdapter and so outlives it: the boxes
  // the adapter shows its messages in stay valid as long as it does.
  ~CWlanApp();
  CWlanApp(const CWlanApp&) = delete;
  CWlanApp& operator=(const CWlanApp&) = delete;

  // The whole run; returns the exit status.
  int Run(int argc, char* argv[], CAdapter& adapter);
  // Everything after the window system has started: the card boundary from
  // the options, the adapter connected to it, then the main window. Returns
  // the exit status.
  int Start(const CommandLine& options, CAdapter& adapter, MessageBoxes& boxes);

 private:
  // Runs the main window modally and returns false, as the framework's
  // start-up does when no message loop is to follow; the status is kept in
  // exitCode_.
  bool InitInstance();

  CommandLine options_;
  QtMessageBoxes screenBoxes_;
  std::unique_ptr<BoxAdapterUi> adapterUi_;
  CAdapter* adapter_ = nullptr;
  MessageBoxes* boxes_ = nullptr;
  bool simulated_ = false;
  int exitCode_ = 0;
};

}  // namespace quoril
