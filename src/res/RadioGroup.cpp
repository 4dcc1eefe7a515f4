#include "res/RadioGroup.h"

namespace quoril::res {

std::vector<int> RadioGroupOf(const DialogTemplate& dialog, int memberId) {
  const auto& controls = dialog.controls;
  std::size_t member = 0;
  while (member < controls.size() && controls[member].id != memberId) ++member;
  if (member == controls.size()) return {};
  std::size_t first = member;
  while (first > 0 && !(controls[first].style & kGroup)) --first;
  std::vector<int> ids;
  for (std::size_t i = first; i < controls.size(); ++i) {
    if (i > first && (controls[i].style & kGroup)) break;
    if (controls[i].kind == ControlKind::kRadioButton) ids.push_back(controls[i].id);
  }
  return ids;
}

}  // namespace quoril::res
