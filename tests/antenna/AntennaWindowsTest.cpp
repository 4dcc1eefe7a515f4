// The antenna windows: the chart's sweep and what restarts it, the VSWR test
// dialog's scroll bars, the report, and the Antenna Test command.

#include <gtest/gtest.h>

#include <tuple>

#include "antenna/AntennaTestCommand.h"
#include "antenna/CAntennaTestDlg.h"
#include "antenna/ChartFrame.h"
#include "antenna/Vswr.h"
#include "app/Settings.h"
#include "support/WindowRig.h"

namespace quoril {
namespace {

using namespace catalogue;
using recording::ChartState;
using testing::RecordingDialog;
struct AntennaRig : testing::WindowRig {
  explicit AntennaRig(std::uint8_t raw = 0xF0) { registers[kRegPowerReading] = raw; }  // VSWR 1.42
  int Open(int speed, const std::function<void(RecordingDialog&)>& script) {
    dialog.emplace(adapter, profile, windows);
    dialog->m_nWidth = 10;
    dialog->m_nResolution = 10;
    dialog->m_nSpeed = speed;
    return Run(*dialog, script);
  }
  std::optional<CAntennaTestDlg> dialog;
};

// The curve's pixels drawn since the chart's last paint.
std::vector<Pixel> Curve(const ChartState& chart) {
  std::vector<Pixel> out;
  for (std::size_t i = chart.opsAtPaint; i < chart.ops.size(); ++i) {
    const DrawOp& op = chart.ops[i];
    if (op.kind == DrawOp::Kind::kPixel && op.colour == kChartCurveColour) out.push_back(op.to);
  }
  return out;
}

TEST(AntennaWindowsTest, OnlyANewWidthOrResolutionClearsTheChartAndRestartsTheSweep) {
  AntennaRig rig;
  rig.Open(50, [&](RecordingDialog& d) {
    const ChartState& chart = *d.Charts().at(0);
    CChartWnd& wnd = rig.dialog->Chart();
    const auto at = [&wnd](int x, int y) {
      return ToPixel({x, y}, ChannelAxisScales(wnd.PlotRect()), wnd.PlotRect());
    };
    d.Run(1200);  // four steps of 300 ms
    EXPECT_EQ(Curve(chart), (std::vector<Pixel>{at(0, 41), at(1, 41), at(2, 41), at(3, 41)}));

    // Settings that do not change.
    rig.library().log.clear();
    wnd.SetResolution(10);
    wnd.SetWidth(10);
    EXPECT_TRUE(rig.library().Requests().empty());
    EXPECT_EQ(wnd.NextChannel(), 5);

    wnd.SetWidth(11);
    rig.registers[kRegPowerReading] = 0xE0;  // VSWR 1.96
    d.Run(300);
    EXPECT_EQ(rig.TunedChannels(), (std::vector<std::uint8_t>{1, 1, 2}));
    EXPECT_EQ(Curve(chart), std::vector<Pixel>{at(0, 96)});
    d.Command(CDialog::IDCANCEL);
  });
}

TEST(AntennaWindowsTest, EveryScrollReachesTheChartAndOkKeepsWhatItRanWith) {
  constexpr int kSpeed = 1002, kClear = 1004;
  // Bar, scroll code, thumb; the bars' positions after it, and whether it repaints.
  const std::tuple<int, ScrollCode, int, int, int, bool> steps[] = {
      {kSpeed, ScrollCode::kPageRight, 0, 60, 10, false},
      {kClear, ScrollCode::kEndScroll, 0, 60, 10, false},
      {kClear, ScrollCode::kPageRight, 0, 60, 20, true},
      {kClear, ScrollCode::kLeft, 0, 60, 1, true},
      {kClear, ScrollCode::kRight, 0, 60, 30, true},  // kept within the bar's 1..30
      {kSpeed, ScrollCode::kThumbTrack, 73, 73, 30, false},
      {kSpeed, ScrollCode::kThumbPosition, 80, 80, 30, false},
      {kSpeed, ScrollCode::kLineRight, 0, 81, 30, false},
  };
  AntennaRig rig;
  EXPECT_EQ(rig.Open(50,
                     [&](RecordingDialog& d) {
                       const ChartState& chart = *d.Charts().at(0);
                       for (const auto& [id, code, thumb, speed, clear, repaints] : steps) {
                         const int paints = chart.paints;
                         d.Scroll(id, code, thumb);
                         EXPECT_EQ(d.Control(kSpeed).pos, speed);
                         EXPECT_EQ(d.Control(kClear).pos, clear);
                         EXPECT_EQ(chart.TimerPeriod(kChartTimerId), SweepPeriodMs(speed));
                         EXPECT_EQ(rig.dialog->Chart().Resolution(), clear);
                         EXPECT_EQ(chart.paints - paints, repaints ? 1 : 0);
                       }
                       d.Click(CDialog::IDOK);
                     }),
            CDialog::IDOK);
  EXPECT_EQ(rig.dialog->m_nSpeed, 81);
  EXPECT_EQ(rig.dialog->m_nResolution, 30);
}

TEST(AntennaWindowsTest, InformFollowsTheSweepRunningUnderneath) {
  AntennaRig rig;
  std::vector<std::string> texts;
  rig.windows.WhenOpen(res::kAntennaInfo, [&](RecordingDialog& report) {
    const auto read = [&](std::initializer_list<int> ids) {
      for (int id : ids) texts.push_back(report.Text(id));
    };
    read({1133, 1196});  // as it opens, the table cleared
    report.Run(1200);    // the sweep goes on underneath, from channel 7
    read({1196, 1197, 1195, 1147});
    report.Click(CDialog::IDOK);
  });
  rig.Open(100, [&](RecordingDialog& d) {
    d.Run(1000);  // 20 steps of 50 ms: the next one measures channel 7
    d.Click(CAntennaTestDlg::kInformButton);
    EXPECT_FALSE(d.Ended());
    d.Command(CDialog::IDCANCEL);
  });
  EXPECT_EQ(texts, (std::vector<std::string>{"0.00", "I do not know", "Normal antenna ...",
                                             "max =1", "VSWR_max = 1.42", "1.42"}));
}

TEST(AntennaWindowsTest, TheCommandSavesOnlyAfterAValidOk) {
  AntennaRig run;  // a machine whose only setting is a width out of range
  run.profile.WriteInt("AntTest", "Width", 0);
  std::vector<int> seen;
  run.windows.WhenOpen(res::kAntennaTest, [&](RecordingDialog& d) {
    auto& dialog = dynamic_cast<CAntennaTestDlg&>(d.Events());
    seen = {dialog.m_nWidth, dialog.m_nResolution, dialog.m_nSpeed, int(dialog.m_crColor)};
    d.Click(CDialog::IDOK);
    d.Click(CDialog::IDOK);
    EXPECT_FALSE(d.Ended());
    dialog.m_nWidth = 10;
    d.Click(CDialog::IDOK);
  });
  EXPECT_EQ(RunAntennaTest(run.adapter, run.profile, run.windows), CDialog::IDOK);
  EXPECT_EQ(seen, (std::vector<int>{0, 10, 100, 255}));
  ASSERT_EQ(run.windows.Boxes().size(), 2u);
  EXPECT_EQ(run.windows.Boxes()[1].text, "Please enter an integer between 1 and 100.");
  EXPECT_EQ(run.profile.Writes().size(), 1u + 7u);
  EXPECT_EQ(ReadAntennaTestSettings(run.profile), (AntennaTestSettings{10, 10, 100, 255}));
  EXPECT_EQ(run.profile.Find("AntTest", "Style"), std::optional<std::int32_t>(256));
  EXPECT_EQ(run.WrittenRegisters().front(), kRegTxPower);
  EXPECT_EQ(run.TestCommands().back(), kTestStop);

  AntennaRig cancel;
  cancel.windows.WhenOpen(res::kAntennaTest,
                          [](RecordingDialog& d) { d.Click(CDialog::IDCANCEL); });
  EXPECT_EQ(RunAntennaTest(cancel.adapter, cancel.profile, cancel.windows), CDialog::IDCANCEL);
  EXPECT_TRUE(cancel.profile.Writes().empty());
  EXPECT_EQ(cancel.TestCommands().back(), kTestStop);
}

}  // namespace
}  // namespace quoril
