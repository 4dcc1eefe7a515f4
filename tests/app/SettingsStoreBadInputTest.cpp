// The settings store as a user or another program may leave it: values that
// are not integers read as the default and are left as they are, and a
// folder that cannot be written ends the run with a message instead of
// losing the settings in silence.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "adapter/CAdapter.h"
#include "app/CWlanApp.h"
#include "app/CommandLine.h"
#include "res/qt/SettingsProfile.h"
#include "support/GuiTestSupport.h"

namespace quoril {

class SettingsStoreBadInputTest : public QObject {
  Q_OBJECT
 private slots:
  void StoredTextReadsAsANumberOrTheDefault();
  void ARunLeavesValuesItCannotReadAsTheyAre();
  void AFolderThatCannotBeWrittenIsReported();
};

namespace {

void WriteIni(const QString& file, const QByteArray& text) {
  QFile out(file);
  QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
  out.write(text);
}

QByteArray ReadAll(const QString& file) {
  QFile in(file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The user's store of this test program, in `folder`.
QString UseFolder(const QString& folder) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("WLAN Quoril"),
                   QCoreApplication::applicationName())
      .fileName();
}

// The program on the simulated card for 0.4 s, ended with Exit.
int RunBriefly(testing::ScriptedBoxes& boxes) {
  CWlanApp app;
  CAdapter adapter;
  CommandLine options;
  options.quitAfterMs = 400;
  return app.Start(options, adapter, boxes);
}

}  // namespace

void SettingsStoreBadInputTest::StoredTextReadsAsANumberOrTheDefault() {
  std::vector<std::pair<const char*, int>> cases = {
      {"-5", -5}, {"384", 384}, {"4294967295", -1}, {"@ByteArray(7)", 7}};
  for (const char* notANumber : {"high", "12abc", "", "1.5", "1e3", "0x80", "true", "1, 2",
                                 "@Invalid()", "99999999999999999999"}) {
    cases.emplace_back(notANumber, 128);  // the default
  }
  QTemporaryDir folder;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto& [stored, read] = cases[i];
    // A file each: the store caches what it read by file.
    const QString file = folder.filePath(QString::number(i) + QStringLiteral(".ini"));
    const QByteArray text = QByteArray("[TX_Power]\nTxPower=") + stored + "\n";
    WriteIni(file, text);
    const SettingsProfile profile(std::make_unique<QSettings>(file, QSettings::IniFormat));
    QVERIFY2(profile.ReadInt("TX_Power", "TxPower", 128) == read, stored);
    QCOMPARE(ReadAll(file), text);  // reading writes nothing
  }
}

void SettingsStoreBadInputTest::ARunLeavesValuesItCannotReadAsTheyAre() {
  QTemporaryDir folder;
  const QString file = UseFolder(folder.path());
  QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
  WriteIni(file,
           "[AntTest]\nColorBlue=blue\nResolution=1.5\nSpeed=fast\nWidth=\n"
           "[TX_Power]\nEx_TxPower=seven\nON_OFF_TxPower=yes\nTxPower=12abc\n");
  testing::ScriptedBoxes boxes;
  QCOMPARE(RunBriefly(boxes), 0);
  QVERIFY(boxes.shown.empty());

  QSettings after(file, QSettings::IniFormat);
  QCOMPARE(after.value(QStringLiteral("Adapter/InputAdapter")).toInt(), 1);
  QCOMPARE(after.value(QStringLiteral("TX_Power/TxPower")).toString(), QStringLiteral("12abc"));
  QCOMPARE(after.value(QStringLiteral("TX_Power/ON_OFF_TxPower")).toString(),
           QStringLiteral("yes"));
  QCOMPARE(after.value(QStringLiteral("AntTest/Speed")).toString(), QStringLiteral("fast"));
  QCOMPARE(after.value(QStringLiteral("AntTest/ColorBlue")).toString(), QStringLiteral("blue"));
}

void SettingsStoreBadInputTest::AFolderThatCannotBeWrittenIsReported() {
  // Below a plain file no folder can be made, whoever runs the test.
  QTemporaryDir folder;
  WriteIni(folder.filePath(QStringLiteral("blocker")), "not a folder\n");
  const QString file = UseFolder(folder.filePath(QStringLiteral("blocker/config")));
  testing::ScriptedBoxes boxes;
  QCOMPARE(RunBriefly(boxes), 0);
  QCOMPARE(boxes.shown.size(), std::size_t{1});
  QCOMPARE(boxes.shown[0].caption, std::string("Error!"));
  QCOMPARE(boxes.shown[0].text, "The settings could not be saved to " + file.toStdString() +
                                    ": the folder or the file cannot be written.");
}

}  // namespace quoril

QTEST_MAIN(quoril::SettingsStoreBadInputTest)
#include "SettingsStoreBadInputTest.moc"
