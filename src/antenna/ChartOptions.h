#pragma once
// The chart window's settings and what a change of each does.

#include "app/Rgb.h"

namespace quoril {

// Timer period of the sweep for a speed setting; the speed is taken within
// 1..100 so that no setting can give a period of zero or less.
int SweepPeriodMs(int speed);

struct ChartOptions {
  int width = 10;
  int resolution = 10;
  Rgb colour = colours::kRed;

  // Each returns true when the chart is to be repainted (the value changed).
  // A resolution below 1 is taken as 1.
  bool SetResolution(int n);
  bool SetWidth(int n);
};

}  // namespace quoril
