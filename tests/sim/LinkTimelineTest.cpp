// The link over time: phases, signal shapes and traffic.

#include <gtest/gtest.h>

#include "sim/LinkTimeline.h"
#include "sim/ScenarioLoader.h"

namespace quoril::testing {
namespace {

Scenario Phases(std::string_view phases) {
  return ParseScenario(
      std::string(R"({"timeStepMs": 100, "link": {"phases": )") + std::string(phases) + "}}",
      "phases");
}

TEST(LinkTimelineTest, ARampRunsFromWhereTheSignalWasToItsTargetAtThePhasesLastStep) {
  const Scenario scenario = Phases(R"([
      {"durationMs": 1000, "signal": 100},
      {"durationMs": 1000, "signal": {"kind": "ramp", "to": 10}},
      {"signal": {"kind": "frozen"}}])");
  LinkTimeline timeline(scenario);
  EXPECT_EQ(timeline.SignalAt(Millis{999}), 100);
  EXPECT_EQ(timeline.SignalAt(Millis{1000}), 100);
  EXPECT_EQ(timeline.SignalAt(Millis{1500}), 50);
  EXPECT_EQ(timeline.SignalAt(Millis{1900}), 10);
  EXPECT_EQ(timeline.SignalAt(Millis{60000}), 10);
  EXPECT_EQ(timeline.SignalAt(Millis{100}), 10);  // no going back
}

TEST(LinkTimelineTest, AWalkStaysWithinItsBoundsAndStepsAtMostItsStep) {
  const Scenario scenario =
      Phases(R"([{"signal": {"kind": "walk", "start": 20, "min": 15, "max": 25, "maxStep": 4}}])");
  LinkTimeline timeline(scenario);
  int previous = timeline.SignalAt(Millis{0});
  EXPECT_EQ(previous, 20);
  bool reachedMin = false;
  bool reachedMax = false;
  for (int step = 1; step < 2000; ++step) {
    const int signal = timeline.SignalAt(Millis{100 * step});
    ASSERT_GE(signal, 15);
    ASSERT_LE(signal, 25);
    ASSERT_LE(std::abs(signal - previous), 4);
    reachedMin = reachedMin || signal == 15;
    reachedMax = reachedMax || signal == 25;
    previous = signal;
  }
  EXPECT_TRUE(reachedMin && reachedMax);
}

TEST(LinkTimelineTest, TrafficFollowsEachPhasesRates) {
  Scenario scenario = Phases(R"([
      {"durationMs": 2000, "traffic": {"rxBytesPerSecond": 1000}},
      {"traffic": {"rxBytesPerSecond": 0, "txBytesPerSecond": 8}}])");
  LinkTimeline timeline(scenario);
  const auto rx = [&timeline](Millis t) {
    return timeline.CounterAt(2, t) + timeline.CounterAt(3, t);
  };
  const auto tx = [&timeline](Millis t) {
    return timeline.CounterAt(0, t) + timeline.CounterAt(1, t);
  };
  EXPECT_EQ(rx(Millis{500}), 500u);
  EXPECT_EQ(rx(Millis{2000}), 2000u);
  EXPECT_EQ(rx(Millis{9000}), 2000u);
  EXPECT_EQ(tx(Millis{3000}), 8u);
  EXPECT_EQ(timeline.CounterAt(3, Millis{2000}), 250u);  // an eighth is broadcast
  EXPECT_EQ(timeline.CounterAt(4, Millis{2000}), 0u);
}

TEST(LinkTimelineTest, PhasesFollowEachOther) {
  const Scenario scenario = Phases(R"([{"durationMs": 10, "portStatus": 4},
      {"durationMs": 20, "portStatus": 5, "latencyMs": 3}, {"portStatus": 1}])");
  LinkTimeline timeline(scenario);
  EXPECT_EQ(timeline.PhaseAt(Millis{9}).portStatus, 4);
  EXPECT_EQ(timeline.PhaseAt(Millis{10}).portStatus, 5);
  EXPECT_EQ(timeline.LatencyAt(Millis{29}), Millis{3});
  EXPECT_EQ(timeline.PhaseAt(Millis{30}).portStatus, 1);
  EXPECT_EQ(timeline.LatencyAt(Millis{30}), Millis{3});  // inherited
}

}  // namespace
}  // namespace quoril::testing
