#include "app/CardSetup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "adapter/TracingNdisLibrary.h"
#ifdef _WIN32
#include "adapter/Win32NdisLibrary.h"
#endif
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril {
namespace {

// The request library of the platform; no library where there is none. On
// Windows it is always there: a missing or incomplete W32N50.dll finds no
// adapter, as a computer without the card does, and its problem says why.
struct RealLibrary {
  std::unique_ptr<NdisLibrary> library;
  std::string description;
  std::string problem;
};

RealLibrary LoadRealLibrary() {
#ifdef _WIN32
  auto library = std::make_unique<Win32NdisLibrary>();
  std::string problem = library->Problem();
  return {std::move(library), Win32NdisLibrary::kDefaultLibrary, std::move(problem)};
#else
  return {};
#endif
}

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f && f != stderr) std::fclose(f);
  }
};
using TraceFile = std::unique_ptr<std::FILE, FileCloser>;

TraceFile OpenTrace(const std::string& path) {
  if (path.empty()) return nullptr;
  if (path == "-") return TraceFile(stderr);
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (!f) {
    throw CardSetupError("cannot write the trace file '" + path + "': " + std::strerror(errno));
  }
  // One line per request; a line buffer keeps the file readable while a
  // long run goes on, and whole after Ctrl-C.
  std::setvbuf(f, nullptr, _IOLBF, 0);
  return TraceFile(f);
}

// Outermost layer of the boundary: passes every call on, and owns what the
// inner layers only refer to (the clock, the trace file), so that they die
// after the layers that use them, whoever holds the boundary.
class OwningLibrary final : public NdisLibrary {
 public:
  OwningLibrary(std::shared_ptr<Clock> clock, TraceFile trace, std::unique_ptr<NdisLibrary> inner)
      : clock_(std::move(clock)), trace_(std::move(trace)), inner_(std::move(inner)) {}

  int GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) override {
    return inner_->GetFirstAdapterRegistryInfo(record);
  }
  int GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) override {
    return inner_->GetNextAdapterRegistryInfo(record);
  }
  AdapterHandle OpenAdapter(const char* name) override { return inner_->OpenAdapter(name); }
  std::uint32_t GetLastError() override { return inner_->GetLastError(); }
  std::uint32_t MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                CompletionRecord& completion, int wait) override {
    return inner_->MakeNdisRequest(adapter, request, completion, wait);
  }
  int CloseAdapter(AdapterHandle adapter) override { return inner_->CloseAdapter(adapter); }
  EventHandle CreateCompletionEvent() override { return inner_->CreateCompletionEvent(); }
  void ResetCompletionEvent(EventHandle event) override { inner_->ResetCompletionEvent(event); }
  void CloseCompletionEvent(EventHandle event) override { inner_->CloseCompletionEvent(event); }

 private:
  // Declared before inner_, so destroyed after it.
  std::shared_ptr<Clock> clock_;
  TraceFile trace_;
  std::unique_ptr<NdisLibrary> inner_;
};

Scenario LoadSimulation(const std::string& name) {
  try {
    return LoadScenario(name.empty() ? kDefaultScenario : std::string_view(name));
  } catch (const ScenarioError& e) {
    throw CardSetupError(e.what());
  }
}

}  // namespace

bool RealLibraryAvailable() {
  return LoadRealLibrary().library != nullptr;
}

Card SetUpCard(const CardOptions& options) {
  RealLibrary real;
  if (!options.simulate) real = LoadRealLibrary();
  std::unique_ptr<NdisLibrary> inner = std::move(real.library);

  Card card;
  if (options.fast) {
    card.clock = std::make_shared<ManualClock>();
  } else {
    card.clock = std::make_shared<SteadyClock>();
  }
  if (inner) {
    card.description = std::move(real.description);
    card.libraryProblem = std::move(real.problem);
  } else {
    const Scenario scenario = LoadSimulation(options.simulate.value_or(""));
    card.simulated = true;
    card.description = "simulated card, scenario " + scenario.name;
    // The card keeps its own copy of the scenario.
    inner = MakeSimulatedCard(scenario, *card.clock);
  }

  TraceFile trace = OpenTrace(options.trace);
  if (trace) {
    inner = std::make_unique<TracingNdisLibrary>(std::move(inner), trace.get(), *card.clock);
  }
  card.library = std::make_unique<OwningLibrary>(card.clock, std::move(trace), std::move(inner));
  return card;
}

}  // namespace quoril
