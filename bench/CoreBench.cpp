// The core's work per timer tick on the simulated card, and the heap
// allocations it makes (none is the target).

#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "SimulatedRig.h"
#include "airscan/ScanTick.h"
#include "antenna/ChartSweep.h"
#include "app/PollTick.h"

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

// One poll in the core: the refresh and the computation of every text, bar,
// colour and the alarm.
void BM_PollTick(benchmark::State& state) {
  SimulatedRig rig;
  const AllocationScope allocations;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunPollTick(rig.adapter));
    rig.clock.Advance(Millis{300});
  }
  CountAllocations(state, allocations);
}
BENCHMARK(BM_PollTick);

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
