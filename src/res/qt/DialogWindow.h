#pragma once
// The window of a template dialog. Its keys and its close box speak in
// commands, as the platform's dialog manager does: Enter clicks the focused
// push button, else the template's default button, and is IDOK when there
// is none; Escape and the close box are IDCANCEL. The dialog decides what
// they do; the window never closes itself.

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <functional>

namespace quoril {

class DialogWindow final : public QDialog {
 public:
  explicit DialogWindow(std::function<void(int command)> onCommand);

  static constexpr int kIdOk = 1;
  static constexpr int kIdCancel = 2;

  // The template's default button; Qt's own moves to the first button that
  // takes the focus in a dialog that has none.
  void SetDefaultButton(QPushButton* button) { defaultButton_ = button; }

  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(int)> onCommand_;
  QPointer<QPushButton> defaultButton_;
};

}  // namespace quoril
