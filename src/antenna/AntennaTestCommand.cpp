#include "antenna/AntennaTestCommand.h"

#include "adapter/CAdapter.h"
#include "antenna/CAntennaTestDlg.h"
#include "antenna/ChartSweep.h"
#include "app/Settings.h"

namespace quoril {

int RunAntennaTest(CAdapter& adapter, Profile& profile, WindowSystem& windows) {
  CAntennaTestDlg dialog(adapter, profile, windows);
  const AntennaTestSettings settings = ReadAntennaTestSettings(profile);
  dialog.m_nWidth = settings.width;
  dialog.m_nResolution = settings.resolution;
  dialog.m_nSpeed = settings.speed;
  dialog.m_crColor = settings.colour;
  adapter.PacketSetTxLevel(kTestTxLevel);
  const int result = dialog.DoModal();
  adapter.PacketStopTest();
  if (result == CDialog::IDOK) {
    WriteAntennaTestSettings(
        profile, {dialog.m_nWidth, dialog.m_nResolution, dialog.m_nSpeed, dialog.m_crColor});
  }
  return result;
}

}  // namespace quoril
