// The air scan dialog on a scripted card: what it shows as it opens and on
// each tick, Start, Stop and Escape, the display modes and the sliders, and
// the automatic close.

#include <gtest/gtest.h>

#include <tuple>

#include "airscan/CAirScanDlg.h"
#include "support/WindowRig.h"

namespace quoril {
namespace {

using namespace catalogue;
using recording::ControlState;
using testing::RecordingDialog;

constexpr int kTimer = 1106;

// The dialog on a card whose last poll said channel 5, scripted by the test.
struct ScanRig : testing::WindowRig {
  ScanRig() {
    records[kRecordChannel] = {5, 0};
    registers[kRegRxLevel] = 47;  // and no link errors
    adapter.PacketGetStatus();
    adapter.ScanShowBer = 1;
    adapter.ScanZeroCount = 9;
  }
  int Open(const std::function<void(RecordingDialog&)>& script) {
    dialog.emplace(adapter, windows);
    return Run(*dialog, script);
  }
  std::optional<CAirScanDlg> dialog;
};

const ControlState& Bar(const RecordingDialog& d, int channel) {
  return d.Control(1131 + channel);
}

TEST(AirScanDlgTest, OpensRunningInDbmTicksStopsStartsAndSwitchesModes) {
  ScanRig rig;
  EXPECT_EQ(rig.Open([&](RecordingDialog& d) {
    EXPECT_EQ(rig.adapter.ScanShowBer + rig.adapter.ScanZeroCount, 0);
    EXPECT_EQ(d.TimerPeriod(kTimer), 100);
    for (int channel = 1; channel <= 13; ++channel) {
      const ControlState& bar = Bar(d, channel);
      EXPECT_EQ(std::tuple(bar.low, bar.high, bar.step, bar.pos, bar.barColour, bar.background),
                std::tuple(0, 97, 1, 0, colours::kGreen, colours::kBlue));
    }
    const ControlState& zoom = d.Control(1116);
    const ControlState& level = d.Control(1117);
    EXPECT_TRUE(zoom.enabled && !level.enabled);
    EXPECT_EQ(std::vector({zoom.low, zoom.high, zoom.pos, zoom.ticks, level.low, level.high,
                           level.pos, level.ticks}),
              std::vector({1, 97, 97, 10, 0, 100, 100, 10}));
    EXPECT_TRUE(d.Control(1160).checked && !d.Control(1161).checked);

    d.Run(100);
    EXPECT_EQ(rig.TunedChannels(), std::vector<std::uint8_t>{6});
    EXPECT_EQ(d.Text(1149) + " " + d.Text(1148) + " " + d.Text(1167), "&5 4 50");
    EXPECT_EQ(std::tuple(Bar(d, 5).pos, Bar(d, 5).background), std::tuple(47, colours::kYellow));
    d.Click(3);  // Stop: no tick, the bars keep their values
    d.Run(300);
    EXPECT_EQ(rig.TunedChannels().size(), 1u);
    EXPECT_EQ(rig.TestCommands().back(), kTestStop);
    EXPECT_EQ(Bar(d, 5).pos, 47);
    d.Command(CDialog::IDCANCEL);  // Escape starts the scan and does not close
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(rig.TestCommands().back(), kTestStartScan);

    d.Slide(1116, 47);
    EXPECT_EQ(Bar(d, 13).high, 47);
    EXPECT_EQ(d.Text(1176), "-97...-50");
    // In BER mode the bar shows the error reading and ignores the zoom.
    d.Click(1161);
    EXPECT_TRUE(!zoom.enabled && level.enabled);
    EXPECT_EQ(Bar(d, 7).high, 100);
    d.Slide(1116, 30, ScrollCode::kThumbTrack);
    EXPECT_EQ(Bar(d, 7).high, 100);
    rig.registers[kRegLinkErrors] = 64;
    d.Run(100);
    EXPECT_EQ(std::tuple(Bar(d, 6).pos, Bar(d, 6).background), std::tuple(64, colours::kBlue));
    EXPECT_EQ(d.Text(1168), "50");  // the text stays the level
    d.Click(1160);
    EXPECT_EQ(rig.adapter.ScanShowBer, 0);
    EXPECT_EQ(Bar(d, 7).high, 30);
    EXPECT_TRUE(zoom.enabled && !level.enabled);
    d.Click(1161);
    d.Command(CDialog::IDOK);
  }),
            CDialog::IDOK);
  EXPECT_EQ(rig.windows.Last(res::kAirScan).TimerPeriod(kTimer), 0);
  EXPECT_EQ(rig.dialog->Display(), 1);
}

TEST(AirScanDlgTest, ThirteenSilentTicksCloseTheDialog) {
  ScanRig rig;
  EXPECT_EQ(rig.Open([](RecordingDialog& d) { d.Run(1300); }), CDialog::IDOK);
  EXPECT_EQ(rig.windows.Last(res::kAirScan).TimerPeriod(kTimer), 0);
}

}  // namespace
}  // namespace quoril
