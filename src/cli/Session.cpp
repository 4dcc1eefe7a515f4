#include "cli/Session.h"

namespace quoril::cli {

Session::Session(const CardOptions& options) {
  Card card = SetUpCard(options);
  clock_ = card.clock;
  ui_.finishRecording = std::move(card.finishRecording);
  adapter_.Connect(std::move(card.library), ui_);
}

void Session::Open() {
  adapter_.FindInputAdapter();
}

}  // namespace quoril::cli
