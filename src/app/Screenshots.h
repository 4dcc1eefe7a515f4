#pragma once
// Pictures of the windows as the program shows them, for the documentation:
// the main window after a few seconds of polling, the power dialog, the air
// scan after two sweeps, the About box, the antenna test after a few sweeps
// and its report once filled in, each opened through the main window's own
// commands. Settings are kept in memory and left untouched.

#include <filesystem>

namespace quoril {

class CAdapter;
class WindowSystem;

// Writes link-monitor, power-control, air-scan, about, antenna-test and
// antenna-report (the window system adds the picture's extension) into
// `folder`; returns the exit status.
int TakeScreenshots(CAdapter& adapter, WindowSystem& windows, const std::filesystem::path& folder,
                    bool simulatedCard);

}  // namespace quoril
