#pragma once
// The controls of one built dialog, reached by their template ids, and its
// radio groups, reached by the id of their first button.

#include <QButtonGroup>
#include <QWidget>
#include <map>

namespace quoril {

class DialogControls {
 public:
  void Add(int id, QWidget* control);
  void AddRadioGroup(int firstId, QButtonGroup* group);

  // nullptr when the dialog has no control with `id`.
  QWidget* Item(int id) const;
  template <class T>
  T* Get(int id) const {
    return qobject_cast<T*>(Item(id));
  }
  // The id of `control`, 0 when it is none of these.
  int IdOf(const QWidget* control) const;
  // The group whose first button is `firstId`; buttons carry their index in
  // the group as their id. nullptr when there is none.
  QButtonGroup* RadioGroup(int firstId) const;

  const std::map<int, QWidget*>& Items() const { return items_; }

 private:
  std::map<int, QWidget*> items_;
  std::map<int, QButtonGroup*> groups_;
};

}  // namespace quoril
