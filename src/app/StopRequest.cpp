#include "app/StopRequest.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <atomic>
#include <csignal>

#include "res/TemplateDialog.h"

namespace quoril {

namespace {

std::atomic<bool> stopRequested{false};

extern "C" void OnStopSignal(int) {
  stopRequested = true;
}

void EndInnermostWindow() {
  QWidget* window = QApplication::activeModalWidget();
  if (auto* dialog = qobject_cast<TemplateDialog*>(window)) {
    // Not OnCancel: the air scan's cancel starts the scan.
    dialog->EndDialog(TemplateDialog::kIdCancel);
  } else if (auto* box = qobject_cast<QDialog*>(window)) {
    box->reject();
  }
}

}  // namespace

void InstallStopHandlers() {
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
}

bool StopRequested() {
  return stopRequested;
}

void RequestStop() {
  stopRequested = true;
}

void WatchStopRequests(int periodMs) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] {
    if (stopRequested) EndInnermostWindow();
  });
  timer->start(periodMs);
}

}  // namespace quoril
