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

}  // namespace
}  // namespace quoril
