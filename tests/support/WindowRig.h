#pragma once
// What a window test runs on: a card that answers from tables (with every
// request logged), a profile in memory and the recording window system.

#include <functional>
#include <vector>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "app/MemoryProfile.h"
#include "res/CDialog.h"
#include "res/recording/RecordingWindowSystem.h"

namespace quoril::testing {

using recording::RecordingDialog;

struct WindowRig : CardScript {
  // Runs `dialog` modally with `script` inside; returns its result.
  int Run(CDialog& dialog, const std::function<void(RecordingDialog&)>& script) {
    windows.WhenOpen(dialog.Template().id, script);
    return dialog.DoModal();
  }
  // The sub-commands of the test commands sent, in order.
  std::vector<std::uint8_t> TestCommands() {
    std::vector<std::uint8_t> out;
    for (const LoggedCall* c : library().Requests()) {
      if (c->oid == catalogue::kOidCommand && c->sent.size() > 1 &&
          c->sent[0] == catalogue::kCmdTest) {
        out.push_back(c->sent[1]);
      }
    }
    return out;
  }

  MemoryProfile profile;
  recording::RecordingWindowSystem windows;
};

}  // namespace quoril::testing
