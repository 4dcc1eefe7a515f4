// A card recorded and then replayed gives every call the same status, the
// same buffer and the same time, whatever it answered: the same request at
// one time with different answers, the same request on buffers with other
// stale bytes, repeats, failures, slow answers.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "adapter/RecordingNdisLibrary.h"
#include "sim/RecordingLoader.h"
#include "sim/ReplayCard.h"

namespace quoril {
namespace {

constexpr std::size_t kBufferSize = 64;
constexpr int kCalls = 3000;

// Each request writes one of a few answers it knows, chosen by the script:
// bytes at offsets 0 to 31, a status, a time taken.
class PatternCard final : public NdisLibrary {
 public:
  struct Answer {
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
    std::uint32_t status = 0;
    int ms = 0;
  };
  PatternCard(ManualClock& clock, const std::vector<int>& choices)
      : clock_(clock), choices_(choices) {}

  std::uint32_t MakeNdisRequest(AdapterHandle, const NdisRequest& request, CompletionRecord&,
                                int) override {
    const Answer& answer = Answers()[static_cast<std::size_t>(choices_[next_++])];
    clock_.Advance(Millis{answer.ms});
    if (answer.status == 0) {
      for (const auto& [at, value] : answer.bytes) request.buffer[at] = value;
    }
    return answer.status;
  }
  static const std::vector<Answer>& Answers() {
    static const std::vector<Answer> answers = {
        {{{2, 0x10}}, 0, 0},
        {{{2, 0x11}, {3, 0}}, 0, 0},
        {{{4, 0xAA}, {6, 0xBB}, {9, 0xCC}, {31, 0xDD}}, 0, 0},
        {{{0, 0xEE}, {12, 1}, {13, 2}, {14, 3}, {15, 4}}, 0, 1},
        {{}, 0xC0000001, 0},
    };
    return answers;
  }

  int GetFirstAdapterRegistryInfo(AdapterRegistryRecord&) override { return 1; }
  int GetNextAdapterRegistryInfo(AdapterRegistryRecord&) override { return 1; }
  AdapterHandle OpenAdapter(const char*) override { return kInvalidAdapter; }
  std::uint32_t GetLastError() override { return 0; }
  int CloseAdapter(AdapterHandle) override { return 0; }
  EventHandle CreateCompletionEvent() override { return nullptr; }
  void ResetCompletionEvent(EventHandle) override {}
  void CloseCompletionEvent(EventHandle) override {}

 private:
  ManualClock& clock_;
  const std::vector<int>& choices_;
  std::size_t next_ = 0;
};

struct Call {
  std::size_t buffer;   // one of three
  std::uint8_t header;  // the request: what the program sends
  int advance;          // ms before the call; mostly 0, so calls share times
};

struct Outcome {
  std::uint32_t status;
  std::array<std::uint8_t, kBufferSize> buffer;
  Millis time;
  bool operator==(const Outcome&) const = default;
};

std::vector<Outcome> Drive(NdisLibrary& library, ManualClock& clock,
                           const std::vector<Call>& calls) {
  std::array<std::array<std::uint8_t, kBufferSize>, 3> buffers{};
  std::vector<Outcome> outcomes;
  CompletionRecord completion;
  for (const Call& call : calls) {
    clock.Advance(Millis{call.advance});
    auto& buffer = buffers[call.buffer];
    buffer[0] = 0x30;
    buffer[1] = call.header;
    NdisRequest request;
    request.oid = 0xFF010183;
    request.buffer = buffer.data();
    request.length = kBufferSize;
    request.sent = 2;
    const std::uint32_t status = library.MakeNdisRequest(1, request, completion, 1);
    outcomes.push_back({status, buffer, clock.Now()});
  }
  return outcomes;
}

TEST(RecordReplay, EveryCallIsAnsweredAsRecorded) {
  std::mt19937 random(12);
  std::vector<Call> calls;
  std::vector<int> choices;
  for (int i = 0; i < kCalls; ++i) {
    calls.push_back({random() % 3, static_cast<std::uint8_t>(random() % 3),
                     random() % 4 == 0 ? static_cast<int>(random() % 300) : 0});
    // Mostly a repeat of the choice before, as a card's answers are.
    choices.push_back(random() % 3 == 0 || choices.empty()
                          ? static_cast<int>(random() % PatternCard::Answers().size())
                          : choices.back());
  }
  const auto path = std::filesystem::temp_directory_path() / "quoril-record-replay.json";
  ManualClock clock;
  std::vector<Outcome> recorded;
  {
    RecordingNdisLibrary recorder(std::make_unique<PatternCard>(clock, choices),
                                  std::fopen(path.string().c_str(), "wb"), path.string(), clock,
                                  {});
    recorded = Drive(recorder, clock, calls);
  }
  std::ostringstream file;
  file << std::ifstream(path, std::ios::binary).rdbuf();
  std::filesystem::remove(path);
  const std::string text = file.str();

  ManualClock replayClock;
  ReplayCard replay(ParseRecording(text, "recorded"), replayClock);
  const std::vector<Outcome> replayed = Drive(replay, replayClock, calls);
  for (std::size_t i = 0; i < calls.size(); ++i)
    ASSERT_EQ(replayed[i], recorded[i]) << "call " << i;

  // Repeats are written once: far fewer answers than calls.
  EXPECT_LT(std::count(text.begin(), text.end(), '\n'), kCalls / 2);
  NdisRequest unknown;
  CompletionRecord completion;
  EXPECT_EQ(replay.MakeNdisRequest(1, unknown, completion, 1), 0xC00000BBu);
}

}  // namespace
}  // namespace quoril
