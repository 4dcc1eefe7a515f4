// The templates, the builder that lays them out, the bars and the dialog
// framework's timers and commands.

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <chrono>
#include <functional>
#include <set>
#include <thread>
#include <vector>

#include "res/BarControl.h"
#include "res/DialogBuilder.h"
#include "res/DialogTemplate.h"
#include "res/TemplateDialog.h"

namespace quoril {

class DialogBuilderTest : public QObject {
  Q_OBJECT
 private slots:
  void UnitsRoundAsTheDialogFrameworkDoes();
  void UnitsComeFromTheDialogFont();
  void EveryTemplateBuildsWithDistinctIds();
  void MainWindowControlsStandWhereTheTemplateSays();
  void StylesOfTheTemplateHold();
  void FramesNeverCoverTheControlsTheyFrame();
  void RadioGroupsFollowTemplateOrder();
  void UprightBarsAndSliders();
  void BarsClampToTheirRange();
  void EditsShowTheStartOfALongText();
  void EscapeAndEnterSendCancelAndTheDefaultButton();
  void TicksThatCameDueDuringATickAreDropped();
  void ATickMayStopOrRestartItsOwnTimer();
  void EndingTheDialogEndsItsTimers();
};

namespace {

const res::DialogTemplate& Template(int id) {
  const res::DialogTemplate* t = res::FindDialogTemplate(id);
  Q_ASSERT(t);
  return *t;
}

class Probe : public TemplateDialog {
 public:
  explicit Probe(int templateId = res::kAirScan) : TemplateDialog(templateId) {}
  std::vector<int> commands;
  std::function<void()> onTick;
  std::vector<qint64> tickStart, tickEnd;
  QElapsedTimer clock;

  void OnCommand(int id) override { commands.push_back(id); }
  void OnTimer(int) override {
    tickStart.push_back(clock.elapsed());
    if (onTick) onTick();
    tickEnd.push_back(clock.elapsed());
  }
};

}  // namespace

void DialogBuilderTest::UnitsRoundAsTheDialogFrameworkDoes() {
  const DialogUnits units(6, 13);
  QCOMPARE(units.X(4), 6);
  QCOMPARE(units.Y(8), 13);
  QCOMPARE(units.X(1), 2);  // 1.5 rounds up
  QCOMPARE(units.Y(4), 7);  // 6.5 rounds up
  QCOMPARE(units.X(292), 438);
  QCOMPARE(units.Y(226), 367);
  QCOMPARE(units.Rect(15, 195, 190, 10), QRect(23, 317, 285, 16));
  QCOMPARE(DialogUnits(7, 16).X(-3), -5);  // -5.25
}

void DialogBuilderTest::UnitsComeFromTheDialogFont() {
  const QFont font = DialogFont("No Such Face Anywhere", 8);
  QCOMPARE(font.pointSize(), 8);
  QVERIFY(font.family() != QStringLiteral("No Such Face Anywhere"));

  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  const DialogUnits units = DialogUnits::FromFont(font);
  QCOMPARE(units.BaseY(), metrics.height());
  QVERIFY(std::abs(units.BaseX() * 52 - letters) <= 26);  // the average, rounded

  const QString family = font.family();
  QCOMPARE(DialogFont(family.toStdString(), 9).family(), family);
}

void DialogBuilderTest::EveryTemplateBuildsWithDistinctIds() {
  for (int id : {res::kAboutBox, res::kLinkMonitor, res::kAntennaTest, res::kAirScan,
                 res::kPowerControl, res::kAntennaInfo}) {
    const res::DialogTemplate& t = Template(id);
    std::set<int> seen;
    for (const res::ControlTemplate& c : t.controls) {
      if (c.id == res::kNoId) continue;
      QVERIFY2(seen.insert(c.id).second,
               qPrintable(QStringLiteral("id %1 twice in %2").arg(c.id).arg(id)));
    }
    QDialog dialog;
    const DialogControls controls = BuildDialog(t, dialog);
    QCOMPARE(controls.Items().size(), seen.size());
    QCOMPARE(dialog.windowTitle(),
             QString::fromUtf8(t.caption.data(), static_cast<qsizetype>(t.caption.size())));
  }
  QCOMPARE(Template(res::kAntennaTest).caption,
           "Antenna -  VSWR \xE2\x80\x94 Voltage Standing Wave Ratio");
  QCOMPARE(res::LoadResourceString(res::kAboutItemString), "&About WLAN Quoril");
  QVERIFY(res::LoadResourceString(4711).empty());
  QVERIFY(res::FindDialogTemplate(4711) == nullptr);
}

void DialogBuilderTest::MainWindowControlsStandWhereTheTemplateSays() {
  const res::DialogTemplate& t = Template(res::kLinkMonitor);
  QDialog dialog;
  const DialogControls controls = BuildDialog(t, dialog);
  const DialogUnits units = UnitsOf(dialog);
  QCOMPARE(dialog.size(), QSize(units.X(292), units.Y(226)));
  QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
  for (const res::ControlTemplate& c : t.controls) {
    if (c.id == res::kNoId) continue;
    QCOMPARE(controls.Item(c.id)->geometry(), units.Rect(c.x, c.y, c.w, c.h));
  }
  QCOMPARE(controls.Get<QPushButton>(1)->text(), QStringLiteral("E&xit"));
  QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);

  QDialog scan;
  BuildDialog(Template(res::kAirScan), scan);
  QVERIFY(!(scan.windowFlags() & Qt::WindowCloseButtonHint));  // no system menu
}

void DialogBuilderTest::StylesOfTheTemplateHold() {
  QDialog dialog;
  const DialogControls controls = BuildDialog(Template(res::kLinkMonitor), dialog);
  dialog.show();
  for (int hidden : {1018, 1104, 1019, 1102, 1107}) QVERIFY(!controls.Item(hidden)->isVisible());
  QVERIFY(controls.Item(1105)->isVisible());
  for (int edit : {1052, 1053, 1054, 1055, 1056, 1061, 1062}) {
    auto* box = controls.Get<QLineEdit>(edit);
    QVERIFY(box && box->isReadOnly() && box->hasFrame());
    QCOMPARE(box->isEnabled(), edit != 1055 && edit != 1056);
  }
  QCOMPARE(qobject_cast<QLabel*>(controls.Item(1177))->text(), QStringLiteral("PRISM II told - "));
  QVERIFY(qobject_cast<QLabel*>(controls.Item(1177))->alignment() & Qt::AlignHCenter);
}

void DialogBuilderTest::FramesNeverCoverTheControlsTheyFrame() {
  QDialog dialog;
  const DialogControls controls = BuildDialog(Template(res::kPowerControl), dialog);
  dialog.show();
  // The group boxes come after the Off/On buttons in the template.
  for (int id : {1134, 1135, 1131, 1143}) {
    QWidget* button = controls.Item(id);
    QCOMPARE(dialog.childAt(button->geometry().center()), button);
  }
  auto* off = controls.Get<QAbstractButton>(1134);
  QTest::mouseClick(off, Qt::LeftButton);
  QVERIFY(off->isChecked());
}

void DialogBuilderTest::RadioGroupsFollowTemplateOrder() {
  QDialog dialog;
  const DialogControls controls = BuildDialog(Template(res::kPowerControl), dialog);
  QButtonGroup* onOff = controls.RadioGroup(1134);
  QButtonGroup* power = controls.RadioGroup(1131);
  QVERIFY(onOff && power);
  QCOMPARE(onOff->buttons().size(), 2);
  QCOMPARE(onOff->button(1), controls.Item(1135));
  const int order[] = {1131, 1132, 1138, 1139, 1140, 1141, 1142, 1143};
  QCOMPARE(power->buttons().size(), 8);
  for (int i = 0; i < 8; ++i) QCOMPARE(power->button(i), controls.Item(order[i]));
  QVERIFY(controls.RadioGroup(1132) == nullptr);

  auto* twenty = controls.Get<QPushButton>(1139);
  QVERIFY(twenty->isCheckable());
  controls.SetRadioIndex(1131, 0);
  QTest::mouseClick(twenty, Qt::LeftButton);
  QCOMPARE(controls.RadioIndex(1131), 3);
  QCOMPARE(controls.RadioIndex(1134), -1);  // the other group is untouched
  controls.SetRadioIndex(1131, -1);
  QCOMPARE(controls.RadioIndex(1131), -1);
  controls.SetRadioIndex(1131, 8);
  QCOMPARE(controls.RadioIndex(1131), -1);
  controls.SetRadioIndex(1131, 7);
  QVERIFY(controls.Get<QAbstractButton>(1143)->isChecked());
}

void DialogBuilderTest::UprightBarsAndSliders() {
  QDialog dialog;
  const DialogControls controls = BuildDialog(Template(res::kAirScan), dialog);
  for (int id = 1132; id <= 1144; ++id) {
    auto* bar = controls.Get<BarControl>(id);
    QVERIFY(bar && bar->Orientation() == Qt::Vertical && bar->Smooth());
  }
  auto* zoom = controls.Get<QSlider>(1116);
  QVERIFY(zoom && zoom->orientation() == Qt::Vertical);
  QVERIFY(zoom->invertedAppearance());  // minimum at the top
  QVERIFY(zoom->tickPosition() != QSlider::NoTicks);

  QDialog main;
  const DialogControls mainControls = BuildDialog(Template(res::kLinkMonitor), main);
  auto* signal = mainControls.Get<BarControl>(1016);
  QVERIFY(signal && signal->Orientation() == Qt::Horizontal && !signal->Smooth());
}

void DialogBuilderTest::BarsClampToTheirRange() {
  BarControl bar(Qt::Horizontal, false, nullptr);
  bar.SetRange(5, 80);
  bar.SetStep(1);
  QCOMPARE(bar.Pos(), 5);  // position 0 is below the range
  bar.SetPos(0);
  QCOMPARE(bar.Pos(), 5);
  QCOMPARE(bar.SetPos(200), 5);
  QCOMPARE(bar.Pos(), 80);
  bar.SetRange(0, 42);
  QCOMPARE(bar.Pos(), 42);
  bar.SetPos(-3);
  QCOMPARE(bar.Pos(), 0);
  bar.SetBarColor(ColorFromRef(0x0000FF));
  QCOMPARE(bar.BarColor(), QColor(255, 0, 0));
  bar.SetBackgroundColor(ColorFromRef(0xFF0000));
  QCOMPARE(bar.BackgroundColor(), QColor(0, 0, 255));

  // The fill is drawn in the bar colour, up to the position.
  bar.resize(100, 12);
  bar.SetRange(0, 100);
  bar.SetPos(50);
  bar.SetBarColor(Qt::green);
  const QImage image = bar.grab().toImage();
  QCOMPARE(image.pixelColor(10, 6), QColor(Qt::green));
  QCOMPARE(image.pixelColor(90, 6), QColor(0, 0, 255));
}

void DialogBuilderTest::EditsShowTheStartOfALongText() {
  Probe dialog(res::kLinkMonitor);
  dialog.SetDlgItemText(1052, QStringLiteral("Associated - BSS ID = 00:60:1d:0a:0b:0c and more"));
  QCOMPARE(dialog.Item<QLineEdit>(1052)->cursorPosition(), 0);
  QCOMPARE(dialog.GetDlgItemText(1052),
           QStringLiteral("Associated - BSS ID = 00:60:1d:0a:0b:0c and more"));
  dialog.SetDlgItemText(1177, QStringLiteral("PRISM II told - Disabled"));
  QCOMPARE(dialog.GetDlgItemText(1177), QStringLiteral("PRISM II told - Disabled"));
  dialog.SetDlgItemText(4711, QStringLiteral("nowhere"));  // no such control: nothing
  QVERIFY(dialog.GetDlgItemText(4711).isEmpty());
}

void DialogBuilderTest::EscapeAndEnterSendCancelAndTheDefaultButton() {
  // A plain template dialog: Escape cancels, the buttons' ids end it.
  TemplateDialog about(res::kAboutBox);
  about.show();
  QTest::keyClick(&about, Qt::Key_Escape);
  QVERIFY(about.Ended());
  QCOMPARE(about.EndResult(), TemplateDialog::kIdCancel);

  TemplateDialog again(res::kAboutBox);
  again.show();
  QTest::keyClick(&again, Qt::Key_Return);
  QCOMPARE(again.EndResult(), TemplateDialog::kIdOk);

  Probe scan;
  scan.show();
  QTest::mouseClick(scan.Item<QPushButton>(3), Qt::LeftButton);
  QTest::mouseClick(scan.Item<QPushButton>(1160), Qt::LeftButton);
  QCOMPARE(scan.commands, (std::vector<int>{3, 1160}));
}

void DialogBuilderTest::TicksThatCameDueDuringATickAreDropped() {
  Probe dialog;
  dialog.clock.start();
  constexpr int kPeriod = 40;
  dialog.onTick = [] { std::this_thread::sleep_for(std::chrono::milliseconds(3 * kPeriod)); };
  dialog.SetTimer(7, kPeriod);
  QTRY_VERIFY_WITH_TIMEOUT(dialog.tickStart.size() >= 3, 5000);
  dialog.KillTimer(7);
  // Each tick took three periods; the next one still waited a full period
  // after it, instead of running at once.
  for (std::size_t i = 1; i < dialog.tickStart.size(); ++i) {
    QVERIFY2(dialog.tickStart[i] - dialog.tickEnd[i - 1] >= kPeriod - 5,
             qPrintable(QStringLiteral("tick %1 came %2 ms after the previous one ended")
                            .arg(i)
                            .arg(dialog.tickStart[i] - dialog.tickEnd[i - 1])));
  }
}

void DialogBuilderTest::ATickMayStopOrRestartItsOwnTimer() {
  Probe stopping;
  stopping.clock.start();
  stopping.onTick = [&stopping] { stopping.KillTimer(7); };
  stopping.SetTimer(7, 5);
  QTRY_COMPARE(stopping.tickStart.size(), std::size_t{1});
  QTest::qWait(50);
  QCOMPARE(stopping.tickStart.size(), std::size_t{1});
  QVERIFY(!stopping.IsTimerRunning(7));

  Probe restarting;
  restarting.clock.start();
  restarting.onTick = [&restarting] {
    if (restarting.tickStart.size() == 1) restarting.SetTimer(7, 60);
  };
  restarting.SetTimer(7, 5);
  QTRY_COMPARE(restarting.tickStart.size(), std::size_t{2});
  QVERIFY(restarting.tickStart[1] - restarting.tickEnd[0] >= 55);  // the new period holds
  QVERIFY(restarting.IsTimerRunning(7));
}

void DialogBuilderTest::EndingTheDialogEndsItsTimers() {
  Probe dialog;
  dialog.clock.start();
  dialog.SetTimer(1, 5);
  dialog.SetTimer(2, 5);
  dialog.EndDialog(TemplateDialog::kIdOk);
  QVERIFY(!dialog.IsTimerRunning(1) && !dialog.IsTimerRunning(2));
  QTest::qWait(30);
  QVERIFY(dialog.tickStart.empty());
}

}  // namespace quoril

QTEST_MAIN(quoril::DialogBuilderTest)
#include "DialogBuilderTest.moc"
