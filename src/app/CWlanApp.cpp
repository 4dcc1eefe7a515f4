#include "app/CWlanApp.h"

#include <QApplication>
#include <QTimer>
#include <iostream>
#include <vector>

#include "adapter/CAdapter.h"
#include "app/BoxAdapterUi.h"
#include "app/CLinkMonitorDlg.h"
#include "app/CardSetup.h"
#include "app/QtMessageBoxes.h"
#include "app/Screenshots.h"
#include "app/SettingsProfile.h"
#include "app/SettingsTable.h"
#include "app/StopRequest.h"
#include "res/Resources.h"

namespace quoril {

namespace {

constexpr int kUsageExit = 2;

// The dialogs were drawn for the classic Windows controls: etched frames
// with their titles on the line, push-like buttons that stay pressed. Where
// the platform's own look is something else, that look is the one to use,
// unless the user chose a style.
void UseClassicLook(bool styleChosen) {
#ifndef Q_OS_WIN
  if (!styleChosen && !qEnvironmentVariableIsSet("QT_STYLE_OVERRIDE")) {
    QApplication::setStyle(QStringLiteral("Windows"));
  }
#else
  (void)styleChosen;
#endif
}

}  // namespace

CWlanApp::CWlanApp() = default;
CWlanApp::~CWlanApp() = default;

int CWlanApp::Run(int argc, char* argv[], CAdapter& adapter) {
  if (const auto handled = ParseCommandLine(argc, argv, options_)) return *handled;

  // Qt sees only what the program left for it, and takes its own options.
  std::vector<char*> qtArgv;
  for (std::string& arg : options_.rest) qtArgv.push_back(arg.data());
  qtArgv.push_back(nullptr);
  int qtArgc = static_cast<int>(qtArgv.size()) - 1;
  QApplication application(qtArgc, qtArgv.data());
  QApplication::setOrganizationName(QString::fromUtf8(settings::kApplicationKey.data()));
  QApplication::setApplicationVersion(QStringLiteral(QUORIL_VERSION));
  QApplication::setWindowIcon(ApplicationIcon());
  UseClassicLook(options_.styleChosen);

  const QStringList unknown = QApplication::arguments().mid(1);
  if (!unknown.isEmpty()) {
    std::cerr << "quoril: unknown argument: " << unknown.first().toStdString()
              << "\nRun with --help for more information.\n";
    return kUsageExit;
  }
  InstallStopHandlers();
  WatchStopRequests();
  return Start(options_, adapter, screenBoxes_);
}

int CWlanApp::Start(const CommandLine& options, CAdapter& adapter, MessageBoxes& boxes) {
  if (&options != &options_) options_ = options;
  boxes_ = &boxes;
  adapter_ = &adapter;
  CardOptions cardOptions;
  if (options_.simulate) cardOptions.simulate = options_.scenario;
  cardOptions.trace = options_.trace;
  Card card;
  try {
    card = SetUpCard(cardOptions);
  } catch (const CardSetupError& e) {
    std::cerr << "quoril: " << e.what() << '\n';
    boxes.Show("Error!", e.what(), BoxButtons::kOk, BoxIcon::kExclamation);
    return kUsageExit;
  }
  simulated_ = card.simulated;

  try {
    adapterUi_ = std::make_unique<BoxAdapterUi>(boxes, card.libraryProblem);
    adapter.Connect(std::move(card.library), *adapterUi_);
  } catch (const CAdapter::Initialization&) {
    ShowSetupFailure(boxes);
    return kSetupFailureExit;
  }
  if (!options_.screenshots.empty())
    return TakeScreenshots(adapter, options_.screenshots, simulated_);
  InitInstance();
  return exitCode_;
}

bool CWlanApp::InitInstance() {
  SettingsProfile profile;
  AppServices services{*adapter_, profile, *boxes_, SettingsFilePath(profile), simulated_};
  try {
    CLinkMonitorDlg dialog(services);
    if (options_.quitAfterMs > 0) {
      QTimer::singleShot(options_.quitAfterMs, &dialog,
                         [&dialog] { dialog.OnCommand(TemplateDialog::kIdOk); });
    }
    dialog.DoModal();
    exitCode_ = dialog.ExitCode();
  } catch (const ProgramExit& exit) {
    exitCode_ = exit.code;
  } catch (const CAdapter::Initialization&) {
    ShowSetupFailure(*boxes_);
    exitCode_ = kSetupFailureExit;
  }
  // The window saved its settings as it closed; say so when they are lost.
  if (!profile.Saved()) {
    const std::string text = "The settings could not be saved to " +
                             profile.Store().fileName().toStdString() +
                             ": the folder or the file cannot be written.";
    std::cerr << "quoril: " << text << '\n';
    boxes_->Show("Error!", text, BoxButtons::kOk, BoxIcon::kExclamation);
  }
  return false;
}

}  // namespace quoril
