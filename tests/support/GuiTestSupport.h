#pragma once
// Helpers for the window tests: message boxes that answer from a script, and
// a way to act inside a modal dialog while its loop runs.

#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "res/MessageBoxes.h"
#include "res/TemplateDialog.h"

namespace quoril::testing {

class ScriptedBoxes final : public MessageBoxes {
 public:
  struct Shown {
    std::string caption;
    std::string text;
    BoxButtons buttons;
  };
  std::vector<Shown> shown;
  std::deque<BoxAnswer> answers;     // taken in order; OK or Cancel when empty
  std::function<void()> whileShown;  // runs inside each box, before it answers

  BoxAnswer Show(std::string_view caption, std::string_view text, BoxButtons buttons,
                 BoxIcon) override {
    shown.push_back({std::string(caption), std::string(text), buttons});
    if (whileShown) whileShown();
    if (!answers.empty()) {
      const BoxAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == BoxButtons::kOk ? BoxAnswer::kOk : BoxAnswer::kCancel;
  }
};

// Once the next modal dialog runs, hands it to `act`, which must end it.
// Returns a flag that tells whether `act` ran.
inline std::shared_ptr<bool> WhenModal(std::function<void(TemplateDialog&)> act) {
  auto ran = std::make_shared<bool>(false);
  auto* timer = new QTimer(qApp);
  timer->setInterval(1);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, ran, act = std::move(act)] {
    auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    *ran = true;
    act(*dialog);
  });
  timer->start();
  return ran;
}

}  // namespace quoril::testing
