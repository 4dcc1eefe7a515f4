#include "res/qt/DialogWindow.h"

#include <QKeyEvent>
#include <QPushButton>

namespace quoril {

namespace {

bool IsEnter(const QKeyEvent& event) {
  const bool key = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  return key && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

DialogWindow::DialogWindow(std::function<void(int)> onCommand) : onCommand_(std::move(onCommand)) {}

// Escape and the close box.
void DialogWindow::reject() {
  onCommand_(kIdCancel);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (!IsEnter(*event)) {
    QDialog::keyPressEvent(event);
    return;
  }
  // A focused push button took Enter itself.
  if (defaultButton_ && defaultButton_->isVisible()) {
    if (defaultButton_->isEnabled()) defaultButton_->click();
    return;
  }
  onCommand_(kIdOk);
}

}  // namespace quoril
