#include "antenna/AntennaReport.h"

#include <gtest/gtest.h>

#include <array>

namespace quoril {
namespace {

using Table = std::array<double, 14>;

Table Filled(double v) {
  Table t;
  t.fill(v);
  return t;
}

TEST(AntennaReport, EmptyTableWaits) {
  const AntennaReport r = RefreshAntennaReport(Filled(0.0));
  EXPECT_EQ(r.maxChannelText, "max = ");
  EXPECT_EQ(r.minChannelText, "min =1");
  EXPECT_EQ(r.minText, "VSWR_min = 0.00");
  EXPECT_EQ(r.maxText, "VSWR_max = 0.00");
  EXPECT_EQ(r.verdict, "To measure, please wait!");
  for (const ShortText& v : r.values) EXPECT_EQ(v, "0.00");
}

TEST(AntennaReport, OneUnmeasuredChannelKeepsItWaiting) {
  Table t = Filled(1.2);
  t[9] = 0.0;
  const AntennaReport r = RefreshAntennaReport(t);
  EXPECT_EQ(r.verdict, "To measure, please wait!");
  EXPECT_EQ(r.minText, "VSWR_min = 0.00");
  EXPECT_EQ(r.minChannelText, "min =10");
}

TEST(AntennaReport, VerdictLimits) {
  const std::pair<double, const char*> cases[] = {
      {1.4, "Nice antenna ..."},
      {1.41, "Normal antenna ..."},
      {1.6, "Normal antenna ..."},
      {2.0, "Bad antenna ..."},
      {2.01, "Problems ... Check a cable, pigtail, antenna"},
  };
  for (const auto& [maximum, verdict] : cases) {
    Table t = Filled(1.1);
    t[4] = maximum;
    const AntennaReport r = RefreshAntennaReport(t);
    EXPECT_EQ(r.verdict, verdict) << maximum;
    EXPECT_EQ(r.maxChannelText, "max =5");
  }
}

TEST(AntennaReport, TiesGoToTheLowerChannel) {
  Table t = Filled(1.3);
  t[2] = t[8] = 1.7;
  t[5] = t[11] = 1.05;
  const AntennaReport r = RefreshAntennaReport(t);
  EXPECT_EQ(r.maxChannelText, "max =3");
  EXPECT_EQ(r.minChannelText, "min =6");
  EXPECT_EQ(r.maxText, "VSWR_max = 1.70");
  EXPECT_EQ(r.minText, "VSWR_min = 1.05");
}

TEST(AntennaReport, ChannelFourteenIsShownButNotJudged) {
  Table t = Filled(1.2);
  t[4] = 1.30;
  t[13] = 2.50;
  const AntennaReport r = RefreshAntennaReport(t);
  EXPECT_EQ(r.maxText, "VSWR_max = 1.30");
  EXPECT_EQ(r.maxChannelText, "max =5");  // the channel that holds the value shown
  EXPECT_EQ(r.verdict, "Nice antenna ...");
  EXPECT_EQ(r.values[13], "2.50");

  // It still counts for the minimum.
  t[13] = 1.01;
  EXPECT_EQ(RefreshAntennaReport(t).minChannelText, "min =14");
}

TEST(AntennaReport, ValuesOf200AndAboveLeaveTheMinimumUnnamed) {
  Table t = Filled(200.0);
  t[3] = 250.5;
  const AntennaReport r = RefreshAntennaReport(t);
  EXPECT_EQ(r.minText, "VSWR_min = 200.00");
  EXPECT_EQ(r.minChannelText, "min = ");
  EXPECT_EQ(r.maxText, "VSWR_max = 250.50");
  EXPECT_EQ(r.values[3], "250.50");
}

TEST(AntennaReport, NegativeValuesCountAsMeasured) {
  Table t = Filled(1.1);
  t[0] = -1.84789;
  const AntennaReport r = RefreshAntennaReport(t);
  EXPECT_EQ(r.values[0], "-1.85");
  EXPECT_EQ(r.minChannelText, "min =1");
  EXPECT_EQ(r.verdict, "Nice antenna ...");
}

}  // namespace
}  // namespace quoril
