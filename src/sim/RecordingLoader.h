#pragma once
// Reads a recording (docs/recordings.md) into a checked Recording. Every
// problem becomes one ScenarioError whose what() names the file, the place
// (line:column for a syntax error, else the line and the JSON path within
// it, such as rec.json:17: /3) and the problem. A last line cut off in the
// middle, as a crash leaves it, is left out and noted in Recording::cutOff.

#include <string_view>

#include "sim/Recording.h"
#include "sim/ScenarioLoader.h"

namespace quoril {

// Whether `text` is a recording rather than a scenario: its first line is a
// JSON object with the member "recording".
bool LooksLikeRecording(std::string_view text);

// Throws ScenarioError; a recording of a newer format than this program
// reads is refused with a message that says so.
Recording ParseRecording(std::string_view text, std::string_view source);

}  // namespace quoril
