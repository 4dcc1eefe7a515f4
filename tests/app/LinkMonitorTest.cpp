// The main window on a scripted card: settings at start and exit, where each
// poll tick's figures go, the driver alarm, and the commands with the poll
// around them. Ticks are driven by calling the tick directly; what the
// figures are is the poll computation's business and tested there.

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "adapter/ScriptedLibrary.h"
#include "app/BoxAdapterUi.h"
#include "app/CLinkMonitorDlg.h"
#include "app/MemoryProfile.h"
#include "res/qt/BarControl.h"
#include "support/GuiTestSupport.h"

namespace quoril {

using namespace catalogue;
using testing::ScriptedBoxes;
using testing::WhenModal;
using Write = MemoryProfile::Write;

class LinkMonitorTest : public QObject {
  Q_OBJECT
 private slots:
  void LoadsSettingsAtStartAndSavesOnlyTheAdapterAtExit();
  void ACardMissingAtStartEndsTheProgramAndSavesNothing();
  void ACardLostLaterEndsTheWindowAndSavesNothing();
  void CaptionNamesTheSimulatedCard();
  void EachFigureGoesToItsControlAndBarsKeepTheirRanges();
  void RescanRestartsTheThroughput();
  void DriverOffStopsThePollAndClosesTheWindow();
  void DriverFailureAsksRetryOrCancel();
  void AirScanRunsWithThePollStoppedBetweenStartScanAndStopTest();
  void TxPowerKeepsPollingAndSavesOnlyOnOk();
  void AboutBoxOpensFromItsCommandWhileThePollGoesOn();
  void HiddenButtonsAndExit();
};

namespace {

constexpr int kSignalBar = 1016, kInterferenceBar = 1022, kLinkErrorBar = 1023;

// Services around an adapter, with a profile in memory and scripted boxes.
struct Services {
  explicit Services(CAdapter& adapter) : services{adapter, profile, boxes, File(), false} {}
  std::string File() const { return folder.filePath(QStringLiteral("quoril.cfg")).toStdString(); }

  QTemporaryDir folder;
  MemoryProfile profile;
  ScriptedBoxes boxes;
  AppServices services;
};

// A scripted card with one adapter that answers.
struct Rig : testing::CardScript, Services {
  Rig() : Services(adapter) {
    library().adapters.push_back({"PRISM2_1"});
    Link(4, 100, 17, 30);
  }
  void Link(std::uint8_t P, std::uint8_t S, std::uint8_t N, std::uint8_t L) {
    records[kRecordPortStatus] = {P, 0};
    SetSignal(S);
    registers[kRegRxLevel] = N;
    registers[kRegLinkErrors] = L;
  }
  std::unique_ptr<CLinkMonitorDlg> Open() {
    auto dialog = std::make_unique<CLinkMonitorDlg>(services);
    dialog->Initialize();
    return dialog;
  }
  // The command byte of the last test command sent.
  std::optional<std::uint8_t> LastTestCommand() {
    const auto requests = library().Requests();
    for (auto it = requests.rbegin(); it != requests.rend(); ++it) {
      const auto& sent = (*it)->sent;
      if ((*it)->oid == kOidCommand && sent.size() > 1 && sent[0] == kCmdTest) return sent[1];
    }
    return std::nullopt;
  }
};

// An adapter whose set-up messages are real boxes (scripted) and whose exit
// ends the program, as in the application. Once `failOpens` is set, the
// first request after it makes every later open fail.
struct BoxedRig : Services {
  BoxedRig() : Services(adapter) {
    auto scripted = std::make_unique<testing::ScriptedLibrary>();
    library = scripted.get();
    library->adapters.push_back({"PRISM2_1"});
    library->answer = [this](const NdisRequest&) {
      if (failOpens) library->adapters[0].opens = false;
      return 0u;
    };
    adapter.Connect(std::move(scripted), ui);
  }
  BoxAdapterUi ui{boxes};
  testing::ScriptedLibrary* library = nullptr;
  CAdapter adapter;
  bool failOpens = false;
};

void Tick(CLinkMonitorDlg& dialog, int times = 1) {
  for (int i = 0; i < times; ++i) dialog.OnTimer(CLinkMonitorDlg::kPollTimerId);
}

// How the window's start ended; the window is gone by then.
std::string StartOf(BoxedRig& rig) {
  CLinkMonitorDlg dialog(rig.services);
  try {
    dialog.Initialize();
  } catch (const ProgramExit& exit) {
    return "exit " + std::to_string(exit.code);
  } catch (const CAdapter::Initialization&) {
    return "initialization failed";
  }
  return "started";
}

std::vector<std::string> Shown(const ScriptedBoxes& boxes) {
  std::vector<std::string> out;
  for (const auto& box : boxes.shown) out.push_back(box.caption + "|" + box.text);
  return out;
}

BarControl& BarOf(const CLinkMonitorDlg& dialog, int id) {
  return *dialog.Item<BarControl>(id);
}

}  // namespace

void LinkMonitorTest::LoadsSettingsAtStartAndSavesOnlyTheAdapterAtExit() {
  Rig rig;
  rig.profile.WriteInt("TX_Power", "TxPower", 384);
  rig.profile.WriteInt("Adapter", "OutputAdapter", 5);
  const std::size_t stored = rig.profile.Writes().size();
  {
    auto dialog = rig.Open();
    QCOMPARE(rig.adapter.TxPowerValue, 128);  // low 8 bits of 384
    QCOMPARE(rig.adapter.InputAdapter, 1);    // the card was found
    QVERIFY(dialog->IsPolling());
    QCOMPARE(rig.profile.Writes().size(), stored);  // nothing is written at start
    QVERIFY(QFileInfo::exists(QString::fromStdString(rig.services.settingsFile)));
    QVERIFY(!dialog->GetDlgItem(1102)->isEnabled());
    QVERIFY(!dialog->GetDlgItem(1107)->isEnabled());
  }
  const std::vector<Write> atExit(rig.profile.Writes().begin() + stored,
                                  rig.profile.Writes().end());
  QCOMPARE(atExit,
           (std::vector<Write>{{"Adapter", "InputAdapter", 1}, {"Adapter", "OutputAdapter", 5}}));
}

void LinkMonitorTest::ACardMissingAtStartEndsTheProgramAndSavesNothing() {
  BoxedRig none;
  none.library->adapters.clear();
  QCOMPARE(StartOf(none), std::string("exit 0"));
  QCOMPARE(Shown(none.boxes), std::vector<std::string>{"|Can not find the PC card WLAN"});
  QVERIFY(none.profile.Writes().empty());

  // The application shows the box for this one.
  BoxedRig unopenable;
  unopenable.failOpens = true;  // the probe's open works, the second fails
  QCOMPARE(StartOf(unopenable), std::string("initialization failed"));
  QVERIFY(unopenable.profile.Writes().empty());
}

void LinkMonitorTest::ACardLostLaterEndsTheWindowAndSavesNothing() {
  struct Case {
    bool unopenable;
    int exitCode;
    std::vector<std::string> boxes;
  };
  const Case cases[] = {
      {false, 0, {"|Can not find the PC card WLAN"}},
      {true,
       kSetupFailureExit,
       {"Error!|In InitInputAdapter: hInputAdapter == INVALID_HANDLE_VALUE",
        "Error!|The adapter could not be set up."}},
  };
  for (const Case& c : cases) {
    BoxedRig rig;
    {
      CLinkMonitorDlg dialog(rig.services);
      dialog.Initialize();
      if (c.unopenable) {
        rig.failOpens = true;
      } else {
        rig.library->adapters.clear();
      }
      dialog.OnCommand(1018);  // the hidden "Wlan" button searches again
      QVERIFY(dialog.Ended() && !dialog.IsPolling());
      QCOMPARE(dialog.ExitCode(), c.exitCode);
    }
    QCOMPARE(Shown(rig.boxes), c.boxes);
    QVERIFY(rig.profile.Writes().empty());
  }
}

void LinkMonitorTest::CaptionNamesTheSimulatedCard() {
  Rig rig;
  QCOMPARE(CLinkMonitorDlg(rig.services).windowTitle(), QStringLiteral("WLAN Quoril"));
  rig.services.simulatedCard = true;
  QCOMPARE(CLinkMonitorDlg(rig.services).windowTitle(),
           QStringLiteral("WLAN Quoril (simulated card)"));
}

void LinkMonitorTest::EachFigureGoesToItsControlAndBarsKeepTheirRanges() {
  Rig rig;
  rig.Link(9, 120, 97, 4);  // every bar beyond its range
  rig.records[kRecordBssId] = {0x00, 0x60, 0x1d, 0x0a, 0x0b, 0x0c};
  rig.records[kRecordTxRate] = {4, 0};
  rig.records[kRecordChannel] = {6, 0};
  rig.registers[kRegTxPower] = 128;
  rig.registers[kRegPowerReading] = 129;
  auto dialog = rig.Open();
  Tick(*dialog);
  const std::pair<int, const char*> texts[] = {
      {1177, "PRISM II told - UNKNOW"},
      {1052, "Associated - BSS ID = 00:60:1d:0a:0b:0c"},
      {1113, "- 55.2 dBm"},
      {1114, "- 0 dBm"},
      {1054, "5.5"},
      {1053, "6"},
      {1061, "100.0"},
      {1062, "20.2"},
  };
  for (const auto& [id, text] : texts)
    QCOMPARE(dialog->GetDlgItemText(id), QString::fromLatin1(text));
  QCOMPARE(BarOf(*dialog, kSignalBar).Pos(), 109);
  QCOMPARE(BarOf(*dialog, kInterferenceBar).Pos(), 42);
  QCOMPARE(BarOf(*dialog, kLinkErrorBar).Pos(), 5);
  QCOMPARE(BarOf(*dialog, kSignalBar).BarColor(), QColor(0, 255, 0));
  QCOMPARE(BarOf(*dialog, kInterferenceBar).BarColor(), QColor(255, 0, 0));
  QCOMPARE(BarOf(*dialog, kLinkErrorBar).BarColor(), BarControl::DefaultBarColor());
  QCOMPARE(dialog->GetDlgItemText(1055), QString());  // no throughput before the sixth tick
  Tick(*dialog, 5);
  QCOMPARE(dialog->GetDlgItemText(1055) + dialog->GetDlgItemText(1056), QStringLiteral("00"));

  // Searching empties the signal bar and leaves its colour as it was.
  rig.Link(2, 100, 17, 30);
  Tick(*dialog);
  QCOMPARE(dialog->GetDlgItemText(1113), QStringLiteral("Scanning"));
  QCOMPARE(BarOf(*dialog, kSignalBar).Pos(), 0);
  QCOMPARE(BarOf(*dialog, kSignalBar).BarColor(), QColor(0, 255, 0));
}

void LinkMonitorTest::RescanRestartsTheThroughput() {
  Rig rig;
  auto dialog = rig.Open();
  Tick(*dialog, 6);
  QCOMPARE(rig.adapter.ThroughputWarmup, 1);
  dialog->OnCommand(1020);
  QCOMPARE(rig.library().Requests().back()->oid, kOidRescan);
  QCOMPARE(rig.adapter.ThroughputWarmup, 0);
  QVERIFY(dialog->IsPolling());
}

void LinkMonitorTest::DriverOffStopsThePollAndClosesTheWindow() {
  Rig rig;
  auto dialog = rig.Open();
  rig.signalRecordStatus = 6;
  bool pollingWhileShown = true;
  rig.boxes.whileShown = [&] { pollingWhileShown = dialog->IsPolling(); };
  Tick(*dialog);
  QCOMPARE(Shown(rig.boxes), std::vector<std::string>{"|WLAN Driver OFF"});
  QVERIFY(rig.boxes.shown[0].buttons == BoxButtons::kOk);
  QVERIFY(!pollingWhileShown);
  QVERIFY(dialog->Ended() && !dialog->IsPolling());
  QCOMPARE(dialog->EndResult(), TemplateDialog::kIdOk);
}

void LinkMonitorTest::DriverFailureAsksRetryOrCancel() {
  Rig rig;
  auto dialog = rig.Open();
  rig.signalRecordStatus = kNdisStatusFailure;  // no alarm
  Tick(*dialog, 3);
  QVERIFY(rig.boxes.shown.empty());

  rig.signalRecordStatus = 0xC0010015;
  rig.boxes.answers = {BoxAnswer::kRetry};
  Tick(*dialog);
  QVERIFY(rig.boxes.shown.back().buttons == BoxButtons::kRetryCancel);
  QVERIFY(!dialog->Ended() && dialog->IsPolling());

  rig.clearReg62Status = 0x1F;
  rig.registers[kRegLinkErrors] = 0;  // the tick ends with the 0x62 write
  rig.boxes.answers = {BoxAnswer::kCancel};
  Tick(*dialog);
  QCOMPARE(Shown(rig.boxes), (std::vector<std::string>{"|WLAN Driver FAILURE: c0010015",
                                                       "|WLAN Driver FAILURE: 0000001f"}));
  QVERIFY(dialog->Ended() && !dialog->IsPolling());
  QCOMPARE(dialog->EndResult(), TemplateDialog::kIdOk);
}

void LinkMonitorTest::AirScanRunsWithThePollStoppedBetweenStartScanAndStopTest() {
  Rig rig;
  rig.records[kRecordChannel] = {5, 0};
  auto dialog = rig.Open();
  Tick(*dialog);
  bool polling = true;
  std::optional<std::uint8_t> commandBefore;
  const auto ran = WhenModal([&](TemplateDialog& scan) {
    QCOMPARE(scan.windowTitle(), QStringLiteral("WLAN Air Scan"));
    polling = dialog->IsPolling();
    commandBefore = rig.LastTestCommand();
    QTest::qWait(250);  // the scan ticks, the poll does not
    polling = polling || dialog->IsPolling();
    scan.OnCommand(TemplateDialog::kIdOk);
  });
  dialog->OnCommand(1024);
  QVERIFY(*ran);
  QVERIFY(!polling);
  QCOMPARE(commandBefore, std::optional<std::uint8_t>(kTestStartScan));
  QCOMPARE(rig.LastTestCommand(), std::optional<std::uint8_t>(kTestStop));
  QVERIFY(dialog->IsPolling());
  QVERIFY(!rig.TunedChannels().empty());
  QCOMPARE(rig.TunedChannels().front(), std::uint8_t{6});  // after the polled channel 5
}

void LinkMonitorTest::TxPowerKeepsPollingAndSavesOnlyOnOk() {
  Rig rig;
  auto dialog = rig.Open();
  const auto choose = [&](int button, int end) {
    bool polling = false;
    const auto ran = WhenModal([&](TemplateDialog& power) {
      polling = dialog->IsPolling();
      power.Item<QAbstractButton>(button)->click();
      power.OnCommand(end);
    });
    dialog->OnCommand(1105);
    QVERIFY(*ran);
    QVERIFY(polling);
  };
  choose(1141, TemplateDialog::kIdCancel);  // "60"
  QVERIFY(rig.profile.Writes().empty());
  QCOMPARE(rig.adapter.TxPowerValue, 168);  // stays in force for the run

  choose(1139, TemplateDialog::kIdOk);  // "20"
  QCOMPARE(rig.profile.Writes(), (std::vector<Write>{{"TX_Power", "ON_OFF_TxPower", 1},
                                                     {"TX_Power", "Ex_TxPower", 3},
                                                     {"TX_Power", "TxPower", 254}}));
  Tick(*dialog);  // the next poll writes the new power to the card
  QCOMPARE(rig.WrittenRegisters(), std::vector<std::uint8_t>{kRegTxPower});
}

void LinkMonitorTest::AboutBoxOpensFromItsCommandWhileThePollGoesOn() {
  Rig rig;
  auto dialog = rig.Open();
  bool polling = false;
  const auto ran = WhenModal([&](TemplateDialog& about) {
    polling = dialog->IsPolling();
    QCOMPARE(about.windowTitle(), QStringLiteral("About WLAN Quoril"));
    about.OnCommand(TemplateDialog::kIdOk);
  });
  dialog->OnSysCommand(0x10 | 0x3);  // the low four bits do not matter
  QVERIFY(*ran);
  QVERIFY(polling);
  dialog->OnSysCommand(0xF020);  // anything else is the platform's
  QVERIFY(!dialog->Ended());
}

void LinkMonitorTest::HiddenButtonsAndExit() {
  Rig rig;
  auto dialog = rig.Open();
  dialog->OnCommand(1107);  // hidden Stop
  QVERIFY(dialog->GetDlgItem(1102)->isEnabled());
  dialog->OnCommand(1102);  // hidden Start disables itself
  QVERIFY(!dialog->GetDlgItem(1102)->isEnabled());
  rig.registers[kRegTxPower] = 128;  // the power in force: read, not written
  const std::size_t before = rig.library().Requests().size();
  dialog->OnCommand(1019);  // hidden SQ: the status requests
  QCOMPARE(rig.library().Requests().size() - before, std::size_t{14});

  dialog->OnCommand(TemplateDialog::kIdOk);
  QVERIFY(dialog->Ended() && !dialog->IsPolling());
  QCOMPARE(dialog->EndResult(), TemplateDialog::kIdOk);
  QVERIFY(dialog->GetDlgItem(1102)->isEnabled() && !dialog->GetDlgItem(1107)->isEnabled());
}

}  // namespace quoril

QTEST_MAIN(quoril::LinkMonitorTest)
#include "LinkMonitorTest.moc"
