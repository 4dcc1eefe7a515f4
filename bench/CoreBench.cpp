// The core's work per timer tick on the simulated card, and the heap
// allocations it makes (none is the target).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "AllocationCounter.h"
#include "SimulatedRig.h"
#include "airscan/ScanTick.h"
#include "antenna/ChartSweep.h"
#include "app/PollTick.h"
#include "sim/RecordingLoader.h"

namespace quoril::bench {
namespace {

void CountAllocations(benchmark::State& state, const AllocationScope& scope) {
  state.counters["allocs"] = scope.PerIteration(state.iterations());
}

// One request of the catalogue: a register read.
void BM_CardRequest(benchmark::State& state) {
  SimulatedRig rig;
  const AllocationScope allocations;
  for (auto _ : state) {
    rig.adapter.PacketReadReg74();
    benchmark::DoNotOptimize(rig.adapter.bufReg74Test);
  }
  CountAllocations(state, allocations);
}
BENCHMARK(BM_CardRequest);

// The whole status refresh of one poll (13 to 16 requests).
void BM_StatusRefresh(benchmark::State& state) {
  SimulatedRig rig;
  const AllocationScope allocations;
  for (auto _ : state) {
    rig.adapter.PacketGetStatus();
    rig.clock.Advance(Millis{300});
  }
  CountAllocations(state, allocations);
}
BENCHMARK(BM_StatusRefresh);

// A real poll has 300 ms around it, in which the recorder's writer works;
// here both poll benchmarks rest 2 ms after every 200 polls, untimed, so
// that the recorded one times the poll's own share and the two compare alike.
void RestNowAndThen(benchmark::State& state, std::int64_t& polls) {
  if (++polls % 200 != 0) return;
  state.PauseTiming();
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  state.ResumeTiming();
}

// One poll in the core: the refresh and the computation of every text, bar,
// colour and the alarm.
void BM_PollTick(benchmark::State& state) {
  SimulatedRig rig;
  const AllocationScope allocations;
  std::int64_t polls = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunPollTick(rig.adapter));
    rig.clock.Advance(Millis{300});
    RestNowAndThen(state, polls);
  }
  CountAllocations(state, allocations);
}
BENCHMARK(BM_PollTick);

// The same poll with the card recorded into a file. The first polls, which
// meet every request for the first time, are neither timed nor counted.
void BM_PollTickRecorded(benchmark::State& state) {
  SimulatedRig rig(kDefaultScenario, std::tmpfile());
  for (int i = 0; i < 10; ++i) {
    RunPollTick(rig.adapter);
    rig.clock.Advance(Millis{300});
  }
  // The writer meets them on its next round.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const AllocationScope allocations;
  std::int64_t polls = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunPollTick(rig.adapter));
    rig.clock.Advance(Millis{300});
    RestNowAndThen(state, polls);
  }
  CountAllocations(state, allocations);
}
BENCHMARK(BM_PollTickRecorded);

// An hour of polls on the office scenario, recorded, as the text of the file.
std::string RecordedHour() {
  const std::string path = "quoril-bench-hour.json";
  {
    SimulatedRig rig(kDefaultScenario, std::fopen(path.c_str(), "wb"));
    for (int tick = 0; tick < 12'000; ++tick) {
      RunPollTick(rig.adapter);
      rig.clock.Advance(Millis{300});
    }
  }
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  std::remove(path.c_str());
  return std::move(text).str();
}

// Reading that hour back for the replaying card.
void BM_RecordingLoad(benchmark::State& state) {
  const std::string text = RecordedHour();
  for (auto _ : state) benchmark::DoNotOptimize(ParseRecording(text, "hour.json"));
  // A label, not a counter: the CSV report wants the same counters in every row.
  state.SetLabel(std::to_string(text.size()) + " bytes");
}
BENCHMARK(BM_RecordingLoad)->Unit(benchmark::kMillisecond);

// One air-scan tick in the core: refresh, computation, tuning.
void BM_ScanTickCore(benchmark::State& state) {
  SimulatedRig rig;
  rig.adapter.PacketStartScan();
  const AirScanState scan;
  const AllocationScope allocations;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunScanTick(rig.adapter, scan));
    rig.clock.Advance(Millis{100});
  }
  CountAllocations(state, allocations);
}
BENCHMARK(BM_ScanTickCore);

// One step of the antenna sweep in the core: level, reading, VSWR, tuning
// and the drawing operations.
void BM_SweepStepCore(benchmark::State& state) {
  SimulatedRig rig;
  ChartSweep sweep = MakeChartSweep({0, 0, 600, 400});
  const AllocationScope allocations;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunSweepStep(rig.adapter, sweep));
    rig.clock.Advance(Millis{50});
  }
  CountAllocations(state, allocations);
}
BENCHMARK(BM_SweepStepCore);

}  // namespace
}  // namespace quoril::bench
