// The air scan dialog on a scripted card: what it shows as it opens and on
// each tick, Start, Stop and Escape, the sliders and display modes, and the
// automatic close. Ticks are driven by calling the tick directly.

#include <QAbstractButton>
#include <QSlider>
#include <QTest>
#include <optional>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "airscan/CAirScanDlg.h"
#include "res/qt/BarControl.h"

namespace quoril {

using namespace catalogue;

class AirScanDlgTest : public QObject {
  Q_OBJECT
 private slots:
  void OpensRunningInDbmAndEscapeDoesNotClose();
  void TicksFillTheirChannelsAcrossStopAndStart();
  void ThirteenSilentTicksCloseTheDialog();
  void ZoomAndBerModeSetTheBarRanges();
};

namespace {

constexpr int kTimer = 1106;

// The dialog, open on a card whose last poll said channel 5.
struct Rig {
  explicit Rig(std::uint8_t ber = 10) {
    card.records[kRecordChannel] = {5, 0};
    card.registers[kRegRxLevel] = 47;
    card.registers[kRegLinkErrors] = ber;
    card.adapter.PacketGetStatus();
    card.adapter.ScanShowBer = 1;
    card.adapter.ScanZeroCount = 9;
    dialog.emplace(card.adapter);
    dialog->Initialize();
  }
  // The test sub-commands sent, in order.
  std::vector<std::uint8_t> TestCommands() {
    std::vector<std::uint8_t> out;
    for (const auto* c : card.library().Requests())
      if (c->oid == kOidCommand && c->sent.size() > 1 && c->sent[0] == kCmdTest)
        out.push_back(c->sent[1]);
    return out;
  }
  QString Text(int id) const { return dialog->GetDlgItemText(id); }
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) dialog->OnTimer(kTimer);
  }
  void Click(int id) { dialog->Item<QAbstractButton>(id)->click(); }

  testing::CardScript card;
  std::optional<CAirScanDlg> dialog;
};

}  // namespace

void AirScanDlgTest::OpensRunningInDbmAndEscapeDoesNotClose() {
  Rig rig;
  QCOMPARE(rig.card.adapter.ScanShowBer, 0);
  QCOMPARE(rig.card.adapter.ScanZeroCount, 0);
  QVERIFY(rig.dialog->IsTimerRunning(kTimer));
  for (int channel = 1; channel <= 13; ++channel) {
    const BarControl* bar = rig.dialog->Bar(channel);
    QCOMPARE(bar->Maximum(), 97);
    QCOMPARE(bar->Pos(), 0);
    QCOMPARE(bar->BarColor(), QColor(0, 255, 0));
    QCOMPARE(bar->BackgroundColor(), QColor(0, 0, 255));
  }
  QVERIFY(rig.dialog->Item<QSlider>(1116)->isEnabled());
  QVERIFY(!rig.dialog->Item<QSlider>(1117)->isEnabled());
  QCOMPARE(rig.Text(1176), QStringLiteral("-97...00"));
  QCOMPARE(rig.Text(1177), QStringLiteral("00"));
  QVERIFY(rig.dialog->Item<QAbstractButton>(1160)->isChecked());

  // Escape starts the scan and does not close; Enter is OK.
  rig.dialog->show();
  QTest::keyClick(&*rig.dialog, Qt::Key_Escape);
  QVERIFY(!rig.dialog->Ended());
  QCOMPARE(rig.TestCommands(), std::vector<std::uint8_t>{kTestStartScan});
  QVERIFY(rig.dialog->IsTimerRunning(kTimer));

  QTest::keyClick(&*rig.dialog, Qt::Key_Return);
  QCOMPARE(rig.dialog->EndResult(), TemplateDialog::kIdOk);
  QVERIFY(!rig.dialog->IsTimerRunning(kTimer));
}

void AirScanDlgTest::TicksFillTheirChannelsAcrossStopAndStart() {
  Rig rig(0);
  rig.Tick();
  QCOMPARE(rig.card.TunedChannels(), std::vector<std::uint8_t>{6});
  QCOMPARE(rig.Text(1149), QStringLiteral("&5"));
  QCOMPARE(rig.Text(1148), QStringLiteral("4"));
  QCOMPARE(rig.Text(1167), QStringLiteral("50"));
  QCOMPARE(rig.dialog->Bar(5)->Pos(), 47);
  QCOMPARE(rig.dialog->Bar(5)->BackgroundColor(), QColor(255, 255, 0));  // threshold covers BER 0

  rig.Click(3);  // Stop
  QVERIFY(!rig.dialog->IsTimerRunning(kTimer));
  QCOMPARE(rig.TestCommands().back(), kTestStop);
  QCOMPARE(rig.dialog->Bar(5)->Pos(), 47);  // the bars keep their values
  rig.Click(2);                             // Start
  QVERIFY(rig.dialog->IsTimerRunning(kTimer));
  QCOMPARE(rig.TestCommands().back(), kTestStartScan);

  // In BER mode the bar shows the error reading; the value stays the level.
  rig.Click(1161);
  rig.card.registers[kRegLinkErrors] = 64;
  rig.Tick();
  QCOMPARE(rig.card.TunedChannels().back(), 7);
  QCOMPARE(rig.Text(1150), QStringLiteral("&6"));
  QCOMPARE(rig.Text(1149), QStringLiteral("5"));
  QCOMPARE(rig.dialog->Bar(6)->Pos(), 64);
  QCOMPARE(rig.Text(1168), QStringLiteral("50"));
  QCOMPARE(rig.dialog->Bar(6)->BackgroundColor(), QColor(0, 0, 255));
}

void AirScanDlgTest::ThirteenSilentTicksCloseTheDialog() {
  Rig rig(0);
  rig.Tick(12);
  QVERIFY(!rig.dialog->Ended());
  rig.card.registers[kRegRxLevel] = 60;
  rig.Tick();
  QCOMPARE(rig.dialog->EndResult(), TemplateDialog::kIdOk);
  QVERIFY(!rig.dialog->IsTimerRunning(kTimer));
  QCOMPARE(rig.dialog->Bar(4)->Pos(), 60);  // the closing tick still shows its reading
}

void AirScanDlgTest::ZoomAndBerModeSetTheBarRanges() {
  Rig rig;
  auto* zoom = rig.dialog->Item<QSlider>(1116);
  auto* level = rig.dialog->Item<QSlider>(1117);
  zoom->setValue(47);
  QCOMPARE(rig.dialog->Bar(13)->Maximum(), 47);
  QCOMPARE(rig.Text(1176), QStringLiteral("-97...-50"));

  rig.Click(1161);
  QCOMPARE(rig.card.adapter.ScanShowBer, 1);
  QVERIFY(!zoom->isEnabled());
  QVERIFY(level->isEnabled());
  QCOMPARE(rig.dialog->Bar(7)->Maximum(), 100);
  zoom->setValue(30);
  QCOMPARE(rig.dialog->Bar(7)->Maximum(), 100);  // BER ranges ignore the zoom
  level->setValue(95);
  QCOMPARE(rig.Text(1177), QStringLiteral(" 5"));

  rig.Click(1160);
  QCOMPARE(rig.card.adapter.ScanShowBer, 0);
  QCOMPARE(rig.dialog->Bar(7)->Maximum(), 30);
  QVERIFY(zoom->isEnabled());
  QVERIFY(!level->isEnabled());
  rig.Click(1161);
  rig.Click(1);
  QCOMPARE(rig.dialog->Display(), 1);
}

}  // namespace quoril

QTEST_MAIN(quoril::AirScanDlgTest)
#include "AirScanDlgTest.moc"
