// The settings store as a user or another program may leave it: values that
// are not integers read as the default and reading writes nothing.

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "res/qt/SettingsProfile.h"

namespace quoril {

class SettingsStoreBadInputTest : public QObject {
  Q_OBJECT
 private slots:
  void StoredTextReadsAsANumberOrTheDefault();
};

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
    QFile file(folder.filePath(QString::number(i) + QStringLiteral(".ini")));
    const QByteArray text = QByteArray("[TX_Power]\nTxPower=") + stored + "\n";
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    const SettingsProfile profile(
        std::make_unique<QSettings>(file.fileName(), QSettings::IniFormat));
    QVERIFY2(profile.ReadInt("TX_Power", "TxPower", 128) == read, stored);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), text);  // reading writes nothing
    file.close();
  }
}

}  // namespace quoril

QTEST_MAIN(quoril::SettingsStoreBadInputTest)
#include "SettingsStoreBadInputTest.moc"
