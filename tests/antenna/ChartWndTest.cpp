// The chart window: the sweep it runs on the card, what restarts it, and
// what it draws.

#include <QTest>
#include <QTimer>

#include "AntennaTestSupport.h"
#include "antenna/CChartWnd.h"
#include "antenna/Vswr.h"
#include "app/MemoryProfile.h"

using namespace quoril;
using namespace quoril::testing;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);

// A chart shown in a window of its own, its timer held so that the test
// steps it.
struct ShownChart {
  ShownChart(CAdapter& adapter, const Profile& profile) : chart(adapter, profile) {
    window.resize(420, 320);
    chart.Create(QRect(10, 10, 384, 285), &window);
    SweepTimerOf(chart)->stop();
    window.show();
    exposed = QTest::qWaitForWindowExposed(&window);
  }
  void Step(int n) {
    for (int i = 0; i < n; ++i) chart.OnTimer(1);
  }
  // A pixel of the black X of a sample, off the lines of the curve.
  QRgb Marker(int channel, int y) const {
    const Pixel p =
        ToPixel({channel - 1, y}, ChannelAxisScales(chart.PlotRect()), chart.PlotRect());
    return chart.Image().pixel(p.x + 2, p.y + 2);
  }

  QWidget window;
  CChartWnd chart;
  bool exposed = false;
};

}  // namespace

class ChartWndTest : public QObject {
  Q_OBJECT
 private slots:
  void aSweepFillsTheTableChannelByChannelAndWraps();
  void aFullRepaintRestartsTheSweepAndKeepsTheTable();
  void anExposureOnlyShowsTheChart();
  void onlyANewResolutionOrWidthRepaints();
  void theFrameIsDrawnInItsColours();
};

void ChartWndTest::aSweepFillsTheTableChannelByChannelAndWraps() {
  SimulatedAdapter card("bad-antenna");
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  QCOMPARE(shown.chart.SweepPeriodMs(), 545);  // the chart's own speed default is 1
  double* table = card.adapter.VswrByChannel;
  std::fill(table, table + 14, 0.0);
  for (int channel = 1; channel <= 14; ++channel) {
    shown.Step(1);
    for (int i = 0; i < 14; ++i) QCOMPARE(table[i] != 0.0, i < channel);
    QVERIFY(std::abs(table[channel - 1] - card.scenario.antennaVswr[channel - 1]) < 0.02);
  }
  // The next curve starts again at the origin with channel 1.
  QCOMPARE(shown.chart.LastPoint(), (ChartPoint{0, 0}));
  table[0] = 0.0;
  shown.Step(1);
  QVERIFY(table[0] != 0.0);
}

void ChartWndTest::aFullRepaintRestartsTheSweepAndKeepsTheTable() {
  CardScript card;
  card.registers[0x74] = 0xF0;  // VSWR 1.42
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.exposed);
  shown.Step(14 + 5);
  QCOMPARE(shown.Marker(3, 41), kBlack);
  card.adapter.VswrByChannel[9] = 7.5;

  const std::size_t mark = AntennaCommands(card).size();
  shown.chart.SetWidth(11);
  card.registers[0x74] = 0xE0;  // VSWR 1.96
  shown.Step(1);
  QCOMPARE(After(AntennaCommands(card), mark),
           (Commands{"chan 1", "chan 1", "level 128", "level 128", "read 74", "chan 2"}));
  QCOMPARE(card.adapter.VswrByChannel[0], VswrFromRaw(0xE0));
  QCOMPARE(card.adapter.VswrByChannel[9], 7.5);
  QVERIFY(shown.Marker(3, 41) != kBlack);
  QCOMPARE(shown.Marker(1, 96), kBlack);
}

void ChartWndTest::anExposureOnlyShowsTheChart() {
  CardScript card;
  card.registers[0x74] = 0xF0;
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.exposed);
  shown.Step(4);
  const std::size_t mark = AntennaCommands(card).size();

  // Another window passing over it, then hidden and shown again.
  shown.chart.repaint();
  shown.window.hide();
  shown.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
  QCOMPARE(After(AntennaCommands(card), mark), Commands{});
  QCOMPARE(shown.chart.NextChannel(), 5);
  QCOMPARE(shown.Marker(2, 41), kBlack);
}

void ChartWndTest::onlyANewResolutionOrWidthRepaints() {
  CardScript card;
  MemoryProfile profile;
  profile.WriteInt("AntTest", "Resolution", 1);
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.exposed);
  const std::size_t mark = AntennaCommands(card).size();
  shown.chart.SetResolution(0);
  shown.chart.SetResolution(-7);
  shown.chart.SetWidth(10);
  for (int id : {0, 2, 1107}) shown.chart.OnTimer(id);  // not the sweep's timer
  QCOMPARE(After(AntennaCommands(card), mark), Commands{});

  shown.chart.SetResolution(2);
  shown.chart.SetWidth(0);  // no range check on the width
  QCOMPARE(After(AntennaCommands(card), mark),
           (Commands{"chan 1", "chan 1", "level 128", "chan 1", "chan 1", "level 128"}));
}

void ChartWndTest::theFrameIsDrawnInItsColours() {
  CardScript card;
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.exposed);
  const QImage& image = shown.chart.Image();
  const PixelRect plot = shown.chart.PlotRect();
  QCOMPARE(plot, (PixelRect{28, 28, 356, 257}));
  QCOMPARE(image.pixel(1, 1), qRgb(192, 192, 100));
  QCOMPARE(image.pixel(plot.left, plot.top + 20), qRgb(0, 0, 255));
  QCOMPARE(image.pixel(plot.left + 100, plot.bottom), qRgb(0, 0, 255));
  const Pixel threshold = ToPixel({20, 40}, VswrAxisScales(plot), plot);
  QCOMPARE(image.pixel(threshold.x, threshold.y), qRgb(0, 255, 0));
  const Pixel tick = ToPixel({6, 0}, ChannelAxisScales(plot), plot);
  QCOMPARE(image.pixel(tick.x, tick.y + 1), qRgb(255, 0, 0));
}

QTEST_MAIN(ChartWndTest)
#include "ChartWndTest.moc"
