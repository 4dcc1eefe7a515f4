#include "AntennaTestSupport.h"

#include <QTimer>
#include <QWidget>

#include "adapter/RequestCatalogue.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril::testing {

using namespace catalogue;

SimulatedAdapter::SimulatedAdapter(std::string_view scenarioName)
    : scenario(LoadScenario(scenarioName)) {
  adapter.Connect(MakeSimulatedCard(scenario, clock), ui);
  adapter.FindInputAdapter();
}

Commands AntennaCommands(CardScript& card) {
  Commands out;
  for (const LoggedCall* c : card.library().Requests()) {
    if (c->oid != kOidCommand || c->sent.size() < 3) continue;
    const std::uint8_t command = c->sent[0];
    const std::uint8_t sub = c->sent[1];
    if (command == kCmdTest && sub == kTestSetChannel) {
      out.push_back("chan " + std::to_string(c->sent[2]));
    } else if (command == kCmdTest && sub == kTestStop) {
      out.emplace_back("stop");
    } else if (command == kCmdWriteRegister && c->sent[2] == kRegTxPower && c->sent.size() > 4) {
      out.push_back("level " + std::to_string(c->sent[4]));
    } else if (command == kCmdReadRegister && c->sent[2] == kRegPowerReading) {
      out.emplace_back("read 74");
    }
  }
  return out;
}

Commands After(const Commands& all, std::size_t mark) {
  return Commands(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
}

QTimer* SweepTimerOf(QWidget& chart) {
  return chart.findChild<QTimer*>();
}

}  // namespace quoril::testing
