#include "antenna/Vswr.h"

#include <cmath>

namespace quoril {

namespace {
constexpr std::uint8_t kNoReading = 0x80;
}

double VswrFromRaw(std::uint8_t raw) {
  if (raw == kNoReading) return 0.0;
  const int x = raw > kNoReading ? raw - 128 : raw + 127;
  const double p = std::pow(10.0, (x * 0.055118 + 13) * 0.1);
  const double t = 2 * (100 / p) - 1;
  return raw > kNoReading ? t : 1 / t;
}

int PlotHeight(std::uint8_t raw) {
  if (raw == kNoReading) return 0;
  return static_cast<int>((VswrFromRaw(raw) - 1) * 100);
}

}  // namespace quoril
