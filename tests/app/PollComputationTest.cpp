#include "app/PollComputation.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace quoril {
namespace {

PollInputs Associated(std::uint8_t S = 60) {
  PollInputs in{.S = S, .N = 17, .L = 20, .P = 4, .R = 8, .Ch = 6, .T = 128, .M = 128};
  in.B = {0x00, 0x0a, 0xBC, 0x12, 0x34, 0xff};
  return in;
}

std::string TextOf(const PollResult& r, PollText which) {
  return r[which].set ? std::string(r[which].text.view()) : "<unset>";
}

TEST(PollComputation, ThroughputStartsEmptyThenZeroTwiceThenAFigure) {
  PollState state;
  PollInputs in = Associated();
  in.C13 = 8;
  std::vector<std::string> rx, tx;
  for (std::uint32_t tick = 1; tick <= 18; ++tick) {
    in.C12 = 1000 * tick;  // 1000 bytes received per tick
    in.C10 = 500 * tick;
    const PollResult r = ComputePoll(in, state);
    rx.push_back(TextOf(r, PollText::kRxThroughput));
    tx.push_back(TextOf(r, PollText::kTxThroughput));
  }
  for (int tick : {1, 2, 3, 4, 5, 7, 11, 13, 17}) EXPECT_EQ(rx[tick - 1], "<unset>") << tick;
  EXPECT_EQ(rx[5] + rx[11] + tx[11], "000");
  // Six ticks of 1000 bytes over 1.8 s.
  EXPECT_EQ(rx[17] + " " + tx[17], "3333 1667");
  EXPECT_EQ(state.ThroughputWarmup, 3);
}

TEST(PollComputation, ThroughputOfIdleCountersIsZeroADropRestartsAndSumsDoNotWrap) {
  PollState state;
  state.ThroughputWarmup = 3;
  PollInputs in = Associated();
  const auto update = [&] {    // rx and tx
    state.ThroughputTick = 5;  // the next tick updates
    const PollResult r = ComputePoll(in, state);
    return TextOf(r, PollText::kRxThroughput) + " " + TextOf(r, PollText::kTxThroughput);
  };
  EXPECT_EQ(update(), "0 0");
  // The card was reset: the sums fell by 1000 bytes. The next update counts
  // from the new base.
  state.PrevRxCount = state.PrevTxCount = 5000;
  in.C12 = 4000;
  in.C10 = 3000;
  in.C11 = 1000;
  EXPECT_EQ(update(), "0 0");
  in.C12 = 4000 + 1800;
  EXPECT_EQ(update(), "1000 0");
  // Counters near the top are summed without wrapping.
  state.PrevRxCount = 2.0 * 0xFFFFFFFF - 18;
  in.C12 = in.C13 = 0xFFFFFFFF;
  EXPECT_EQ(update(), "10 0");
}

// Searching and ad hoc links show no signal; searching also empties the
// other bars and restarts the throughput's warmup.
TEST(PollComputation, SearchingAndAdHocShowNoSignal) {
  for (const std::uint8_t P : {std::uint8_t{2}, std::uint8_t{3}}) {
    PollState state;
    state.ThroughputWarmup = 3;
    PollInputs in = Associated();
    in.P = P;
    const PollResult r = ComputePoll(in, state);
    EXPECT_EQ(
        std::vector<int>({state.ThroughputWarmup, r.signalBar, r.interferenceBar, r.linkErrorBar}),
        P == 2 ? std::vector<int>({0, 0, 0, 0}) : std::vector<int>({3, 0, 17, 20}));
    EXPECT_FALSE(r.signalColourSet) << int{P};
  }
}

TEST(PollComputation, OutOfRangeWithAFrozenSignalCountsAsLostFromThe22ndReading) {
  PollState state;
  PollInputs in = Associated(50);
  for (int i = 0; i < 40; ++i) ComputePoll(in, state);  // connected: never stale
  EXPECT_EQ(state.SameSignalCount, 0);
  in.P = 5;
  in.N = 7;
  state.LastSignalLevel = 0;
  // The first reading differs from the initial 0, then 21 more equal ones.
  for (int reading = 1; reading <= 22; ++reading) {
    const PollResult r = ComputePoll(in, state);
    ASSERT_TRUE(r.signalColourSet) << reading;
    ASSERT_EQ(r.signalBar, 50);
  }
  PollResult r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kSignal), "Scanning");
  EXPECT_EQ(TextOf(r, PollText::kLinkState), "Scanning... Low Signal Streng");
  EXPECT_EQ(r.signalBar, 0);
  EXPECT_EQ(r.interferenceBar, 7);
  EXPECT_FALSE(r.signalColourSet);

  in.N = 8;
  r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kLinkState), "Scanning... INTERFERENCE !!!");

  // Any change of the reading brings the link back at once.
  in.S = 51;
  r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kLinkState), "Associated - BSS ID = 00:0a:bc:12:34:ff");
  EXPECT_EQ(state.SameSignalCount, 0);
}

TEST(PollComputation, OtherPortStatusesShowDisconnectedWhenLost) {
  for (int p : {0, 6, 11, 255}) {
    PollState state;
    state.LastSignalLevel = 60;
    state.SameSignalCount = 21;
    PollInputs in = Associated(60);
    in.P = static_cast<std::uint8_t>(p);
    in.N = 30;
    const PollResult r = ComputePoll(in, state);
    EXPECT_EQ(TextOf(r, PollText::kSignal), "Disconnected") << p;
    EXPECT_EQ(TextOf(r, PollText::kLinkState), "Disconnected... INTERFERENCE !!!");
    EXPECT_EQ(state.SameSignalCount, 47);
  }
}

TEST(PollComputation, SignalColourLimits) {
  const std::pair<std::uint8_t, Rgb> cases[] = {
      {21, colours::kGrey}, {22, colours::kYellow}, {36, colours::kYellow}, {37, colours::kGreen}};
  for (const auto& [s, colour] : cases) {
    PollState state;
    const PollResult r = ComputePoll(Associated(s), state);
    EXPECT_EQ(r.signalColour, colour) << int{s};
    EXPECT_EQ(r.interferenceColour, colours::kRed);
  }
}

TEST(PollComputation, PowerFigures) {
  const std::pair<std::uint8_t, const char*> settings[] = {
      {128, "100.0"}, {254, "20.2"}, {255, "20.0"}, {0, "20.0"}, {29, "10.1"}, {127, "1.0"}};
  ShortText text;
  for (const auto& [t, expected] : settings) {
    FormatTxPowerSetting(t, text);
    EXPECT_EQ(text, expected) << int{t};
  }
  const std::pair<std::uint8_t, const char*> readings[] = {
      {128, "<20"}, {129, "20.2"}, {255, "100.0"}, {0, "100.0"}, {127, "501.2"}};
  for (const auto& [m, expected] : readings) {
    FormatTxPowerReading(m, text);
    EXPECT_EQ(text, expected) << int{m};
  }
}

TEST(PollComputation, Texts) {
  using enum PollText;
  const struct {
    std::uint8_t P, S, N, R;
    PollText which;
    const char* text;
  } cases[] = {
      {1, 60, 17, 8, kPortStatus, "PRISM II told - Disabled"},
      {5, 60, 17, 8, kPortStatus, "PRISM II told - Out of Range (in ESS)"},
      {10, 60, 17, 8, kPortStatus, "PRISM II told - 802.11b AdHook"},
      {0, 60, 17, 8, kPortStatus, "PRISM II told - UNKNOW"},
      {2, 60, 17, 8, kLinkState, "Scanning"},
      {2, 60, 17, 8, kSignal, "Scanning"},
      {2, 60, 17, 8, kInterference, "Scanning"},
      {3, 60, 17, 8, kLinkState, "Associated - Ad Hook (old) "},
      {3, 60, 17, 8, kSignal, "Not Applicable"},
      {3, 60, 17, 8, kInterference, "- 80 dBm"},
      {4, 60, 0, 8, kInterference, "<-97 dBm"},
      {4, 60, 100, 8, kInterference, "- -3 dBm"},
      {4, 100, 17, 8, kSignal, "- 62.0 dBm"},
      {4, 0, 17, 8, kSignal, "- 96.0 dBm"},
      {4, 60, 17, 8, kRate, "11"},
      {4, 60, 17, 2, kRate, "2"},
      {4, 60, 17, 22, kRate, "11"},
      {4, 60, 17, 3, kRate, "1.5"},
      {4, 60, 17, 0, kRate, "0"},
  };
  for (const auto& c : cases) {
    PollState state;
    PollInputs in = Associated(c.S);
    in.P = c.P;
    in.N = c.N;
    in.R = c.R;
    EXPECT_EQ(TextOf(ComputePoll(in, state), c.which), c.text)
        << int{c.P} << " " << int{c.S} << " " << int{c.N} << " " << int{c.R};
  }
}

// A tick must not touch the heap: its result owns nothing but fixed buffers.
static_assert(std::is_trivially_copyable_v<PollResult>);
static_assert(std::is_trivially_destructible_v<PollResult>);

}  // namespace
}  // namespace quoril
