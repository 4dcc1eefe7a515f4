#include "res/TemplateDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <stdexcept>

#include "res/qt/DialogBuilder.h"

namespace quoril {

TemplateDialog::TemplateDialog(int templateId, QWidget* parent) : QDialog(parent) {
  const res::DialogTemplate* t = res::FindDialogTemplate(templateId);
  if (!t) throw std::logic_error("no dialog template " + std::to_string(templateId));
  controls_ = BuildDialog(*t, *this);
  for (const auto& [id, widget] : controls_.Items()) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      const int command = id;
      connect(button, &QAbstractButton::clicked, this, [this, command] { OnCommand(command); });
    }
  }
}

TemplateDialog::~TemplateDialog() = default;

int TemplateDialog::DoModal() {
  Initialize();
  if (ended_) return result_;
  exec();
  return result_;
}

void TemplateDialog::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  OnInitDialog();
}

bool TemplateDialog::OnInitDialog() {
  return UpdateData(false);
}

void TemplateDialog::DoDataExchange(bool) {}

bool TemplateDialog::UpdateData(bool save) {
  DoDataExchange(save);
  return true;
}

void TemplateDialog::SetDlgItemText(int id, const QString& text) {
  QWidget* item = GetDlgItem(id);
  if (auto* label = qobject_cast<QLabel*>(item)) {
    label->setText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(item)) {
    edit->setText(text);
    edit->setCursorPosition(0);  // show the start, as an edit box does
  } else if (auto* button = qobject_cast<QAbstractButton*>(item)) {
    button->setText(text);
  } else if (auto* box = qobject_cast<QGroupBox*>(item)) {
    box->setTitle(text);
  } else {
    return;
  }
  item->repaint();
}

QString TemplateDialog::GetDlgItemText(int id) const {
  QWidget* item = GetDlgItem(id);
  if (auto* label = qobject_cast<QLabel*>(item)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(item)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(item)) return button->text();
  if (auto* box = qobject_cast<QGroupBox*>(item)) return box->title();
  return {};
}

void TemplateDialog::EnableItem(int id, bool enable) {
  if (QWidget* item = GetDlgItem(id)) item->setEnabled(enable);
}

// --- Timers -----------------------------------------------------------------

int TemplateDialog::SetTimer(int id, int ms) {
  QTimer*& timer = timers_[id];
  if (!timer) {
    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] { Fire(id); });
  }
  armed_[id] = true;
  timer->start(ms);
  return id;
}

void TemplateDialog::KillTimer(int id) {
  if (const auto it = timers_.find(id); it != timers_.end()) it->second->stop();
  armed_[id] = false;
}

bool TemplateDialog::IsTimerRunning(int id) const {
  const auto it = armed_.find(id);
  return it != armed_.end() && it->second;
}

void TemplateDialog::Fire(int id) {
  OnTimer(id);
  // The next tick counts from the end of this one; a tick that restarted or
  // stopped its own timer has decided already.
  QTimer* timer = timers_[id];
  if (armed_[id] && !timer->isActive()) timer->start();
}

void TemplateDialog::OnTimer(int) {}

// --- Commands and ending ----------------------------------------------------

void TemplateDialog::OnCommand(int id) {
  if (id == kIdOk) OnOK();
  if (id == kIdCancel) OnCancel();
}

void TemplateDialog::OnOK() {
  if (UpdateData(true)) EndDialog(kIdOk);
}

void TemplateDialog::OnCancel() {
  EndDialog(kIdCancel);
}

void TemplateDialog::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  done(result);
}

void TemplateDialog::accept() {
  OnOK();
}
void TemplateDialog::reject() {
  OnCancel();
}

void TemplateDialog::done(int result) {
  // The window's timers end with it.
  for (auto& [id, timer] : timers_) {
    timer->stop();
    armed_[id] = false;
  }
  QDialog::done(result);
}

}  // namespace quoril
