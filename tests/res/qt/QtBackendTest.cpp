// The Qt backend's own mapping over the real templates: templates into
// windows, input into dialog events, peer calls into controls, timers, the
// chart surface, boxes and the stop signals. What the program's windows show
// the recording backend's window tests check.

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
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
  std::function<void()> onInit;
  std::function<void(int)> onTimer;

  void OnAttach(DialogPeer* p) override {
    peer = p;
    log.push_back(p ? "attach" : "detach");
  }
  bool OnInitDialog() override {
    if (onInit) onInit();
    return true;
  }
  void OnCommand(int id) override { Note("command", id); }
  void OnTimer(int id) override {
    if (onTimer) onTimer(id);
  }
  void OnHScroll(int id, ScrollCode code, int thumb) override {
    Note("hscroll", id, static_cast<int>(code), thumb);
  }
  // A trackbar has moved already: its place goes with the event.
  void OnVScroll(int id, ScrollCode code, int) override {
    Note("vscroll", id, static_cast<int>(code), peer->SliderPos(id));
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
    const DrawOp fill{DrawOp::Kind::kFill, colours::kRed, 1, {}, {r.right, r.bottom}, {}};
    surface->Draw({&fill, 1});
  }
  void OnTimer(int) override { ++ticks; }
};

}  // namespace

class QtBackendTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryTemplateBuildsWithItsControlsInPlace();
  void ClicksEnterAndEscapeBecomeCommands();
  void BarsClampAndTakeColourRefsAndTheWindowItsIcon();
  void ScrollBarsReportAndStayTrackbarsMoveThenReport();
  void TabReachesEveryTabStopInTemplateOrder();
  void TimersKeepTheirRhythmAndStopWithTheDialog();
  void TheChartKeepsItsPictureAndPaintsOnInvalidate();
  void StopSignalsEndTheWindowsFromTheInnermost();

 private:
  QtWindowSystem windows_;
};

void QtBackendTest::EveryTemplateBuildsWithItsControlsInPlace() {
  QCOMPARE(DialogUnits(6, 13).Rect(15, 195, 190, 10), QRect(23, 317, 285, 16));  // 22.5, 316.9
  QCOMPARE(DialogUnits(7, 16).X(-3), -5);                                        // -5.25
  for (int id : {res::kAboutBox, res::kLinkMonitor, res::kAntennaTest, res::kAirScan,
                 res::kPowerControl, res::kAntennaInfo}) {
    const res::DialogTemplate& t = Template(id);
    QDialog dialog;
    const DialogControls controls = BuildDialog(t, dialog);
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
}

void QtBackendTest::ClicksEnterAndEscapeBecomeCommands() {
  Recorder power;
  RunShown(windows_, res::kPowerControl, power, [&](QWidget& window) {
    // A click checks one button of its group alone; 1134 is of another group.
    for (int id : {1131, 1134}) power.peer->SetCheck(id, true);
    QTest::mouseClick(Control(window, *power.peer, 1139), Qt::LeftButton);
    QCOMPARE(power.Take(), Log{"command 1139"});
    QVERIFY(power.peer->IsChecked(1139) && !power.peer->IsChecked(1131));
    QVERIFY(power.peer->IsChecked(1134));
  });

  struct Key {
    int templateId;
    int focus;  // 0: as the dialog starts
    int key;    // 0: the close box
    Log heard;
  };
  const Key keys[] = {
      {res::kAirScan, 1116, Qt::Key_Return, {"command 1"}},      // the default button, OK
      {res::kLinkMonitor, 0, Qt::Key_Return, {"command 1105"}},  // the focused button
      {res::kLinkMonitor, 1052, Qt::Key_Enter, {"command 1"}},   // no default button: IDOK
      {res::kAirScan, 1116, Qt::Key_Escape, {"command 2"}},      // the dialog decides
      {res::kAntennaTest, 0, 0, {"command 2"}},
  };
  for (const Key& k : keys) {
    Recorder dialog;
    RunShown(windows_, k.templateId, dialog, [&](QWidget& window) {
      if (k.focus) dialog.peer->SetFocus(k.focus);
      k.key ? Press(window, k.key) : void(window.close());
      QCOMPARE(dialog.Take(), k.heard);
      QVERIFY(window.isVisible());
    });
  }
}

void QtBackendTest::BarsClampAndTakeColourRefsAndTheWindowItsIcon() {
  QTemporaryDir folder;
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

    QVERIFY(peer.Capture(folder.filePath(QStringLiteral("main")).toStdString()));
    QVERIFY(QImage(folder.filePath(QStringLiteral("main.png"))).width() >= window.width());
    peer.SetIcon(res::kApplicationIcon);
    QVERIFY(!window.windowIcon().isNull());
    peer.AddSystemMenuItem(16, "&About WLAN Quoril");
    ChooseFromContextMenu(window, QStringLiteral("&About WLAN Quoril"));
    QCOMPARE(dialog.Take(), Log{"sys 16"});
  });
}

// Keys, a click on an arrow and "Scroll here" reach the handler, then the
// end of the move; a scroll bar stays for the dialog to move, a trackbar
// moves first. "Clear" (1004) stands at 10 of 1..30; "Zoom" (1116) at 50 of 1..97.
void QtBackendTest::ScrollBarsReportAndStayTrackbarsMoveThenReport() {
  constexpr int kClick = -1, kScrollHere = -2;
  struct Move {
    int templateId, id, input;  // a key, kClick or kScrollHere
    Log heard;                  // "vscroll id code place" for trackbars
    int placeAfter;
  };
  const Move moves[] = {
      {res::kAntennaTest, 1004, Qt::Key_Left, {"hscroll 1004 0 0", "hscroll 1004 8 0"}, 10},
      {res::kAntennaTest, 1004, Qt::Key_PageUp, {"hscroll 1004 2 0", "hscroll 1004 8 0"}, 10},
      {res::kAntennaTest, 1004, kClick, {"hscroll 1004 1 0", "hscroll 1004 8 0"}, 10},
      {res::kAntennaTest, 1004, kScrollHere, {"hscroll 1004 4 30", "hscroll 1004 8 0"}, 10},
      {res::kAirScan, 1116, Qt::Key_Up, {"vscroll 1116 0 49", "vscroll 1116 8 49"}, 49},
      {res::kAirScan, 1116, Qt::Key_PageDown, {"vscroll 1116 3 60", "vscroll 1116 8 60"}, 60},
      {res::kAirScan, 1116, Qt::Key_End, {"vscroll 1116 7 97", "vscroll 1116 8 97"}, 97},
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
      QWidget& control = *Control(window, peer, m.id);
      if (m.input == kClick) {
        QTest::mouseClick(&control, Qt::LeftButton, {},
                          {control.width() - 3, control.height() / 2});
      } else if (m.input == kScrollHere) {
        ChooseFromContextMenu(control, QStringLiteral("Scroll here"));
      } else {
        Press(window, m.input);
      }
      QCOMPARE(dialog.Take(), m.heard);
      QCOMPARE(m.id == 1004 ? peer.ScrollPos(m.id) : peer.SliderPos(m.id), m.placeAfter);
    });
  }
}

void QtBackendTest::TabReachesEveryTabStopInTemplateOrder() {
  const std::pair<int, std::vector<int>> orders[] = {
      {res::kAntennaTest, {1004, 1002, 1, 1007, 2, 1004}},
      {res::kLinkMonitor, {1105, 1112, 1024, 1020, 1, 1105}},  // the edits take no Tab
  };
  for (const auto& order : orders) {
    Recorder dialog;
    RunShown(windows_, order.first, dialog, [&](QWidget& window) {
      std::vector<int> focus{dialog.peer->FocusedItem()};
      while (focus.size() < order.second.size()) {
        Press(window, Qt::Key_Tab);
        focus.push_back(dialog.peer->FocusedItem());
      }
      QCOMPARE(focus, order.second);
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
    const DrawOp dot{DrawOp::Kind::kPixel, colours::kBlue, 1, {}, {5, 5}, {}};
    surface->Draw({&dot, 1});
    view->repaint();  // an exposure shows the kept picture
    QCOMPARE(chart.paints, 1);
    QImage picture = view->grab().toImage();
    QCOMPARE(picture.pixelColor(5, 5), QColor(Qt::blue));
    QCOMPARE(picture.pixelColor(6, 6), QColor(Qt::red));
    surface->Invalidate();
    QCOMPARE(chart.paints, 2);
    QTRY_VERIFY(chart.ticks >= 2);
  });
  // The window went first: the surface stays and does nothing.
  const int ticks = chart.ticks;
  surface->Invalidate();
  QTest::qWait(30);
  QCOMPARE(chart.ticks, ticks);
  QCOMPARE(chart.paints, 2);
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
