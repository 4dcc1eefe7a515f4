#pragma once
// A static text as dialogs draw it: words wrap within the control, and an
// "&" underlines the character after it unless the control says otherwise.

#include <QLabel>

namespace quoril {

class StaticControl : public QLabel {
  Q_OBJECT
 public:
  StaticControl(const QString& text, bool prefix, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool prefix_;
};

}  // namespace quoril
