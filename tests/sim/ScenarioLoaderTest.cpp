// Scenario files: what they may say, and how their mistakes are reported.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "sim/ScenarioLoader.h"

namespace quoril::testing {
namespace {

using ::testing::HasSubstr;

// The message for `text`, read as a scenario's name or path when it starts
// like one, or else as a document.
std::string ErrorOf(std::string_view text) {
  try {
    if (!text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '/'))
      LoadScenario(text);
    else
      ParseScenario(text, "test.json");
  } catch (const ScenarioError& error) {
    return error.what();
  }
  return "no error";
}

TEST(ScenarioLoaderTest, ABaseIsMergedUnderTheDocumentAndPhasesInheritWhatTheyDoNotSay) {
  const Scenario scenario = ParseScenario(R"({"base": "office", "card": {"latencyMs": 7},
      "link": {"phases": [
        {"durationMs": 100, "portStatus": 5, "channel": 11, "signal": 40, "rate": "0x04"},
        {"durationMs": 100, "signal": {"kind": "ramp", "to": 0}},
        {"rate": 1}]}})",
                                          "x");
  const Scenario office = LoadScenario("office");
  EXPECT_EQ(scenario.latency, Millis{7});
  EXPECT_EQ(scenario.rescanSearch, office.rescanSearch);  // kept from the base
  ASSERT_EQ(scenario.phases.size(), 3u);
  EXPECT_EQ(scenario.phases[0].rate, 4);
  const LinkPhase& last = scenario.phases[2];
  EXPECT_EQ(std::tuple(int{last.portStatus}, int{last.channel}, int{last.rate}, last.signal.shape,
                       last.duration.has_value()),
            std::tuple(5, 11, 1, SignalShape::kFrozen, false));
}

TEST(ScenarioLoaderTest, MistakesAreNamedByPlaceAndProblemInOneLine) {
  const std::string deep = std::string(5000, '[') + std::string(5000, ']');
  const std::pair<std::string_view, const char*> cases[] = {
      {"{\n  \"seed\": 1,\n  \"link\": {\"phases\": [ {\"signal\": 3,} ]}\n}",
       "test.json:3:37: syntax error while parsing object key - unexpected '}'"},
      {R"({"link": {"phases": [{"durationMs": 10}, {"signal": "high"}]}})",
       "test.json: /link/phases/1/signal: expected an integer from 0 to 255 (or a hex string "
       "such as \"0x80\"), got \"high\""},
      {R"({"adapters": [{"name": "A", "address": "00:11:22:33:44"}]})",
       "test.json: /adapters/0/address: expected an address of six hex pairs"},
      {R"({"link": {"phases": [{"channel": 15}]}})",
       "test.json: /link/phases/0/channel: out of range: 15 is not an integer from 1 to 14"},
      {R"({"antenna": {"vswr": [1.2]}})", "test.json: /antenna/vswr: expected 14 elements, got 1"},
      {R"({"link": {"phases": [{"signal": {"kind": "ramp", "to": 3}}]}})",
       "test.json: /link/phases/0/signal: a ramp needs a phase with \"durationMs\""},
      {R"({"link": {"phases": [{"signal": {"kind": "walk", "min": 9, "max": 3}}]}})",
       "test.json: /link/phases/0/signal: \"min\" is above \"max\""},
      {R"({"link": {"phases": [{"signal": {"kind": "swing"}}]}})",
       "/link/phases/0/signal/kind: unknown signal kind \"swing\""},
      {R"({"link": {"phases": [{}, {}]}})", "/link/phases/0: missing key \"durationMs\""},
      {R"({"faults": [{"request": "any", "id": 3, "status": 6}]})",
       "/faults/0/id: a fault on \"any\" requests takes no id"},
      {R"({"faults": [{"request": "any", "status": 6, "fromMs": 5, "untilMs": 5}]})",
       "/faults/0: \"untilMs\" is not after \"fromMs\""},
      {R"({"overrides": [{"register": 124, "record": 64835, "value": 1}]})",
       "/overrides/0: expected exactly one of"},
      {R"({"link": {"phases": [{"sginal": 3}]}})",
       "test.json: /link/phases/0/sginal: unknown key; expected one of: durationMs, portStatus, "
       "signal,"},
      {R"({"faults": [{"request": "any", "status": "0x100000000"}]})",
       "test.json: /faults/0/status: out of range"},
      {R"({"base": "home"})", "no built-in scenario is called \"home\""},
      {"ofice", "unknown scenario \"ofice\""},
      // Broken syntax, odd bytes and odd shapes.
      {"", "test.json:1:1: "},
      {R"({"seed": 2e868})", "number overflow"},
      {deep, "test.json: top level: expected an object, got [[[["},
  };
  for (const auto& [text, message] : cases) {
    const std::string error = ErrorOf(text);
    EXPECT_THAT(error, HasSubstr(message)) << text;
    EXPECT_EQ(error.find_first_of("\n"), std::string::npos) << error;  // one line
    EXPECT_EQ(error.find("json.exception"), std::string::npos) << error;
    EXPECT_LT(error.size(), 400u) << error;
  }
  for (std::string_view name : BuiltinScenarioNames())
    EXPECT_THAT(ErrorOf("ofice"), HasSubstr(name));
}

TEST(ScenarioLoaderTest, AFileIsNamedInItsMessagesAndByItsStemAndAMissingOneIsSaid) {
  const auto path = std::filesystem::temp_directory_path() / "quoril-sim-loader-test.json";
  std::ofstream(path) << "{\"link\": {\"phases\": [{\"rate\": 2}]}}";
  EXPECT_EQ(LoadScenario(path.string()).name, "quoril-sim-loader-test");
  std::ofstream(path) << "{\n\"seed\": true}";
  EXPECT_EQ(ErrorOf(path.string()),
            path.string() + ": /seed: expected an integer from 0 to 4294967295, got true");
  std::filesystem::remove(path);
  for (const auto& missing : {path, path.parent_path()})
    EXPECT_THAT(ErrorOf(missing.string()),
                HasSubstr(missing.string() + ": cannot read the scenario file"));
}

}  // namespace
}  // namespace quoril::testing
