#pragma once
// The About box: the program's name, version and purpose.

#include "res/CDialog.h"

namespace quoril {

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(WindowSystem& windows);
};

}  // namespace quoril
