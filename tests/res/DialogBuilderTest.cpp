// The templates, the builder that lays them out, the bars and the dialog
// framework's timers.

#include <QElapsedTimer>
#include <QFontMetrics>
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
namespace {

const res::DialogTemplate& Template(int id) {
  const res::DialogTemplate* t = res::FindDialogTemplate(id);
  Q_ASSERT(t);
  return *t;
}

// Records the start and end of each tick.
class Probe : public TemplateDialog {
 public:
  explicit Probe(int templateId = res::kAirScan) : TemplateDialog(templateId) { clock.start(); }
  std::function<void()> onTick;
  std::vector<qint64> tickStart, tickEnd;
  QElapsedTimer clock;

  void OnTimer(int) override {
    tickStart.push_back(clock.elapsed());
    if (onTick) onTick();
    tickEnd.push_back(clock.elapsed());
  }
};

}  // namespace

class DialogBuilderTest : public QObject {
  Q_OBJECT
 private slots:
  void UnitsRoundHalfUpFromTheDialogFont() {
    const DialogUnits units(6, 13);
    QCOMPARE(units.X(1), 2);  // 1.5
    QCOMPARE(units.Y(4), 7);  // 6.5
    QCOMPARE(units.Rect(15, 195, 190, 10), QRect(23, 317, 285, 16));
    QCOMPARE(DialogUnits(7, 16).X(-3), -5);  // -5.25

    const QFont font = DialogFont("No Such Face Anywhere", 8);
    QCOMPARE(font.pointSize(), 8);
    QVERIFY(font.family() != QStringLiteral("No Such Face Anywhere"));
    QCOMPARE(DialogFont(font.family().toStdString(), 9).family(), font.family());
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const DialogUnits fromFont = DialogUnits::FromFont(font);
    QCOMPARE(fromFont.BaseY(), metrics.height());
    QVERIFY(std::abs(fromFont.BaseX() * 52 - letters) <= 26);  // the average, rounded
  }

  void EveryTemplateBuildsWithDistinctIds() {
    for (int id : {res::kAboutBox, res::kLinkMonitor, res::kAntennaTest, res::kAirScan,
                   res::kPowerControl, res::kAntennaInfo}) {
      const res::DialogTemplate& t = Template(id);
      std::set<int> seen;
      for (const res::ControlTemplate& c : t.controls) {
        QVERIFY2(c.id == res::kNoId || seen.insert(c.id).second, qPrintable(QString::number(c.id)));
      }
      QDialog dialog;
      QCOMPARE(BuildDialog(t, dialog).Items().size(), seen.size());
      QCOMPARE(dialog.windowTitle().toStdString(), std::string(t.caption));
    }
    QCOMPARE(Template(res::kAntennaTest).caption,
             "Antenna -  VSWR \xE2\x80\x94 Voltage Standing Wave Ratio");
    QCOMPARE(res::LoadResourceString(res::kAboutItemString), "&About WLAN Quoril");
    QVERIFY(res::LoadResourceString(4711).empty());
    QVERIFY(res::FindDialogTemplate(4711) == nullptr);
  }

  void MainWindowControlsStandAndLookAsTheTemplateSays() {
    const res::DialogTemplate& t = Template(res::kLinkMonitor);
    QDialog dialog;
    const DialogControls controls = BuildDialog(t, dialog);
    const DialogUnits units = UnitsOf(dialog);
    QCOMPARE(dialog.size(), QSize(units.X(292), units.Y(226)));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    for (const res::ControlTemplate& c : t.controls) {
      if (c.id != res::kNoId)
        QCOMPARE(controls.Item(c.id)->geometry(), units.Rect(c.x, c.y, c.w, c.h));
    }
    QCOMPARE(controls.Get<QPushButton>(1)->text(), QStringLiteral("E&xit"));
    QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);

    dialog.show();
    for (int hidden : {1018, 1104, 1019, 1102, 1107}) QVERIFY(!controls.Item(hidden)->isVisible());
    QVERIFY(controls.Item(1105)->isVisible());
    for (int edit : {1052, 1053, 1054, 1055, 1056, 1061, 1062}) {
      auto* box = controls.Get<QLineEdit>(edit);
      QVERIFY(box && box->isReadOnly() && box->hasFrame());
      QCOMPARE(box->isEnabled(), edit != 1055 && edit != 1056);
    }
    auto* told = qobject_cast<QLabel*>(controls.Item(1177));
    QCOMPARE(told->text(), QStringLiteral("PRISM II told - "));
    QVERIFY(told->alignment() & Qt::AlignHCenter);
    auto* signal = controls.Get<BarControl>(1016);
    QVERIFY(signal && signal->Orientation() == Qt::Horizontal && !signal->Smooth());

    QDialog scan;
    const DialogControls scanControls = BuildDialog(Template(res::kAirScan), scan);
    QVERIFY(!(scan.windowFlags() & Qt::WindowCloseButtonHint));  // no system menu
    for (int id = 1132; id <= 1144; ++id) {
      auto* bar = scanControls.Get<BarControl>(id);
      QVERIFY(bar && bar->Orientation() == Qt::Vertical && bar->Smooth());
    }
    auto* zoom = scanControls.Get<QSlider>(1116);
    QVERIFY(zoom && zoom->orientation() == Qt::Vertical);
    QVERIFY(zoom->invertedAppearance() && zoom->tickPosition() != QSlider::NoTicks);
  }

  void RadioGroupsFollowTemplateOrderUnderTheirFrames() {
    QDialog dialog;
    const DialogControls controls = BuildDialog(Template(res::kPowerControl), dialog);
    dialog.show();
    // The group boxes come after the Off/On buttons in the template.
    for (int id : {1134, 1135, 1131, 1143}) {
      QCOMPARE(dialog.childAt(controls.Item(id)->geometry().center()), controls.Item(id));
    }
    QCOMPARE(controls.RadioGroup(1134)->buttons().size(), 2);
    QCOMPARE(controls.RadioGroup(1131)->buttons().size(), 8);
    QVERIFY(controls.RadioGroup(1132) == nullptr);
    QTest::mouseClick(controls.Get<QPushButton>(1139), Qt::LeftButton);
    QCOMPARE(controls.RadioIndex(1131), 3);
    QCOMPARE(controls.RadioIndex(1134), -1);  // the other group is untouched
    controls.SetRadioIndex(1131, 8);          // out of range: none checked
    QCOMPARE(controls.RadioIndex(1131), -1);
  }

  void BarsClampToTheirRangeAndTakeColourRefs() {
    BarControl bar(Qt::Horizontal, false, nullptr);
    bar.SetRange(5, 80);
    QCOMPARE(bar.SetPos(200), 5);  // position 0 was below the range
    QCOMPARE(bar.Pos(), 80);
    bar.SetRange(0, 42);
    QCOMPARE(bar.Pos(), 42);
    bar.SetBarColor(ColorFromRef(0x0000FF));
    QCOMPARE(bar.BarColor(), QColor(255, 0, 0));
    bar.SetBackgroundColor(ColorFromRef(0xFF0000));

    // The fill is drawn in the bar colour, up to the position.
    bar.resize(100, 12);
    bar.SetRange(0, 100);
    bar.SetPos(50);
    const QImage image = bar.grab().toImage();
    QCOMPARE(image.pixelColor(10, 6), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(90, 6), QColor(0, 0, 255));
  }

  void EditsShowTheStartOfALongTextAndUnknownIdsAreIgnored() {
    Probe dialog(res::kLinkMonitor);
    const QString text = QStringLiteral("Associated - BSS ID = 00:60:1d:0a:0b:0c and more");
    dialog.SetDlgItemText(1052, text);
    QCOMPARE(dialog.Item<QLineEdit>(1052)->cursorPosition(), 0);
    dialog.SetDlgItemText(4711, QStringLiteral("nowhere"));
    QVERIFY(dialog.GetDlgItemText(4711).isEmpty());
  }

  void TicksThatCameDueDuringATickAreDropped() {
    Probe dialog;
    constexpr int kPeriod = 40;
    dialog.onTick = [] { std::this_thread::sleep_for(std::chrono::milliseconds(3 * kPeriod)); };
    dialog.SetTimer(7, kPeriod);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.tickStart.size() >= 3, 5000);
    dialog.KillTimer(7);
    // Each tick took three periods; the next still waited a full period.
    for (std::size_t i = 1; i < dialog.tickStart.size(); ++i) {
      QVERIFY2(dialog.tickStart[i] - dialog.tickEnd[i - 1] >= kPeriod - 5,
               qPrintable(QString::number(i)));
    }
  }

  void ATickMayStopOrRestartItsOwnTimerAndEndingStopsThemAll() {
    Probe stopping;
    stopping.onTick = [&stopping] { stopping.KillTimer(7); };
    stopping.SetTimer(7, 5);
    QTRY_COMPARE(stopping.tickStart.size(), std::size_t{1});
    QTest::qWait(50);
    QCOMPARE(stopping.tickStart.size(), std::size_t{1});
    QVERIFY(!stopping.IsTimerRunning(7));

    Probe restarting;
    restarting.onTick = [&restarting] {
      if (restarting.tickStart.size() == 1) restarting.SetTimer(7, 60);
    };
    restarting.SetTimer(7, 5);
    QTRY_COMPARE(restarting.tickStart.size(), std::size_t{2});
    QVERIFY(restarting.tickStart[1] - restarting.tickEnd[0] >= 55);  // the new period holds
    QVERIFY(restarting.IsTimerRunning(7));

    Probe ending;
    ending.SetTimer(1, 5);
    ending.SetTimer(2, 5);
    ending.EndDialog(TemplateDialog::kIdOk);
    QVERIFY(!ending.IsTimerRunning(1) && !ending.IsTimerRunning(2));
    QTest::qWait(30);
    QVERIFY(ending.tickStart.empty());
  }
};

}  // namespace quoril

QTEST_MAIN(quoril::DialogBuilderTest)
#include "DialogBuilderTest.moc"
