#include "app/DriverAlarm.h"

#include "adapter/NdisLibrary.h"

namespace quoril {

namespace {
constexpr std::uint32_t kStatusDriverOff = 6;
}

DriverAlarm DriverAlarm::Judge(std::uint32_t status) {
  DriverAlarm alarm;
  if (status == kNdisStatusSuccess || status == kNdisStatusFailure) return alarm;
  if (status == kStatusDriverOff) {
    alarm.kind = Kind::kOff;
    alarm.text.Assign("WLAN Driver OFF");
  } else {
    alarm.kind = Kind::kFailure;
    alarm.text.Format("WLAN Driver FAILURE: %08x", status);
  }
  return alarm;
}

}  // namespace quoril
