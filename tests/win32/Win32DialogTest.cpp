// The Win32 backend's own mapping over the program's real templates, driven
// with window messages inside the modal loop (under Wine on a virtual X
// server). What the program's windows show on it, texts, visibility and bar
// colours included, Win32WindowsTest sets against the recording backend.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ScriptedDialog.h"
#include "res/win32/WideText.h"

namespace quoril::win32 {
namespace {

// Every window is made as its template says: controls in template order with
// their ids, tab stops and groups, placed in dialog units; the caption with
// its em dash intact.
TEST(Win32Dialog, MakesEveryTemplateAsItSays) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  for (int id : {res::kAboutBox, res::kLinkMonitor, res::kAntennaTest, res::kAirScan,
                 res::kPowerControl, res::kAntennaInfo}) {
    SCOPED_TRACE(id);
    ScriptedDialog dialog(windows, id, [id](ScriptedDialog& d) {
      const res::DialogTemplate& t = *res::FindDialogTemplate(id);
      wchar_t caption[256] = {};
      GetWindowTextW(d.Hwnd(), caption, 256);
      EXPECT_EQ(std::wstring(caption), Widen(t.caption));

      HWND child = GetWindow(d.Hwnd(), GW_CHILD);
      for (const res::ControlTemplate& c : t.controls) {
        SCOPED_TRACE(c.id);
        ASSERT_TRUE(child);
        const auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(c.id));
        EXPECT_EQ((style & WS_TABSTOP) != 0, (c.style & res::kTabStop) != 0);
        EXPECT_EQ((style & WS_GROUP) != 0, (c.style & res::kGroup) != 0);
        if (c.id != res::kNoId) {
          RECT units{c.x, c.y, c.w, c.h};  // place and size scale apart
          MapDialogRect(d.Hwnd(), &units);
          EXPECT_EQ(d.Peer().ItemRect(c.id),
                    (PixelRect{units.left, units.top, units.left + units.right,
                               units.top + units.bottom}));
        }
        child = GetWindow(child, GW_HWNDNEXT);
      }
      EXPECT_FALSE(child) << "more controls than the template has";
    });
    EXPECT_EQ(dialog.Run(), kScriptEnded);
  }
}

TEST(Win32Dialog, ShowsTheIconAndAddsTheAboutItem) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  ScriptedDialog dialog(windows, res::kLinkMonitor, [](ScriptedDialog& d) {
    d.Peer().SetIcon(res::kApplicationIcon);
    EXPECT_TRUE(SendMessageW(d.Hwnd(), WM_GETICON, ICON_SMALL, 0));
    d.Peer().AddSystemMenuItem(16, "&About WLAN Quoril");
    const HMENU menu = GetSystemMenu(d.Hwnd(), FALSE);
    wchar_t text[64] = {};
    GetMenuStringW(menu, 16, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"&About WLAN Quoril");
    SendMessageW(d.Hwnd(), WM_SYSCOMMAND, 16, 0);
    EXPECT_EQ(d.sysCommands, std::vector<unsigned>{16});
  });
  dialog.Run();
}

// Enter clicks the default button, Escape and the close box cancel; SetCheck
// leaves the rest of a radio group alone.
TEST(Win32Dialog, DeliversKeysAsCommands) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  ScriptedDialog dialog(windows, res::kPowerControl, [](ScriptedDialog& d) {
    for (int id : {1140, 1131}) d.Peer().SetCheck(id, true);
    EXPECT_TRUE(d.Peer().IsChecked(1140));
    d.Peer().SetFocus(1140);
    EXPECT_EQ(d.Peer().FocusedItem(), 1140);
    Type(d, VK_RETURN);
    Type(d, VK_ESCAPE);
    SendMessageW(d.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    d.Pump();
    EXPECT_EQ(d.commands, (std::vector<int>{1, 2, 2}));
  });
  EXPECT_EQ(dialog.Run(), kScriptEnded);
}

// The keys of a focused trackbar arrive with their codes, the trackbar moved
// already (a scroll bar's keys: the windows' own test).
TEST(Win32Dialog, ReportsTrackbarKeys) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  ScriptedDialog scan(windows, res::kAirScan, [](ScriptedDialog& d) {
    d.Peer().SetSliderRange(1117, 0, 10, true);
    d.Peer().SetSliderPos(1117, 5, true);
    d.Peer().SetFocus(1117);
    Type(d, VK_DOWN);
    ASSERT_FALSE(d.scrolls.empty());
    EXPECT_EQ(d.scrolls.front(), (ScrollEvent{1117, ScrollCode::kLineRight, true, 6}));
  });
  scan.Run();
}

// A tick that overran drops the ticks queued meanwhile; real timers tick.
TEST(Win32Dialog, DropsTicksQueuedDuringATick) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  ScriptedDialog dialog(windows, res::kAboutBox, [](ScriptedDialog& d) {
    d.Peer().SetTimer(7, 60000);
    for (int i = 0; i < 3; ++i) PostMessageW(d.Hwnd(), WM_TIMER, 7, 0);
    SendMessageW(d.Hwnd(), WM_TIMER, 7, 0);
    EXPECT_EQ(d.timers, std::vector<int>{7});
    EXPECT_FALSE(TimerQueued(d.Hwnd()));

    d.Peer().SetTimer(8, 20);
    for (int i = 0; i < 400 && d.timers.size() < 2; ++i, Sleep(5)) d.Pump();
    EXPECT_EQ(d.timers.back(), 8);
  });
  dialog.Run();
}

// A box is owned by the innermost dialog and reports the button chosen (its
// caption and text: the platform's refusal of an unknown argument).
TEST(Win32Dialog, ShowsMessageBoxes) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  BoxSeen seen;
  BoxAnswer answer = BoxAnswer::kOk;
  ScriptedDialog dialog(windows, res::kAboutBox, [&](ScriptedDialog& d) {
    AnswerBox(windows, IDRETRY, seen);
    answer = windows.Show("", "WLAN Driver FAILURE: 00000005", BoxButtons::kRetryCancel,
                          BoxIcon::kExclamation);
    EXPECT_EQ(seen.owner, d.Hwnd());
  });
  dialog.Run();
  EXPECT_EQ(answer, BoxAnswer::kRetry);
}

}  // namespace
}  // namespace quoril::win32
