// The program as a whole: its options, its profile, its start on the
// simulated card with the ways it can end, and a run of the real binary.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "adapter/CAdapter.h"
#include "app/CWlanApp.h"
#include "app/CommandLine.h"
#include "app/SettingsProfile.h"
#include "support/GuiTestSupport.h"

namespace quoril {

using testing::ScriptedBoxes;

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void init();
  void OptionsLeaveQtItsOwn();
  void MistakesAndQuestionsEndBeforeAnyWindow();
  void ProfileReadsIntegersAndDefaults();
  void ABadScenarioOrTraceFileEndsWithAMessage();
  void NoCardEndsWithZeroAndSavesNothing();
  void ARunSavesTheAdapterSettingsAtExit();
  void TheProgramPollsTheSimulatedCardInOrder();
  void ATerminationSignalEndsTheProgramAsExitDoes();

 private:
  QTemporaryDir config_;
};

namespace {

std::optional<int> Parse(std::vector<const char*> args, CommandLine& out) {
  args.insert(args.begin(), "quoril");
  return ParseCommandLine(static_cast<int>(args.size()), args.data(), out);
}

QSettings UserSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("WLAN Quoril"),
                   QCoreApplication::applicationName());
}

}  // namespace

void StartupTest::initTestCase() {
  QVERIFY(config_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
}

void StartupTest::init() {
  UserSettings().clear();
}

void StartupTest::OptionsLeaveQtItsOwn() {
  CommandLine plain;
  QCOMPARE(Parse({}, plain), std::nullopt);
  QVERIFY(!plain.simulate);
  QCOMPARE(plain.rest, std::vector<std::string>{"quoril"});

  CommandLine bare;
  QCOMPARE(Parse({"--simulate", "-platform", "offscreen"}, bare), std::nullopt);
  QVERIFY(bare.simulate);
  QVERIFY(bare.scenario.empty());
  QCOMPARE(bare.rest, (std::vector<std::string>{"quoril", "-platform", "offscreen"}));
  QVERIFY(!bare.styleChosen);

  CommandLine named;
  QCOMPARE(Parse({"--simulate=lost-link", "--trace=-", "-style", "fusion"}, named), std::nullopt);
  QCOMPARE(named.scenario, std::string("lost-link"));
  QCOMPARE(named.trace, std::string("-"));
  QVERIFY(named.styleChosen);

  CommandLine file;
  QCOMPARE(Parse({"--simulate", "my card.json"}, file), std::nullopt);
  QCOMPARE(file.scenario, std::string("my card.json"));
}

void StartupTest::MistakesAndQuestionsEndBeforeAnyWindow() {
  CommandLine out;
  QCOMPARE(Parse({"--help"}, out), std::optional<int>(0));
  QCOMPARE(Parse({"--version"}, out), std::optional<int>(0));
  QCOMPARE(Parse({"--bogus"}, out), std::optional<int>(2));
  QCOMPARE(Parse({"stray"}, out), std::optional<int>(2));
  QCOMPARE(Parse({"--trace"}, out), std::optional<int>(2));  // a file is needed
  QCOMPARE(Parse({"--quit-after=0"}, out), std::optional<int>(2));
}

void StartupTest::ProfileReadsIntegersAndDefaults() {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("profile.ini"));
  SettingsProfile profile(std::make_unique<QSettings>(file, QSettings::IniFormat));
  QCOMPARE(profile.ReadInt("TX_Power", "TxPower", 128), 128);
  QVERIFY(!QFile::exists(file));  // reading writes nothing
  profile.WriteInt("TX_Power", "TxPower", 384);
  QCOMPARE(profile.ReadInt("TX_Power", "TxPower", 128), 384);
  QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("TX_Power/TxPower")).toInt(),
           384);

  profile.Store().setValue(QStringLiteral("Adapter/InputAdapter"), QStringLiteral("yes"));
  QCOMPARE(profile.ReadInt("Adapter", "InputAdapter", 0), 0);  // not a number: the default
  profile.Store().setValue(QStringLiteral("Adapter/OutputAdapter"), QStringLiteral("4294967295"));
  QCOMPARE(profile.ReadInt("Adapter", "OutputAdapter", 0), -1);

  const std::filesystem::path cfg = SettingsFilePath(profile);
  QCOMPARE(QString::fromStdString(cfg.filename().string()), QStringLiteral("quoril.cfg"));
  QCOMPARE(QDir(QString::fromStdString(cfg.parent_path().string())), QDir(folder.path()));
}

void StartupTest::ABadScenarioOrTraceFileEndsWithAMessage() {
  QTemporaryDir folder;
  const QString bad = folder.filePath(QStringLiteral("bad.json"));
  QFile out(bad);
  QVERIFY(out.open(QIODevice::WriteOnly));
  out.write("{\"link\": {\"phases\": [ {\"portStatus\": 300} ]}}");
  out.close();
  {
    CWlanApp app;
    CAdapter adapter;
    ScriptedBoxes boxes;
    CommandLine options;
    options.simulate = true;
    options.scenario = bad.toStdString();
    QCOMPARE(app.Start(options, adapter, boxes), 2);
    QCOMPARE(boxes.shown.size(), std::size_t{1});
    QCOMPARE(boxes.shown[0].caption, std::string("Error!"));
    QVERIFY(boxes.shown[0].text.find("bad.json") != std::string::npos);
    QVERIFY(!adapter.IsConnected());
  }
  {
    CWlanApp app;
    CAdapter adapter;
    ScriptedBoxes boxes;
    CommandLine options;
    options.trace = folder.filePath(QStringLiteral("no/such/folder/trace.txt")).toStdString();
    QCOMPARE(app.Start(options, adapter, boxes), 2);
    QVERIFY(boxes.shown.at(0).text.find("trace.txt") != std::string::npos);
  }
}

void StartupTest::NoCardEndsWithZeroAndSavesNothing() {
  CWlanApp app;
  CAdapter adapter;
  ScriptedBoxes boxes;
  CommandLine options;
  options.simulate = true;
  options.scenario = "no-card";
  QCOMPARE(app.Start(options, adapter, boxes), 0);
  QCOMPARE(boxes.shown.size(), std::size_t{1});
  QCOMPARE(boxes.shown[0].text, std::string("Can not find the PC card WLAN"));
  QVERIFY(UserSettings().allKeys().isEmpty());
}

void StartupTest::ARunSavesTheAdapterSettingsAtExit() {
  CWlanApp app;
  CAdapter adapter;
  ScriptedBoxes boxes;
  CommandLine options;
  options.quitAfterMs = 400;
  QCOMPARE(app.Start(options, adapter, boxes), 0);
  QVERIFY(boxes.shown.empty());
  QSettings settings = UserSettings();
  QCOMPARE(settings.value(QStringLiteral("Adapter/InputAdapter")).toInt(), 1);
  QCOMPARE(settings.value(QStringLiteral("Adapter/OutputAdapter")).toInt(), 0);
  QVERIFY(!settings.contains(QStringLiteral("TX_Power/TxPower")));
  const QString folder = QFileInfo(settings.fileName()).absolutePath();
  QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("quoril.cfg"))));
}

void StartupTest::TheProgramPollsTheSimulatedCardInOrder() {
  QTemporaryDir folder;
  const QString trace = folder.filePath(QStringLiteral("trace.txt"));
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(QUORIL_PROGRAM),
                {QStringLiteral("--simulate"), QStringLiteral("--trace=") + trace,
                 QStringLiteral("--quit-after=1600")});
  QVERIFY(program.waitForFinished(20000));
  QCOMPARE(program.exitStatus(), QProcess::NormalExit);
  QCOMPARE(program.exitCode(), 0);

  QFile file(trace);
  QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
  // One poll: from the BSS ID query to the signal query.
  static const QRegularExpression request(
      QStringLiteral("^[0-9.]+ (query|set) \\S+ len=\\d+ sent=([0-9a-f ]+?) status="));
  std::vector<std::vector<QString>> polls;
  bool inPoll = false;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine());
    const auto match = request.match(line);
    if (!match.hasMatch()) continue;
    const QString sent = match.captured(2);
    if (sent == QLatin1String("04 00 42 fd")) {
      polls.emplace_back();
      inPoll = true;
    }
    if (inPoll) polls.back().push_back(sent);
    if (sent == QLatin1String("02 00 43 fd")) inPoll = false;
  }
  QVERIFY2(polls.size() >= 3 && polls.size() <= 7, qPrintable(QString::number(polls.size())));
  const QStringList head = {"04 00 42 fd", "02 00 44 fd", "30 00 3e 00",
                            "30 00 74 00", "30 00 7c 00", "30 00 66 00"};
  const QStringList tail = {"02 00 c1 fd", "02 00 40 fd", "12 01 02 02", "13 01 02 02",
                            "10 01 02 02", "11 01 02 02", "02 00 43 fd"};
  for (const auto& poll : polls) {
    QVERIFY(poll.size() >= 13 && poll.size() <= 16);
    for (qsizetype i = 0; i < head.size(); ++i)
      QCOMPARE(poll[static_cast<std::size_t>(i)], head[i]);
    for (qsizetype i = 0; i < tail.size(); ++i) {
      QCOMPARE(poll[poll.size() - static_cast<std::size_t>(tail.size() - i)], tail[i]);
    }
  }
}

void StartupTest::ATerminationSignalEndsTheProgramAsExitDoes() {
  QTemporaryDir folder;
  const QString trace = folder.filePath(QStringLiteral("trace.txt"));
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(QUORIL_PROGRAM),
                {QStringLiteral("--simulate"), QStringLiteral("--trace=") + trace});
  QVERIFY(program.waitForStarted());
  // Once the poll runs, the program is in its window's loop.
  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(trace).size() > 2000, 10000);
  program.terminate();
  QVERIFY(program.waitForFinished(10000));
  QCOMPARE(program.exitStatus(), QProcess::NormalExit);
  QCOMPARE(program.exitCode(), 0);
  const QSettings saved(folder.filePath(QStringLiteral("WLAN Quoril/quoril.conf")),
                        QSettings::IniFormat);
  QCOMPARE(saved.value(QStringLiteral("Adapter/InputAdapter")).toInt(), 1);
  QFile file(trace);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray last = file.readAll().trimmed().split('\n').last();
  QVERIFY2(last.contains(" close handle="), last.constData());  // the adapter was closed
}

}  // namespace quoril

QTEST_MAIN(quoril::StartupTest)
#include "StartupTest.moc"
