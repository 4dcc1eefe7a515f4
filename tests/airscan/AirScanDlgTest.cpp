// The air scan dialog on a scripted card: the sweep, the labels, values and
// bars it fills, Start, Stop and Escape, the sliders and the automatic close.
// Ticks are driven by calling the tick directly.

#include <QAbstractButton>
#include <QSlider>
#include <QTest>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "airscan/CAirScanDlg.h"
#include "res/BarControl.h"

namespace quoril {

using namespace catalogue;
using testing::CardScript;

class AirScanDlgTest : public QObject {
  Q_OBJECT
 private slots:
  void OpensRunningInDbmWithEmptyBlueBars();
  void TheFirstTickFillsTheChannelTheCardStoodOn();
  void AChannelOutsideTheSweepStartsItAtChannelOne();
  void EscapeStartsTheScanAndDoesNotClose();
  void StopThenStartResumesTheSweep();
  void ThirteenSilentTicksCloseTheDialog();
  void ZoomAndBerModeSetTheBarRanges();
  void TheThresholdColoursTheBackground();
};

namespace {

constexpr int kTimer = 1106;

// A card whose last poll said channel `channel`.
struct Rig {
  CardScript card;
  explicit Rig(std::uint8_t channel = 5, std::uint8_t level = 47, std::uint8_t ber = 10) {
    card.records[kRecordChannel] = {channel, 0};
    card.registers[kRegRxLevel] = level;
    card.registers[kRegLinkErrors] = ber;
    card.adapter.PacketGetStatus();
  }
  std::vector<std::uint8_t> TestCommands() {
    std::vector<std::uint8_t> out;
    for (const auto* c : card.library().Requests()) {
      if (c->oid == kOidCommand && c->sent.size() > 1 && c->sent[0] == kCmdTest) {
        out.push_back(c->sent[1]);
      }
    }
    return out;
  }
};

QString Text(const CAirScanDlg& d, int id) {
  return d.GetDlgItemText(id);
}

}  // namespace

void AirScanDlgTest::OpensRunningInDbmWithEmptyBlueBars() {
  Rig rig;
  rig.card.adapter.ScanShowBer = 1;
  rig.card.adapter.ScanZeroCount = 9;
  CAirScanDlg dialog(rig.card.adapter);
  QCOMPARE(rig.card.adapter.ScanShowBer, 0);
  QCOMPARE(rig.card.adapter.ScanZeroCount, 0);
  QCOMPARE(rig.card.adapter.ScanChannelIndex, 4);
  dialog.Initialize();
  QVERIFY(dialog.IsTimerRunning(kTimer));
  for (int channel = 1; channel <= 13; ++channel) {
    const BarControl* bar = dialog.Bar(channel);
    QCOMPARE(bar->Minimum(), 0);
    QCOMPARE(bar->Maximum(), 97);
    QCOMPARE(bar->Pos(), 0);
    QCOMPARE(bar->BarColor(), QColor(0, 255, 0));
    QCOMPARE(bar->BackgroundColor(), QColor(0, 0, 255));
  }
  QVERIFY(dialog.Item<QSlider>(1116)->isEnabled());
  QVERIFY(!dialog.Item<QSlider>(1117)->isEnabled());
  QCOMPARE(dialog.Item<QSlider>(1116)->value(), 97);
  QCOMPARE(dialog.Item<QSlider>(1117)->value(), 100);
  QCOMPARE(Text(dialog, 1176), QStringLiteral("-97...00"));
  QCOMPARE(Text(dialog, 1177), QStringLiteral("00"));
  QVERIFY(dialog.Item<QAbstractButton>(1160)->isChecked());
}

void AirScanDlgTest::TheFirstTickFillsTheChannelTheCardStoodOn() {
  Rig rig(5, 47, 10);
  CAirScanDlg dialog(rig.card.adapter);
  dialog.Initialize();
  dialog.OnTimer(kTimer);
  QCOMPARE(rig.card.TunedChannels(), std::vector<std::uint8_t>{6});
  QCOMPARE(Text(dialog, 1149), QStringLiteral("&5"));
  QCOMPARE(Text(dialog, 1148), QStringLiteral("4"));
  QCOMPARE(Text(dialog, 1167), QStringLiteral("50"));
  QCOMPARE(dialog.Bar(5)->Pos(), 47);

  rig.card.registers[kRegRxLevel] = 124;
  dialog.OnTimer(kTimer);
  QCOMPARE(Text(dialog, 1150), QStringLiteral("&6"));
  QCOMPARE(Text(dialog, 1149), QStringLiteral("5"));
  QCOMPARE(Text(dialog, 1168), QStringLiteral("-27"));
  QCOMPARE(dialog.Bar(6)->Pos(), 97);  // clamped to the top

  for (int i = 0; i < 11; ++i) dialog.OnTimer(kTimer);
  QCOMPARE(Text(dialog, 1148), QStringLiteral("&4"));  // the thirteenth tick: channel 4
  dialog.OnTimer(kTimer);
  QCOMPARE(Text(dialog, 1149), QStringLiteral("&5"));
  const std::vector<std::uint8_t> tuned = rig.card.TunedChannels();
  QCOMPARE(tuned.size(), std::size_t{14});
  QCOMPARE(tuned[7], 13);
  QCOMPARE(tuned[8], 1);
  QCOMPARE(tuned.back(), 6);
}

void AirScanDlgTest::AChannelOutsideTheSweepStartsItAtChannelOne() {
  for (int channel : {0, 13, 14}) {
    Rig rig(static_cast<std::uint8_t>(channel));
    CAirScanDlg dialog(rig.card.adapter);
    dialog.Initialize();
    dialog.OnTimer(kTimer);
    QCOMPARE(rig.card.TunedChannels(), std::vector<std::uint8_t>{1});
    QCOMPARE(Text(dialog, 1157), QStringLiteral("1&3"));
    QCOMPARE(dialog.Bar(13)->Pos(), 47);
  }
}

void AirScanDlgTest::EscapeStartsTheScanAndDoesNotClose() {
  Rig rig;
  CAirScanDlg dialog(rig.card.adapter);
  dialog.Initialize();
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.Ended());
  QVERIFY(dialog.isVisible());
  QCOMPARE(rig.TestCommands(), std::vector<std::uint8_t>{kTestStartScan});
  QVERIFY(dialog.IsTimerRunning(kTimer));

  QTest::keyClick(&dialog, Qt::Key_Return);  // Enter is OK
  QVERIFY(dialog.Ended());
  QCOMPARE(dialog.EndResult(), TemplateDialog::kIdOk);
  QVERIFY(!dialog.IsTimerRunning(kTimer));
}

void AirScanDlgTest::StopThenStartResumesTheSweep() {
  Rig rig;
  CAirScanDlg dialog(rig.card.adapter);
  dialog.Initialize();
  dialog.OnTimer(kTimer);
  dialog.OnTimer(kTimer);  // tuned 6, then 7
  dialog.Item<QAbstractButton>(3)->click();
  QVERIFY(!dialog.IsTimerRunning(kTimer));
  QCOMPARE(rig.TestCommands().back(), kTestStop);
  QCOMPARE(dialog.Bar(6)->Pos(), 47);        // the bars keep their values
  dialog.Item<QAbstractButton>(3)->click();  // Stop again: another stop, nothing else
  QCOMPARE(rig.TestCommands().back(), kTestStop);

  dialog.Item<QAbstractButton>(2)->click();
  QVERIFY(dialog.IsTimerRunning(kTimer));
  QCOMPARE(rig.TestCommands().back(), kTestStartScan);
  dialog.OnTimer(kTimer);
  QCOMPARE(rig.card.TunedChannels().back(), 8);
  QCOMPARE(Text(dialog, 1151), QStringLiteral("&7"));
}

void AirScanDlgTest::ThirteenSilentTicksCloseTheDialog() {
  Rig rig(5, 47, 0);
  CAirScanDlg dialog(rig.card.adapter);
  dialog.Initialize();
  for (int i = 0; i < 12; ++i) dialog.OnTimer(kTimer);
  rig.card.registers[kRegLinkErrors] = 3;  // one reading in between starts the count again
  dialog.OnTimer(kTimer);
  rig.card.registers[kRegLinkErrors] = 0;
  for (int i = 0; i < 12; ++i) dialog.OnTimer(kTimer);
  QVERIFY(!dialog.Ended());
  rig.card.registers[kRegRxLevel] = 60;
  dialog.OnTimer(kTimer);
  QVERIFY(dialog.Ended());
  QCOMPARE(dialog.EndResult(), TemplateDialog::kIdOk);
  QVERIFY(!dialog.IsTimerRunning(kTimer));
  QCOMPARE(dialog.Bar(4)->Pos(), 60);  // the closing tick still shows its reading

  // With a threshold above 0 the scan never closes by itself.
  Rig quiet(5, 47, 0);
  CAirScanDlg berMode(quiet.card.adapter);
  berMode.Initialize();
  berMode.Item<QAbstractButton>(1161)->click();
  berMode.Item<QSlider>(1117)->setValue(90);
  for (int i = 0; i < 40; ++i) berMode.OnTimer(kTimer);
  QVERIFY(!berMode.Ended());
}

void AirScanDlgTest::ZoomAndBerModeSetTheBarRanges() {
  Rig rig;
  CAirScanDlg dialog(rig.card.adapter);
  dialog.Initialize();
  auto* zoom = dialog.Item<QSlider>(1116);
  auto* level = dialog.Item<QSlider>(1117);
  zoom->setValue(47);
  QCOMPARE(dialog.Bar(1)->Maximum(), 47);
  QCOMPARE(dialog.Bar(13)->Maximum(), 47);
  QCOMPARE(Text(dialog, 1176), QStringLiteral("-97...-50"));
  zoom->setValue(90);
  QCOMPARE(Text(dialog, 1176), QStringLiteral("-97...- 7"));

  dialog.Item<QAbstractButton>(1161)->click();
  QCOMPARE(rig.card.adapter.ScanShowBer, 1);
  QVERIFY(!zoom->isEnabled());
  QVERIFY(level->isEnabled());
  QCOMPARE(dialog.Bar(7)->Maximum(), 100);
  zoom->setValue(30);
  QCOMPARE(dialog.Bar(7)->Maximum(), 100);  // BER ranges ignore the zoom
  level->setValue(95);
  QCOMPARE(dialog.State().berLevel, 5);
  QCOMPARE(Text(dialog, 1177), QStringLiteral(" 5"));
  level->setValue(0);
  QCOMPARE(Text(dialog, 1177), QStringLiteral("100"));

  dialog.Item<QAbstractButton>(1160)->click();
  QCOMPARE(rig.card.adapter.ScanShowBer, 0);
  QCOMPARE(dialog.Bar(7)->Maximum(), 30);
  QVERIFY(zoom->isEnabled());
  QVERIFY(!level->isEnabled());

  dialog.Item<QAbstractButton>(1161)->click();
  dialog.Item<QAbstractButton>(1)->click();
  QCOMPARE(dialog.Display(), 1);
}

void AirScanDlgTest::TheThresholdColoursTheBackground() {
  Rig rig(5, 47, 0);
  CAirScanDlg dialog(rig.card.adapter);
  dialog.Initialize();
  dialog.OnTimer(kTimer);
  QCOMPARE(dialog.Bar(5)->BackgroundColor(), QColor(255, 255, 0));
  rig.card.registers[kRegLinkErrors] = 1;
  dialog.OnTimer(kTimer);
  QCOMPARE(dialog.Bar(6)->BackgroundColor(), QColor(0, 0, 255));

  // In BER mode the bar shows the error reading on 0..100.
  dialog.Item<QAbstractButton>(1161)->click();
  rig.card.registers[kRegLinkErrors] = 64;
  dialog.OnTimer(kTimer);
  QCOMPARE(dialog.Bar(7)->Pos(), 64);
  QCOMPARE(Text(dialog, 1169), QStringLiteral("50"));  // the value stays the level
}

}  // namespace quoril

QTEST_MAIN(quoril::AirScanDlgTest)
#include "AirScanDlgTest.moc"
