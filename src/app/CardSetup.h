#pragma once
// Builds what the programs talk to from their start-up options: the card
// boundary (the real request library where there is one, otherwise the
// simulated card with its scenario or the recording it replays), wrapped in
// the recorder and the trace when asked for, and the clock the timers run on.
// Shared by the windows and the terminal.

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "adapter/Clock.h"
#include "adapter/NdisLibrary.h"

namespace quoril {

struct CardOptions {
  // nullopt: the real card where the request library exists, the default
  // scenario elsewhere. An empty name: the default scenario. Otherwise a
  // built-in scenario name or the path of a scenario file.
  std::optional<std::string> simulate;
  // Empty: no trace. "-": standard error. Otherwise a file, truncated.
  std::string trace;
  // A manual clock that lets each wait pass at once. The simulated card's
  // time runs on it too, so that a run is instant and repeatable; a real card
  // keeps its own time and is simply polled back to back.
  bool fast = false;
  // Empty: no recording. Otherwise a file, created or emptied, that records
  // every call to the card for `simulate` to replay (docs/recordings.md).
  // (Initialised, so that callers may leave the recording options out.)
  std::string record{};
  // Station addresses and BSS IDs appear in the recording as stand-ins.
  bool maskAddresses = false;
};

// Bad scenario or recording, unwritable trace or recording file: what() is
// a message for the user.
class CardSetupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Card {
  // Hand it to CAdapter::Connect. It keeps the clock and the trace file alive
  // for as long as it lives, so the adapter may outlive this struct.
  std::unique_ptr<NdisLibrary> library;
  std::shared_ptr<Clock> clock;
  bool simulated = false;
  // "simulated card, scenario office" or the library's name, for titles.
  std::string description;
  // Why the request library can reach no card at all, as a sentence for the
  // user ("W32N50.dll was not found."); empty when it can, and for the
  // simulated card. The adapter's user interface adds it to the no-card
  // message.
  std::string libraryProblem;
  // Writes the recording out and ends it, for an end of the process that
  // skips destructors; empty when there is no recording. Call it only while
  // `library` lives.
  std::function<void()> finishRecording;
};

// Throws CardSetupError. A recording whose last line was cut off is
// replayed up to the line before, which is said once on standard error.
Card SetUpCard(const CardOptions& options);

// Whether this build can reach a real card.
bool RealLibraryAvailable();

}  // namespace quoril
