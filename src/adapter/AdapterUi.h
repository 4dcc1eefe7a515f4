#pragma once
// What CAdapter needs of the user interface while it sets up the card:
// message boxes and the process exit. Windows show real boxes, the terminal
// prints to standard error, tests record.

#include <string>
#include <string_view>

namespace quoril {

class AdapterUi {
 public:
  virtual ~AdapterUi() = default;
  // An OK box without caption: "Can not find the PC card WLAN". A user
  // interface told why no card can be reached (the request library is
  // missing or incomplete) adds that cause as a second line.
  virtual void ShowMessage(std::string_view text) = 0;
  // An OK box with a caption and the exclamation icon ("Error!").
  virtual void ShowError(std::string_view caption, std::string_view text) = 0;
  // Ends the process with `code`. Only a test implementation returns; the
  // caller then returns too.
  virtual void ExitProcess(int code) = 0;
};

// `text`, and `cause` on a line of its own below it when there is one.
inline std::string WithCause(std::string_view text, std::string_view cause) {
  std::string message(text);
  if (!cause.empty()) message.append("\n").append(cause);
  return message;
}

}  // namespace quoril
