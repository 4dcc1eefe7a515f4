// The power dialog: the buttons it checks and enables on opening, clicks that
// take effect at once, and what OK reads back.

#include <QAbstractButton>
#include <QTest>

#include "adapter/CAdapter.h"
#include "power/CPowerControlDlg.h"
#include "power/PowerButtons.h"

namespace quoril {

class PowerControlDlgTest : public QObject {
  Q_OBJECT

  CAdapter adapter;

  std::unique_ptr<CPowerControlDlg> Open(std::int32_t control, std::int32_t index) {
    adapter.TxPowerControl = control;
    adapter.TxPowerIndex = index;
    adapter.TxPowerValue = 77;
    auto dialog = std::make_unique<CPowerControlDlg>(adapter);
    dialog->Initialize();
    dialog->show();
    return dialog;
  }
  static void Click(const CPowerControlDlg& dialog, int id) {
    QTest::mouseClick(dialog.Item<QAbstractButton>(id), Qt::LeftButton);
  }
  static bool PowersEnabled(const CPowerControlDlg& dialog, bool enabled) {
    for (const PowerButton& b : kPowerButtons) {
      if (dialog.Item<QAbstractButton>(b.controlId)->isEnabled() != enabled) return false;
    }
    return true;
  }

 private slots:
  void OnAndOffEnableThePowersAndClicksTakeEffectAtOnce() {
    auto dialog = Open(0, 7);
    QVERIFY(dialog->Item<QAbstractButton>(kPowerOffId)->isChecked());
    QVERIFY(dialog->Item<QAbstractButton>(1143)->isChecked());
    QVERIFY(PowersEnabled(*dialog, false));
    Click(*dialog, kPowerOnId);
    QVERIFY(PowersEnabled(*dialog, true));
    QCOMPARE(adapter.TxPowerControl, 1);
    Click(*dialog, 1139);  // "20"
    QCOMPARE(adapter.TxPowerIndex, 3);
    QCOMPARE(adapter.TxPowerValue, 254);
    Click(*dialog, 1141);  // "60"
    QVERIFY(!dialog->Item<QAbstractButton>(1139)->isChecked());
    Click(*dialog, kPowerOffId);
    QVERIFY(PowersEnabled(*dialog, false));
    QCOMPARE(adapter.TxPowerControl, 0);

    QTest::keyClick(dialog.get(), Qt::Key_Escape);  // the clicks stay in force
    QCOMPARE(dialog->EndResult(), TemplateDialog::kIdCancel);
    QCOMPARE(adapter.TxPowerValue, 168);
  }

  void OkReadsTheButtonsBack() {
    auto dialog = Open(1, 0);
    Click(*dialog, 1132);  // "5"
    Click(*dialog, kPowerOffId);
    Click(*dialog, 1);
    QCOMPARE(dialog->EndResult(), TemplateDialog::kIdOk);
    QCOMPARE(dialog->Model().PowerIndex(), 1);
    QCOMPARE(dialog->Model().PowerSwitch(), 0);
    QCOMPARE(adapter.TxPowerValue, 59);

    dialog = Open(1, 9);  // outside the buttons: none checked, the value kept
    QCOMPARE(dialog->Controls().RadioIndex(1131), -1);
    Click(*dialog, 1);
    QCOMPARE(dialog->Model().PowerIndex(), -1);
    QCOMPARE(adapter.TxPowerValue, 77);
  }
};

}  // namespace quoril

QTEST_MAIN(quoril::PowerControlDlgTest)
#include "PowerControlDlgTest.moc"
