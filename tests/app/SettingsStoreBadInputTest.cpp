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
#include "app/SettingsProfile.h"
#include "support/GuiTestSupport.h"

namespace quoril {

class SettingsStoreBadInputTest : public QObject {
  Q_OBJECT
 private slots:
  void StoredTextReadsAsANumberOrTheDefault_data();
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

void SettingsStoreBadInputTest::StoredTextReadsAsANumberOrTheDefault_data() {
  QTest::addColumn<QByteArray>("stored");
  QTest::addColumn<int>("read");
  QTest::newRow("word") << QByteArray("high") << 128;
  QTest::newRow("number and word") << QByteArray("12abc") << 128;
  QTest::newRow("empty") << QByteArray("") << 128;
  QTest::newRow("fraction") << QByteArray("1.5") << 128;
  QTest::newRow("exponent") << QByteArray("1e3") << 128;
  QTest::newRow("hex") << QByteArray("0x80") << 128;
  QTest::newRow("boolean") << QByteArray("true") << 128;
  QTest::newRow("list") << QByteArray("1, 2") << 128;
  QTest::newRow("invalid") << QByteArray("@Invalid()") << 128;
  QTest::newRow("beyond 64 bits") << QByteArray("99999999999999999999") << 128;
  QTest::newRow("negative") << QByteArray("-5") << -5;
  QTest::newRow("above a byte") << QByteArray("384") << 384;
  QTest::newRow("32 bits") << QByteArray("4294967295") << -1;
  QTest::newRow("byte array") << QByteArray("@ByteArray(7)") << 7;
}

void SettingsStoreBadInputTest::StoredTextReadsAsANumberOrTheDefault() {
  QFETCH(QByteArray, stored);
  QFETCH(int, read);
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("profile.ini"));
  WriteIni(file, "[TX_Power]\nTxPower=" + stored + "\n");
  const SettingsProfile profile(std::make_unique<QSettings>(file, QSettings::IniFormat));
  QCOMPARE(profile.ReadInt("TX_Power", "TxPower", 128), read);
  QCOMPARE(ReadAll(file), "[TX_Power]\nTxPower=" + stored + "\n");  // reading writes nothing
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
