// Scenario files as a user may get them wrong: each is refused with one
// line that names the file and the problem, and nothing else escapes the
// loader.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "sim/ScenarioLoader.h"

namespace quoril {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct BadFile {
  const char* name;
  std::string content;
  const char* problem;  // part of the message after the file's name
};

void PrintTo(const BadFile& f, std::ostream* os) {
  *os << f.name;
}

class ScenarioFileIsBad : public ::testing::TestWithParam<BadFile> {};

TEST_P(ScenarioFileIsBad, IsRefusedWithOneLineNamingTheFileAndTheProblem) {
  const BadFile& bad = GetParam();
  const auto path =
      std::filesystem::temp_directory_path() / (std::string("quoril-bad-") + bad.name + ".json");
  { std::ofstream(path, std::ios::binary) << bad.content; }
  try {
    LoadScenario(path.string());
    ADD_FAILURE() << "accepted";
  } catch (const ScenarioError& error) {
    const std::string message = error.what();
    EXPECT_THAT(message, StartsWith(path.string() + ":"));
    EXPECT_THAT(message, HasSubstr(bad.problem));
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    EXPECT_EQ(message.find("json.exception"), std::string::npos) << message;
    EXPECT_LT(message.size(), 400u) << message;
  }
  std::filesystem::remove(path);
}

const BadFile kBadFiles[] = {
    // Syntax.
    {"empty", "", ":1:1: "},
    {"truncated", R"({"link": {"phases": [)", ":1:22: "},
    {"binary", std::string("\x00\xff\xfe\x7f", 4), ":1:1: "},
    {"number-overflow", R"({"seed": 2e868})", "number overflow"},
    // Types.
    {"top-level-array", "[]", "top level: expected an object"},
    {"deep-nesting", std::string(5000, '[') + std::string(5000, ']'),
     "top level: expected an object, got [[[["},
    {"seed-text", R"({"seed": "abc"})", "/seed: expected an integer"},
    {"name-number", R"({"adapters": [{"name": 5}]})", "/adapters/0/name: expected a string"},
    {"vswr-text", R"({"antenna": {"vswr": "1.2"}})", "/antenna/vswr: expected an array"},
    // Ranges.
    {"time-step-zero", R"({"timeStepMs": 0})", "/timeStepMs: out of range"},
    {"channel-zero", R"({"accessPoints": [{"channel": 0, "level": 3}]})",
     "/accessPoints/0/channel: out of range"},
    {"negative-seed", R"({"seed": -1})", "/seed: out of range"},
    {"status-33-bits", R"({"faults": [{"request": "any", "status": "0x100000000"}]})",
     "/faults/0/status: out of range"},
    {"vswr-nine", R"({"antenna": {"vswr": [1,1,1,1,1,1,1,1,1,1,1,1,1,9]}})",
     "/antenna/vswr/13: out of range"},
    // Meaning.
    {"unknown-base", R"({"base": "home"})", "no built-in scenario is called \"home\""},
    {"unknown-key", R"({"sead": 3})", "/sead: unknown key"},
};

INSTANTIATE_TEST_SUITE_P(Matrix, ScenarioFileIsBad, ::testing::ValuesIn(kBadFiles),
                         [](const auto& test) {
                           std::string name = test.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(ScenarioFileIsMissing, AMissingFileOrAFolderIsNamed) {
  const auto folder = std::filesystem::temp_directory_path();
  for (const auto& path : {folder / "quoril-no-such-scenario.json", folder}) {
    try {
      LoadScenario(path.string());
      ADD_FAILURE() << path << " accepted";
    } catch (const ScenarioError& error) {
      EXPECT_THAT(error.what(), StartsWith(path.string() + ": cannot read the scenario file"));
    }
  }
}

}  // namespace
}  // namespace quoril
