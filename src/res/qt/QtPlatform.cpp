// The windowed program's start on Qt: the application from the arguments Qt
// takes, the look, the profile in Qt's settings store, and the stop signals.

#include <QApplication>
#include <QString>
#include <iostream>
#include <span>

#include "app/Platform.h"
#include "app/SettingsTable.h"
#include "res/qt/QtOptions.h"
#include "res/qt/QtText.h"
#include "res/qt/QtWindowSystem.h"
#include "res/qt/Resources.h"
#include "res/qt/SettingsProfile.h"
#include "res/qt/StopSignals.h"

namespace quoril {

namespace {

constexpr int kStopWatchMs = 100;

void RefuseArgument(const std::string& arg) {
  std::cerr << "quoril: unknown argument: " << arg << "\nRun with --help for more information.\n";
}

// The dialogs were drawn for the classic Windows controls: etched frames
// with their titles on the line, push-like buttons that stay pressed. That
// look is the one to use, unless the user chose a style.
void UseClassicLook(bool styleChosen) {
  if (!styleChosen && !qEnvironmentVariableIsSet("QT_STYLE_OVERRIDE")) {
    QApplication::setStyle(QStringLiteral("Windows"));
  }
}

}  // namespace

std::optional<Platform> StartPlatform(std::vector<std::string>& toolkitArgs) {
  if (toolkitArgs.empty()) toolkitArgs.emplace_back("quoril");
  const std::span<const std::string> options(toolkitArgs.begin() + 1, toolkitArgs.end());
  if (const auto unknown = FindUnknownQtArgument(options)) {
    RefuseArgument(*unknown);
    return std::nullopt;
  }
  const bool styleChosen = ChoosesQtStyle(options);

  auto windows = std::make_unique<QtWindowSystem>(toolkitArgs);
  toolkitArgs = windows->Arguments();
  if (toolkitArgs.size() > 1) {
    RefuseArgument(toolkitArgs[1]);
    return std::nullopt;
  }
  QApplication::setOrganizationName(ToQString(settings::kApplicationKey));
  QApplication::setApplicationVersion(QStringLiteral(QUORIL_VERSION));
  QApplication::setWindowIcon(ApplicationIcon());
  UseClassicLook(styleChosen);

  InstallStopSignalHandlers();
  windows->WatchStopSignals(kStopWatchMs);

  auto profile = std::make_unique<SettingsProfile>();
  std::filesystem::path settingsFile = SettingsFilePath(*profile);
  return Platform{std::move(windows), std::move(profile), std::move(settingsFile)};
}

}  // namespace quoril
