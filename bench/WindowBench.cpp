// One timer tick of each window under the offscreen platform, the way the
// user sees it: the card requests, the computation, the texts and bars set,
// and the repaint that follows.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include "SimulatedRig.h"
#include "airscan/CAirScanDlg.h"
#include "antenna/CChartWnd.h"
#include "app/AppServices.h"
#include "app/CLinkMonitorDlg.h"
#include "app/MemoryProfile.h"
#include "app/PollTick.h"
#include "res/MessageBoxes.h"

namespace quoril::bench {
namespace {

class RetryBoxes final : public MessageBoxes {
 public:
  BoxAnswer Show(std::string_view, std::string_view, BoxButtons, BoxIcon) override {
    return BoxAnswer::kRetry;
  }
};

// The window's own timers are stopped so that the loop alone drives ticks;
// processing events afterwards paints what the tick invalidated.
void Settle() {
  QApplication::processEvents();
}

void BM_MainWindowTick(benchmark::State& state) {
  SimulatedRig rig;
  MemoryProfile profile;
  RetryBoxes boxes;
  AppServices services{rig.adapter, profile, boxes, {}, true};
  CLinkMonitorDlg window(services);
  window.Initialize();
  window.KillTimer(CLinkMonitorDlg::kPollTimerId);
  window.show();
  Settle();
  for (auto _ : state) {
    window.OnTimer(CLinkMonitorDlg::kPollTimerId);
    Settle();
    rig.clock.Advance(Millis{kPollPeriodMs});
  }
}
BENCHMARK(BM_MainWindowTick)->Unit(benchmark::kMicrosecond);

void BM_ChartStep(benchmark::State& state) {
  SimulatedRig rig;
  MemoryProfile profile;  // speed 100: a step every 50 ms
  rig.adapter.PacketSetTxLevel(kTestTxLevel);
  QWidget frame;
  frame.resize(520, 400);
  CChartWnd chart(rig.adapter, profile);
  chart.Create(QRect(10, 10, 500, 380), &frame);
  frame.show();
  Settle();
  for (auto _ : state) {
    chart.OnTimer(kChartTimerId);
    Settle();
    rig.clock.Advance(Millis{50});
  }
}
BENCHMARK(BM_ChartStep)->Unit(benchmark::kMicrosecond);

void BM_AirScanTick(benchmark::State& state) {
  SimulatedRig rig;
  rig.adapter.PacketGetStatus();
  rig.adapter.PacketStartScan();
  CAirScanDlg dialog(rig.adapter);
  dialog.Initialize();
  dialog.KillTimer(kScanTimerId);
  dialog.show();
  Settle();
  for (auto _ : state) {
    dialog.OnTimer(kScanTimerId);
    Settle();
    rig.clock.Advance(Millis{kScanPeriodMs});
  }
}
BENCHMARK(BM_AirScanTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quoril::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
