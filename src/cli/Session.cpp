#include "cli/Session.h"

namespace quoril::cli {

Session::Session(const CardOptions& options) : Session(SetUpCard(options)) {}

Session::Session(Card card)
    : clock_(card.clock),
      ui_(std::move(card.libraryProblem), std::move(card.finishRecording)) {
  adapter_.Connect(std::move(card.library), ui_);
}

void Session::Open() {
  adapter_.FindInputAdapter();
}

}  // namespace quoril::cli
