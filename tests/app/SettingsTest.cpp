#include "app/Settings.h"

#include <gtest/gtest.h>

#include "adapter/CAdapter.h"
#include "app/MemoryProfile.h"

namespace quoril {
namespace {

using Write = MemoryProfile::Write;

TEST(Settings, FirstRunLoadsTheDefaults) {
  MemoryProfile profile;
  CAdapter adapter;
  LoadMainWindowSettings(profile, adapter);
  EXPECT_EQ(std::vector<int>({adapter.TxPowerControl, adapter.TxPowerIndex, adapter.TxPowerValue,
                              adapter.InputAdapter, adapter.OutputAdapter}),
            std::vector<int>({1, 7, 128, 0, 0}));
  EXPECT_TRUE(profile.Writes().empty());  // reading writes nothing
}

TEST(Settings, AntennaTestDefaultsAndTheirRoundTrip) {
  MemoryProfile profile;
  const AntennaTestSettings read = ReadAntennaTestSettings(profile);
  EXPECT_EQ(read, (AntennaTestSettings{10, 10, 100, MakeRgb(255, 0, 0)}));
  WriteAntennaTestSettings(profile, read);
  EXPECT_EQ(profile.Writes(), (std::vector<Write>{{"AntTest", "ColorRed", 255},
                                                  {"AntTest", "ColorGreen", 0},
                                                  {"AntTest", "ColorBlue", 0},
                                                  {"AntTest", "Width", 10},
                                                  {"AntTest", "Style", 256},
                                                  {"AntTest", "Resolution", 10},
                                                  {"AntTest", "Speed", 100}}));
}

TEST(Settings, ColourTakesTheLowByteOfEachPart) {
  MemoryProfile profile;
  profile.WriteInt("AntTest", "ColorRed", 0x112);
  profile.WriteInt("AntTest", "ColorGreen", 0x34);
  profile.WriteInt("AntTest", "ColorBlue", -1);
  EXPECT_EQ(ReadAntennaTestSettings(profile).colour, MakeRgb(0x12, 0x34, 0xFF));
  EXPECT_EQ(ReadChartSettings(profile).colour, MakeRgb(0x12, 0x34, 0xFF));
}

TEST(Settings, ChartWindowHasItsOwnSpeedDefaultAndLimits) {
  MemoryProfile profile;
  EXPECT_EQ(ReadChartSettings(profile).speed, 1);
  profile.WriteInt("AntTest", "Speed", -7);
  profile.WriteInt("AntTest", "Resolution", 0);
  const AntennaTestSettings chart = ReadChartSettings(profile);
  EXPECT_EQ(chart.speed, 0);
  EXPECT_EQ(chart.resolution, 1);
  // The dialog's reading takes the stored values as they are.
  EXPECT_EQ(ReadAntennaTestSettings(profile).speed, -7);
  EXPECT_EQ(ReadAntennaTestSettings(profile).resolution, 0);
}

}  // namespace
}  // namespace quoril
