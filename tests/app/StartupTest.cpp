// The program as a whole: its options, its start on the simulated card with
// the ways it can end, and runs of the real binary, whose settings are kept
// in its profile with the settings file beside it.

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "adapter/CAdapter.h"
#include "app/CWlanApp.h"
#include "app/CommandLine.h"
#include "support/GuiTestSupport.h"

namespace quoril {

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void OptionsLeaveQtItsOwn();
  void ABadScenarioOrNoCardEndsWithABoxAndSavesNothing();
  void TheProgramPollsAndEndsOnExitOrTerminationSavingItsSettings();

 private:
  QTemporaryDir config_;
};

namespace {

std::optional<int> Parse(std::vector<const char*> args, CommandLine& out) {
  out = {};
  args.insert(args.begin(), "quoril");
  return ParseCommandLine(static_cast<int>(args.size()), args.data(), out);
}

// The real program on the simulated card, tracing to `folder`/trace.txt and
// keeping its settings in `folder`.
void StartProgram(QProcess& program, const QTemporaryDir& folder, QStringList args) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
  program.setProcessEnvironment(env);
  args << QStringLiteral("--simulate")
       << QStringLiteral("--trace=") + folder.filePath(QStringLiteral("trace.txt"));
  program.start(QStringLiteral(QUORIL_PROGRAM), args);
}

QByteArray TraceOf(const QTemporaryDir& folder) {
  QFile file(folder.filePath(QStringLiteral("trace.txt")));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

void StartupTest::initTestCase() {
  QVERIFY(config_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
}

void StartupTest::OptionsLeaveQtItsOwn() {
  CommandLine out;
  QCOMPARE(Parse({}, out), std::nullopt);
  QVERIFY(!out.simulate);
  QCOMPARE(out.rest, std::vector<std::string>{"quoril"});

  QCOMPARE(Parse({"--simulate", "-platform", "offscreen"}, out), std::nullopt);
  QVERIFY(out.simulate && out.scenario.empty() && !out.styleChosen);
  QCOMPARE(out.rest, (std::vector<std::string>{"quoril", "-platform", "offscreen"}));

  QCOMPARE(Parse({"--simulate=lost-link", "--trace=-", "-style", "fusion"}, out), std::nullopt);
  QCOMPARE(out.scenario + " " + out.trace, std::string("lost-link -"));
  QVERIFY(out.styleChosen);

  QCOMPARE(Parse({"--simulate", "my card.json"}, out), std::nullopt);
  QCOMPARE(out.scenario, std::string("my card.json"));

  // Questions and mistakes end before any window; --trace needs a file.
  const std::pair<const char*, int> ends[] = {{"--help", 0},  {"--version", 0},
                                              {"--bogus", 2}, {"stray", 2},
                                              {"--trace", 2}, {"--quit-after=0", 2}};
  for (const auto& [arg, code] : ends) QCOMPARE(Parse({arg}, out), std::optional<int>(code));
}

void StartupTest::ABadScenarioOrNoCardEndsWithABoxAndSavesNothing() {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"no-such-scenario", 2, "Error!|"}, {"no-card", 0, "|Can not find the PC card WLAN"}};
  for (const auto& [scenario, code, box] : cases) {
    CWlanApp app;
    CAdapter adapter;
    testing::ScriptedBoxes boxes;
    CommandLine options;
    options.simulate = true;
    options.scenario = scenario;
    QCOMPARE(app.Start(options, adapter, boxes), code);
    QCOMPARE(boxes.shown.size(), std::size_t{1});
    const std::string shown = boxes.shown[0].caption + "|" + boxes.shown[0].text;
    QVERIFY2(shown.starts_with(box), shown.c_str());
    QVERIFY2(code == 0 || shown.find(scenario) != std::string::npos, shown.c_str());
    if (code == 2) QVERIFY(!adapter.IsConnected());
    QVERIFY(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("WLAN Quoril"),
                      QCoreApplication::applicationName())
                .allKeys()
                .isEmpty());
  }
}

void StartupTest::TheProgramPollsAndEndsOnExitOrTerminationSavingItsSettings() {
  for (const bool terminate : {false, true}) {
    QTemporaryDir folder;
    QProcess program;
    StartProgram(program, folder,
                 {QStringLiteral("--quit-after=%1").arg(terminate ? 60000 : 1600)});
    if (terminate) {
      // Once the poll runs, the program is in its window's loop.
      QTRY_VERIFY_WITH_TIMEOUT(TraceOf(folder).size() > 2000, 10000);
      program.terminate();
    }
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QSettings saved(folder.filePath(QStringLiteral("WLAN Quoril/quoril.conf")),
                          QSettings::IniFormat);
    QCOMPARE(saved.value(QStringLiteral("Adapter/InputAdapter")).toInt(), 1);
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("WLAN Quoril/quoril.cfg"))));
    const QByteArray trace = TraceOf(folder);
    const QByteArray last = trace.trimmed().split('\n').last();
    QVERIFY2(last.contains(" close handle="), last.constData());  // the adapter was closed
    // A poll every 300 ms, each ending with the signal query; the order
    // within a poll is the poll tick's and tested with it.
    const auto polls = trace.count("sent=02 00 43 fd status=");
    QVERIFY2(terminate || (polls >= 3 && polls <= 7), qPrintable(QString::number(polls)));
  }
}

}  // namespace quoril

QTEST_MAIN(quoril::StartupTest)
#include "StartupTest.moc"
