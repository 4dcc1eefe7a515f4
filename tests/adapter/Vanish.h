#pragma once
// How a card goes away in the middle of something, and the alarm the next
// poll must raise for it.

#include <cstddef>
#include <ostream>
#include <string_view>

#include "adapter/FailingCard.h"

namespace quoril::testing {

enum class Vanish {
  kDriverOff,  // every request from then on returns status 6
  kPulledOut,  // the adapter's handle is gone
};

inline void PrintTo(Vanish how, std::ostream* os) {
  *os << (how == Vanish::kDriverOff ? "driver off" : "pulled out");
}

inline void VanishAt(FailingCard& card, Vanish how, std::size_t request) {
  if (how == Vanish::kDriverOff) {
    card.FailFrom(request, 6);
  } else {
    card.UnplugAt(request);
  }
}

inline std::string_view AlarmTextFor(Vanish how) {
  return how == Vanish::kDriverOff ? "WLAN Driver OFF" : "WLAN Driver FAILURE: c0010012";
}

}  // namespace quoril::testing
