// The main window on a scripted card: settings at start and exit, what each
// poll tick shows, the driver alarm, and the commands with the poll around
// them. Ticks are driven by calling the tick directly.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <optional>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "adapter/ScriptedLibrary.h"
#include "app/BoxAdapterUi.h"
#include "app/CLinkMonitorDlg.h"
#include "app/MemoryProfile.h"
#include "res/BarControl.h"
#include "support/GuiTestSupport.h"

namespace quoril {

using namespace catalogue;
using testing::CardScript;
using testing::ScriptedBoxes;
using testing::WhenModal;

class LinkMonitorTest : public QObject {
  Q_OBJECT
 private slots:
  void FirstRunStartsWithDefaultsAndSavesTheAdapterAtExit();
  void StoredSettingsAreLoadedAsTheyWere();
  void WithoutACardTheProgramEndsAndSavesNothing();
  void ASearchThatFindsNothingLaterEndsTheWindowWithoutSaving();
  void ACardThatCannotBeOpenedAgainEndsWithAMessage();
  void CaptionNamesTheSimulatedCard();
  void EachLinkStateShowsItsTextsAndBars();
  void ThroughputWaitsTwoUpdatesAndRescanStartsItAgain();
  void DriverOffStopsThePollAndClosesTheWindow();
  void DriverFailureAsksRetryOrCancel();
  void TheGenericFailureRaisesNoAlarm();
  void AirScanRunsWithThePollStoppedBetweenStartScanAndStopTest();
  void TxPowerKeepsPollingAndSavesOnlyOnOk();
  void AboutBoxOpensFromItsCommandWhileThePollGoesOn();
  void ExitEndsWithOkAndStopsThePoll();
};

namespace {

constexpr int kSignalBar = 1016;
constexpr int kInterferenceBar = 1022;
constexpr int kLinkErrorBar = 1023;

// A scripted card with one adapter that answers, a profile in memory and
// message boxes that answer from a script.
struct Rig {
  CardScript card;
  MemoryProfile profile;
  ScriptedBoxes boxes;
  QTemporaryDir folder;
  AppServices services{card.adapter, profile, boxes,
                       folder.filePath(QStringLiteral("quoril.cfg")).toStdString(), false};

  Rig() {
    card.library().adapters.push_back({"PRISM2_1"});
    Link(4, 100, 17, 30);
  }

  void Link(std::uint8_t P, std::uint8_t S, std::uint8_t N, std::uint8_t L) {
    card.records[kRecordPortStatus] = {P, 0};
    card.SetSignal(S);
    card.registers[kRegRxLevel] = N;
    card.registers[kRegLinkErrors] = L;
  }

  std::unique_ptr<CLinkMonitorDlg> Open() {
    auto dialog = std::make_unique<CLinkMonitorDlg>(services);
    dialog->Initialize();
    return dialog;
  }

  // The command bytes of the last request that was a test command.
  std::optional<std::uint8_t> LastTestCommand() const {
    const auto requests = const_cast<CardScript&>(card).library().Requests();
    for (auto it = requests.rbegin(); it != requests.rend(); ++it) {
      const auto& sent = (*it)->sent;
      if ((*it)->oid == kOidCommand && sent.size() > 1 && sent[0] == kCmdTest) return sent[1];
    }
    return std::nullopt;
  }
};

void Tick(CLinkMonitorDlg& dialog, int times = 1) {
  for (int i = 0; i < times; ++i) dialog.OnTimer(CLinkMonitorDlg::kPollTimerId);
}

QString TextOf(const CLinkMonitorDlg& dialog, int id) {
  return dialog.GetDlgItemText(id);
}

BarControl& BarOf(const CLinkMonitorDlg& dialog, int id) {
  return *dialog.Item<BarControl>(id);
}

// A scripted card whose opens fail from a given one on.
class FlakyLibrary final : public NdisLibrary {
 public:
  testing::ScriptedLibrary inner;
  std::vector<testing::FakeAdapter>& adapters = inner.adapters;
  int opens = 0;
  int failOpensFrom = 1 << 30;

  int GetFirstAdapterRegistryInfo(AdapterRegistryRecord& r) override {
    return inner.GetFirstAdapterRegistryInfo(r);
  }
  int GetNextAdapterRegistryInfo(AdapterRegistryRecord& r) override {
    return inner.GetNextAdapterRegistryInfo(r);
  }
  AdapterHandle OpenAdapter(const char* name) override {
    return ++opens >= failOpensFrom ? kInvalidAdapter : inner.OpenAdapter(name);
  }
  std::uint32_t GetLastError() override { return inner.GetLastError(); }
  std::uint32_t MakeNdisRequest(AdapterHandle a, const NdisRequest& r, CompletionRecord& c,
                                int wait) override {
    return inner.MakeNdisRequest(a, r, c, wait);
  }
  int CloseAdapter(AdapterHandle a) override { return inner.CloseAdapter(a); }
  EventHandle CreateCompletionEvent() override { return inner.CreateCompletionEvent(); }
  void ResetCompletionEvent(EventHandle e) override { inner.ResetCompletionEvent(e); }
  void CloseCompletionEvent(EventHandle e) override { inner.CloseCompletionEvent(e); }
};

// An adapter whose set-up messages are real boxes (scripted) and whose exit
// ends the program, as in the application.
struct BoxedAdapter {
  ScriptedBoxes boxes;
  BoxAdapterUi ui{boxes};
  FlakyLibrary* library = nullptr;
  CAdapter adapter;
  MemoryProfile profile;
  QTemporaryDir folder;
  AppServices services{adapter, profile, boxes,
                       folder.filePath(QStringLiteral("quoril.cfg")).toStdString(), false};

  BoxedAdapter() {
    auto scripted = std::make_unique<FlakyLibrary>();
    library = scripted.get();
    adapter.Connect(std::move(scripted), ui);
  }
};

}  // namespace

void LinkMonitorTest::FirstRunStartsWithDefaultsAndSavesTheAdapterAtExit() {
  Rig rig;
  {
    auto dialog = rig.Open();
    QCOMPARE(rig.card.adapter.TxPowerControl, 1);
    QCOMPARE(rig.card.adapter.TxPowerIndex, 7);
    QCOMPARE(rig.card.adapter.TxPowerValue, 128);
    QCOMPARE(rig.card.adapter.InputAdapter, 1);  // the card was found
    QVERIFY(dialog->IsPolling());
    QVERIFY(rig.profile.Writes().empty());  // nothing is written at start
    QVERIFY(QFileInfo::exists(rig.folder.filePath(QStringLiteral("quoril.cfg"))));
    QCOMPARE(BarOf(*dialog, kSignalBar).Maximum(), 109);
    QCOMPARE(BarOf(*dialog, kLinkErrorBar).Minimum(), 5);
    QCOMPARE(BarOf(*dialog, kInterferenceBar).Maximum(), 42);
    QVERIFY(!dialog->GetDlgItem(1102)->isEnabled());
    QVERIFY(!dialog->GetDlgItem(1107)->isEnabled());
  }
  using W = MemoryProfile::Write;
  QCOMPARE(rig.profile.Writes(),
           (std::vector<W>{{"Adapter", "InputAdapter", 1}, {"Adapter", "OutputAdapter", 0}}));
}

void LinkMonitorTest::StoredSettingsAreLoadedAsTheyWere() {
  Rig rig;
  rig.profile.WriteInt("TX_Power", "TxPower", 384);
  rig.profile.WriteInt("TX_Power", "ON_OFF_TxPower", 0);
  rig.profile.WriteInt("TX_Power", "Ex_TxPower", 2);
  rig.profile.WriteInt("Adapter", "OutputAdapter", 5);
  {
    std::ofstream existing(rig.services.settingsFile);
    existing << "first\nsecond\n";
  }
  const std::size_t before = rig.profile.Writes().size();
  {
    auto dialog = rig.Open();
    QCOMPARE(rig.card.adapter.TxPowerValue, 128);  // low 8 bits of 384
    QCOMPARE(rig.card.adapter.TxPowerControl, 0);
    QCOMPARE(rig.card.adapter.TxPowerIndex, 2);
  }
  QCOMPARE(rig.profile.Writes().size(), before + 2);
  QCOMPARE(rig.profile.Find("Adapter", "OutputAdapter"), std::optional<std::int32_t>(5));
  QCOMPARE(rig.profile.Find("TX_Power", "TxPower"), std::optional<std::int32_t>(384));
  std::ifstream kept(rig.services.settingsFile);
  std::string line;
  std::getline(kept, line);
  QCOMPARE(line, std::string("first"));
}

void LinkMonitorTest::WithoutACardTheProgramEndsAndSavesNothing() {
  BoxedAdapter boxed;
  std::optional<int> exitCode;
  {
    CLinkMonitorDlg dialog(boxed.services);
    try {
      dialog.Initialize();
    } catch (const ProgramExit& exit) {
      exitCode = exit.code;
    }
    QVERIFY(!dialog.IsPolling());
  }
  QCOMPARE(exitCode, std::optional<int>(0));
  QCOMPARE(boxed.boxes.shown.size(), std::size_t{1});
  QCOMPARE(boxed.boxes.shown[0].text, std::string("Can not find the PC card WLAN"));
  QVERIFY(boxed.profile.Writes().empty());
}

void LinkMonitorTest::ASearchThatFindsNothingLaterEndsTheWindowWithoutSaving() {
  BoxedAdapter boxed;
  boxed.library->adapters.push_back({"PRISM2_1"});
  {
    CLinkMonitorDlg dialog(boxed.services);
    dialog.Initialize();
    QVERIFY(dialog.IsPolling());
    boxed.library->adapters.clear();
    dialog.OnCommand(1018);  // the hidden "Wlan" button searches again
    QVERIFY(dialog.Ended());
    QVERIFY(!dialog.IsPolling());
    QCOMPARE(dialog.ExitCode(), 0);
  }
  QCOMPARE(boxed.boxes.shown.back().text, std::string("Can not find the PC card WLAN"));
  QVERIFY(boxed.profile.Writes().empty());
}

void LinkMonitorTest::ACardThatCannotBeOpenedAgainEndsWithAMessage() {
  // At start the failure leaves the window to the application, which shows
  // the box and ends with a failure status.
  BoxedAdapter atStart;
  atStart.library->adapters.push_back({"PRISM2_1"});
  atStart.library->failOpensFrom = 2;  // the probe's open works, the second fails
  {
    CLinkMonitorDlg dialog(atStart.services);
    bool thrown = false;
    try {
      dialog.Initialize();
    } catch (const CAdapter::Initialization&) {
      thrown = true;
    }
    QVERIFY(thrown);
    QVERIFY(!dialog.IsPolling());
  }
  QVERIFY(atStart.profile.Writes().empty());

  // Inside the window's loop the window itself ends.
  BoxedAdapter later;
  later.library->adapters.push_back({"PRISM2_1"});
  {
    CLinkMonitorDlg dialog(later.services);
    dialog.Initialize();
    later.library->failOpensFrom = later.library->opens + 2;
    dialog.OnCommand(1018);
    QVERIFY(dialog.Ended());
    QVERIFY(!dialog.IsPolling());
    QCOMPARE(dialog.ExitCode(), kSetupFailureExit);
  }
  QCOMPARE(later.boxes.shown.size(), std::size_t{2});
  QCOMPARE(later.boxes.shown[0].caption, std::string("Error!"));
  QCOMPARE(later.boxes.shown[0].text,
           std::string("In InitInputAdapter: hInputAdapter == INVALID_HANDLE_VALUE"));
  QCOMPARE(later.boxes.shown[1].caption, std::string("Error!"));
  QCOMPARE(later.boxes.shown[1].text, std::string("The adapter could not be set up."));
  QVERIFY(later.profile.Writes().empty());
}

void LinkMonitorTest::CaptionNamesTheSimulatedCard() {
  Rig rig;
  QCOMPARE(CLinkMonitorDlg(rig.services).windowTitle(), QStringLiteral("WLAN Quoril"));
  rig.services.simulatedCard = true;
  QCOMPARE(CLinkMonitorDlg(rig.services).windowTitle(),
           QStringLiteral("WLAN Quoril (simulated card)"));
}

void LinkMonitorTest::EachLinkStateShowsItsTextsAndBars() {
  struct Case {
    std::uint8_t P, S, N, L;
    const char* port;
    const char* state;
    const char* signal;
    const char* interference;
    int signalBar, interferenceBar, linkErrorBar;
    std::optional<QColor> signalColour;
  };
  const QColor green(0, 255, 0), yellow(255, 255, 0), grey(128, 128, 128);
  const Case cases[] = {
      {4, 100, 17, 30, "PRISM II told - Connected to ESS",
       "Associated - BSS ID = 00:60:1d:0a:0b:0c", "- 62.0 dBm", "- 80 dBm", 100, 17, 30, green},
      {4, 36, 97, 80, "PRISM II told - Connected to ESS", "Associated - BSS ID = 00:60:1d:0a:0b:0c",
       "- 83.8 dBm", "- 0 dBm", 36, 42, 80, yellow},
      {4, 21, 0, 4, "PRISM II told - Connected to ESS", "Associated - BSS ID = 00:60:1d:0a:0b:0c",
       "- 88.9 dBm", "<-97 dBm", 21, 0, 5, grey},
      {2, 100, 17, 30, "PRISM II told - Searching for initial connection", "Scanning", "Scanning",
       "Scanning", 0, 0, 5, std::nullopt},
      {3, 50, 0, 30, "PRISM II told - Connected to IBSS", "Associated - Ad Hook (old) ",
       "Not Applicable", "<-97 dBm", 0, 0, 30, std::nullopt},
      {9, 120, 17, 90, "PRISM II told - UNKNOW", "Associated - BSS ID = 00:60:1d:0a:0b:0c",
       "- 55.2 dBm", "- 80 dBm", 109, 17, 80, green},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.Link(c.P, c.S, c.N, c.L);
    rig.card.records[kRecordBssId] = {0x00, 0x60, 0x1d, 0x0a, 0x0b, 0x0c};
    rig.card.records[kRecordTxRate] = {8, 0};
    rig.card.records[kRecordChannel] = {6, 0};
    rig.card.registers[kRegTxPower] = 128;
    rig.card.registers[kRegPowerReading] = 129;
    auto dialog = rig.Open();
    Tick(*dialog);
    const QString label = QStringLiteral("P=%1 S=%2").arg(c.P).arg(c.S);
    QVERIFY2(TextOf(*dialog, 1177) == QLatin1String(c.port), qPrintable(label));
    QVERIFY2(TextOf(*dialog, 1052) == QLatin1String(c.state), qPrintable(label));
    QVERIFY2(TextOf(*dialog, 1113) == QLatin1String(c.signal), qPrintable(label));
    QVERIFY2(TextOf(*dialog, 1114) == QLatin1String(c.interference), qPrintable(label));
    QCOMPARE(TextOf(*dialog, 1054), QStringLiteral("11"));
    QCOMPARE(TextOf(*dialog, 1053), QStringLiteral("6"));
    QCOMPARE(TextOf(*dialog, 1061), QStringLiteral("100.0"));
    QCOMPARE(TextOf(*dialog, 1062), QStringLiteral("20.2"));
    QCOMPARE(BarOf(*dialog, kSignalBar).Pos(), c.signalBar);
    QCOMPARE(BarOf(*dialog, kInterferenceBar).Pos(), c.interferenceBar);
    QCOMPARE(BarOf(*dialog, kLinkErrorBar).Pos(), c.linkErrorBar);
    QCOMPARE(BarOf(*dialog, kInterferenceBar).BarColor(), QColor(255, 0, 0));
    QCOMPARE(BarOf(*dialog, kLinkErrorBar).BarColor(), BarControl::DefaultBarColor());
    QCOMPARE(BarOf(*dialog, kSignalBar).BarColor(),
             c.signalColour.value_or(BarControl::DefaultBarColor()));
    QVERIFY(TextOf(*dialog, 1055).isEmpty());  // no throughput before the sixth tick
  }
}

void LinkMonitorTest::ThroughputWaitsTwoUpdatesAndRescanStartsItAgain() {
  Rig rig;
  auto dialog = rig.Open();
  std::uint32_t rx = 5000;
  std::uint32_t tx = 1000;
  auto run = [&](int ticks) {
    for (int i = 0; i < ticks; ++i) {
      rx += 300;  // 1800 bytes per six ticks: 1000 bytes per second
      tx += 30;
      rig.card.counters[kCounterRx0] = rx;
      rig.card.counters[kCounterTx1] = tx;
      Tick(*dialog);
    }
  };
  run(5);
  QVERIFY(TextOf(*dialog, 1056).isEmpty());
  run(1);
  QCOMPARE(TextOf(*dialog, 1056), QStringLiteral("0"));
  run(6);
  QCOMPARE(TextOf(*dialog, 1056), QStringLiteral("0"));
  run(6);
  QCOMPARE(TextOf(*dialog, 1056), QStringLiteral("1000"));
  QCOMPARE(TextOf(*dialog, 1055), QStringLiteral("100"));

  dialog->OnCommand(1020);
  QCOMPARE(rig.card.library().Requests().back()->oid, kOidRescan);
  QVERIFY(dialog->IsPolling());
  run(6);
  QCOMPARE(TextOf(*dialog, 1056), QStringLiteral("0"));
  run(6);
  QCOMPARE(TextOf(*dialog, 1056), QStringLiteral("0"));
  run(6);
  QCOMPARE(TextOf(*dialog, 1056), QStringLiteral("1000"));
}

void LinkMonitorTest::DriverOffStopsThePollAndClosesTheWindow() {
  Rig rig;
  auto dialog = rig.Open();
  rig.card.signalRecordStatus = 6;
  bool pollingWhileShown = true;
  rig.boxes.whileShown = [&] { pollingWhileShown = dialog->IsPolling(); };
  Tick(*dialog);
  QCOMPARE(rig.boxes.shown.size(), std::size_t{1});
  QCOMPARE(rig.boxes.shown[0].text, std::string("WLAN Driver OFF"));
  QVERIFY(rig.boxes.shown[0].buttons == BoxButtons::kOk);
  QVERIFY(!pollingWhileShown);
  QVERIFY(dialog->Ended());
  QCOMPARE(dialog->EndResult(), TemplateDialog::kIdOk);
  QVERIFY(!dialog->IsPolling());
  QVERIFY(dialog->GetDlgItem(1102)->isEnabled());
}

void LinkMonitorTest::DriverFailureAsksRetryOrCancel() {
  Rig rig;
  auto dialog = rig.Open();
  rig.card.signalRecordStatus = 0xC0010015;
  rig.boxes.answers = {BoxAnswer::kRetry};
  Tick(*dialog);
  QCOMPARE(rig.boxes.shown.back().text, std::string("WLAN Driver FAILURE: c0010015"));
  QVERIFY(rig.boxes.shown.back().buttons == BoxButtons::kRetryCancel);
  QVERIFY(!dialog->Ended());
  QVERIFY(dialog->IsPolling());

  // The register 0x62 write ends the tick when the link-error reading is 0,
  // and it is that status which counts.
  rig.card.signalRecordStatus = 6;
  rig.card.registers[kRegLinkErrors] = 0;
  rig.card.clearReg62Status = 0x1F;
  rig.boxes.answers = {BoxAnswer::kCancel};
  Tick(*dialog);
  QCOMPARE(rig.boxes.shown.size(), std::size_t{2});
  QCOMPARE(rig.boxes.shown.back().text, std::string("WLAN Driver FAILURE: 0000001f"));
  QVERIFY(dialog->Ended());
  QCOMPARE(dialog->EndResult(), TemplateDialog::kIdOk);
  QVERIFY(!dialog->IsPolling());
}

void LinkMonitorTest::TheGenericFailureRaisesNoAlarm() {
  Rig rig;
  auto dialog = rig.Open();
  rig.card.signalRecordStatus = kNdisStatusFailure;
  Tick(*dialog, 3);
  QVERIFY(rig.boxes.shown.empty());
  QVERIFY(dialog->IsPolling());
  QVERIFY(!dialog->Ended());
}

void LinkMonitorTest::AirScanRunsWithThePollStoppedBetweenStartScanAndStopTest() {
  Rig rig;
  rig.card.records[kRecordChannel] = {5, 0};
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
  QVERIFY(!rig.card.TunedChannels().empty());
  QCOMPARE(rig.card.TunedChannels().front(), std::uint8_t{6});  // after the polled channel 5
}

void LinkMonitorTest::TxPowerKeepsPollingAndSavesOnlyOnOk() {
  Rig rig;
  auto dialog = rig.Open();
  bool polling = false;
  auto ran = WhenModal([&](TemplateDialog& power) {
    polling = dialog->IsPolling();
    power.Item<QAbstractButton>(1141)->click();  // "60"
    power.OnCommand(TemplateDialog::kIdCancel);
  });
  dialog->OnCommand(1105);
  QVERIFY(*ran);
  QVERIFY(polling);
  QVERIFY(rig.profile.Writes().empty());
  QCOMPARE(rig.card.adapter.TxPowerValue, 168);  // stays in force for the run

  ran = WhenModal([&](TemplateDialog& power) {
    power.Item<QAbstractButton>(1139)->click();  // "20"
    power.OnCommand(TemplateDialog::kIdOk);
  });
  dialog->OnCommand(1105);
  QVERIFY(*ran);
  using W = MemoryProfile::Write;
  QCOMPARE(rig.profile.Writes(), (std::vector<W>{{"TX_Power", "ON_OFF_TxPower", 1},
                                                 {"TX_Power", "Ex_TxPower", 3},
                                                 {"TX_Power", "TxPower", 254}}));
  // The next poll writes the new power to the card.
  Tick(*dialog);
  QCOMPARE(rig.card.WrittenRegisters(), std::vector<std::uint8_t>{kRegTxPower});
}

void LinkMonitorTest::AboutBoxOpensFromItsCommandWhileThePollGoesOn() {
  Rig rig;
  auto dialog = rig.Open();
  bool polling = false;
  QStringList texts;
  const auto ran = WhenModal([&](TemplateDialog& about) {
    polling = dialog->IsPolling();
    for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    QCOMPARE(about.windowTitle(), QStringLiteral("About WLAN Quoril"));
    about.OnCommand(TemplateDialog::kIdOk);
  });
  dialog->OnSysCommand(0x10 | 0x3);  // the low four bits do not matter
  QVERIFY(*ran);
  QVERIFY(polling);
  QVERIFY(texts.contains(QStringLiteral("Version " QUORIL_VERSION)));

  dialog->OnSysCommand(0xF020);  // anything else is the platform's
  QVERIFY(!dialog->Ended());
}

void LinkMonitorTest::ExitEndsWithOkAndStopsThePoll() {
  Rig rig;
  auto dialog = rig.Open();
  dialog->OnCommand(1107);  // hidden Stop
  QVERIFY(dialog->GetDlgItem(1102)->isEnabled());
  dialog->OnCommand(1102);  // hidden Start disables itself
  QVERIFY(!dialog->GetDlgItem(1102)->isEnabled());
  rig.card.registers[kRegTxPower] = 128;  // the power in force: read, not written
  const std::size_t before = rig.card.library().Requests().size();
  dialog->OnCommand(1019);  // hidden SQ: one refresh
  QCOMPARE(rig.card.library().Requests().size() - before, std::size_t{14});

  dialog->OnCommand(TemplateDialog::kIdOk);
  QVERIFY(dialog->Ended());
  QCOMPARE(dialog->EndResult(), TemplateDialog::kIdOk);
  QVERIFY(!dialog->IsPolling());
  QVERIFY(dialog->GetDlgItem(1102)->isEnabled());
  QVERIFY(!dialog->GetDlgItem(1107)->isEnabled());
}

}  // namespace quoril

QTEST_MAIN(quoril::LinkMonitorTest)
#include "LinkMonitorTest.moc"
