// The chart surface of the Win32 backend inside the antenna test's window.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ScriptedDialog.h"
#include "res/win32/Win32ChartSurface.h"

namespace quoril::win32 {
namespace {

constexpr Rgb kBackground = MakeRgb(192, 192, 100);

class Picture : public ChartEvents {
 public:
  void OnPaint() override {
    ++paints;
    surface->Draw(picture);
  }
  void OnTimer(int) override {}

  ChartSurface* surface = nullptr;
  std::vector<DrawOp> picture;
  int paints = 0;
};

DrawOp Op(DrawOp::Kind kind, Rgb colour, Pixel from, Pixel to) {
  return {kind, colour, 1, from, to, {}};
}

// The picture is painted when the surface first shows and after
// Invalidate(), kept between exposures, and drawn as the platform draws.
TEST(Win32ChartSurface, KeepsItsPictureBetweenExposures) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  Picture events;
  std::unique_ptr<ChartSurface> chart;
  ScriptedDialog dialog(windows, res::kAntennaTest, [&](ScriptedDialog&) {
    const HWND w = static_cast<Win32ChartSurface&>(*chart).Hwnd();
    EXPECT_EQ(events.paints, 1);
    EXPECT_EQ(PixelOf(w, 2, 2), kBackground);
    EXPECT_EQ(PixelOf(w, 19, 10), colours::kRed);
    EXPECT_EQ(PixelOf(w, 20, 10), kBackground) << "a line leaves out its last pixel";
    EXPECT_EQ(PixelOf(w, 20, 20), colours::kBlue);

    const DrawOp extra = Op(DrawOp::Kind::kPixel, colours::kGreen, {}, {30, 30});
    chart->Draw({&extra, 1});
    EXPECT_EQ(PixelOf(w, 30, 30), colours::kGreen) << "drawn at once";
    InvalidateRect(w, nullptr, TRUE);
    UpdateWindow(w);
    EXPECT_EQ(events.paints, 1) << "an exposure only shows the kept picture";
    EXPECT_EQ(PixelOf(w, 30, 30), colours::kGreen);

    chart->Invalidate();
    EXPECT_EQ(events.paints, 2);
    EXPECT_EQ(PixelOf(w, 30, 30), kBackground);
  });
  dialog.onInit = [&](ScriptedDialog& d) {
    PixelRect frame = d.Peer().ItemRect(1006);
    chart = d.Peer().CreateChart({frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1},
                                 events);
    events.surface = chart.get();
    const PixelRect client = chart->ClientRect();
    EXPECT_EQ(client, (PixelRect{0, 0, frame.Width() - 2, frame.Height() - 2}));
    events.picture = {Op(DrawOp::Kind::kFill, kBackground, {0, 0}, {client.right, client.bottom}),
                      Op(DrawOp::Kind::kLine, colours::kRed, {10, 10}, {20, 10}),
                      Op(DrawOp::Kind::kPixel, colours::kBlue, {}, {20, 20})};
  };
  dialog.Run();

  // The window went first: the surface stays and does nothing.
  EXPECT_FALSE(static_cast<Win32ChartSurface&>(*chart).Hwnd());
  chart->Invalidate();
  chart->SetTimer(1, 10);
  chart->Draw(events.picture);
  EXPECT_EQ(events.paints, 2);
}

}  // namespace
}  // namespace quoril::win32
