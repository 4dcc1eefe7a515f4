#pragma once
// The adapter's message boxes on a terminal: every message goes to standard
// error, and the process exit the adapter asks for becomes std::exit.

#include <cstdio>
#include <string>
#include <utility>

#include "adapter/AdapterUi.h"

namespace quoril::cli {

class ConsoleAdapterUi final : public AdapterUi {
 public:
  // `noCardCause`: why no card can be reached whatever is plugged in
  // (Card::libraryProblem), printed below "Can not find the PC card WLAN".
  explicit ConsoleAdapterUi(std::FILE* err = stderr, std::string noCardCause = {})
      : err_(err), noCardCause_(std::move(noCardCause)) {}

  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view caption, std::string_view text) override;
  // The adapter ends the process only when no card answers. Its code 0 suits
  // a window that has just said so; a script has to tell, so the terminal
  // ends with kExitNoCard instead of 0.
  void ExitProcess(int code) override;

 private:
  std::FILE* err_;
  std::string noCardCause_;
};

}  // namespace quoril::cli
