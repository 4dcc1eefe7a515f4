#pragma once
// Pictures of the windows as the program shows them, for the documentation:
// the main window after a few seconds of polling, the power dialog, the air
// scan after two sweeps, the About box, the antenna test after a few sweeps
// and its report once filled in, each opened through the main window's own
// commands. Settings are kept in memory and left untouched.

#include <string>

namespace quoril {

class CAdapter;

// Writes link-monitor.png, power-control.png, air-scan.png, about.png,
// antenna-test.png and antenna-report.png into `folder`; returns the exit
// status.
int TakeScreenshots(CAdapter& adapter, const std::string& folder, bool simulatedCard);

}  // namespace quoril
