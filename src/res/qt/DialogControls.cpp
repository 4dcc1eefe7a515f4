#include "res/qt/DialogControls.h"

#include <QAbstractButton>

namespace quoril {

void DialogControls::Add(int id, QWidget* control) {
  items_[id] = control;
}

void DialogControls::AddRadioGroup(int firstId, QButtonGroup* group) {
  groups_[firstId] = group;
}

QWidget* DialogControls::Item(int id) const {
  const auto it = items_.find(id);
  return it == items_.end() ? nullptr : it->second;
}

int DialogControls::IdOf(const QWidget* control) const {
  for (const auto& [id, widget] : items_) {
    if (widget == control) return id;
  }
  return 0;
}

QButtonGroup* DialogControls::RadioGroup(int firstId) const {
  const auto it = groups_.find(firstId);
  return it == groups_.end() ? nullptr : it->second;
}

}  // namespace quoril
