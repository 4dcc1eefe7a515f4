// The Qt backend's own mapping: templates into windows, user input into
// dialog events, peer calls into controls, timers, the chart surface and
// the stop signals, over the real templates.

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/Platform.h"
#include "res/ChartSurface.h"
#include "res/DialogEvents.h"
#include "res/DialogPeer.h"
#include "res/qt/DialogBuilder.h"
#include "res/qt/QtWindowSystem.h"
#include "res/qt/StopSignals.h"

namespace quoril {
namespace {

const res::DialogTemplate& Template(int id) {
  const res::DialogTemplate* t = res::FindDialogTemplate(id);
  Q_ASSERT(t);
  return *t;
}

// Writes down what the dialog hears, "command 1", "hscroll 1004 1 0", ...
class Recorder : public DialogEvents {
 public:
  DialogPeer* peer = nullptr;
  std::vector<std::string> log;
  std::function<void()> onInit, onCommand;
  std::function<void(int)> onTimer;

  void OnAttach(DialogPeer* p) override {
    peer = p;
    log.push_back(p ? "attach" : "detach");
  }
  bool OnInitDialog() override {
    if (onInit) onInit();
    return true;
  }
  void OnCommand(int id) override {
    Note("command", id);
    if (onCommand) onCommand();
  }
  void OnTimer(int id) override {
    if (onTimer) onTimer(id);
  }
  void OnHScroll(int id, ScrollCode code, int thumb) override {
    Note("hscroll", id, static_cast<int>(code), thumb);
  }
  void OnVScroll(int id, ScrollCode code, int thumb) override {
    // A trackbar has moved already: its place goes with the event.
    Note("vscroll", id, static_cast<int>(code), peer->SliderPos(id));
    (void)thumb;
  }
  void OnSysCommand(unsigned command) override { Note("sys", static_cast<int>(command)); }

  // What came since the last call.
  std::vector<std::string> Take() { return std::exchange(log, {}); }

 private:
  template <class... N>
  void Note(const char* what, N... numbers) {
    std::string line = what;
    ((line += ' ' + std::to_string(numbers)), ...);
    log.push_back(line);
  }
};

// Runs the dialog; once its window shows, `act` runs with the window, and
// then the dialog ends with 0.
int RunShown(QtWindowSystem& windows, int templateId, Recorder& dialog,
             const std::function<void(QWidget&)>& act) {
  windows.After(0, [&] {
    QWidget* window = QApplication::activeModalWidget();
    if (window && QTest::qWaitForWindowActive(window)) {
      dialog.Take();
      act(*window);
    } else {
      QTest::qFail("the dialog did not show", __FILE__, __LINE__);
    }
    dialog.peer->EndModal(0);
  });
  return windows.RunModal(Template(templateId), dialog);
}

// The control with `id`, found where the peer says it stands.
QWidget* Control(QWidget& window, const DialogPeer& peer, int id) {
  const PixelRect r = peer.ItemRect(id);
  return window.childAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Opens the context menu of `widget` and chooses `item` from it.
void ChooseFromContextMenu(QWidget& widget, const QString& item) {
  QTimer::singleShot(0, [item] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    for (QAction* action : menu->actions()) {
      if (action->text() == item) menu->setActiveAction(action);
    }
    QVERIFY(menu->activeAction());
    QTest::keyClick(menu, Qt::Key_Return);
  });
  const QPoint at(widget.width() - 4, widget.height() / 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget.mapToGlobal(at));
  QApplication::sendEvent(&widget, &event);
}

void Press(QWidget& window, int key) {
  QTest::keyClick(window.focusWidget(), static_cast<Qt::Key>(key));
}

using Log = std::vector<std::string>;

class ChartRecorder : public ChartEvents {
 public:
  ChartSurface* surface = nullptr;
  int paints = 0, ticks = 0;
  void OnPaint() override {
    ++paints;
    const PixelRect r = surface->ClientRect();
    DrawOp fill;
    fill.kind = DrawOp::Kind::kFill;
    fill.colour = colours::kRed;
    fill.to = {r.right, r.bottom};
    surface->Draw({&fill, 1});
  }
  void OnTimer(int) override { ++ticks; }
};

}  // namespace

class QtBackendTest : public QObject {
  Q_OBJECT
 private slots:
  void UnitsRoundHalfUpFromTheDialogFont();
  void EveryTemplateBuildsWithItsControlsInPlace();
  void ClicksEnterAndEscapeBecomeCommands();
  void ADialogEndedInItsStartIsNeverShown();
  void BarsClampAndTakeColourRefs();
  void ScrollBarsReportAndStayTrackbarsMoveThenReport();
  void TabReachesEveryTabStopInTemplateOrder();
  void TimersKeepTheirRhythmAndStopWithTheDialog();
  void TheChartKeepsItsPictureAndPaintsOnInvalidate();
  void CaptureIconAndTheSystemMenuItem();
  void StopSignalsEndTheWindowsFromTheInnermost();

 private:
  QtWindowSystem windows_;
};

void QtBackendTest::UnitsRoundHalfUpFromTheDialogFont() {
  const DialogUnits units(6, 13);
  QCOMPARE(units.Rect(15, 195, 190, 10), QRect(23, 317, 285, 16));  // 22.5 and 316.9 round up
  QCOMPARE(DialogUnits(7, 16).X(-3), -5);                           // -5.25
  const QFont font = DialogFont("No Such Face Anywhere", 8);
  QCOMPARE(font.pointSize(), 8);
  QVERIFY(font.family() != QStringLiteral("No Such Face Anywhere"));
  const DialogUnits fromFont = DialogUnits::FromFont(font);
  const QFontMetrics metrics(font);
  QCOMPARE(fromFont.BaseY(), metrics.height());
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  QVERIFY(std::abs(fromFont.BaseX() * 52 - letters) <= 26);  // the average, rounded
}

void QtBackendTest::EveryTemplateBuildsWithItsControlsInPlace() {
  for (int id : {res::kAboutBox, res::kLinkMonitor, res::kAntennaTest, res::kAirScan,
                 res::kPowerControl, res::kAntennaInfo}) {
    const res::DialogTemplate& t = Template(id);
    std::set<int> ids;
    for (const res::ControlTemplate& c : t.controls) {
      QVERIFY2(c.id == res::kNoId || ids.insert(c.id).second, qPrintable(QString::number(c.id)));
    }
    QDialog dialog;
    const DialogControls controls = BuildDialog(t, dialog);
    QCOMPARE(controls.Items().size(), ids.size());
    QCOMPARE(dialog.windowTitle().toStdString(), std::string(t.caption));
    const DialogUnits units = UnitsOf(dialog);
    QCOMPARE(dialog.minimumSize(), QSize(units.X(t.w), units.Y(t.h)));
    QCOMPARE(dialog.maximumSize(), dialog.minimumSize());
    dialog.show();
    for (const res::ControlTemplate& c : t.controls) {
      if (c.id == res::kNoId || c.kind == res::ControlKind::kIcon) continue;
      QWidget* control = controls.Item(c.id);
      QCOMPARE(control->geometry(), units.Rect(c.x, c.y, c.w, c.h));
      QCOMPARE(control->isVisible(), !(c.style & res::kHidden));
      QCOMPARE(control->isEnabled(), !(c.style & res::kDisabled));
      // Frames stay behind what they frame, whatever their template order.
      if (control->isVisible()) QCOMPARE(dialog.childAt(control->geometry().center()), control);
    }
  }
  QCOMPARE(Template(res::kAntennaTest).caption,
           "Antenna -  VSWR \xE2\x80\x94 Voltage Standing Wave Ratio");
}

void QtBackendTest::ClicksEnterAndEscapeBecomeCommands() {
  Recorder power;
  bool checkedFirst = false;
  power.onCommand = [&] {
    checkedFirst =
        power.peer->IsChecked(1139) && !power.peer->IsChecked(1131) && !power.peer->IsChecked(1143);
  };
  RunShown(windows_, res::kPowerControl, power, [&](QWidget& window) {
    // Setting a check leaves the group alone; a click checks one alone.
    power.peer->SetCheck(1131, true);
    power.peer->SetCheck(1143, true);
    QVERIFY(power.peer->IsChecked(1131) && power.peer->IsChecked(1143));
    QTest::mouseClick(Control(window, *power.peer, 1139), Qt::LeftButton);
    QCOMPARE(power.Take(), Log{"command 1139"});
    QVERIFY(checkedFirst);
    QVERIFY(!power.peer->IsChecked(1134));  // the other group
  });

  struct Key {
    int templateId;
    int focus;  // 0: as the dialog starts
    int key;
    Log heard;
  };
  const Key keys[] = {
      {res::kAirScan, 1116, Qt::Key_Return, {"command 1"}},      // the default button, OK
      {res::kLinkMonitor, 0, Qt::Key_Return, {"command 1105"}},  // the focused button
      {res::kLinkMonitor, 1052, Qt::Key_Enter, {"command 1"}},   // no default button: IDOK
      {res::kAirScan, 1116, Qt::Key_Escape, {"command 2"}},      // the dialog decides
  };
  for (const Key& k : keys) {
    Recorder dialog;
    RunShown(windows_, k.templateId, dialog, [&](QWidget& window) {
      if (k.focus) dialog.peer->SetFocus(k.focus);
      Press(window, k.key);
      QCOMPARE(dialog.Take(), k.heard);
      QVERIFY(window.isVisible());
    });
  }

  Recorder closing;
  RunShown(windows_, res::kAntennaTest, closing, [&](QWidget& window) {
    window.close();
    QCOMPARE(closing.Take(), Log{"command 2"});
    QVERIFY(window.isVisible());
    closing.peer->SetItemText(4711, "nowhere");  // no such control: ignored
    QVERIFY(closing.peer->ItemText(4711).empty());
  });
}

void QtBackendTest::ADialogEndedInItsStartIsNeverShown() {
  Recorder dialog;
  ChartRecorder chart;
  std::unique_ptr<ChartSurface> surface;
  dialog.onInit = [&] {
    surface = dialog.peer->CreateChart(dialog.peer->ItemRect(1006), chart);
    chart.surface = surface.get();
    dialog.peer->SetTimer(3, 1);
    dialog.peer->EndModal(7);
  };
  QCOMPARE(windows_.RunModal(Template(res::kAntennaTest), dialog), 7);
  QCOMPARE(dialog.log, (Log{"attach", "detach"}));
  QCOMPARE(chart.paints, 0);  // the chart paints at its first showing
  QVERIFY(windows_.OpenDialogs().empty());
  // The window went first: the surface does nothing.
  surface->Invalidate();
  surface->SetTimer(1, 1);
  QTest::qWait(20);
  QCOMPARE(chart.paints + chart.ticks, 0);
}

void QtBackendTest::BarsClampAndTakeColourRefs() {
  Recorder dialog;
  RunShown(windows_, res::kLinkMonitor, dialog, [&](QWidget& window) {
    DialogPeer& peer = *dialog.peer;
    peer.SetBarRange(1016, 0, 100);
    peer.SetBarPos(1016, 50);
    peer.SetBarColor(1016, colours::kRed);
    peer.SetBarBackground(1016, colours::kBlue);
    QWidget& bar = *Control(window, peer, 1016);
    // Whether the bar shows red between `from` and `to` of its width.
    const auto redIn = [&bar](double from, double to) {
      const QImage image = bar.grab().toImage();
      for (int x = static_cast<int>(from * image.width()); x < to * image.width(); ++x) {
        if (image.pixelColor(x, image.height() / 2) == Qt::red) return true;
      }
      return false;
    };
    QVERIFY(redIn(0, 0.4) && !redIn(0.6, 1));
    QCOMPARE(bar.grab().toImage().pixelColor(bar.width() - 4, bar.height() / 2), QColor(Qt::blue));
    peer.SetBarPos(1016, 200);  // past the end: full
    QVERIFY(redIn(0.9, 1));

    peer.SetItemText(1052, "Associated - BSS ID = 00:60:1d:0a:0b:0c and then some more");
    QCOMPARE(qobject_cast<QLineEdit*>(Control(window, peer, 1052))->cursorPosition(), 0);
  });
}

void QtBackendTest::ScrollBarsReportAndStayTrackbarsMoveThenReport() {
  struct Move {
    int templateId;
    int id;
    std::function<void(QWidget& window, QWidget& control)> input;
    Log heard;  // "vscroll id code place" for trackbars
    int placeAfter;
  };
  const auto key = [](int k) { return [k](QWidget& window, QWidget&) { Press(window, k); }; };
  const auto menu = [](const char* item) {
    return [item](QWidget&, QWidget& control) {
      ChooseFromContextMenu(control, QString::fromLatin1(item));
    };
  };
  // "Clear" (1004) stands at 10 of 1..30; the "Zoom" trackbar (1116) at 50 of 1..97.
  const Move moves[] = {
      {res::kAntennaTest, 1004, key(Qt::Key_Left), {"hscroll 1004 0 0", "hscroll 1004 8 0"}, 10},
      {res::kAntennaTest, 1004, key(Qt::Key_PageUp), {"hscroll 1004 2 0", "hscroll 1004 8 0"}, 10},
      {res::kAntennaTest, 1004, key(Qt::Key_End), {"hscroll 1004 7 0", "hscroll 1004 8 0"}, 10},
      {res::kAntennaTest,
       1004,
       [](QWidget&, QWidget& bar) {
         QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 3, bar.height() / 2));
       },
       {"hscroll 1004 1 0", "hscroll 1004 8 0"},
       10},
      {res::kAntennaTest, 1004, menu("Scroll here"), {"hscroll 1004 4 30", "hscroll 1004 8 0"}, 10},
      {res::kAirScan, 1116, key(Qt::Key_Up), {"vscroll 1116 0 49", "vscroll 1116 8 49"}, 49},
      {res::kAirScan, 1116, key(Qt::Key_PageDown), {"vscroll 1116 3 60", "vscroll 1116 8 60"}, 60},
      {res::kAirScan, 1116, key(Qt::Key_End), {"vscroll 1116 7 97", "vscroll 1116 8 97"}, 97},
  };
  for (const Move& m : moves) {
    Recorder dialog;
    RunShown(windows_, m.templateId, dialog, [&](QWidget& window) {
      DialogPeer& peer = *dialog.peer;
      peer.SetScrollRange(1004, 1, 30, true);
      peer.SetScrollPos(1004, 10, true);
      peer.SetSliderRange(1116, 1, 97, false);
      peer.SetSliderPos(1116, 50, true);
      peer.SetFocus(m.id);
      m.input(window, *Control(window, peer, m.id));
      QCOMPARE(dialog.Take(), m.heard);
      QCOMPARE(m.id == 1004 ? peer.ScrollPos(m.id) : peer.SliderPos(m.id), m.placeAfter);
    });
  }
}

void QtBackendTest::TabReachesEveryTabStopInTemplateOrder() {
  struct Order {
    int templateId;
    std::vector<int> focus;  // from the start, then Tab after Tab
  };
  const Order orders[] = {
      {res::kAntennaTest, {1004, 1002, 1, 1007, 2, 1004}},
      {res::kLinkMonitor, {1105, 1112, 1024, 1020, 1, 1105}},  // the edits take no Tab
  };
  for (const Order& o : orders) {
    Recorder dialog;
    RunShown(windows_, o.templateId, dialog, [&](QWidget& window) {
      std::vector<int> focus{dialog.peer->FocusedItem()};
      while (focus.size() < o.focus.size()) {
        Press(window, Qt::Key_Tab);
        focus.push_back(dialog.peer->FocusedItem());
      }
      QCOMPARE(focus, o.focus);
    });
  }
}

void QtBackendTest::TimersKeepTheirRhythmAndStopWithTheDialog() {
  constexpr int kPeriod = 200;
  Recorder dialog;
  QElapsedTimer clock;
  std::vector<qint64> starts, ends;
  dialog.onTimer = [&](int) {
    starts.push_back(clock.elapsed());
    // The first tick overruns by one and a half periods.
    if (starts.size() == 1) std::this_thread::sleep_for(std::chrono::milliseconds(5 * kPeriod / 2));
    ends.push_back(clock.elapsed());
  };
  RunShown(windows_, res::kAirScan, dialog, [&](QWidget&) {
    clock.start();
    dialog.peer->SetTimer(1106, kPeriod);
    QTRY_VERIFY_WITH_TIMEOUT(starts.size() >= 4, 5000);
    // Due at 1, 2, 3 and 4 periods: the first tick ran until 3.5, so 2 and 3
    // were dropped and the next came at 4, neither a period after the late
    // tick's end nor at once.
    const qint64 gap = starts[1] - ends[0];
    QVERIFY2(gap > kPeriod / 20 && gap < kPeriod * 19 / 20, qPrintable(QString::number(gap)));
    dialog.peer->EndModal(0);
    const std::size_t ticks = starts.size();
    QTest::qWait(2 * kPeriod);
    QCOMPARE(starts.size(), ticks);
  });
}

void QtBackendTest::TheChartKeepsItsPictureAndPaintsOnInvalidate() {
  Recorder dialog;
  ChartRecorder chart;
  std::unique_ptr<ChartSurface> surface;
  dialog.onInit = [&] {
    surface = dialog.peer->CreateChart({40, 20, 240, 170}, chart);
    chart.surface = surface.get();
    surface->Invalidate();  // not showing yet: at the first showing
    surface->SetTimer(1, 10);
  };
  RunShown(windows_, res::kAntennaTest, dialog, [&](QWidget& window) {
    QCOMPARE(chart.paints, 1);
    QCOMPARE(surface->ClientRect(), (PixelRect{0, 0, 200, 150}));
    QWidget* view = window.childAt(140, 95);
    QVERIFY(view && !view->isEnabled());
    DrawOp dot;
    dot.kind = DrawOp::Kind::kPixel;
    dot.colour = colours::kBlue;
    dot.to = {5, 5};
    surface->Draw({&dot, 1});
    view->repaint();  // an exposure shows the kept picture
    QCOMPARE(chart.paints, 1);
    QImage picture = view->grab().toImage();
    QCOMPARE(picture.pixelColor(5, 5), QColor(Qt::blue));
    QCOMPARE(picture.pixelColor(6, 6), QColor(Qt::red));
    surface->Invalidate();
    QCOMPARE(chart.paints, 2);
    QTRY_VERIFY(chart.ticks >= 2);
    const TextExtent extent = surface->Extent("Channel");
    QVERIFY(extent.cx > 0 && extent.cy > 0 && extent.cy <= 17);
  });
  const int ticks = chart.ticks;
  QTest::qWait(30);
  QCOMPARE(chart.ticks, ticks);
}

void QtBackendTest::CaptureIconAndTheSystemMenuItem() {
  QTemporaryDir folder;
  Recorder dialog;
  RunShown(windows_, res::kLinkMonitor, dialog, [&](QWidget& window) {
    QVERIFY(dialog.peer->Capture(folder.filePath(QStringLiteral("main")).toStdString()));
    const QImage picture(folder.filePath(QStringLiteral("main.png")));
    QVERIFY(picture.width() >= window.width() && picture.height() >= window.height());
    QVERIFY(!dialog.peer->Capture(folder.filePath(QStringLiteral("no/such/folder")).toStdString()));

    dialog.peer->SetIcon(res::kApplicationIcon);
    QVERIFY(!window.windowIcon().isNull());
    dialog.peer->AddSystemMenuItem(16, "&About WLAN Quoril");
    QVERIFY(window.actions().front()->isSeparator());
    ChooseFromContextMenu(window, QStringLiteral("&About WLAN Quoril"));
    QCOMPARE(dialog.Take(), Log{"sys 16"});
  });
}

// Last: the flag stays raised.
void QtBackendTest::StopSignalsEndTheWindowsFromTheInnermost() {
  std::vector<std::string> bogus{"quoril", "--bogus"};
  QVERIFY(!StartPlatform(bogus).has_value());

  Recorder outer, inner;
  BoxAnswer answer = BoxAnswer::kRetry;
  int innerResult = 0;
  std::vector<std::string> order;
  outer.onInit = [&] {
    windows_.After(0, [&] {
      innerResult = windows_.RunModal(Template(res::kAirScan), inner);
      order.push_back("inner");
    });
  };
  inner.onInit = [&] {
    windows_.After(0, [&] {
      RaiseStopSignal();
      answer = windows_.Show({}, "WLAN Driver FAILURE: 00000001", BoxButtons::kRetryCancel,
                             BoxIcon::kNone);
      order.push_back("box");
    });
  };
  windows_.WatchStopSignals(20);
  QCOMPARE(windows_.RunModal(Template(res::kLinkMonitor), outer), 2);
  QCOMPARE(order, (std::vector<std::string>{"box", "inner"}));
  QCOMPARE(answer, BoxAnswer::kCancel);
  QCOMPARE(innerResult, 2);
  QCOMPARE(inner.log, (Log{"attach", "detach"}));  // ended, not cancelled: the scan's Start is 2
}

}  // namespace quoril

QTEST_MAIN(quoril::QtBackendTest)
#include "QtBackendTest.moc"
