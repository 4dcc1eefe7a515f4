// The power dialog: what it shows on opening, clicks that take effect at
// once, and what OK and Cancel leave in the adapter and the profile.

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>

#include "adapter/CardScript.h"
#include "app/CLinkMonitorDlg.h"
#include "app/MemoryProfile.h"
#include "power/CPowerControlDlg.h"
#include "power/PowerButtons.h"
#include "support/GuiTestSupport.h"

namespace quoril {

using testing::CardScript;

class PowerControlDlgTest : public QObject {
  Q_OBJECT
 private slots:
  void OpeningWithControlOffDisablesThePowers();
  void OpeningDerivesThePowerValueFromTheIndex();
  void ClicksTakeEffectAtOnceAndCancelKeepsThem();
  void OkReadsTheButtonsBack();
  void AnIndexOutsideTheButtonsIsStoredAs255WithThePowerInForce();
};

namespace {

QAbstractButton* Button(const CPowerControlDlg& dialog, int id) {
  return dialog.Item<QAbstractButton>(id);
}

bool PowersEnabled(const CPowerControlDlg& dialog, bool enabled) {
  for (const PowerButton& b : kPowerButtons) {
    if (Button(dialog, b.controlId)->isEnabled() != enabled) return false;
  }
  return true;
}

}  // namespace

void PowerControlDlgTest::OpeningWithControlOffDisablesThePowers() {
  CardScript card;
  card.adapter.TxPowerControl = 0;
  card.adapter.TxPowerIndex = 7;
  CPowerControlDlg dialog(card.adapter);
  dialog.Initialize();
  QVERIFY(Button(dialog, kPowerOffId)->isChecked());
  QVERIFY(!Button(dialog, kPowerOnId)->isChecked());
  QVERIFY(Button(dialog, 1143)->isChecked());
  QVERIFY(PowersEnabled(dialog, false));

  Button(dialog, kPowerOnId)->click();
  QVERIFY(PowersEnabled(dialog, true));
  QCOMPARE(card.adapter.TxPowerControl, 1);

  Button(dialog, kPowerOffId)->click();
  QVERIFY(PowersEnabled(dialog, false));
  QCOMPARE(card.adapter.TxPowerControl, 0);
}

void PowerControlDlgTest::OpeningDerivesThePowerValueFromTheIndex() {
  CardScript card;
  card.adapter.TxPowerControl = 1;
  card.adapter.TxPowerIndex = 5;
  card.adapter.TxPowerValue = 128;  // as loaded, not matching the index
  CPowerControlDlg dialog(card.adapter);
  dialog.Initialize();
  QCOMPARE(card.adapter.TxPowerValue, 168);
  QVERIFY(Button(dialog, 1141)->isChecked());
  QVERIFY(PowersEnabled(dialog, true));
}

void PowerControlDlgTest::ClicksTakeEffectAtOnceAndCancelKeepsThem() {
  CardScript card;
  card.adapter.TxPowerControl = 1;
  card.adapter.TxPowerIndex = 7;
  CPowerControlDlg dialog(card.adapter);
  dialog.Initialize();
  dialog.show();
  QTest::mouseClick(Button(dialog, 1139), Qt::LeftButton);  // "20"
  QCOMPARE(card.adapter.TxPowerIndex, 3);
  QCOMPARE(card.adapter.TxPowerValue, 254);
  QTest::mouseClick(Button(dialog, 1141), Qt::LeftButton);  // "60"
  QVERIFY(!Button(dialog, 1139)->isChecked());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QCOMPARE(dialog.EndResult(), TemplateDialog::kIdCancel);
  QCOMPARE(card.adapter.TxPowerIndex, 5);
  QCOMPARE(card.adapter.TxPowerValue, 168);
}

void PowerControlDlgTest::OkReadsTheButtonsBack() {
  CardScript card;
  card.adapter.TxPowerControl = 1;
  card.adapter.TxPowerIndex = 0;
  CPowerControlDlg dialog(card.adapter);
  dialog.Initialize();
  Button(dialog, 1132)->click();  // "5"
  Button(dialog, kPowerOffId)->click();
  Button(dialog, 1)->click();
  QCOMPARE(dialog.EndResult(), TemplateDialog::kIdOk);
  QCOMPARE(dialog.Model().PowerIndex(), 1);
  QCOMPARE(dialog.Model().PowerSwitch(), 0);
  QCOMPARE(dialog.Model().PowerValue(), 59);
  QCOMPARE(card.adapter.TxPowerValue, 59);
}

void PowerControlDlgTest::AnIndexOutsideTheButtonsIsStoredAs255WithThePowerInForce() {
  CardScript card;
  card.library().adapters.push_back({"PRISM2_1"});
  MemoryProfile profile;
  profile.WriteInt("TX_Power", "Ex_TxPower", 9);
  profile.WriteInt("TX_Power", "TxPower", 77);
  testing::ScriptedBoxes boxes;
  QTemporaryDir folder;
  AppServices services{card.adapter, profile, boxes,
                       folder.filePath(QStringLiteral("quoril.cfg")).toStdString(), false};
  CLinkMonitorDlg main(services);
  main.Initialize();

  bool noneChecked = false;
  const auto ran = testing::WhenModal([&](TemplateDialog& power) {
    noneChecked = power.Controls().RadioIndex(1131) == -1;
    power.OnCommand(TemplateDialog::kIdOk);
  });
  main.OnCommand(1105);
  QVERIFY(*ran);
  QVERIFY(noneChecked);
  QCOMPARE(card.adapter.TxPowerValue, 77);
  QCOMPARE(profile.Find("TX_Power", "Ex_TxPower"), std::optional<std::int32_t>(255));
  QCOMPARE(profile.Find("TX_Power", "TxPower"), std::optional<std::int32_t>(77));
  QCOMPARE(profile.Find("TX_Power", "ON_OFF_TxPower"), std::optional<std::int32_t>(1));
}

}  // namespace quoril

QTEST_MAIN(quoril::PowerControlDlgTest)
#include "PowerControlDlgTest.moc"
