#pragma once
// Ctrl-C and a polite kill (SIGTERM) end the program as the user would: the
// signal only raises a flag, and the windows watch it and close one by one
// from the innermost, so the card is left as after Exit and the settings are
// saved.

namespace quoril {

// Installs the handlers for SIGINT and SIGTERM.
void InstallStopHandlers();
bool StopRequested();
// Raises the flag as the signals do.
void RequestStop();

// While the flag is up, ends the innermost modal window every `periodMs`:
// dialogs end with cancel, message boxes are dismissed.
void WatchStopRequests(int periodMs = 100);

}  // namespace quoril
