#include "cli/ConsoleAdapterUi.h"

#include <cstdlib>

#include "cli/ExitStatus.h"

namespace quoril::cli {

void ConsoleAdapterUi::ShowMessage(std::string_view text) {
  const std::string message = WithCause(text, noCardCause_);
  std::fprintf(err_, "%s\n", message.c_str());
}

void ConsoleAdapterUi::ShowError(std::string_view caption, std::string_view text) {
  std::fprintf(err_, "%.*s %.*s\n", static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
}

void ConsoleAdapterUi::ExitProcess(int code) {
  std::fflush(nullptr);
  std::exit(code == 0 ? kExitNoCard : code);
}

}  // namespace quoril::cli
