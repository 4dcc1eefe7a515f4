#pragma once
// What the link monitor does about the status of a tick's last card request.

#include <cstdint>

#include "app/ShortText.h"

namespace quoril {

struct DriverAlarm {
  enum class Kind {
    kNone,     // go on polling
    kOff,      // stop the poll, "WLAN Driver OFF" with OK, then close the window
    kFailure,  // stop the poll, the text with Retry (poll again) or Cancel (close)
  };
  Kind kind = Kind::kNone;
  ShortText text;

  // Status 0 and the generic failure 0xC0000001 never raise the alarm.
  static DriverAlarm Judge(std::uint32_t status);
};

}  // namespace quoril
