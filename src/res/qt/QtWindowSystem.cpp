#include "res/qt/QtWindowSystem.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "res/DialogEvents.h"
#include "res/qt/DialogWindow.h"
#include "res/qt/QtDialogPeer.h"
#include "res/qt/StopSignals.h"

namespace quoril {

QtWindowSystem::QtWindowSystem() : context_(std::make_unique<QObject>()) {}

QtWindowSystem::QtWindowSystem(std::vector<std::string> args) : args_(std::move(args)) {
  for (std::string& arg : args_) argv_.push_back(arg.data());
  argv_.push_back(nullptr);
  argc_ = static_cast<int>(args_.size());
  application_ = std::make_unique<QApplication>(argc_, argv_.data());
  context_ = std::make_unique<QObject>();
}

QtWindowSystem::~QtWindowSystem() {
  context_.reset();  // before the application
}

std::vector<std::string> QtWindowSystem::Arguments() const {
  std::vector<std::string> left;
  for (const QString& arg : QCoreApplication::arguments()) left.push_back(arg.toStdString());
  return left;
}

void QtWindowSystem::After(int ms, std::function<void()> action) {
  QTimer::singleShot(ms, context_.get(), std::move(action));
}

BoxAnswer QtWindowSystem::Show(std::string_view caption, std::string_view text, BoxButtons buttons,
                               BoxIcon icon) {
  return boxes_.Show(caption, text, buttons, icon);
}

int QtWindowSystem::RunModalWindow(OpenDialog& dialog) {
  QtDialogPeer peer(*dialog.dialogTemplate, *dialog.events);
  // The window goes after this, the dialog hearing of it first.
  struct Detach {
    OpenDialog& dialog;
    ~Detach() {
      dialog.events->OnAttach(nullptr);
      dialog.peer = nullptr;
    }
  } detach{dialog};
  dialog.peer = &peer;
  dialog.events->OnAttach(&peer);
  peer.RunModal(dialog.events->OnInitDialog());
  return peer.Result();
}

void QtWindowSystem::WatchStopSignals(int periodMs) {
  auto* watch = new QTimer(context_.get());
  QObject::connect(watch, &QTimer::timeout, context_.get(), [this] {
    if (StopSignalRaised()) EndInnermostWindow();
  });
  watch->start(periodMs);
}

void QtWindowSystem::EndInnermostWindow() {
  // Boxes open from inside the dialogs' events: one that is open is the
  // innermost window.
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
    box->close();
    return;
  }
  if (OpenDialogs().empty()) return;
  if (DialogPeer* peer = OpenDialogs().back().peer) peer->EndModal(DialogWindow::kIdCancel);
}

}  // namespace quoril
