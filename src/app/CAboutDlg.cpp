#include "app/CAboutDlg.h"

#include "res/DialogTemplate.h"

namespace quoril {

CAboutDlg::CAboutDlg(WindowSystem& windows) : CDialog(res::kAboutBox, windows) {}

}  // namespace quoril
