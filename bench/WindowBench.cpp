// One timer tick of each window on the recording backend: the card
// requests, the computation and the texts, bars and chart ops handed to the
// window system. The toolkits' own drawing is their backends' to measure.

#include <benchmark/benchmark.h>

#include "SimulatedRig.h"
#include "airscan/CAirScanDlg.h"
#include "antenna/CAntennaTestDlg.h"
#include "app/AppServices.h"
#include "app/CLinkMonitorDlg.h"
#include "app/MemoryProfile.h"
#include "res/recording/RecordingWindowSystem.h"

namespace quoril::bench {
namespace {

using recording::RecordingDialog;
using recording::RecordingWindowSystem;

// Runs `dialog` on `windows` and lets `periodMs` pass per iteration.
void TickWhileOpen(benchmark::State& state, RecordingWindowSystem& windows, CDialog& dialog,
                   int periodMs) {
  windows.KeepLog(false);
  windows.WhenOpen(dialog.Template().id, [&](RecordingDialog& d) {
    for (auto _ : state) d.Run(periodMs);
    d.Command(CDialog::IDOK);
  });
  dialog.DoModal();
}

void BM_MainWindowTick(benchmark::State& state) {
  SimulatedRig rig;
  MemoryProfile profile;
  RecordingWindowSystem windows(rig.clock);
  AppServices services{rig.adapter, profile, windows, {}, true};
  CLinkMonitorDlg window(services);
  TickWhileOpen(state, windows, window, kPollPeriodMs);
}
BENCHMARK(BM_MainWindowTick)->Unit(benchmark::kMicrosecond);

void BM_ChartStep(benchmark::State& state) {
  SimulatedRig rig;
  MemoryProfile profile;
  RecordingWindowSystem windows(rig.clock);
  CAntennaTestDlg dialog(rig.adapter, profile, windows);
  dialog.m_nWidth = dialog.m_nResolution = 10;
  dialog.m_nSpeed = 100;  // a step every 50 ms
  TickWhileOpen(state, windows, dialog, SweepPeriodMs(100));
}
BENCHMARK(BM_ChartStep)->Unit(benchmark::kMicrosecond);

void BM_AirScanTick(benchmark::State& state) {
  SimulatedRig rig;
  rig.adapter.PacketGetStatus();
  rig.adapter.PacketStartScan();
  RecordingWindowSystem windows(rig.clock);
  CAirScanDlg dialog(rig.adapter, windows);
  TickWhileOpen(state, windows, dialog, kScanPeriodMs);
}
BENCHMARK(BM_AirScanTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quoril::bench
