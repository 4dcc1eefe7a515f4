// The VSWR test dialog, the antenna report and the Antenna Test command.

#include <QScrollBar>
#include <QTest>
#include <functional>

#include "AntennaTestSupport.h"
#include "antenna/AntennaTestCommand.h"
#include "antenna/CAntennaInfoDlg.h"
#include "antenna/CAntennaTestDlg.h"
#include "app/MemoryProfile.h"
#include "app/Settings.h"
#include "support/GuiTestSupport.h"

using namespace quoril;
using namespace quoril::testing;

namespace {

constexpr int kSpeed = 1002;
constexpr int kClear = 1004;
const Commands kPaint = {"chan 1", "chan 1", "level 128"};

struct ShownDialog {
  ShownDialog(CAdapter& adapter, int resolution, int speed) : dialog(adapter, profile, boxes) {
    dialog.m_nWidth = 10;
    dialog.m_nResolution = resolution;
    dialog.m_nSpeed = speed;
    dialog.Initialize();
    dialog.show();
    exposed = QTest::qWaitForWindowExposed(&dialog);
    SweepTimerOf(dialog.Chart())->stop();
  }
  QScrollBar* Bar(int id) const { return dialog.Item<QScrollBar>(id); }

  MemoryProfile profile;
  ScriptedBoxes boxes;
  CAntennaTestDlg dialog;
  bool exposed = false;
};

// Runs `inside` on the modal dialog that `open` starts, once it is open.
template <class Dialog>
bool WhileModal(const std::function<void()>& open, const std::function<void(Dialog&)>& inside) {
  const auto ran =
      WhenModal([&inside](TemplateDialog& dialog) { inside(static_cast<Dialog&>(dialog)); });
  open();
  return *ran;
}

// The Antenna Test command on a scripted card, `inside` run in its dialog.
struct CommandRun {
  bool Run(const std::function<void(CAntennaTestDlg&)>& inside) {
    return WhileModal<CAntennaTestDlg>(
        [this] { result = RunAntennaTest(card.adapter, profile, boxes); }, inside);
  }
  CardScript card;
  MemoryProfile profile;
  ScriptedBoxes boxes;
  int result = 0;
};

}  // namespace

class AntennaDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void scrollEventsReachTheChartWithinTheLimits();
  void onlyANewClearPositionClearsTheChart();
  void informWaitsForAFullSweepBeforeItsVerdict();
  void theCommandSavesOnlyAfterOkAndAlwaysEndsTheTest();
  void aWidthOutOfRangeInTheProfileKeepsOkFailing();
};

void AntennaDialogsTest::scrollEventsReachTheChartWithinTheLimits() {
  CardScript card;
  ShownDialog shown(card.adapter, 25, 1);
  CChartWnd& chart = shown.dialog.Chart();
  shown.dialog.OnHScroll(ScrollCode::kPageRight, 0, shown.Bar(kClear));
  QCOMPARE(shown.Bar(kClear)->value(), 30);
  QCOMPARE(chart.Resolution(), 30);
  shown.dialog.OnHScroll(ScrollCode::kLeft, 0, shown.Bar(kSpeed));
  QCOMPARE(shown.Bar(kSpeed)->value(), 1);

  // Qt's actions arrive as scroll codes; every step of a drag counts.
  shown.Bar(kClear)->triggerAction(QAbstractSlider::SliderToMinimum);
  QCOMPARE(chart.Resolution(), 1);
  QScrollBar* speed = shown.Bar(kSpeed);
  speed->triggerAction(QAbstractSlider::SliderPageStepAdd);
  QCOMPARE(chart.SweepPeriodMs(), 495);
  speed->setSliderDown(true);
  speed->setSliderPosition(60);
  QCOMPARE(chart.SweepPeriodMs(), 250);
  speed->setSliderDown(false);
  QCOMPARE(speed->value(), 60);
}

void AntennaDialogsTest::onlyANewClearPositionClearsTheChart() {
  CardScript card;
  ShownDialog shown(card.adapter, 10, 50);
  QVERIFY(shown.exposed);
  const std::size_t mark = AntennaCommands(card).size();
  shown.dialog.OnHScroll(ScrollCode::kPageRight, 0, shown.Bar(kSpeed));
  shown.dialog.OnHScroll(ScrollCode::kEndScroll, 0, shown.Bar(kClear));
  QCOMPARE(After(AntennaCommands(card), mark), Commands{});
  shown.dialog.OnHScroll(ScrollCode::kLineRight, 0, shown.Bar(kClear));
  shown.dialog.OnHScroll(ScrollCode::kLineLeft, 0, shown.Bar(kClear));
  Commands twice = kPaint;
  twice.insert(twice.end(), kPaint.begin(), kPaint.end());
  QCOMPARE(After(AntennaCommands(card), mark), twice);
}

void AntennaDialogsTest::informWaitsForAFullSweepBeforeItsVerdict() {
  SimulatedAdapter card("bad-antenna");
  ShownDialog shown(card.adapter, 10, 50);
  CChartWnd& chart = shown.dialog.Chart();
  for (int i = 0; i < 20; ++i) chart.OnTimer(1);

  QStringList texts;
  const auto read = [&texts](const CAntennaInfoDlg& report, std::initializer_list<int> ids) {
    for (int id : ids) texts << report.GetDlgItemText(id);
  };
  QVERIFY(
      WhileModal<CAntennaInfoDlg>([&] { shown.dialog.OnCommand(CAntennaTestDlg::kInformButton); },
                                  [&](CAntennaInfoDlg& report) {
                                    read(report, {1133, 1196});  // as it opens
                                    report.OnTimer(1107);
                                    read(report, {1196, 1197, 1198, 1194});
                                    for (int i = 0; i < 13; ++i)
                                      chart.OnTimer(1);  // the sweep goes on underneath
                                    report.OnTimer(1107);
                                    read(report, {1196});
                                    chart.OnTimer(1);
                                    report.OnTimer(1107);
                                    read(report, {1196, 1197, 1195, 1147});
                                    report.OnCommand(TemplateDialog::kIdOk);
                                  }));
  QCOMPARE(texts, (QStringList{"0.00", "I do not know", "To measure, please wait!",
                               "max = ", "min =1", "VSWR_min = 0.00", "To measure, please wait!",
                               "Problems ... Check a cable, pigtail, antenna", "max =6",
                               "VSWR_max = 2.60", "2.45"}));
  QVERIFY(!shown.dialog.Ended());
}

void AntennaDialogsTest::theCommandSavesOnlyAfterOkAndAlwaysEndsTheTest() {
  CommandRun ok;  // a machine without settings
  std::vector<int> seen;
  QVERIFY(ok.Run([&](CAntennaTestDlg& dialog) {
    seen = {dialog.m_nWidth, dialog.m_nResolution, dialog.m_nSpeed, int(dialog.m_crColor)};
    dialog.OnCommand(TemplateDialog::kIdOk);
  }));
  QCOMPARE(seen, (std::vector<int>{10, 10, 100, 255}));
  QCOMPARE(ok.profile.Writes().size(), std::size_t{7});
  QCOMPARE(ReadAntennaTestSettings(ok.profile), (AntennaTestSettings{10, 10, 100, 255}));
  QCOMPARE(ok.profile.Find("AntTest", "Style"), std::optional<std::int32_t>(256));
  QCOMPARE(AntennaCommands(ok.card).front(), std::string("level 128"));
  QCOMPARE(AntennaCommands(ok.card).back(), std::string("stop"));

  CommandRun cancel;
  QVERIFY(cancel.Run([](CAntennaTestDlg& dialog) { dialog.OnCommand(TemplateDialog::kIdCancel); }));
  QCOMPARE(cancel.result, TemplateDialog::kIdCancel);
  QVERIFY(cancel.profile.Writes().empty());
  QCOMPARE(AntennaCommands(cancel.card).back(), std::string("stop"));
}

void AntennaDialogsTest::aWidthOutOfRangeInTheProfileKeepsOkFailing() {
  CommandRun run;
  run.profile.WriteInt("AntTest", "Width", 0);
  bool stayedOpen = false;
  QVERIFY(run.Run([&](CAntennaTestDlg& dialog) {
    dialog.OnCommand(TemplateDialog::kIdOk);
    dialog.OnCommand(TemplateDialog::kIdOk);
    stayedOpen = !dialog.Ended();
    dialog.OnCommand(TemplateDialog::kIdCancel);
  }));
  QVERIFY(stayedOpen);
  QCOMPARE(run.boxes.shown.size(), std::size_t{2});
  QCOMPARE(run.boxes.shown[1].text, std::string("Please enter an integer between 1 and 100."));
  QCOMPARE(run.profile.Writes().size(), std::size_t{1});
}

QTEST_MAIN(AntennaDialogsTest)
#include "AntennaDialogsTest.moc"
