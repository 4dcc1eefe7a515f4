#pragma once
// The antenna report: per-channel values, the smallest and largest with
// their channels, and the verdict.

#include <array>
#include <span>
#include <string_view>

#include "app/ShortText.h"

namespace quoril {

inline constexpr int kReportTimerId = 1107;
inline constexpr int kReportPeriodMs = 300;
inline constexpr std::array<int, 14> kReportValueBoxIds = {
    1133, 1136, 1137, 1144, 1145, 1146, 1147, 1148, 1149, 1150, 1151, 1152, 1153, 1154};
inline constexpr int kReportMinTextId = 1194;
inline constexpr int kReportMaxTextId = 1195;
inline constexpr int kReportVerdictId = 1196;
inline constexpr int kReportMaxChannelId = 1197;
inline constexpr int kReportMinChannelId = 1198;

struct AntennaReport {
  double minimum = 200.0;
  double maximum = 0.0;
  int minChannel = 0;  // 0: no value below 200
  int maxChannel = 0;  // 0: no value above 0
  bool complete = false;
  ShortText maxChannelText;          // 1197 "max =%01.0d"
  ShortText minChannelText;          // 1198 "min =%01.0d"
  ShortText minText;                 // 1194 "VSWR_min = %01.2f"
  ShortText maxText;                 // 1195 "VSWR_max = %01.2f"
  std::string_view verdict;          // 1196
  std::array<ShortText, 14> values;  // value boxes, "%01.2f"
};

// One refresh over the table, entry i for channel i + 1; 0.0 is unmeasured.
// Channel 14 takes no part in the maximum.
AntennaReport RefreshAntennaReport(std::span<const double, 14> vswr);

// The verdict on the largest VSWR of a complete table.
std::string_view AntennaVerdict(double maximum, bool complete);

// Value box text "%01.2f".
void FormatVswrValue(double value, ShortText& out);

}  // namespace quoril
