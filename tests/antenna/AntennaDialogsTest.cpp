// The VSWR test dialog, the antenna report and the Antenna Test command.

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "AntennaTestSupport.h"
#include "antenna/AntennaTestCommand.h"
#include "antenna/CAntennaInfoDlg.h"
#include "antenna/CAntennaTestDlg.h"
#include "app/MemoryProfile.h"
#include "app/Settings.h"

using namespace quoril;
using namespace quoril::testing;

namespace {

using Commands = std::vector<std::string>;
const Commands kPaint = {"chan 1", "chan 1", "level 128"};
constexpr int kSpeed = 1002;
constexpr int kClear = 1004;
constexpr int kInform = 1007;

struct ShownDialog {
  ShownDialog(CAdapter& adapter, int width, int resolution, int speed)
      : dialog(adapter, profile, boxes) {
    dialog.m_nWidth = width;
    dialog.m_nResolution = resolution;
    dialog.m_nSpeed = speed;
    dialog.m_crColor = MakeRgb(255, 0, 0);
    dialog.Initialize();
    dialog.show();
    exposed = QTest::qWaitForWindowExposed(&dialog);
    QCoreApplication::processEvents();
    SweepTimerOf(dialog.Chart())->stop();
  }
  QScrollBar* Bar(int id) const { return dialog.Item<QScrollBar>(id); }

  MemoryProfile profile;
  RecordingBoxes boxes;
  CAntennaTestDlg dialog;
  bool exposed = false;
};

Commands After(const Commands& all, std::size_t mark) {
  return Commands(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
}

// Runs `inside` on the modal dialog that `open` starts, once it is open.
template <class Dialog>
void WhileModal(const std::function<void()>& open, const std::function<void(Dialog&)>& inside) {
  bool reached = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    reached = true;
    inside(*dialog);
  });
  open();
  QVERIFY2(reached, "the dialog did not open");
}

// The Antenna Test command on a scripted card, `inside` run in its dialog.
struct CommandRun {
  void Run(const std::function<void(CAntennaTestDlg&)>& inside) {
    WhileModal<CAntennaTestDlg>([this] { result = RunAntennaTest(card.adapter, profile, boxes); },
                                inside);
  }
  CardScript card;
  MemoryProfile profile;
  RecordingBoxes boxes;
  int result = 0;
};

QString Text(const TemplateDialog& dialog, int id) {
  return dialog.GetDlgItemText(id);
}

}  // namespace

class AntennaDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void theDialogPutsItsChartOverTheFrame();
  void scrollEventsStayWithinTheirLimits();
  void barActionsArriveAsScrollCodes();
  void onlyANewClearPositionClearsTheChart();
  void everyScrollEventRestartsTheSweep();
  void okChecksTheWidthEveryTime();
  void okHandsBackTheBarPositions();
  void informStartsTheReportOverAnEmptyTable();
  void theReportShowsItsTemplateTextsUntilTheFirstRefresh();
  void theCommandStoresTheDefaultsOnOk();
  void theCommandEndsTheTestAndWritesNothingOnCancel();
  void aWidthOutOfRangeInTheProfileKeepsOkFailing();
};

void AntennaDialogsTest::theDialogPutsItsChartOverTheFrame() {
  CardScript card;
  ShownDialog shown(card.adapter, 10, 12, 60);
  QVERIFY(shown.exposed);
  QCOMPARE(shown.dialog.windowTitle(),
           QString::fromUtf8("Antenna -  VSWR \u2014 Voltage Standing Wave Ratio"));
  CChartWnd& chart = shown.dialog.Chart();
  QCOMPARE(chart.geometry(), shown.dialog.GetDlgItem(1006)->geometry());
  QVERIFY(chart.isVisible());
  QCOMPARE(chart.Resolution(), 12);
  QCOMPARE(chart.Width(), 10);
  QCOMPARE(chart.Color(), MakeRgb(255, 0, 0));
  QCOMPARE(chart.SweepPeriodMs(), 250);
  QCOMPARE(shown.Bar(kClear)->minimum(), 1);
  QCOMPARE(shown.Bar(kClear)->maximum(), 30);
  QCOMPARE(shown.Bar(kClear)->value(), 12);
  QCOMPARE(shown.Bar(kSpeed)->maximum(), 100);
  QCOMPARE(shown.Bar(kSpeed)->value(), 60);
  // The settings made while hidden gave one paint, at the showing.
  QCOMPARE(AntennaCommands(card), kPaint);
}

void AntennaDialogsTest::scrollEventsStayWithinTheirLimits() {
  CardScript card;
  ShownDialog shown(card.adapter, 10, 10, 50);
  const struct {
    int bar;
    int from;
    ScrollCode code;
    int thumb;
    int to;
  } cases[] = {
      {kClear, 25, ScrollCode::kPageRight, 0, 30},   {kClear, 3, ScrollCode::kPageLeft, 0, 1},
      {kClear, 5, ScrollCode::kLeft, 0, 1},          {kClear, 5, ScrollCode::kRight, 0, 30},
      {kClear, 30, ScrollCode::kLineRight, 0, 30},   {kClear, 8, ScrollCode::kLineLeft, 0, 7},
      {kClear, 8, ScrollCode::kThumbTrack, 44, 30},  {kSpeed, 95, ScrollCode::kPageRight, 0, 100},
      {kSpeed, 5, ScrollCode::kPageLeft, 0, 1},      {kSpeed, 1, ScrollCode::kLineLeft, 0, 1},
      {kSpeed, 40, ScrollCode::kLeft, 0, 1},         {kSpeed, 40, ScrollCode::kRight, 0, 100},
      {kSpeed, 50, ScrollCode::kThumbTrack, 77, 77}, {kSpeed, 50, ScrollCode::kThumbPosition, 0, 1},
      {kSpeed, 40, ScrollCode::kEndScroll, 0, 40},
  };
  for (const auto& c : cases) {
    QScrollBar* bar = shown.Bar(c.bar);
    bar->setValue(c.from);
    shown.dialog.OnHScroll(c.code, c.thumb, bar);
    QCOMPARE(bar->value(), c.to);
    QCOMPARE(shown.dialog.Chart().Resolution(), shown.Bar(kClear)->value());
    QCOMPARE(shown.dialog.Chart().SweepPeriodMs(), 550 - 5 * shown.Bar(kSpeed)->value());
  }
}

void AntennaDialogsTest::barActionsArriveAsScrollCodes() {
  CardScript card;
  ShownDialog shown(card.adapter, 10, 25, 1);
  QScrollBar* clear = shown.Bar(kClear);
  QScrollBar* speed = shown.Bar(kSpeed);
  clear->triggerAction(QAbstractSlider::SliderPageStepAdd);
  QCOMPARE(clear->value(), 30);
  clear->triggerAction(QAbstractSlider::SliderToMinimum);
  QCOMPARE(clear->value(), 1);
  QCOMPARE(shown.dialog.Chart().Resolution(), 1);
  speed->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(speed->value(), 1);
  speed->triggerAction(QAbstractSlider::SliderPageStepAdd);
  QCOMPARE(speed->value(), 11);
  QCOMPARE(shown.dialog.Chart().SweepPeriodMs(), 495);

  // Dragging: every step of the thumb reaches the chart, then the release.
  speed->setSliderDown(true);
  speed->setSliderPosition(60);
  QCOMPARE(shown.dialog.Chart().SweepPeriodMs(), 250);
  speed->setSliderPosition(80);
  QCOMPARE(shown.dialog.Chart().SweepPeriodMs(), 150);
  speed->setSliderDown(false);
  QCOMPARE(speed->value(), 80);
}

void AntennaDialogsTest::onlyANewClearPositionClearsTheChart() {
  CardScript card;
  ShownDialog shown(card.adapter, 10, 10, 50);
  QScrollBar* clear = shown.Bar(kClear);
  QScrollBar* speed = shown.Bar(kSpeed);
  std::size_t mark = AntennaCommands(card).size();
  for (ScrollCode code : {ScrollCode::kLineRight, ScrollCode::kPageLeft, ScrollCode::kRight}) {
    shown.dialog.OnHScroll(code, 0, speed);
  }
  QCOMPARE(After(AntennaCommands(card), mark), Commands{});

  shown.dialog.OnHScroll(ScrollCode::kLineRight, 0, clear);
  QCOMPARE(After(AntennaCommands(card), mark), kPaint);
  mark = AntennaCommands(card).size();
  shown.dialog.OnHScroll(ScrollCode::kLineLeft, 0, clear);
  QCOMPARE(After(AntennaCommands(card), mark), kPaint);
  mark = AntennaCommands(card).size();
  shown.dialog.OnHScroll(ScrollCode::kEndScroll, 0, clear);
  QCOMPARE(After(AntennaCommands(card), mark), Commands{});
}

void AntennaDialogsTest::everyScrollEventRestartsTheSweep() {
  CardScript card;
  ShownDialog shown(card.adapter, 10, 10, 1);
  QTimer* sweep = SweepTimerOf(shown.dialog.Chart());
  sweep->start(545);
  QTest::qWait(150);
  QVERIFY(sweep->remainingTime() < 450);
  shown.dialog.OnHScroll(ScrollCode::kEndScroll, 0, shown.Bar(kSpeed));
  QVERIFY(sweep->remainingTime() > 500);
  QCOMPARE(sweep->interval(), 545);
  sweep->stop();
}

void AntennaDialogsTest::okChecksTheWidthEveryTime() {
  for (int width : {0, 101, -5}) {
    CardScript card;
    ShownDialog shown(card.adapter, width, 10, 50);
    shown.dialog.OnCommand(TemplateDialog::kIdOk);
    shown.dialog.OnCommand(TemplateDialog::kIdOk);
    QVERIFY(!shown.dialog.Ended());
    const std::string message = "Please enter an integer between 1 and 100.";
    QCOMPARE(shown.boxes.texts, (std::vector<std::string>{message, message}));
    shown.dialog.OnCommand(TemplateDialog::kIdCancel);
    QCOMPARE(shown.dialog.EndResult(), TemplateDialog::kIdCancel);
  }
  for (int width : {1, 100}) {
    CardScript card;
    ShownDialog shown(card.adapter, width, 10, 50);
    shown.dialog.OnCommand(TemplateDialog::kIdOk);
    QCOMPARE(shown.dialog.EndResult(), TemplateDialog::kIdOk);
    QVERIFY(shown.boxes.texts.empty());
  }
}

void AntennaDialogsTest::okHandsBackTheBarPositions() {
  CardScript card;
  {
    ShownDialog shown(card.adapter, 10, 45, 0);
    shown.dialog.OnCommand(TemplateDialog::kIdOk);
    QCOMPARE(shown.dialog.m_nResolution, 30);
    QCOMPARE(shown.dialog.m_nSpeed, 1);
    QCOMPARE(shown.dialog.m_nWidth, 10);
  }
  ShownDialog shown(card.adapter, 10, 7, 60);
  shown.dialog.OnHScroll(ScrollCode::kPageRight, 0, shown.Bar(kSpeed));
  shown.dialog.OnCommand(TemplateDialog::kIdOk);
  QCOMPARE(shown.dialog.m_nResolution, 7);
  QCOMPARE(shown.dialog.m_nSpeed, 70);
  QCOMPARE(shown.dialog.m_crColor, MakeRgb(255, 0, 0));
}

void AntennaDialogsTest::informStartsTheReportOverAnEmptyTable() {
  const struct {
    const char* scenario;
    const char* verdict;
    const char* maxChannel;
  } cases[] = {
      {"office", "Nice antenna ...", "max =13"},
      {"bad-antenna", "Problems ... Check a cable, pigtail, antenna", "max =6"},
  };
  for (const auto& c : cases) {
    SimulatedAdapter card(c.scenario);
    ShownDialog shown(card.adapter, 10, 10, 50);
    CChartWnd& chart = shown.dialog.Chart();
    for (int i = 0; i < 20; ++i) chart.OnTimer(1);

    QStringList atOpening, waiting, judged;
    WhileModal<CAntennaInfoDlg>([&] { shown.dialog.OnCommand(kInform); },
                                [&](CAntennaInfoDlg& report) {
                                  atOpening << Text(report, 1133) << Text(report, 1154)
                                            << Text(report, 1196);
                                  report.OnTimer(1107);
                                  waiting << Text(report, 1196) << Text(report, 1197)
                                          << Text(report, 1198) << Text(report, 1194);
                                  // The sweep goes on underneath, one channel a tick.
                                  for (int i = 0; i < 13; ++i) chart.OnTimer(1);
                                  report.OnTimer(1107);
                                  waiting << Text(report, 1196);
                                  chart.OnTimer(1);
                                  report.OnTimer(1107);
                                  judged << Text(report, 1196) << Text(report, 1197);
                                  report.OnCommand(TemplateDialog::kIdOk);
                                });
    QCOMPARE(atOpening, (QStringList{"0.00", "0.00", "I do not know"}));
    QCOMPARE(waiting, (QStringList{"To measure, please wait!", "max = ", "min =1",
                                   "VSWR_min = 0.00", "To measure, please wait!"}));
    QCOMPARE(judged, (QStringList{c.verdict, c.maxChannel}));
    QVERIFY(!shown.dialog.Ended());
  }
}

void AntennaDialogsTest::theReportShowsItsTemplateTextsUntilTheFirstRefresh() {
  CardScript card;
  for (int i = 0; i < 14; ++i) card.adapter.VswrByChannel[i] = 1.0 + 0.1 * i;
  card.adapter.VswrByChannel[4] = -1.847;
  CAntennaInfoDlg report(card.adapter);
  report.Initialize();
  QCOMPARE(Text(report, 1133), QStringLiteral("1.00"));
  QCOMPARE(Text(report, 1145), QStringLiteral("-1.85"));
  QCOMPARE(Text(report, 1154), QStringLiteral("2.30"));
  QCOMPARE(Text(report, 1194), QStringLiteral("VSWR_min = 1.00"));
  QCOMPARE(Text(report, 1195), QStringLiteral("VSWR_max = 2.00"));
  QCOMPARE(Text(report, 1197), QStringLiteral("Static"));
  QCOMPARE(Text(report, 1196), QStringLiteral("I do not know"));
  QVERIFY(report.IsTimerRunning(1107));

  card.adapter.VswrByChannel[0] = 1.25;
  report.OnTimer(0);  // any notification refreshes
  QCOMPARE(Text(report, 1133), QStringLiteral("1.25"));
  QCOMPARE(Text(report, 1194), QStringLiteral("VSWR_min = -1.85"));
  QCOMPARE(Text(report, 1198), QStringLiteral("min =5"));
  QCOMPARE(Text(report, 1195), QStringLiteral("VSWR_max = 2.20"));
  QCOMPARE(Text(report, 1196), QStringLiteral("Problems ... Check a cable, pigtail, antenna"));
}

void AntennaDialogsTest::theCommandStoresTheDefaultsOnOk() {
  CommandRun run;
  std::vector<int> seen;
  run.Run([&](CAntennaTestDlg& dialog) {
    seen = {dialog.m_nWidth, dialog.m_nResolution, dialog.m_nSpeed,
            static_cast<int>(dialog.m_crColor)};
    dialog.OnCommand(TemplateDialog::kIdOk);
  });
  QCOMPARE(run.result, TemplateDialog::kIdOk);
  QCOMPARE(seen, (std::vector<int>{10, 10, 100, 255}));
  QCOMPARE(run.profile.Writes().size(), std::size_t{7});
  QCOMPARE(ReadAntennaTestSettings(run.profile), (AntennaTestSettings{10, 10, 100, 255}));
  QCOMPARE(run.profile.Find("AntTest", "Style"), std::optional<std::int32_t>(256));
  const Commands commands = AntennaCommands(run.card);
  QCOMPARE(commands.front(), std::string("level 128"));
  QCOMPARE(commands.back(), std::string("stop"));
}

void AntennaDialogsTest::theCommandEndsTheTestAndWritesNothingOnCancel() {
  CommandRun run;
  run.profile.WriteInt("AntTest", "Speed", 30);
  const std::size_t written = run.profile.Writes().size();
  int period = 0;
  run.Run([&](CAntennaTestDlg& dialog) {
    period = dialog.Chart().SweepPeriodMs();
    dialog.OnCommand(TemplateDialog::kIdCancel);
  });
  QCOMPARE(run.result, TemplateDialog::kIdCancel);
  QCOMPARE(period, 400);
  QCOMPARE(run.profile.Writes().size(), written);
  QCOMPARE(AntennaCommands(run.card).back(), std::string("stop"));
}

void AntennaDialogsTest::aWidthOutOfRangeInTheProfileKeepsOkFailing() {
  CommandRun run;
  run.profile.WriteInt("AntTest", "Width", 0);
  const std::size_t written = run.profile.Writes().size();
  bool stayedOpen = false;
  run.Run([&](CAntennaTestDlg& dialog) {
    dialog.OnCommand(TemplateDialog::kIdOk);
    dialog.OnCommand(TemplateDialog::kIdOk);
    stayedOpen = !dialog.Ended();
    dialog.OnCommand(TemplateDialog::kIdCancel);
  });
  QVERIFY(stayedOpen);
  QCOMPARE(run.boxes.texts.size(), std::size_t{2});
  QCOMPARE(run.result, TemplateDialog::kIdCancel);
  QCOMPARE(run.profile.Writes().size(), written);
  QCOMPARE(AntennaCommands(run.card).back(), std::string("stop"));
}

QTEST_MAIN(AntennaDialogsTest)
#include "AntennaDialogsTest.moc"
