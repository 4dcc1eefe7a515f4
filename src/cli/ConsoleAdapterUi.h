#pragma once
// The adapter's message boxes on a terminal: every message goes to standard
// error, and the process exit the adapter asks for becomes std::exit.

#include <cstdio>

#include "adapter/AdapterUi.h"

namespace quoril::cli {

class ConsoleAdapterUi final : public AdapterUi {
 public:
  explicit ConsoleAdapterUi(std::FILE* err = stderr) : err_(err) {}

  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view caption, std::string_view text) override;
  // The adapter ends the process only when no card answers. Its code 0 suits
  // a window that has just said so; a script has to tell, so the terminal
  // ends with kExitNoCard instead of 0.
  void ExitProcess(int code) override;

 private:
  std::FILE* err_;
};

}  // namespace quoril::cli
