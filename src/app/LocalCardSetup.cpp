#include "app/LocalCardSetup.h"

#include <stdexcept>

#include "adapter/TracingNdisLibrary.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril {

CardSetup::CardSetup(const CardOptions& options) {
  const Scenario scenario =
      LoadScenario(options.scenario.empty() ? kDefaultScenario : options.scenario);
  library_ = MakeSimulatedCard(scenario, clock_);
  if (options.trace.empty()) return;
  if (options.trace == "-") {
    trace_ = stderr;
  } else {
    trace_ = std::fopen(options.trace.c_str(), "w");
    if (!trace_) throw std::runtime_error("cannot write the trace file " + options.trace);
    ownsTrace_ = true;
    // Line by line, so that a run that is stopped leaves a complete trace.
    std::setvbuf(trace_, nullptr, _IOLBF, 1 << 12);
  }
  library_ = std::make_unique<TracingNdisLibrary>(std::move(library_), trace_, clock_);
}

CardSetup::~CardSetup() {
  library_.reset();
  if (ownsTrace_) std::fclose(trace_);
}

}  // namespace quoril
