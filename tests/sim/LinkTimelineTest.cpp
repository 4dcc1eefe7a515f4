// The link over time: phases, signal shapes and traffic.

#include <gtest/gtest.h>

#include <set>
#include <vector>

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
  std::vector<int> signals;
  for (int t : {999, 1000, 1500, 1900, 60000, 100}) signals.push_back(timeline.SignalAt(Millis{t}));
  EXPECT_EQ(signals, (std::vector<int>{100, 100, 50, 10, 10, 10}));  // the last: no going back
}

TEST(LinkTimelineTest, AWalkStaysWithinItsBoundsAndStepsAtMostItsStep) {
  const Scenario scenario =
      Phases(R"([{"signal": {"kind": "walk", "start": 20, "min": 15, "max": 25, "maxStep": 4}}])");
  LinkTimeline timeline(scenario);
  int previous = timeline.SignalAt(Millis{0});
  EXPECT_EQ(previous, 20);
  std::set<int> reached;
  for (int step = 1; step < 2000; ++step) {
    const int signal = timeline.SignalAt(Millis{100 * step});
    ASSERT_TRUE(signal >= 15 && signal <= 25 && std::abs(signal - previous) <= 4) << step;
    reached.insert(signal);
    previous = signal;
  }
  EXPECT_EQ(reached.size(), 11u);  // every value from 15 to 25
}

TEST(LinkTimelineTest, PhasesFollowEachOtherWithTheirRatesAndInheritWhatTheyDoNotSay) {
  const Scenario scenario = Phases(R"([
      {"durationMs": 2000, "portStatus": 5, "latencyMs": 3, "traffic": {"rxBytesPerSecond": 1000}},
      {"portStatus": 1, "traffic": {"rxBytesPerSecond": 0, "txBytesPerSecond": 8}}])");
  LinkTimeline timeline(scenario);
  const auto sum = [&timeline](int a, int b, Millis t) {
    return timeline.CounterAt(a, t) + timeline.CounterAt(b, t);
  };
  EXPECT_EQ(timeline.PhaseAt(Millis{1999}).portStatus, 5);
  EXPECT_EQ(sum(2, 3, Millis{500}), 500u);
  EXPECT_EQ(sum(2, 3, Millis{2000}), 2000u);
  EXPECT_EQ(timeline.CounterAt(3, Millis{2000}), 250u);  // an eighth is broadcast
  EXPECT_EQ(timeline.CounterAt(4, Millis{2000}), 0u);
  EXPECT_EQ(timeline.PhaseAt(Millis{2000}).portStatus, 1);
  EXPECT_EQ(timeline.LatencyAt(Millis{2000}), Millis{3});  // inherited
  EXPECT_EQ(sum(2, 3, Millis{9000}), 2000u);
  EXPECT_EQ(sum(0, 1, Millis{3000}), 8u);
}

}  // namespace
}  // namespace quoril::testing
