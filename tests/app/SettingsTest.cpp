#include "app/Settings.h"

#include <gtest/gtest.h>

#include "adapter/CAdapter.h"
#include "app/MemoryProfile.h"

namespace quoril {
namespace {

using Write = MemoryProfile::Write;

TEST(Settings, FirstRunLoadsTheDefaultsAndWritesTheAntennaSettingsBackInOrder) {
  MemoryProfile profile;
  CAdapter adapter;
  LoadMainWindowSettings(profile, adapter);
  EXPECT_EQ(std::vector<int>({adapter.TxPowerControl, adapter.TxPowerIndex, adapter.TxPowerValue,
                              adapter.InputAdapter, adapter.OutputAdapter}),
            std::vector<int>({1, 7, 128, 0, 0}));
  const AntennaTestSettings read = ReadAntennaTestSettings(profile);
  EXPECT_TRUE(profile.Writes().empty());    // reading writes nothing
  WriteAntennaTestSettings(profile, read);  // the defaults
  EXPECT_EQ(profile.Writes(), (std::vector<Write>{{"AntTest", "ColorRed", 255},
                                                  {"AntTest", "ColorGreen", 0},
                                                  {"AntTest", "ColorBlue", 0},
                                                  {"AntTest", "Width", 10},
                                                  {"AntTest", "Style", 256},
                                                  {"AntTest", "Resolution", 10},
                                                  {"AntTest", "Speed", 100}}));
}

// The chart window has a speed default and limits of its own; the dialog
// takes the stored values as they are. Both take the low byte of each colour.
TEST(Settings, TheChartAndTheDialogReadTheAntennaSettingsEachTheirWay) {
  MemoryProfile profile;
  EXPECT_EQ(ReadChartSettings(profile).speed, 1);
  profile.WriteInt("AntTest", "Speed", -7);
  profile.WriteInt("AntTest", "Resolution", 0);
  profile.WriteInt("AntTest", "ColorRed", 0x112);
  profile.WriteInt("AntTest", "ColorGreen", 0x34);
  profile.WriteInt("AntTest", "ColorBlue", -1);
  const AntennaTestSettings chart = ReadChartSettings(profile);
  const AntennaTestSettings dialog = ReadAntennaTestSettings(profile);
  EXPECT_EQ(std::vector({chart.speed, chart.resolution, dialog.speed, dialog.resolution}),
            std::vector({0, 1, -7, 0}));
  EXPECT_EQ(chart.colour, MakeRgb(0x12, 0x34, 0xFF));
  EXPECT_EQ(dialog.colour, MakeRgb(0x12, 0x34, 0xFF));
}

}  // namespace
}  // namespace quoril
