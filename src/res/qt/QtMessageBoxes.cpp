#include "res/qt/QtMessageBoxes.h"
#include "res/qt/QtText.h"

#include <QMessageBox>

namespace quoril {

BoxAnswer QtMessageBoxes::Show(std::string_view caption, std::string_view text, BoxButtons buttons,
                               BoxIcon icon) {
  QMessageBox box(icon == BoxIcon::kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  caption.empty() ? QStringLiteral("WLAN Quoril") : ToQString(caption),
                  ToQString(text));
  if (buttons == BoxButtons::kRetryCancel) {
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Retry:
      return BoxAnswer::kRetry;
    case QMessageBox::Cancel:
      return BoxAnswer::kCancel;
    default:
      return BoxAnswer::kOk;
  }
}

}  // namespace quoril
