#include "res/qt/SettingsProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/SettingsTable.h"

namespace quoril {

namespace {

QString KeyOf(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

SettingsProfile::SettingsProfile()
    : settings_(std::make_unique<QSettings>(
          QSettings::NativeFormat, QSettings::UserScope,
          QString::fromUtf8(settings::kApplicationKey.data(),
                            static_cast<qsizetype>(settings::kApplicationKey.size())),
          QCoreApplication::applicationName())) {}

SettingsProfile::SettingsProfile(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

std::int32_t SettingsProfile::ReadInt(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
  const QVariant value = settings_->value(KeyOf(section, key));
  if (!value.isValid()) return defaultValue;
  bool ok = false;
  const qlonglong number = value.toLongLong(&ok);
  // Stored as 32 bits: larger numbers keep their low 32 bits, as a DWORD
  // read into an int does.
  return ok ? static_cast<std::int32_t>(static_cast<std::uint32_t>(number)) : defaultValue;
}

void SettingsProfile::WriteInt(std::string_view section, std::string_view key, std::int32_t value) {
  settings_->setValue(KeyOf(section, key), value);
  settings_->sync();
  if (settings_->status() != QSettings::NoError) saved_ = false;
}

std::string SettingsProfile::SaveProblem() const {
  if (saved_) return {};
  return "The settings could not be saved to " + settings_->fileName().toStdString() +
         ": the folder or the file cannot be written.";
}

std::filesystem::path SettingsFilePath(const SettingsProfile& profile) {
  const QString folder = QFileInfo(profile.Store().fileName()).absolutePath();
  // The profile's folder may not exist before its first write.
  QDir().mkpath(folder);
  return std::filesystem::path(folder.toStdString()) / "quoril.cfg";
}

}  // namespace quoril
