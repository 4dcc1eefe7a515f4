#include "app/Screenshots.h"

#include <functional>
#include <iostream>
#include <system_error>

#include "antenna/CAntennaTestDlg.h"
#include "app/BoxAdapterUi.h"
#include "app/CLinkMonitorDlg.h"
#include "app/MemoryProfile.h"
#include "res/DialogPeer.h"

namespace quoril {

namespace {

constexpr int kTxPowerButton = 1105;
constexpr int kAirScanButton = 1024;
constexpr int kAntennaTestButton = 1112;
constexpr int kMainWindowMs = 6500;  // the third throughput update shows the first figure
constexpr int kDialogMs = 300;
constexpr int kAirScanMs = 3000;
// The chart draws a few sweeps; the report fills in once a sweep has passed
// under it.
constexpr int kAntennaSweepsMs = 2000;
constexpr int kAntennaReportMs = 1500;

class Camera {
 public:
  Camera(WindowSystem& windows, std::filesystem::path folder)
      : windows_(windows), folder_(std::move(folder)) {}

  // Takes the innermost open dialog as `name` and hands it to `then`.
  using Then = std::function<void(DialogEvents&)>;
  void Take(const char* name, const Then& then = {}) {
    if (windows_.OpenDialogs().empty()) {
      std::cerr << "quoril: no window to take for " << name << '\n';
      ok_ = false;
      return;
    }
    const WindowSystem::OpenDialog& dialog = windows_.OpenDialogs().back();
    if (!dialog.peer->Capture(folder_ / name)) {
      std::cerr << "quoril: cannot write " << (folder_ / name).string() << '\n';
      ok_ = false;
    }
    if (then) then(*dialog.events);
  }

  // Runs `open`, which opens a modal dialog; the dialog is taken after `ms`
  // and handed to `then`, which ends it (with OK unless told).
  void TakeModal(const std::function<void()>& open, int ms, const char* name,
                 const Then& then = EndWithOk) {
    windows_.After(ms, [this, name, then] { Take(name, then); });
    open();
  }

  static void EndWithOk(DialogEvents& dialog) { dialog.OnCommand(CDialog::IDOK); }

  bool Ok() const { return ok_; }

 private:
  WindowSystem& windows_;
  std::filesystem::path folder_;
  bool ok_ = true;
};

// The tour of the windows, once the main window has polled for a while.
void Tour(Camera& camera, CLinkMonitorDlg& main) {
  const auto command = [](DialogEvents& dialog, int id) {
    return [&dialog, id] { dialog.OnCommand(id); };
  };
  camera.Take("link-monitor");
  camera.TakeModal(command(main, kTxPowerButton), kDialogMs, "power-control");
  camera.TakeModal(command(main, kAirScanButton), kAirScanMs, "air-scan");
  camera.TakeModal([&main] { main.OnSysCommand(CLinkMonitorDlg::kIdmAboutBox); }, kDialogMs,
                   "about");
  camera.TakeModal(command(main, kAntennaTestButton), kAntennaSweepsMs, "antenna-test",
                   [&camera, &command](DialogEvents& test) {
                     camera.TakeModal(command(test, CAntennaTestDlg::kInformButton),
                                      kAntennaReportMs, "antenna-report");
                     test.OnCommand(CDialog::IDCANCEL);
                   });
  main.OnCommand(CDialog::IDOK);
}

}  // namespace

int TakeScreenshots(CAdapter& adapter, WindowSystem& windows, const std::filesystem::path& folder,
                    bool simulatedCard) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::cerr << "quoril: cannot create " << folder.string() << '\n';
    return 1;
  }
  MemoryProfile profile;
  AppServices services{adapter, profile, windows, {}, simulatedCard};
  Camera camera(windows, folder);
  try {
    CLinkMonitorDlg main(services);
    windows.After(kMainWindowMs, [&camera, &main] { Tour(camera, main); });
    main.DoModal();
  } catch (const ProgramExit& exit) {
    return exit.code == 0 ? 1 : exit.code;
  }
  return camera.Ok() ? 0 : 1;
}

}  // namespace quoril
