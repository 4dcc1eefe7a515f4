#pragma once
// Ctrl-C and a polite kill (SIGTERM) end the program as the user would: the
// signal only raises a flag, and the window system, which watches it, closes
// the windows one by one from the innermost, so the card is left as after
// Exit and the settings are saved.

namespace quoril {

// Installs the handlers for SIGINT and SIGTERM.
void InstallStopSignalHandlers();
bool StopSignalRaised();
// Raises the flag as the signals do.
void RaiseStopSignal();

}  // namespace quoril
