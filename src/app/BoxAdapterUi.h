#pragma once
// What the adapter shows while it sets up the card, as message boxes. Ending
// the process is left to the application: ExitProcess throws ProgramExit,
// which the application catches where no window is running its loop.

#include <string>
#include <utility>

#include "adapter/AdapterUi.h"
#include "res/MessageBoxes.h"

namespace quoril {

struct ProgramExit {
  int code;
};

// Exit status when the adapter could not be set up.
inline constexpr int kSetupFailureExit = 1;

// The "Error!" box for an adapter that could not be set up.
void ShowSetupFailure(MessageBoxes& boxes);

class BoxAdapterUi final : public AdapterUi {
 public:
  // `noCardCause`: why no card can be reached whatever is plugged in
  // (Card::libraryProblem), the no-card box's second line; empty for none.
  explicit BoxAdapterUi(MessageBoxes& boxes, std::string noCardCause = {})
      : boxes_(boxes), noCardCause_(std::move(noCardCause)) {}

  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view caption, std::string_view text) override;
  [[noreturn]] void ExitProcess(int code) override;

 private:
  MessageBoxes& boxes_;
  std::string noCardCause_;
};

}  // namespace quoril
