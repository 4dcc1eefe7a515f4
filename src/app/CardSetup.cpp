#include "app/CardSetup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>
#include <variant>

#include "adapter/RecordingNdisLibrary.h"
#include "adapter/TracingNdisLibrary.h"
#ifdef _WIN32
#include "adapter/Win32NdisLibrary.h"
#endif
#include "sim/RecordingLoader.h"
#include "sim/ReplayCard.h"
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

// A built-in scenario, or a file that is a scenario or a recording.
std::variant<Scenario, Recording> LoadSimulation(const std::string& name) {
  const std::string_view chosen = name.empty() ? kDefaultScenario : std::string_view(name);
  try {
    if (!BuiltinScenarioText(chosen).empty()) return LoadScenario(chosen);
    const std::string text = ReadSimulationFile(chosen);
    if (LooksLikeRecording(text)) return ParseRecording(text, chosen);
    return ParseScenarioFile(text, chosen);
  } catch (const ScenarioError& e) {
    throw CardSetupError(e.what());
  }
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

// The recording file, after the checks that keep a replayed file whole.
std::FILE* OpenRecording(const CardOptions& options) {
  const std::string& path = options.record;
  const bool replaysFile = options.simulate && BuiltinScenarioText(*options.simulate).empty();
  if (replaysFile && SameFile(path, *options.simulate)) {
    throw CardSetupError("cannot record into '" + path + "': it is the file being replayed");
  }
  // Binary: the same line ends on every system.
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    throw CardSetupError("cannot write the recording file '" + path + "': " + std::strerror(errno));
  }
  return f;
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
    const std::string name = options.simulate.value_or("");
    auto simulation = LoadSimulation(name);
    card.simulated = true;
    if (auto* recording = std::get_if<Recording>(&simulation)) {
      card.description = "simulated card, recording " + name;
      if (recording->cutOff) {
        std::fprintf(stderr, "%s: the last line is cut off; replaying up to the line before\n",
                     name.c_str());
      }
      inner = std::make_unique<ReplayCard>(std::move(*recording), *card.clock);
    } else {
      const Scenario& scenario = std::get<Scenario>(simulation);
      card.description = "simulated card, scenario " + scenario.name;
      // The card keeps its own copy of the scenario.
      inner = MakeSimulatedCard(scenario, *card.clock);
    }
  }

  TraceFile trace = OpenTrace(options.trace);
  if (!options.record.empty()) {
    auto recorder = std::make_unique<RecordingNdisLibrary>(
        std::move(inner), OpenRecording(options), options.record, *card.clock,
        RecordingNdisLibrary::Options{options.maskAddresses});
    card.finishRecording = [recorder = recorder.get()] { recorder->Finish(); };
    inner = std::move(recorder);
  }
  if (trace) {
    inner = std::make_unique<TracingNdisLibrary>(std::move(inner), trace.get(), *card.clock);
  }
  card.library = std::make_unique<OwningLibrary>(card.clock, std::move(trace), std::move(inner));
  return card;
}

}  // namespace quoril
