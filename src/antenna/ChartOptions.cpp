#include "antenna/ChartOptions.h"

#include <algorithm>

namespace quoril {

int SweepPeriodMs(int speed) {
  return 550 - 5 * std::clamp(speed, 1, 100);
}

bool ChartOptions::SetResolution(int n) {
  n = std::max(n, 1);
  if (n == resolution) return false;
  resolution = n;
  return true;
}

bool ChartOptions::SetWidth(int n) {
  if (n == width) return false;
  width = n;
  return true;
}

}  // namespace quoril
