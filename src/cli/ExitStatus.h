#pragma once
// Exit statuses of quoril-cli, documented in docs/cli.md. Scripts rely on
// them: keep the values.

namespace quoril::cli {

inline constexpr int kExitOk = 0;         // done, or ended by Ctrl-C
inline constexpr int kExitFailure = 1;    // the card could not be set up for use
inline constexpr int kExitUsage = 2;      // bad command line, scenario or trace file
inline constexpr int kExitNoCard = 3;     // "Can not find the PC card WLAN"
inline constexpr int kExitDriverOff = 4;  // "WLAN Driver OFF" ended the monitor

}  // namespace quoril::cli
