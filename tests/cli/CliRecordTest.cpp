// quoril-cli records a session and replays it: the replay prints what the
// session printed, traces the same card calls and ends the same way.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "cli/CliRun.h"
#include "sim/RecordingLoader.h"

namespace quoril::testing {
namespace {

using ::testing::HasSubstr;

// The trace goes to standard error with the messages, so both are compared.
TEST(CliRecord, EveryScenarioAndCommandReplaysAsItRan) {
  const TempFile recording("replay.json");
  const char* commands[] = {"monitor --count=40", "monitor --count=40 --power=20", "scan --count=2",
                            "antenna --count=1"};
  for (const char* scenario : {"office", "weak-link", "adhoc", "lost-link", "bad-antenna",
                               "no-card", "driver-off", "slow-driver"}) {
    for (const char* command : commands) {
      const std::string args = std::string(command) + " --fast --json --trace=- --simulate=";
      const CliRun live = RunCli(args + scenario + " --record=" + recording.Path());
      const CliRun replay = RunCli(args + recording.Path());
      const std::string what = std::string(scenario) + ": " + command;
      EXPECT_NE(live.err.find("first-adapter"), std::string::npos) << what;  // traced
      EXPECT_EQ(replay.out, live.out) << what;
      EXPECT_EQ(replay.err, live.err) << what;
      EXPECT_EQ(replay.status, live.status) << what;
    }
  }
}

// An answer line carries the bytes that changed; one without any must
// differ from the request's previous answer in its status or duration.
TEST(CliRecord, AnAnswerThatRepeatsIsNotWrittenAgain) {
  const TempFile recording("steady.json");
  RunCli("monitor --simulate --fast --count=40 --record=" + recording.Path());
  std::map<int, std::pair<nlohmann::json, nlohmann::json>> previous;  // status, duration
  std::istringstream lines(ReadFile(recording.Path()));
  int answers = 0;
  for (std::string line; std::getline(lines, line);) {
    const auto entry = nlohmann::json::parse(line);
    if (!entry.is_array() || !entry[0].is_number()) continue;
    ++answers;
    const bool bytes = entry.size() > 3 && entry[3].is_string();
    const nlohmann::json duration = entry.back().is_object() ? entry.back().value("ms", 0) : 0;
    const auto [last, first] = previous.try_emplace(entry[0].get<int>(), entry[2], duration);
    EXPECT_TRUE(first || bytes || last->second != std::pair(entry[2], duration)) << line;
    last->second = {entry[2], duration};
  }
  EXPECT_GT(answers, 0);
}

// The texts that show an address, with the address cut out.
std::string WithoutAddresses(const std::string& text) {
  return std::regex_replace(text, std::regex("([0-9a-f]{2}:){5}[0-9a-f]{2}"), "<address>");
}

TEST(CliRecord, MaskedRecordingsHideEveryAddressAndShowTheSameTexts) {
  const TempFile recording("masked.json");
  const CliRun live =
      RunCli("raw --simulate --fast --record-mask-addresses --record=" + recording.Path());
  const std::string text = ReadFile(recording.Path());
  for (const char* address : {"00601df01234", "00601d0a0b0c", "601df01234", "601d0a0b0c"})
    EXPECT_EQ(text.find(address), std::string::npos) << address;
  EXPECT_TRUE(ParseRecording(text, "masked").maskedAddresses);

  const CliRun replay = RunCli("raw --fast --simulate=" + recording.Path());
  EXPECT_NE(replay.out, live.out);
  EXPECT_EQ(WithoutAddresses(replay.out), WithoutAddresses(live.out));
  EXPECT_THAT(RunCli("probe --fast --simulate=" + recording.Path()).out,
              HasSubstr("Address: 02:00:00:00:00:01"));
}

TEST(CliRecord, ACutRecordingIsSaidOnceAndIsNeverRecordedOver) {
  const TempFile recording("cut.json");
  const CliRun live = RunCli("monitor --simulate --fast --count=5 --record=" + recording.Path());
  const std::string text = ReadFile(recording.Path());
  const TempFile cut("cut-short.json", text.substr(0, text.size() - 3));
  const CliRun replay = RunCli("monitor --simulate=" + cut.Path() + " --fast --count=5");
  EXPECT_EQ(replay.status, 0);
  EXPECT_EQ(replay.out, live.out);
  EXPECT_EQ(replay.ErrLines(),
            std::vector<std::string>{
                cut.Path() + ": the last line is cut off; replaying up to the line before"});

  // Recording over the file being replayed would lose it.
  EXPECT_EQ(RunCli("probe --simulate=" + recording.Path() + " --record=" + recording.Path()).status,
            2);
  EXPECT_EQ(ReadFile(recording.Path()), text);
}

}  // namespace
}  // namespace quoril::testing
