#include "app/CWlanApp.h"

#include <iostream>

#include "adapter/CAdapter.h"
#include "app/CLinkMonitorDlg.h"
#include "app/CardSetup.h"
#include "app/Screenshots.h"

namespace quoril {

namespace {

constexpr int kUsageExit = 2;

// --quit-after: the main window's Exit, if it is still open by then.
void ExitAfter(WindowSystem& windows, int ms) {
  windows.After(ms, [&windows] {
    for (const WindowSystem::OpenDialog& open : windows.OpenDialogs()) {
      if (open.dialogTemplate->id == res::kLinkMonitor) open.events->OnCommand(CDialog::IDOK);
    }
  });
}

}  // namespace

CWlanApp::CWlanApp() = default;
CWlanApp::~CWlanApp() = default;

int CWlanApp::Start(const CommandLine& options, Platform& platform, CAdapter& adapter) {
  if (&options != &options_) options_ = options;
  platform_ = &platform;
  adapter_ = &adapter;
  WindowSystem& windows = *platform.windows;
  CardOptions cardOptions;
  if (options_.simulate) cardOptions.simulate = options_.scenario;
  cardOptions.trace = options_.trace;
  cardOptions.record = options_.record;
  cardOptions.maskAddresses = options_.recordMaskAddresses;
  Card card;
  try {
    card = SetUpCard(cardOptions);
  } catch (const CardSetupError& e) {
    std::cerr << "quoril: " << e.what() << '\n';
    windows.Show("Error!", e.what(), BoxButtons::kOk, BoxIcon::kExclamation);
    return kUsageExit;
  }
  simulated_ = card.simulated;

  try {
    adapterUi_ = std::make_unique<BoxAdapterUi>(windows, card.libraryProblem);
    adapter.Connect(std::move(card.library), *adapterUi_);
  } catch (const CAdapter::Initialization&) {
    ShowSetupFailure(windows);
    return kSetupFailureExit;
  }
  if (!options_.screenshots.empty()) {
    return TakeScreenshots(adapter, windows, options_.screenshots, simulated_);
  }
  InitInstance();
  return exitCode_;
}

bool CWlanApp::InitInstance() {
  AppServices services{*adapter_, *platform_->profile, *platform_->windows, platform_->settingsFile,
                       simulated_};
  try {
    CLinkMonitorDlg dialog(services);
    if (options_.quitAfterMs > 0) ExitAfter(services.windows, options_.quitAfterMs);
    dialog.DoModal();
    exitCode_ = dialog.ExitCode();
  } catch (const ProgramExit& exit) {
    exitCode_ = exit.code;
  } catch (const CAdapter::Initialization&) {
    // The adapter said why in its own box; a second one would add nothing.
    exitCode_ = kSetupFailureExit;
  }
  ReportSaveProblem();
  return false;
}

void CWlanApp::ReportSaveProblem() {
  const std::string problem = platform_->profile->SaveProblem();
  if (problem.empty()) return;
  std::cerr << "quoril: " << problem << '\n';
  platform_->windows->Show("Error!", problem, BoxButtons::kOk, BoxIcon::kExclamation);
}

}  // namespace quoril
