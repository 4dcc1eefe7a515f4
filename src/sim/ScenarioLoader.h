#pragma once
// Turns scenario JSON into a checked Scenario. Built-in scenarios are JSON
// texts too, read by the same parser. Every problem, from a missing file to a
// value out of range, becomes one ScenarioError whose what() names the file,
// the place (line:column, or the JSON path such as /link/phases/2/signal) and
// the problem.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sim/Scenario.h"

namespace quoril {

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kDefaultScenario = "office";

// The names LoadScenario accepts besides file paths, the default first.
std::span<const std::string_view> BuiltinScenarioNames();

// The JSON text of a built-in scenario; empty when there is none by that name.
std::string_view BuiltinScenarioText(std::string_view name);

// A built-in name, or else the path of a JSON file. Throws ScenarioError.
Scenario LoadScenario(std::string_view nameOrPath);

// Parses `text`; `source` names it in messages (a path, or a built-in).
// Throws ScenarioError.
Scenario ParseScenario(std::string_view text, std::string_view source);

// The content of the file `nameOrPath` (a scenario or a recording). Throws
// ScenarioError saying why it cannot be read; for a name that is no file
// the message lists the built-in scenarios.
std::string ReadSimulationFile(std::string_view nameOrPath);

// ParseScenario on the content of the file `path`; a scenario without a name
// is named after the file.
Scenario ParseScenarioFile(std::string_view text, std::string_view path);

}  // namespace quoril
