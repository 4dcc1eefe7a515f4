// The chart window: the sweep it runs on the card, what makes it restart,
// and what it draws.

#include <QTest>
#include <QTimer>
#include <algorithm>
#include <iterator>

#include "AntennaTestSupport.h"
#include "antenna/CChartWnd.h"
#include "antenna/ChartCanvas.h"
#include "antenna/ChartFrame.h"
#include "antenna/Vswr.h"
#include "app/MemoryProfile.h"

using namespace quoril;
using namespace quoril::testing;

namespace {

using Commands = std::vector<std::string>;

const Commands kPaint = {"chan 1", "chan 1", "level 128"};

// A chart shown in a window of its own, its timer held so that the test
// steps it.
struct ShownChart {
  ShownChart(CAdapter& adapter, const Profile& profile) : chart(adapter, profile) {
    window.resize(420, 320);
    chart.Create(QRect(10, 10, 384, 285), &window);
    SweepTimerOf(chart)->stop();
  }
  bool Show() {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    QCoreApplication::processEvents();
    return true;
  }
  void Step(int n) {
    for (int i = 0; i < n; ++i) chart.OnTimer(1);
  }
  // A pixel of the black X of channel `channel`'s sample at plot height
  // `y`, off the lines of the curve.
  QPoint MarkerPixel(int channel, int y) const {
    const PixelRect plot = chart.PlotRect();
    const Pixel p = ToPixel({channel - 1, y}, ChannelAxisScales(plot), plot);
    return {p.x + 2, p.y + 2};
  }
  QRgb At(QPoint p) const { return chart.Image().pixel(p); }

  QWidget window;
  CChartWnd chart;
};

Commands After(const Commands& all, std::size_t mark) {
  return Commands(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
}

const QRgb kBlack = qRgb(0, 0, 0);

}  // namespace

class ChartWndTest : public QObject {
  Q_OBJECT
 private slots:
  void aSweepFillsTheTableChannelByChannelAndWraps();
  void aFullRepaintRestartsTheSweepAndKeepsTheTable();
  void anExposureOnlyShowsTheChart();
  void resolutionAndWidthRepaintOnlyWhenTheyChange();
  void settingsBeforeShowingPaintAtTheFirstShowing();
  void otherTimerIdsDoNotStep();
  void theSweepPeriodFollowsTheSpeed();
  void theChartReadsItsSettingsFromTheProfile();
  void theFrameIsDrawnInItsColours();
  void linesLeaveOutTheirLastPixel();
};

void ChartWndTest::aSweepFillsTheTableChannelByChannelAndWraps() {
  for (const char* name : {"office", "bad-antenna"}) {
    SimulatedAdapter card(name);
    MemoryProfile profile;
    ShownChart shown(card.adapter, profile);
    QVERIFY(shown.Show());
    double* table = card.adapter.VswrByChannel;
    std::fill(table, table + 14, 0.0);

    for (int channel = 1; channel <= 14; ++channel) {
      if (channel > 1) QCOMPARE(shown.chart.NextChannel(), channel);
      shown.Step(1);
      for (int i = 0; i < 14; ++i) {
        QCOMPARE(table[i] != 0.0, i < channel);
      }
      QVERIFY2(
          std::abs(table[channel - 1] - card.scenario.antennaVswr[channel - 1]) < 0.02,
          qPrintable(
              QStringLiteral("%1 channel %2: %3").arg(name).arg(channel).arg(table[channel - 1])));
    }
    // After channel 14 the next curve starts again at the origin with channel 1.
    QCOMPARE(shown.chart.NextChannel(), 1);
    QCOMPARE(shown.chart.LastPoint(), (ChartPoint{0, 0}));
    table[0] = 0.0;
    shown.Step(1);
    QVERIFY(table[0] != 0.0);
    QCOMPARE(shown.chart.NextChannel(), 2);
  }
}

void ChartWndTest::aFullRepaintRestartsTheSweepAndKeepsTheTable() {
  CardScript card;
  card.registers[0x74] = 0xF0;  // VSWR 1.42
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.Show());
  shown.Step(14 + 5);
  const QPoint third = shown.MarkerPixel(3, 41);
  QCOMPARE(shown.At(third), kBlack);
  card.adapter.VswrByChannel[9] = 7.5;

  const std::size_t mark = AntennaCommands(card).size();
  shown.chart.SetWidth(11);
  QCOMPARE(After(AntennaCommands(card), mark), kPaint);
  QVERIFY(shown.At(third) != kBlack);

  card.registers[0x74] = 0xE0;  // VSWR 1.96
  shown.Step(1);
  QCOMPARE(After(AntennaCommands(card), mark + kPaint.size()),
           (Commands{"level 128", "read 74", "chan 2"}));
  QCOMPARE(card.adapter.VswrByChannel[0], VswrFromRaw(0xE0));
  QCOMPARE(card.adapter.VswrByChannel[9], 7.5);
  QCOMPARE(shown.At(shown.MarkerPixel(1, 96)), kBlack);
}

void ChartWndTest::anExposureOnlyShowsTheChart() {
  CardScript card;
  card.registers[0x74] = 0xF0;
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.Show());
  shown.Step(4);
  const std::size_t mark = AntennaCommands(card).size();

  // Another window passing over it, and the window hidden and shown again.
  shown.chart.repaint();
  shown.window.hide();
  QVERIFY(shown.Show());
  const QImage onScreen = shown.chart.grab().toImage();

  QCOMPARE(After(AntennaCommands(card), mark), Commands{});
  QCOMPARE(shown.chart.NextChannel(), 5);
  const QPoint second = shown.MarkerPixel(2, 41);
  QCOMPARE(shown.At(second), kBlack);
  QCOMPARE(onScreen.pixel(second), kBlack);
}

void ChartWndTest::resolutionAndWidthRepaintOnlyWhenTheyChange() {
  CardScript card;
  MemoryProfile profile;
  profile.WriteInt("AntTest", "Resolution", 1);
  profile.WriteInt("AntTest", "Width", 40);
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.Show());
  const std::size_t mark = AntennaCommands(card).size();

  shown.chart.SetResolution(0);
  shown.chart.SetResolution(-7);
  shown.chart.SetResolution(1);
  shown.chart.SetWidth(40);
  QCOMPARE(After(AntennaCommands(card), mark), Commands{});
  QCOMPARE(shown.chart.Resolution(), 1);

  shown.chart.SetResolution(2);
  shown.chart.SetWidth(0);  // no range check on the width
  Commands twice = kPaint;
  twice.insert(twice.end(), kPaint.begin(), kPaint.end());
  QCOMPARE(After(AntennaCommands(card), mark), twice);
  QCOMPARE(shown.chart.Width(), 0);
}

void ChartWndTest::settingsBeforeShowingPaintAtTheFirstShowing() {
  CardScript card;
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  shown.chart.SetResolution(20);
  shown.chart.SetWidth(30);
  QCOMPARE(AntennaCommands(card), Commands{});
  QVERIFY(shown.Show());
  QCOMPARE(AntennaCommands(card), kPaint);
}

void ChartWndTest::otherTimerIdsDoNotStep() {
  CardScript card;
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.Show());
  shown.Step(2);
  const std::size_t mark = AntennaCommands(card).size();
  for (int id : {0, 2, 1105, 1107}) shown.chart.OnTimer(id);
  QCOMPARE(After(AntennaCommands(card), mark), Commands{});
  QCOMPARE(shown.chart.NextChannel(), 3);
}

void ChartWndTest::theSweepPeriodFollowsTheSpeed() {
  CardScript card;
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  const struct {
    int speed;
    int period;
  } cases[] = {{1, 545}, {100, 50}, {37, 365}, {0, 545}, {-3, 545}, {110, 50}, {500, 50}};
  for (const auto& c : cases) {
    shown.chart.SetSpeed(c.speed);
    QCOMPARE(shown.chart.SweepPeriodMs(), c.period);
    QVERIFY(shown.chart.IsSweeping());
  }
}

void ChartWndTest::theChartReadsItsSettingsFromTheProfile() {
  CardScript card;
  MemoryProfile empty;
  // The chart's own speed default is 1, not the command's 100.
  QCOMPARE(ShownChart(card.adapter, empty).chart.SweepPeriodMs(), 545);

  MemoryProfile profile;
  profile.WriteInt("AntTest", "Width", 33);
  profile.WriteInt("AntTest", "Resolution", -4);
  profile.WriteInt("AntTest", "Speed", 20);
  profile.WriteInt("AntTest", "ColorGreen", 0x34);
  ShownChart shown(card.adapter, profile);
  QCOMPARE(shown.chart.Width(), 33);
  QCOMPARE(shown.chart.Resolution(), 1);
  QCOMPARE(shown.chart.Color(), MakeRgb(255, 0x34, 0));
  QCOMPARE(shown.chart.SweepPeriodMs(), 450);
  QVERIFY(!shown.chart.isEnabled());
  QCOMPARE(shown.chart.focusPolicy(), Qt::NoFocus);
}

void ChartWndTest::theFrameIsDrawnInItsColours() {
  CardScript card;
  MemoryProfile profile;
  ShownChart shown(card.adapter, profile);
  QVERIFY(shown.Show());
  const QImage& image = shown.chart.Image();
  const PixelRect plot = shown.chart.PlotRect();
  QCOMPARE(plot, (PixelRect{28, 28, 356, 257}));

  QCOMPARE(image.pixel(1, 1), qRgb(192, 192, 100));
  QCOMPARE(image.pixel(plot.left, plot.top + 20), qRgb(0, 0, 255));      // VSWR axis
  QCOMPARE(image.pixel(plot.left + 100, plot.bottom), qRgb(0, 0, 255));  // channel axis
  const Pixel threshold = ToPixel({20, 40}, VswrAxisScales(plot), plot);
  QCOMPARE(image.pixel(threshold.x, threshold.y), qRgb(0, 255, 0));
  const Pixel tick = ToPixel({-1, 50}, VswrAxisScales(plot), plot);
  const Pixel channelTick = ToPixel({6, 0}, ChannelAxisScales(plot), plot);
  QCOMPARE(image.pixel(channelTick.x, channelTick.y + 1), qRgb(255, 0, 0));

  // Each label and title leaves black ink where it stands.
  const auto inked = [&image](QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (image.valid(x, y) && image.pixel(x, y) == kBlack) return true;
      }
    }
    return false;
  };
  QVERIFY(inked(QRect(tick.x - 24, tick.y - 9, 30, 17)));           // "1.5"
  QVERIFY(inked(QRect(plot.left + 2, plot.top, 40, 17)));           // "VSWR"
  QVERIFY(inked(QRect(plot.right - 60, plot.bottom + 5, 88, 20)));  // "Channel"
  QVERIFY(!inked(QRect(plot.left + 60, plot.top + 30, 100, 60)));   // an empty plot
}

void ChartWndTest::linesLeaveOutTheirLastPixel() {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  ChartCanvas canvas(image, ChartLabelFont());
  DrawOp line;
  line.kind = DrawOp::Kind::kLine;
  line.colour = MakeRgb(255, 0, 0);
  line.from = {2, 3};
  line.to = {12, 8};
  canvas.Draw(line);
  QCOMPARE(image.pixel(2, 3), qRgb(255, 0, 0));
  QCOMPARE(image.pixel(12, 8), qRgb(255, 255, 255));
  int drawn = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) drawn += image.pixel(x, y) == qRgb(255, 0, 0);
  }
  QCOMPARE(drawn, 10);

  // Far outside the image: nothing but the part inside is drawn.
  line.from = {5, -30000};
  line.to = {5, 30000};
  canvas.Draw(line);
  QCOMPARE(image.pixel(5, 0), qRgb(255, 0, 0));
  QCOMPARE(image.pixel(5, 19), qRgb(255, 0, 0));
}

QTEST_MAIN(ChartWndTest)
#include "ChartWndTest.moc"
