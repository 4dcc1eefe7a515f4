#include "sim/DetectorModel.h"

#include <cmath>
#include <limits>

#include "antenna/Vswr.h"

namespace quoril::detector {
namespace {

constexpr double kDbPerStep = 0.055118;
constexpr double kFloorDb = 13.0;  // 20 mW
constexpr double kLowRangeDbPerStep = 0.1015625;
constexpr double kLowestVisibleMw = 20.0;

// Steps above the detector's floor: 1..127 above 0x80, 128..254 below it.
int StepsOf(std::uint8_t reading) {
  return reading > kNoReading ? reading - 128 : reading + 127;
}

template <typename Distance>
std::uint8_t NearestReading(Distance distance) {
  std::uint8_t best = kNoReading;
  double bestDistance = std::numeric_limits<double>::infinity();
  // Above 0x80 first, so that of two equal readings the upper range wins.
  for (int i = 1; i < 256; ++i) {
    const auto reading = static_cast<std::uint8_t>((kNoReading + i) & 0xFF);
    const double d = distance(reading);
    if (d < bestDistance) {
      bestDistance = d;
      best = reading;
    }
  }
  return best;
}

}  // namespace

double SettingMw(std::uint8_t setting) {
  const double db = setting >= 128 ? kFloorDb + kDbPerStep * (255 - setting)
                                   : kLowRangeDbPerStep * (128 - setting);
  return std::pow(10.0, db * 0.1);
}

double ReadingMw(std::uint8_t reading) {
  if (reading == kNoReading) return 0.0;
  return std::pow(10.0, (kFloorDb + kDbPerStep * StepsOf(reading)) * 0.1);
}

std::array<std::uint8_t, 256> PowerReadings() {
  std::array<std::uint8_t, 256> table{};
  for (int setting = 0; setting < 256; ++setting) {
    const double mw = SettingMw(static_cast<std::uint8_t>(setting));
    table[setting] = mw < kLowestVisibleMw ? kNoReading : NearestReading([mw](std::uint8_t r) {
      return std::fabs(ReadingMw(r) - mw);
    });
  }
  return table;
}

std::uint8_t ReadingForVswr(double vswr) {
  if (!(vswr >= 1.0)) return kNoReading;
  return NearestReading([vswr](std::uint8_t r) { return std::fabs(VswrFromRaw(r) - vswr); });
}

}  // namespace quoril::detector
