#pragma once
// The About box: the program's name, version and purpose.

#include "res/TemplateDialog.h"

namespace quoril {

class CAboutDlg : public TemplateDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace quoril
