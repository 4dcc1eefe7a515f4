#include "app/BoxAdapterUi.h"

namespace quoril {

void BoxAdapterUi::ShowMessage(std::string_view text) {
  boxes_.Show({}, WithCause(text, noCardCause_), BoxButtons::kOk, BoxIcon::kNone);
}

void BoxAdapterUi::ShowError(std::string_view caption, std::string_view text) {
  boxes_.Show(caption, text, BoxButtons::kOk, BoxIcon::kExclamation);
}

void ShowSetupFailure(MessageBoxes& boxes) {
  boxes.Show("Error!", "The adapter could not be set up.", BoxButtons::kOk, BoxIcon::kExclamation);
}

void BoxAdapterUi::ExitProcess(int code) {
  throw ProgramExit{code};
}

}  // namespace quoril
