#pragma once
// One run of a command against the card: the boundary built from the options,
// the adapter connected to it with messages on standard error, and the clock
// the command's timer runs on.

#include <functional>

#include "adapter/CAdapter.h"
#include "app/CardSetup.h"
#include "cli/ConsoleAdapterUi.h"

namespace quoril::cli {

class Session {
 public:
  // Throws CardSetupError, and CAdapter::Initialization when the completion
  // event cannot be made.
  explicit Session(const CardOptions& options);

  // Finds and opens the card as the program does. With no card the adapter
  // says "Can not find the PC card WLAN" and the process ends with
  // kExitNoCard (a recording is written out first); a failed second open
  // throws CAdapter::Initialization.
  void Open();

  CAdapter& Adapter() { return adapter_; }
  Clock& GetClock() { return *clock_; }

 private:
  explicit Session(Card card);

  // The terminal's messages; the process exit, which skips destructors,
  // writes the recording out first.
  class Ui final : public AdapterUi {
   public:
    Ui(std::string noCardCause, std::function<void()> finish)
        : console(stderr, std::move(noCardCause)), finishRecording(std::move(finish)) {}
    void ShowMessage(std::string_view text) override { console.ShowMessage(text); }
    void ShowError(std::string_view caption, std::string_view text) override {
      console.ShowError(caption, text);
    }
    void ExitProcess(int code) override {
      if (finishRecording) finishRecording();
      console.ExitProcess(code);
    }

    ConsoleAdapterUi console;
    std::function<void()> finishRecording;
  };

  std::shared_ptr<Clock> clock_;
  Ui ui_;
  CAdapter adapter_;  // last: closes the card before the rest goes
};

}  // namespace quoril::cli
