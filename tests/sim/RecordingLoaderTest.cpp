// Recordings as a crash, a newer program or a hand may leave them: each is
// replayed, or refused with one line naming the place and the problem.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "adapter/CAdapter.h"
#include "adapter/RecordingNdisLibrary.h"
#include "adapter/ScriptedLibrary.h"
#include "sim/RecordingLoader.h"
#include "sim/ReplayCard.h"
#include "sim/SimulatedCard.h"

namespace quoril {
namespace {

using ::testing::HasSubstr;

struct PollRig {
  // Finds the card on `library` and polls it `ticks` times, 300 ms apart.
  void Run(std::unique_ptr<NdisLibrary> library, int ticks) {
    adapter.Connect(std::move(library), ui);
    adapter.FindInputAdapter();
    for (int tick = 0; tick < ticks; ++tick) {
      clock.Advance(Millis{300});
      adapter.PacketGetStatus();
    }
  }
  ManualClock clock;
  testing::RecordingUi ui;
  CAdapter adapter;
};

// A few polls of the office, recorded.
std::string OfficeRecording() {
  const auto path = std::filesystem::temp_directory_path() / "quoril-loader-office.json";
  {
    PollRig rig;
    rig.Run(std::make_unique<RecordingNdisLibrary>(
                MakeSimulatedCard(LoadScenario("office"), rig.clock),
                std::fopen(path.string().c_str(), "wb"), path.string(), rig.clock,
                RecordingNdisLibrary::Options{}),
            5);
  }
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  std::filesystem::remove(path);
  return text.str();
}

std::string Problem(const std::string& text) {
  try {
    ParseRecording(text, "rec.json");
  } catch (const ScenarioError& error) {
    return error.what();
  }
  return "accepted";
}

TEST(RecordingLoader, MalformedFilesNameThePlaceAndTheProblem) {
  const std::string header = "{\"recording\":1}\n";
  const std::string define = "[\"request\",0,\"query\",\"0xff010183\",6,\"3000\"]\n";
  const std::pair<std::string, std::string> cases[] = {
      {"", "rec.json: empty"},
      {"{\"recording\":2}\n", "rec.json:1: /recording: recorded in format 2 by a newer version"},
      {"{\"recording\":1,\"extra\":0}\n", "rec.json:1: /extra: unknown key"},
      {header + "[0,0,0]\n", "rec.json:2: /0: no request 0 is defined"},
      {header + "[1,0\n[0,0,0]\n", "rec.json:2:5: syntax error"},
      {header + define + "[0,0,0,\"5:0102\"]\n", "rec.json:3: /3: byte 6 lies beyond the 6-byte"},
      {header + define + "[0,9,0]\n[0,8,0]\n", "rec.json:4: top level: not later than"},
      {header + define + "[\"request\",1,\"query\",\"0xff010183\",6,\"3000\"]\n",
       "rec.json:3: top level: defines request 0 again"},
      {header + "[\"opened\",0,0]\n", "rec.json:2: /0: unknown entry \"opened\""},
      {header + "[\"open\",0,\"\\u0100\",1]\n", "rec.json:2: /2: expected a name of bytes"},
  };
  for (const auto& [text, problem] : cases) EXPECT_THAT(Problem(text), HasSubstr(problem)) << text;
}

TEST(RecordingLoader, ACutAnywhereInTheLastBytesReplaysOrIsRefusedClearly) {
  const std::string text = OfficeRecording();
  ASSERT_TRUE(LooksLikeRecording(text));
  ASSERT_GT(text.size(), 200u);
  for (std::size_t cut = text.size() - 200; cut <= text.size(); ++cut) {
    const std::string part = text.substr(0, cut);
    Recording recording;
    try {
      recording = ParseRecording(part, "rec.json");
    } catch (const ScenarioError& error) {
      ADD_FAILURE() << "cut at " << cut << ": " << error.what();
      continue;
    }
    EXPECT_EQ(recording.cutOff, part.back() != '\n' && part.back() != ']') << cut;
    PollRig rig;
    rig.Run(std::make_unique<ReplayCard>(std::move(recording), rig.clock), 6);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{}) << cut;
  }
}

// The search for the card ends where the recorded adapter list does, even
// asked before the recorded time or beyond a list cut short; a request never
// recorded is not supported, and a recorded call takes its time again.
TEST(RecordingLoader, ReplayEndsTheAdapterListAsRecordedAndKeepsCallTimes) {
  PollRig rig;
  const char* text = "{\"recording\":1}\n[\"first\",5,0,\"A\"]\n[\"next\",5,0,\"B\"]\n";
  rig.Run(std::make_unique<ReplayCard>(ParseRecording(text, "rec.json"), rig.clock), 0);
  EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"|Can not find the PC card WLAN"});
  EXPECT_STREQ(rig.adapter.AdapterName, "B");
  // A call that took 1 ms takes it again; one never recorded is not supported.
  ReplayCard replay(
      ParseRecording("{\"recording\":1}\n[\"request\",0,\"query\",\"0x00000007\",2,\"\"]\n"
                     "[0,0,0,\"0:0102\",{\"ms\":1}]\n",
                     "rec.json"),
      rig.clock);
  std::uint8_t buffer[2] = {};
  NdisRequest request{.oid = 7, .buffer = buffer, .length = 2};
  CompletionRecord completion;
  const Millis before = rig.clock.Now();
  EXPECT_EQ(replay.MakeNdisRequest(1, request, completion, 1), 0u);
  EXPECT_EQ(rig.clock.Now() - before, Millis{1});
  EXPECT_EQ(buffer[1], 2);
  request.oid = 8;
  EXPECT_EQ(replay.MakeNdisRequest(1, request, completion, 1), kNdisStatusNotSupported);
}

}  // namespace
}  // namespace quoril
