// Scenario files: what they may say, and how their mistakes are reported.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim/ScenarioLoader.h"

namespace quoril::testing {
namespace {

using ::testing::HasSubstr;

std::string ErrorOf(std::string_view text) {
  try {
    ParseScenario(text, "test.json");
  } catch (const ScenarioError& error) {
    return error.what();
  }
  return "no error";
}

TEST(ScenarioLoaderTest, EveryBuiltinLoadsUnderItsName) {
  const auto names = BuiltinScenarioNames();
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names[0], kDefaultScenario);
  for (std::string_view name : names) {
    SCOPED_TRACE(name);
    const Scenario scenario = LoadScenario(name);
    EXPECT_EQ(scenario.name, name);
    EXPECT_FALSE(scenario.description.empty());
    EXPECT_FALSE(scenario.phases.empty());
  }
  EXPECT_TRUE(LoadScenario("no-card").adapters.empty());
  EXPECT_EQ(LoadScenario("driver-off").faults.size(), 1u);
}

TEST(ScenarioLoaderTest, ABaseIsMergedUnderTheDocument) {
  const Scenario scenario = ParseScenario(R"({"base": "office", "card": {"latencyMs": 7}})", "x");
  const Scenario office = LoadScenario("office");
  EXPECT_EQ(scenario.latency, Millis{7});
  EXPECT_EQ(scenario.rescanSearch, office.rescanSearch);  // kept from the base
  EXPECT_EQ(scenario.adapters.size(), office.adapters.size());
  EXPECT_THAT(ErrorOf(R"({"base": "ofice"})"), HasSubstr("test.json: /base: no built-in"));
  EXPECT_THAT(ErrorOf(R"({"base": 3})"), HasSubstr("test.json: /base: expected a string, got 3"));
}

TEST(ScenarioLoaderTest, PhasesInheritWhatTheyDoNotSay) {
  const Scenario scenario = ParseScenario(R"({"link": {"phases": [
      {"durationMs": 100, "portStatus": 5, "channel": 11, "signal": 40, "rate": "0x04"},
      {"durationMs": 100, "signal": {"kind": "ramp", "to": 0}},
      {"rate": 1}
  ]}})",
                                          "x");
  ASSERT_EQ(scenario.phases.size(), 3u);
  EXPECT_EQ(scenario.phases[0].rate, 4);
  EXPECT_EQ(scenario.phases[2].portStatus, 5);
  EXPECT_EQ(scenario.phases[2].channel, 11);
  EXPECT_EQ(scenario.phases[2].rate, 1);
  EXPECT_EQ(scenario.phases[2].signal.shape, SignalShape::kFrozen);
  EXPECT_FALSE(scenario.phases[2].duration.has_value());
}

TEST(ScenarioLoaderTest, SyntaxErrorsNameTheLineAndColumn) {
  const std::string error =
      ErrorOf("{\n  \"seed\": 1,\n  \"link\": {\"phases\": [ {\"signal\": 3,} ]}\n}");
  EXPECT_THAT(error, HasSubstr("test.json:3:37: "));
  EXPECT_THAT(error, HasSubstr("unexpected '}'"));
  EXPECT_THAT(ErrorOf(""), HasSubstr("test.json:1:1: "));
  EXPECT_THAT(ErrorOf("{\"seed\": 1"), HasSubstr("test.json:1:11: "));
}

TEST(ScenarioLoaderTest, WrongTypesNameTheirPath) {
  EXPECT_EQ(ErrorOf(R"({"link": {"phases": [{"durationMs": 10}, {"durationMs": 10},
                       {"signal": "high"}]}})"),
            "test.json: /link/phases/2/signal: expected an integer from 0 to 255 (or a hex "
            "string such as \"0x80\"), got \"high\"");
  EXPECT_EQ(ErrorOf(R"({"adapters": {}})"), "test.json: /adapters: expected an array, got {}");
  EXPECT_EQ(ErrorOf(R"({"adapters": [{"name": "A", "opens": 1}]})"),
            "test.json: /adapters/0/opens: expected true or false, got 1");
  EXPECT_EQ(ErrorOf(R"({"card": {"txPower": 1.5}})"),
            "test.json: /card/txPower: expected an integer from 0 to 255, got 1.5");
  EXPECT_EQ(ErrorOf("[]"), "test.json: top level: expected an object, got []");
  EXPECT_THAT(ErrorOf(R"({"adapters": [{"name": "A", "address": "00:11:22:33:44"}]})"),
              HasSubstr("test.json: /adapters/0/address: expected an address of six hex pairs"));
}

TEST(ScenarioLoaderTest, ValuesOutOfRangeNameTheRange) {
  EXPECT_EQ(ErrorOf(R"({"link": {"phases": [{"channel": 15}]}})"),
            "test.json: /link/phases/0/channel: out of range: 15 is not an integer from 1 to 14");
  EXPECT_EQ(ErrorOf(R"({"antenna": {"vswr": [1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0.5]}})"),
            "test.json: /antenna/vswr/13: out of range: 0.5 is not a number from 1 to 8");
  EXPECT_EQ(ErrorOf(R"({"antenna": {"vswr": [1.2]}})"),
            "test.json: /antenna/vswr: expected 14 elements, got 1");
  EXPECT_THAT(ErrorOf(R"({"seed": "0x1FFFFFFFF"})"), HasSubstr("/seed: out of range"));
  EXPECT_THAT(ErrorOf(R"({"faults": [{"request": "any", "status": 0}]})"),
              HasSubstr("/faults/0/status: out of range"));
  EXPECT_THAT(ErrorOf(R"({"overrides": [{"counter": "0x14", "value": 1}]})"),
              HasSubstr("/overrides/0/counter: out of range"));
}

TEST(ScenarioLoaderTest, InconsistentValuesAreRefused) {
  EXPECT_EQ(ErrorOf(R"({"link": {"phases": [{"signal": {"kind": "ramp", "to": 3}}]}})"),
            "test.json: /link/phases/0/signal: a ramp needs a phase with \"durationMs\"");
  EXPECT_EQ(ErrorOf(R"({"link": {"phases": [{"signal": {"kind": "walk", "min": 9, "max": 3}}]}})"),
            "test.json: /link/phases/0/signal: \"min\" is above \"max\"");
  EXPECT_THAT(ErrorOf(R"({"link": {"phases": [{"signal": {"kind": "swing"}}]}})"),
              HasSubstr("/link/phases/0/signal/kind: unknown signal kind \"swing\""));
  EXPECT_THAT(ErrorOf(R"({"link": {"phases": [{}, {}]}})"),
              HasSubstr("/link/phases/0: missing key \"durationMs\""));
  EXPECT_THAT(ErrorOf(R"({"link": {"phases": []}})"), HasSubstr("/link/phases: expected 1 to"));
  EXPECT_THAT(ErrorOf(R"({"faults": [{"request": "any", "id": 3, "status": 6}]})"),
              HasSubstr("/faults/0/id: a fault on \"any\" requests takes no id"));
  EXPECT_THAT(
      ErrorOf(R"({"faults": [{"request": "reboot", "status": 6}]})"),
      HasSubstr("/faults/0/request: unknown request kind \"reboot\"; expected one of: any,"));
  EXPECT_THAT(
      ErrorOf(R"({"faults": [{"request": "any", "status": 6, "fromMs": 5, "untilMs": 5}]})"),
      HasSubstr("/faults/0: \"untilMs\" is not after \"fromMs\""));
  EXPECT_THAT(ErrorOf(R"({"overrides": [{"register": 124, "record": 64835, "value": 1}]})"),
              HasSubstr("/overrides/0: expected exactly one of"));
  EXPECT_THAT(ErrorOf(R"({"overrides": [{"record": 64835, "value": 1}]})"),
              HasSubstr("/overrides/0: a record override takes \"bytes\""));
  EXPECT_THAT(ErrorOf(R"({"adapters": [{"name": ""}]})"),
              HasSubstr("/adapters/0/name: expected a name"));
}

TEST(ScenarioLoaderTest, UnknownKeysAreNamedWithTheKeysExpected) {
  EXPECT_THAT(ErrorOf(R"({"link": {"phases": [{"sginal": 3}]}})"),
              HasSubstr("test.json: /link/phases/0/sginal: unknown key; expected one of: "
                        "durationMs, portStatus, signal,"));
  EXPECT_THAT(ErrorOf(R"({"seeds": 3})"), HasSubstr("test.json: /seeds: unknown key"));
  EXPECT_THAT(ErrorOf(R"({"a/b~c": 3})"), HasSubstr("test.json: /a~1b~0c: unknown key"));
}

TEST(ScenarioLoaderTest, MissingFilesAndUnknownNamesAreReported) {
  try {
    LoadScenario("/no/such/dir/scenario.json");
    FAIL() << "no error";
  } catch (const ScenarioError& error) {
    EXPECT_THAT(error.what(),
                HasSubstr("/no/such/dir/scenario.json: cannot read the scenario file"));
  }
  try {
    LoadScenario("ofice");
    FAIL() << "no error";
  } catch (const ScenarioError& error) {
    EXPECT_THAT(error.what(), HasSubstr("unknown scenario \"ofice\""));
    for (std::string_view name : BuiltinScenarioNames()) EXPECT_THAT(error.what(), HasSubstr(name));
  }
  EXPECT_THROW(LoadScenario(std::filesystem::temp_directory_path().string()), ScenarioError);
}

TEST(ScenarioLoaderTest, AFileIsNamedInItsMessagesAndByItsStem) {
  const auto path = std::filesystem::temp_directory_path() / "quoril-sim-loader-test.json";
  { std::ofstream(path) << "{\"link\": {\"phases\": [{\"rate\": 2}]}}"; }
  EXPECT_EQ(LoadScenario(path.string()).name, "quoril-sim-loader-test");
  { std::ofstream(path) << "{\n\"seed\": true}"; }
  try {
    LoadScenario(path.string());
    FAIL() << "no error";
  } catch (const ScenarioError& error) {
    EXPECT_EQ(std::string(error.what()),
              path.string() + ": /seed: expected an integer from 0 to 4294967295, got true");
  }
  std::filesystem::remove(path);
}

// The complete example of the format's documentation must stay loadable.
TEST(ScenarioLoaderTest, TheDocumentedExampleLoads) {
  std::ifstream file(std::string(QUORIL_SOURCE_DIR) + "/docs/scenarios.md");
  ASSERT_TRUE(file) << "docs/scenarios.md";
  std::stringstream content;
  content << file.rdbuf();
  const std::string text = content.str();
  const std::string fence = "```json\n";
  const std::size_t begin = text.find(fence);
  ASSERT_NE(begin, std::string::npos);
  const std::size_t end = text.find("```", begin + fence.size());
  const Scenario scenario =
      ParseScenario(std::string_view(text).substr(begin + fence.size(), end - begin - fence.size()),
                    "docs/scenarios.md");
  EXPECT_GE(scenario.phases.size(), 2u);
  EXPECT_FALSE(scenario.faults.empty());
  EXPECT_FALSE(scenario.overrides.empty());
}

}  // namespace
}  // namespace quoril::testing
