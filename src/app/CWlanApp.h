#pragma once
// The application: reads the command line, starts the window system, hands
// the adapter its card and runs the main window until the program ends.

#include <memory>
#include <optional>

#include "app/BoxAdapterUi.h"
#include "app/CommandLine.h"
#include "app/Platform.h"

namespace quoril {

class CAdapter;

class CWlanApp {
 public:
  CWlanApp();
  // theApp is constructed before theAdapter and so outlives it: the adapter's
  // message boxes stay valid as long as it does.
  ~CWlanApp();
  CWlanApp(const CWlanApp&) = delete;
  CWlanApp& operator=(const CWlanApp&) = delete;

  // The whole run: the command line, the platform (StartPlatform of the
  // backend the program is linked with), then Start. Returns the exit status.
  int Run(int argc, char* argv[], CAdapter& adapter);
  // Everything after the platform has started: the card boundary from the
  // options, the adapter connected to it, then the main window (or the
  // screenshots). Returns the exit status.
  int Start(const CommandLine& options, Platform& platform, CAdapter& adapter);

 private:
  // Runs the main window modally and returns false, as the framework's
  // start-up does when no message loop is to follow; the status is kept in
  // exitCode_.
  bool InitInstance();
  // A profile that could not be written is said in a box and on stderr.
  void ReportSaveProblem();

  CommandLine options_;
  std::optional<Platform> started_;  // the platform Run started, until Run returns
  Platform* platform_ = nullptr;
  std::unique_ptr<BoxAdapterUi> adapterUi_;
  CAdapter* adapter_ = nullptr;
  bool simulated_ = false;
  int exitCode_ = 0;
};

}  // namespace quoril
