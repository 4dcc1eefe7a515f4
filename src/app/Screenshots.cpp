#include "app/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <iostream>

#include "antenna/CAntennaTestDlg.h"
#include "app/BoxAdapterUi.h"
#include "app/CLinkMonitorDlg.h"
#include "app/MemoryProfile.h"
#include "res/qt/QtMessageBoxes.h"

namespace quoril {

namespace {

constexpr int kTxPowerButton = 1105;
constexpr int kAirScanButton = 1024;
constexpr int kAntennaTestButton = 1112;
// The chart draws a few sweeps; the report fills in once a sweep has passed
// under it.
constexpr int kAntennaSweepsMs = 2000;
constexpr int kAntennaReportMs = 1500;

class Camera {
 public:
  explicit Camera(const QString& folder) : folder_(folder) {}

  void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }

  void Take(QWidget& window, const QString& name) {
    const QString path = folder_.filePath(name);
    if (!window.grab().save(path)) {
      std::cerr << "quoril: cannot write " << path.toStdString() << '\n';
      ok_ = false;
    }
  }

  // Runs `open`, which opens a modal dialog, and takes the dialog after
  // `ms`, then hands it to `then`, which ends it (with OK unless told).
  using Then = std::function<void(TemplateDialog&)>;
  void TakeModal(const std::function<void()>& open, int ms, const QString& name,
                 const Then& then = EndWithOk) {
    QTimer::singleShot(ms, [this, name, then] {
      auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
      if (!dialog) {
        std::cerr << "quoril: no window to take for " << name.toStdString() << '\n';
        ok_ = false;
        return;
      }
      Take(*dialog, name);
      then(*dialog);
    });
    open();
  }

  static void EndWithOk(TemplateDialog& dialog) { dialog.OnCommand(TemplateDialog::kIdOk); }

  bool Ok() const { return ok_; }

 private:
  QDir folder_;
  bool ok_ = true;
};

}  // namespace

int TakeScreenshots(CAdapter& adapter, const std::string& folder, bool simulatedCard) {
  const QString target = QString::fromStdString(folder);
  if (!QDir().mkpath(target)) {
    std::cerr << "quoril: cannot create " << folder << '\n';
    return 1;
  }
  QTemporaryDir scratch;
  MemoryProfile profile;
  QtMessageBoxes boxes;
  AppServices services{adapter, profile, boxes,
                       scratch.filePath(QStringLiteral("quoril.cfg")).toStdString(), simulatedCard};
  Camera camera(target);
  try {
    CLinkMonitorDlg main(services);
    main.Initialize();
    main.show();
    camera.Wait(6500);  // the third throughput update shows the first figure
    camera.Take(main, QStringLiteral("link-monitor.png"));
    camera.TakeModal([&main] { main.OnCommand(kTxPowerButton); }, 300,
                     QStringLiteral("power-control.png"));
    camera.TakeModal([&main] { main.OnCommand(kAirScanButton); }, 3000,
                     QStringLiteral("air-scan.png"));
    camera.TakeModal([&main] { main.OnSysCommand(CLinkMonitorDlg::kIdmAboutBox); }, 300,
                     QStringLiteral("about.png"));
    camera.TakeModal([&main] { main.OnCommand(kAntennaTestButton); }, kAntennaSweepsMs,
                     QStringLiteral("antenna-test.png"),
                     [&camera](TemplateDialog& test) {
                       camera.TakeModal([&test] { test.OnCommand(CAntennaTestDlg::kInformButton); },
                                        kAntennaReportMs, QStringLiteral("antenna-report.png"));
                       test.OnCommand(TemplateDialog::kIdCancel);
                     });
    main.OnCommand(TemplateDialog::kIdOk);
  } catch (const ProgramExit& exit) {
    return exit.code == 0 ? 1 : exit.code;
  }
  return camera.Ok() ? 0 : 1;
}

}  // namespace quoril
