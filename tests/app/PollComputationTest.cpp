#include "app/PollComputation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quoril {
namespace {

PollInputs Associated(std::uint8_t S = 60) {
  PollInputs in;
  in.P = 4;
  in.S = S;
  in.N = 17;
  in.L = 20;
  in.B = {0x00, 0x0a, 0xBC, 0x12, 0x34, 0xff};
  in.R = 8;
  in.Ch = 6;
  in.T = 128;
  in.M = 128;
  return in;
}

std::string TextOf(const PollResult& r, PollText which) {
  return r[which].set ? std::string(r[which].text.view()) : "<unset>";
}

TEST(PollComputation, ThroughputStartsEmptyThenZeroTwiceThenAFigure) {
  PollState state;
  PollInputs in = Associated();
  std::vector<std::string> rx, tx;
  for (int tick = 1; tick <= 18; ++tick) {
    in.C12 = 1000u * tick;  // 1000 bytes received per tick
    in.C13 = 8;
    in.C10 = 500u * tick;
    in.C11 = 0;
    const PollResult r = ComputePoll(in, state);
    rx.push_back(TextOf(r, PollText::kRxThroughput));
    tx.push_back(TextOf(r, PollText::kTxThroughput));
  }
  for (int tick : {1, 2, 3, 4, 5, 7, 11, 13, 17}) EXPECT_EQ(rx[tick - 1], "<unset>") << tick;
  EXPECT_EQ(rx[5], "0");
  EXPECT_EQ(rx[11], "0");
  EXPECT_EQ(tx[11], "0");
  // Six ticks of 1000 bytes over 1.8 s.
  EXPECT_EQ(rx[17], "3333");
  EXPECT_EQ(tx[17], "1667");
  EXPECT_EQ(state.ThroughputWarmup, 3);
}

TEST(PollComputation, ThroughputOfIdleCountersIsZeroAndADropRestartsFromTheNewSum) {
  PollState state;
  state.ThroughputWarmup = 3;
  state.ThroughputTick = 5;  // the next tick updates
  PollInputs in = Associated();
  PollResult r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kRxThroughput), "0");

  // The card was reset: the sums fell by 1000 bytes.
  state.PrevRxCount = 5000;
  state.PrevTxCount = 5000;
  state.ThroughputTick = 5;
  in.C12 = 4000;
  in.C10 = 3000;
  in.C11 = 1000;
  r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kRxThroughput), "0");
  EXPECT_EQ(TextOf(r, PollText::kTxThroughput), "0");
  EXPECT_EQ(state.PrevRxCount, 4000.0);

  // The next update counts from the new base.
  state.ThroughputTick = 5;
  in.C12 = 4000 + 1800;
  r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kRxThroughput), "1000");
}

TEST(PollComputation, CountersAreSummedWithoutWrapping) {
  PollState state;
  state.ThroughputWarmup = 3;
  state.ThroughputTick = 5;
  PollInputs in = Associated();
  in.C12 = 0xFFFFFFFF;
  in.C13 = 0xFFFFFFFF;
  state.PrevRxCount = 2.0 * 0xFFFFFFFF - 18;
  const PollResult r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kRxThroughput), "10");
}

TEST(PollComputation, SearchingRestartsTheWarmup) {
  PollState state;
  state.ThroughputWarmup = 3;
  PollInputs in = Associated();
  in.P = 2;
  const PollResult r = ComputePoll(in, state);
  EXPECT_EQ(state.ThroughputWarmup, 0);
  EXPECT_EQ(TextOf(r, PollText::kLinkState), "Scanning");
  EXPECT_EQ(TextOf(r, PollText::kSignal), "Scanning");
  EXPECT_EQ(TextOf(r, PollText::kInterference), "Scanning");
  EXPECT_EQ(r.signalBar + r.interferenceBar + r.linkErrorBar, 0);
  EXPECT_FALSE(r.signalColourSet);
}

TEST(PollComputation, OutOfRangeWithAFrozenSignalCountsAsLostFromThe22ndReading) {
  PollState state;
  PollInputs in = Associated(50);
  in.P = 5;
  in.N = 7;
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
  for (int p : {0, 1, 6, 7, 8, 9, 10, 11, 255}) {
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

TEST(PollComputation, ConnectedToEssNeverGoesStale) {
  PollState state;
  const PollInputs in = Associated(60);
  PollResult r;
  for (int i = 0; i < 40; ++i) r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kSignal), "- 75.6 dBm");
  EXPECT_EQ(state.SameSignalCount, 0);
}

TEST(PollComputation, PortStatusLine) {
  const std::pair<std::uint8_t, const char*> cases[] = {
      {1, "PRISM II told - Disabled"},
      {2, "PRISM II told - Searching for initial connection"},
      {3, "PRISM II told - Connected to IBSS"},
      {5, "PRISM II told - Out of Range (in ESS)"},
      {10, "PRISM II told - 802.11b AdHook"},
      {7, "PRISM II told - UNKNOW"},
      {9, "PRISM II told - UNKNOW"},
      {0, "PRISM II told - UNKNOW"},
  };
  for (const auto& [p, text] : cases) {
    PollState state;
    PollInputs in = Associated();
    in.P = p;
    EXPECT_EQ(TextOf(ComputePoll(in, state), PollText::kPortStatus), text);
  }
}

TEST(PollComputation, IbssShowsInterferenceButNoSignal) {
  PollState state;
  PollInputs in = Associated();
  in.P = 3;
  const PollResult r = ComputePoll(in, state);
  EXPECT_EQ(TextOf(r, PollText::kSignal), "Not Applicable");
  EXPECT_EQ(TextOf(r, PollText::kInterference), "- 80 dBm");
  EXPECT_EQ(TextOf(r, PollText::kLinkState), "Associated - Ad Hook (old) ");
  EXPECT_EQ(r.signalBar, 0);
  EXPECT_EQ(r.linkErrorBar, 20);
  EXPECT_FALSE(r.signalColourSet);
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

TEST(PollComputation, LevelTexts) {
  const std::tuple<std::uint8_t, const char*> interference[] = {
      {0, "<-97 dBm"}, {97, "- 0 dBm"}, {100, "- -3 dBm"}, {17, "- 80 dBm"}};
  for (const auto& [n, text] : interference) {
    PollState state;
    PollInputs in = Associated();
    in.N = n;
    EXPECT_EQ(TextOf(ComputePoll(in, state), PollText::kInterference), text);
  }
  const std::tuple<std::uint8_t, const char*> signal[] = {{100, "- 62.0 dBm"}, {0, "- 96.0 dBm"}};
  for (const auto& [s, text] : signal) {
    PollState state;
    EXPECT_EQ(TextOf(ComputePoll(Associated(s), state), PollText::kSignal), text);
  }
}

TEST(PollComputation, PowerFigures) {
  const std::pair<std::uint8_t, const char*> settings[] = {
      {128, "100.0"}, {145, "80.6"}, {168, "60.2"}, {200, "40.1"}, {254, "20.2"},
      {255, "20.0"},  {0, "20.0"},   {29, "10.1"},  {59, "5.0"},   {127, "1.0"}};
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

TEST(PollComputation, RateAndChannelTexts) {
  const std::pair<std::uint8_t, const char*> rates[] = {
      {8, "11"}, {4, "5.5"}, {2, "2"}, {1, "1"}, {22, "11"}, {11, "5.5"}, {3, "1.5"}, {0, "0"}};
  for (const auto& [code, text] : rates) {
    PollState state;
    PollInputs in = Associated();
    in.R = code;
    in.Ch = 14;
    const PollResult r = ComputePoll(in, state);
    EXPECT_EQ(TextOf(r, PollText::kRate), text) << int{code};
    EXPECT_EQ(TextOf(r, PollText::kChannel), "14");
  }
}

TEST(PollComputation, LinkErrorZeroAsksToClearRegister62) {
  PollState state;
  PollInputs in = Associated();
  in.L = 0;
  EXPECT_TRUE(ComputePoll(in, state).clearReg62);
  in.L = 1;
  EXPECT_FALSE(ComputePoll(in, state).clearReg62);
}

}  // namespace
}  // namespace quoril
