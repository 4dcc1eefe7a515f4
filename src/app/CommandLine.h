#pragma once
// The program's options. Parsed before the window system starts, so that
// --help, --version and mistakes in the program's own options need no
// display; whatever the program does not know is left for the window
// system (StartPlatform), whose toolkit judges it.

#include <optional>
#include <string>
#include <vector>

namespace quoril {

struct CommandLine {
  bool simulate = false;             // --simulate[=NAME|FILE]
  std::string scenario;              // its value; empty: the default scenario
  std::string trace;                 // --trace=FILE, "-" for standard error
  std::string record;                // --record=FILE
  bool recordMaskAddresses = false;  // --record-mask-addresses
  std::string screenshots;           // --screenshot=DIR: picture each window and end
  int quitAfterMs = 0;               // --quit-after=MS: Exit after that long (tests)
  std::vector<std::string> rest;     // the program's name first, then the toolkit's arguments
};

// Fills `out`. Returns the exit status when the command line is handled
// already (--help and --version: 0, after printing; a mistake: 2, after a
// message on standard error); nothing when the program is to run.
std::optional<int> ParseCommandLine(int argc, const char* const* argv, CommandLine& out);

}  // namespace quoril
