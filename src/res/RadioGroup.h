#pragma once
// Radio groups as a dialog template lays them out: a group runs from a
// control that starts a group (kGroup) up to the next one, and its radio
// buttons are the group's members in template order.

#include <vector>

#include "res/DialogTemplate.h"

namespace quoril::res {

// The ids of the radio buttons in the group of the control `memberId`;
// empty when the template has no such control.
std::vector<int> RadioGroupOf(const DialogTemplate& dialog, int memberId);

}  // namespace quoril::res
