#include "antenna/AntennaReport.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

namespace quoril {
namespace {

TEST(AntennaReport, VerdictLimits) {
  const std::pair<double, const char*> cases[] = {
      {1.4, "Nice antenna ..."},
      {1.41, "Normal antenna ..."},
      {1.6, "Normal antenna ..."},
      {2.0, "Bad antenna ..."},
      {2.01, "Problems ... Check a cable, pigtail, antenna"},
  };
  for (const auto& [maximum, verdict] : cases) EXPECT_EQ(AntennaVerdict(maximum, true), verdict);
}

// The report on a table of `fill` with some entries (index, value) set.
AntennaReport Report(double fill, std::initializer_list<std::pair<std::size_t, double>> set) {
  std::array<double, 14> table;
  table.fill(fill);
  for (const auto& [index, value] : set) table[index] = value;
  return RefreshAntennaReport(table);
}

// Minimum channel, minimum, maximum channel, maximum and verdict.
std::string Texts(const AntennaReport& r) {
  std::string out;
  for (std::string_view t : {r.minChannelText.view(), r.minText.view(), r.maxChannelText.view(),
                             r.maxText.view(), r.verdict})
    out.append(t).append("|");
  return out;
}

TEST(AntennaReport, TextsOfTheTable) {
  const AntennaReport empty = Report(0.0, {});
  EXPECT_EQ(Texts(empty),
            "min =1|VSWR_min = 0.00|max = |VSWR_max = 0.00|To measure, please wait!|");
  EXPECT_EQ(empty.values[13], "0.00");
  EXPECT_EQ(Texts(Report(1.2, {{9, 0.0}})),
            "min =10|VSWR_min = 0.00|max =1|VSWR_max = 1.20|To measure, please wait!|");
  // Ties go to the lower channel.
  EXPECT_EQ(Texts(Report(1.3, {{2, 1.7}, {8, 1.7}, {5, 1.05}, {11, 1.05}})),
            "min =6|VSWR_min = 1.05|max =3|VSWR_max = 1.70|Bad antenna ...|");
  // Values of 200 and above leave the minimum unnamed.
  const AntennaReport high = Report(200.0, {{3, 250.5}});
  EXPECT_EQ(Texts(high),
            "min = |VSWR_min = 200.00|max =4|VSWR_max = 250.50|Problems ... Check a "
            "cable, pigtail, antenna|");
  EXPECT_EQ(high.values[3], "250.50");
  // Channel 14 is shown and counts for the minimum but is not judged; the
  // channel named is the one that holds the maximum shown.
  const AntennaReport r = Report(1.2, {{4, 1.3}, {13, 2.5}});
  EXPECT_EQ(Texts(r), "min =1|VSWR_min = 1.20|max =5|VSWR_max = 1.30|Nice antenna ...|");
  EXPECT_EQ(r.values[13], "2.50");
  EXPECT_EQ(Texts(Report(1.2, {{13, 1.01}})),
            "min =14|VSWR_min = 1.01|max =1|VSWR_max = 1.20|Nice antenna ...|");
}

}  // namespace
}  // namespace quoril
