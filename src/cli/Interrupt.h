#pragma once
// Ctrl-C for the terminal commands: the signal only raises a flag, which the
// tick loops check, so every command ends through its ordinary path (and sends
// PacketStopTest where it started a test).

namespace quoril::cli {

// Installs the SIGINT handler and clears the flag.
void InstallInterruptHandler();
// True once SIGINT has arrived.
bool InterruptRequested();
// Raises the flag as SIGINT would (for tests and for callers that stop early).
void RequestInterrupt();
void ClearInterrupt();

}  // namespace quoril::cli
