#pragma once
// The application: reads the command line, starts the window system, hands
// the adapter its card and runs the main window until the program ends.

#include <memory>

#include "app/CommandLine.h"

namespace quoril {

class CAdapter;
class CardSetup;
class MessageBoxes;

class CWlanApp {
 public:
  CWlanApp();
  // Releases the card boundary's clock and trace stream; runs after the
  // adapter that used them is gone (theApp is constructed first).
  ~CWlanApp();
  CWlanApp(const CWlanApp&) = delete;
  CWlanApp& operator=(const CWlanApp&) = delete;

  // The whole run; returns the exit status.
  int Run(int argc, char* argv[], CAdapter& adapter);

 private:
  // Runs the main window modally and returns false, as the framework's
  // start-up does when no message loop is to follow; the status is kept in
  // exitCode_.
  bool InitInstance();
  int Start(CAdapter& adapter);

  CommandLine options_;
  std::unique_ptr<CardSetup> card_;
  CAdapter* adapter_ = nullptr;
  MessageBoxes* boxes_ = nullptr;
  int exitCode_ = 0;
};

}  // namespace quoril
