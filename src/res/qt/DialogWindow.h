#pragma once
// The window of a template dialog. Its keys and its close box speak in
// commands, as the platform's dialog manager does: Enter clicks the focused
// push button, else the default button, and is IDOK when there is none;
// Escape and the close box are IDCANCEL. The dialog decides what they do; the window never closes
// itself.

#include <QDialog>
#include <functional>

namespace quoril {

class DialogWindow final : public QDialog {
 public:
  explicit DialogWindow(std::function<void(int command)> onCommand);

  static constexpr int kIdOk = 1;
  static constexpr int kIdCancel = 2;

  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(int)> onCommand_;
};

}  // namespace quoril
