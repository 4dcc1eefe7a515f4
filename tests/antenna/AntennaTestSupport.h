#pragma once
// What the antenna window tests share: a card that answers from the built-in
// scenarios and the card commands of a scripted card in a readable form.

#include <string>
#include <string_view>
#include <vector>

#include "adapter/CAdapter.h"
#include "adapter/CardScript.h"
#include "adapter/Clock.h"
#include "adapter/ScriptedLibrary.h"
#include "sim/Scenario.h"

class QTimer;
class QWidget;

namespace quoril::testing {

// An adapter on the simulated card of a built-in scenario, card found.
struct SimulatedAdapter {
  explicit SimulatedAdapter(std::string_view scenarioName);
  ManualClock clock;
  RecordingUi ui;
  Scenario scenario;
  CAdapter adapter;
};

// The card commands the antenna test sends, in order, the level fences left
// out: "chan N", "level N", "read 74", "stop".
using Commands = std::vector<std::string>;
Commands AntennaCommands(CardScript& card);
// Those sent after the first `mark`.
Commands After(const Commands& all, std::size_t mark);

// The sweep timer of a chart, so that a test can hold it and step by hand.
QTimer* SweepTimerOf(QWidget& chart);

}  // namespace quoril::testing
