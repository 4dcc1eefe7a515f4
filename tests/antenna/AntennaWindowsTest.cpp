// The antenna windows: the chart's sweep and what restarts it, the VSWR test
// dialog's scroll bars, the report, and the Antenna Test command.

#include <QScrollBar>
#include <QTest>
#include <functional>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "antenna/AntennaTestCommand.h"
#include "antenna/CAntennaInfoDlg.h"
#include "antenna/CAntennaTestDlg.h"
#include "antenna/Vswr.h"
#include "app/MemoryProfile.h"
#include "app/Settings.h"
#include "support/GuiTestSupport.h"

using namespace quoril;
using namespace quoril::testing;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
using Commands = std::vector<std::string>;
const Commands kPaint = {"chan 1", "chan 1", "level 128"};

// The card commands of the antenna test since the log was last cleared, the
// level fences left out: "chan N", "level N", "read 74", "stop".
Commands AntennaCommands(CardScript& card) {
  using namespace catalogue;
  Commands out;
  for (const LoggedCall* c : card.library().Requests()) {
    if (c->oid != kOidCommand || c->sent.size() < 3) continue;
    const std::uint8_t command = c->sent[0], sub = c->sent[1];
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

// The VSWR test dialog shown on a card that reads `raw`, its sweep stepped
// by the test.
struct ShownDialog {
  explicit ShownDialog(std::uint8_t raw)
      : dialog(card.adapter, profile, boxes), chart(dialog.Chart()) {
    card.registers[catalogue::kRegPowerReading] = raw;
    dialog.m_nWidth = 10;
    dialog.m_nResolution = 10;
    dialog.m_nSpeed = 50;
    dialog.Initialize();
    dialog.show();
    exposed = QTest::qWaitForWindowExposed(&dialog);
    chart.findChild<QTimer*>()->stop();
  }
  void Step(int n) {
    for (int i = 0; i < n; ++i) chart.OnTimer(1);
  }
  // A pixel of the black X of a sample, off the lines of the curve.
  QRgb Marker(int channel, int y) const {
    const PixelRect plot = chart.PlotRect();
    const Pixel p = ToPixel({channel - 1, y}, ChannelAxisScales(plot), plot);
    return chart.Image().pixel(p.x + 2, p.y + 2);
  }

  CardScript card;
  MemoryProfile profile;
  ScriptedBoxes boxes;
  CAntennaTestDlg dialog;
  CChartWnd& chart;
  bool exposed = false;
};

// The Antenna Test command on a scripted card, `inside` run in its dialog.
struct CommandRun {
  bool Run(const std::function<void(CAntennaTestDlg&)>& inside) {
    const auto ran =
        WhenModal([&](TemplateDialog& d) { inside(static_cast<CAntennaTestDlg&>(d)); });
    result = RunAntennaTest(card.adapter, profile, boxes);
    return *ran;
  }
  CardScript card;
  MemoryProfile profile;
  ScriptedBoxes boxes;
  int result = 0;
};

}  // namespace

class AntennaWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void onlyANewWidthClearsTheChartAndRestartsTheSweep();
  void scrollEventsReachTheChart();
  void informWaitsForAFullSweepBeforeItsVerdict();
  void theCommandSavesOnlyAfterAValidOk();
};

void AntennaWindowsTest::onlyANewWidthClearsTheChartAndRestartsTheSweep() {
  ShownDialog shown(0xF0);  // VSWR 1.42
  QVERIFY(shown.exposed);
  shown.Step(4);
  shown.card.library().log.clear();
  // Another window passing over it, then hidden and shown again; timers
  // other than the sweep's; settings that do not change.
  shown.chart.repaint();
  shown.dialog.hide();
  shown.dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shown.dialog));
  for (int id : {0, 2, 1107}) shown.chart.OnTimer(id);
  shown.chart.SetResolution(10);
  shown.chart.SetWidth(10);
  QCOMPARE(AntennaCommands(shown.card), Commands{});
  QCOMPARE(shown.chart.NextChannel(), 5);
  QCOMPARE(shown.Marker(2, 41), kBlack);

  // The frame in its colours.
  const QImage& image = shown.chart.Image();
  const PixelRect plot = shown.chart.PlotRect();
  QCOMPARE(image.pixel(1, 1), qRgb(192, 192, 100));
  QCOMPARE(image.pixel(plot.left, plot.top + 20), qRgb(0, 0, 255));
  const Pixel threshold = ToPixel({20, 40}, VswrAxisScales(plot), plot);
  QCOMPARE(image.pixel(threshold.x, threshold.y), qRgb(0, 255, 0));
  const Pixel tick = ToPixel({6, 0}, ChannelAxisScales(plot), plot);
  QCOMPARE(image.pixel(tick.x, tick.y + 1), qRgb(255, 0, 0));

  shown.card.adapter.VswrByChannel[9] = 7.5;
  shown.chart.SetWidth(11);
  shown.card.registers[catalogue::kRegPowerReading] = 0xE0;  // VSWR 1.96
  shown.Step(1);
  QCOMPARE(AntennaCommands(shown.card),
           (Commands{"chan 1", "chan 1", "level 128", "level 128", "read 74", "chan 2"}));
  QCOMPARE(shown.card.adapter.VswrByChannel[0], VswrFromRaw(0xE0));
  QCOMPARE(shown.card.adapter.VswrByChannel[9], 7.5);
  QVERIFY(shown.Marker(2, 41) != kBlack);
  QCOMPARE(shown.Marker(1, 96), kBlack);
}

void AntennaWindowsTest::scrollEventsReachTheChart() {
  ShownDialog shown(0xF0);
  QVERIFY(shown.exposed);
  auto* clear = shown.dialog.Item<QScrollBar>(kClearBar.id);
  auto* speed = shown.dialog.Item<QScrollBar>(kSpeedBar.id);
  shown.card.library().log.clear();
  shown.dialog.OnHScroll(ScrollCode::kPageRight, 0, speed);
  shown.dialog.OnHScroll(ScrollCode::kEndScroll, 0, clear);
  QCOMPARE(AntennaCommands(shown.card), Commands{});  // only a new Clear position clears
  shown.dialog.OnHScroll(ScrollCode::kPageRight, 0, clear);
  QCOMPARE(clear->value(), 20);
  QCOMPARE(shown.chart.Resolution(), 20);
  QCOMPARE(AntennaCommands(shown.card), kPaint);

  // Qt's actions arrive as scroll codes; every step of a drag counts.
  clear->triggerAction(QAbstractSlider::SliderToMinimum);
  QCOMPARE(shown.chart.Resolution(), 1);
  speed->setSliderDown(true);
  speed->setSliderPosition(60);
  QCOMPARE(shown.chart.SweepPeriodMs(), 250);
  speed->setSliderDown(false);
  QCOMPARE(speed->value(), 60);
}

void AntennaWindowsTest::informWaitsForAFullSweepBeforeItsVerdict() {
  ShownDialog shown(0xF0);
  shown.Step(20);  // the next step measures channel 7
  QStringList texts;
  const auto ran = WhenModal([&](TemplateDialog& report) {
    const auto read = [&](std::initializer_list<int> ids) {
      for (int id : ids) texts << report.GetDlgItemText(id);
    };
    read({1133, 1196});  // as it opens, the table cleared
    report.OnTimer(1107);
    read({1196, 1197, 1198, 1194});
    shown.Step(13);  // the sweep goes on underneath, up to channel 5
    report.OnTimer(1107);
    read({1196});
    shown.card.registers[catalogue::kRegPowerReading] = 0xC0;  // VSWR 3.45 on channel 6
    shown.Step(1);
    report.OnTimer(1107);
    read({1196, 1197, 1195, 1147});
    report.OnCommand(TemplateDialog::kIdOk);
  });
  shown.dialog.OnCommand(CAntennaTestDlg::kInformButton);
  QVERIFY(*ran);
  QCOMPARE(texts, (QStringList{"0.00", "I do not know", "To measure, please wait!",
                               "max = ", "min =1", "VSWR_min = 0.00", "To measure, please wait!",
                               "Problems ... Check a cable, pigtail, antenna", "max =6",
                               "VSWR_max = 3.45", "1.42"}));
  QVERIFY(!shown.dialog.Ended());
}

void AntennaWindowsTest::theCommandSavesOnlyAfterAValidOk() {
  CommandRun run;  // a machine whose only setting is a width out of range
  run.profile.WriteInt("AntTest", "Width", 0);
  std::vector<int> seen;
  bool stayedOpen = false;
  QVERIFY(run.Run([&](CAntennaTestDlg& dialog) {
    seen = {dialog.m_nWidth, dialog.m_nResolution, dialog.m_nSpeed, int(dialog.m_crColor)};
    dialog.OnCommand(TemplateDialog::kIdOk);
    dialog.OnCommand(TemplateDialog::kIdOk);
    stayedOpen = !dialog.Ended();
    dialog.m_nWidth = 10;
    dialog.OnCommand(TemplateDialog::kIdOk);
  }));
  QVERIFY(stayedOpen);
  QCOMPARE(seen, (std::vector<int>{0, 10, 100, 255}));
  QCOMPARE(run.boxes.shown.size(), std::size_t{2});
  QCOMPARE(run.boxes.shown[1].text, std::string("Please enter an integer between 1 and 100."));
  QCOMPARE(run.profile.Writes().size(), std::size_t{1 + 7});
  QCOMPARE(ReadAntennaTestSettings(run.profile), (AntennaTestSettings{10, 10, 100, 255}));
  QCOMPARE(run.profile.Find("AntTest", "Style"), std::optional<std::int32_t>(256));
  QCOMPARE(AntennaCommands(run.card).front(), std::string("level 128"));
  QCOMPARE(AntennaCommands(run.card).back(), std::string("stop"));

  CommandRun cancel;
  QVERIFY(cancel.Run([](CAntennaTestDlg& dialog) { dialog.OnCommand(TemplateDialog::kIdCancel); }));
  QCOMPARE(cancel.result, TemplateDialog::kIdCancel);
  QVERIFY(cancel.profile.Writes().empty());
  QCOMPARE(AntennaCommands(cancel.card).back(), std::string("stop"));
}

QTEST_MAIN(AntennaWindowsTest)
#include "AntennaWindowsTest.moc"
