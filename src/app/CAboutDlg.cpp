#include "app/CAboutDlg.h"

#include "res/DialogTemplate.h"

namespace quoril {

CAboutDlg::CAboutDlg(QWidget* parent) : TemplateDialog(res::kAboutBox, parent) {}

}  // namespace quoril
