// The program's own windows on the Win32 backend, driven with window
// messages over the simulated card: they show what the recording backend
// shows for the same ticks, keep the power settings in the registry, and
// answer the keyboard.

// The windows first: the platform's header defines IDOK and IDCANCEL.
#include "adapter/ScriptedLibrary.h"
#include "airscan/CAirScanDlg.h"
#include "antenna/CAntennaTestDlg.h"
#include "app/CLinkMonitorDlg.h"
#include "app/MemoryProfile.h"
#include "res/recording/RecordingWindowSystem.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <tuple>

#include "res/win32/ColouredBar.h"
#include "res/win32/RegistryProfile.h"
#include "res/win32/WideText.h"
#include "res/win32/Win32DialogPeer.h"
#include "res/win32/Win32WindowSystem.h"

namespace quoril::win32 {
namespace {

using recording::RecordingDialog;
using res::ControlKind;

constexpr int kLeftOpen = 77;
constexpr char kQuietBand[] = R"({"base": "office", "accessPoints": []})";

// The simulated card on a manual clock, its adapter found.
struct SimulatedRig {
  explicit SimulatedRig(std::string_view scenario) {
    adapter.Connect(MakeSimulatedCard(scenario.front() == '{' ? ParseScenario(scenario, "test")
                                                              : LoadScenario(scenario),
                                      clock),
                    ui);
    adapter.FindInputAdapter();
  }
  ManualClock clock;
  testing::RecordingUi ui;
  CAdapter adapter;
  MemoryProfile profile;
};

// Runs `script` on the innermost dialog once its modal loop runs; a dialog
// the script left open is ended after it.
void WhenOpen(Win32WindowSystem& windows, std::function<void(HWND)> script) {
  windows.After(0, [&windows, script = std::move(script)] {
    auto& peer = static_cast<Win32DialogPeer&>(*windows.OpenDialogs().back().peer);
    script(peer.Hwnd());
    if (!peer.Ended()) peer.EndModal(kLeftOpen);
  });
}

// Types `key` into the focused control through the dialog manager, as the
// modal loop would, leaving the timers' messages queued.
void Type(HWND dialog, WPARAM key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    if (!IsDialogMessageW(dialog, &message)) DispatchMessageW(&message);
  }
}

// A control as the window shows it; ranges and positions of bars, trackbars
// and scroll bars, colours of progress bars (CLR_DEFAULT: the platform's).
struct Shown {
  int id;
  std::string text;
  bool visible, enabled, checked;
  int low = 0, high = 0, pos = 0;
  COLORREF bar = CLR_DEFAULT, background = CLR_DEFAULT;
  bool operator==(const Shown&) const = default;
  friend void PrintTo(const Shown& s, std::ostream* out) {
    *out << s.id << " \"" << s.text << "\" " << s.visible << s.enabled << s.checked << ' ' << s.low
         << ".." << s.high << '@' << s.pos << " bar " << s.bar << " back " << s.background;
  }
};

template <typename Read>
std::vector<Shown> EveryControl(const res::DialogTemplate& t, const Read& read) {
  std::vector<Shown> out;
  for (const res::ControlTemplate& c : t.controls) {
    if (c.id != res::kNoId && c.kind != ControlKind::kIcon) out.push_back(read(c));
  }
  return out;
}

std::vector<Shown> ShownBy(const RecordingDialog& d, const res::DialogTemplate& t) {
  return EveryControl(t, [&](const res::ControlTemplate& c) {
    const recording::ControlState& s = d.Control(c.id);
    Shown shown{c.id, s.text, s.visible, s.enabled, s.checked};
    if (c.kind == ControlKind::kProgressBar || c.kind == ControlKind::kSlider ||
        c.kind == ControlKind::kScrollBar) {
      std::tie(shown.low, shown.high, shown.pos) = std::tie(s.low, s.high, s.pos);
    }
    shown.bar = s.barColour.value_or(CLR_DEFAULT);
    shown.background = s.background.value_or(CLR_DEFAULT);
    return shown;
  });
}

std::vector<Shown> ShownBy(HWND dialog, const res::DialogTemplate& t) {
  return EveryControl(t, [&](const res::ControlTemplate& c) {
    const HWND item = GetDlgItem(dialog, c.id);
    const auto style = static_cast<DWORD>(GetWindowLongW(item, GWL_STYLE));
    wchar_t text[256] = {};
    GetWindowTextW(item, text, 256);
    Shown s{c.id, Narrow(text), (style & WS_VISIBLE) != 0, (style & WS_DISABLED) == 0,
            c.kind == ControlKind::kRadioButton && SendMessageW(item, BM_GETCHECK, 0, 0)};
    const auto get = [item](UINT message, WPARAM w = 0) {
      return static_cast<int>(SendMessageW(item, message, w, 0));
    };
    if (c.kind == ControlKind::kProgressBar) {
      std::tie(s.low, s.high, s.pos) =
          std::tuple(get(PBM_GETRANGE, TRUE), get(PBM_GETRANGE, FALSE), get(PBM_GETPOS));
      s.bar = static_cast<COLORREF>(get(PBM_GETBARCOLOR));
      s.background = static_cast<COLORREF>(get(PBM_GETBKCOLOR));
    } else if (c.kind == ControlKind::kSlider) {
      std::tie(s.low, s.high, s.pos) =
          std::tuple(get(TBM_GETRANGEMIN), get(TBM_GETRANGEMAX), get(TBM_GETPOS));
    } else if (c.kind == ControlKind::kScrollBar) {
      GetScrollRange(item, SB_CTL, &s.low, &s.high);
      s.pos = GetScrollPos(item, SB_CTL);
    }
    return s;
  });
}

// A window of the program as a case opens it, on the card of the case.
using Opener = std::unique_ptr<CDialog> (*)(SimulatedRig&, WindowSystem&, AppServices&);

std::unique_ptr<CDialog> MainWindow(SimulatedRig&, WindowSystem&, AppServices& services) {
  return std::make_unique<CLinkMonitorDlg>(services);
}
std::unique_ptr<CDialog> AirScan(SimulatedRig& rig, WindowSystem& windows, AppServices&) {
  auto dialog = std::make_unique<CAirScanDlg>(rig.adapter, windows);
  rig.adapter.PacketStartScan();  // as the main window opens it
  return dialog;
}

struct Seen {
  std::vector<Shown> controls;
  int ticks = 0;  // run before the window ended itself, or all of them
  int result = 0;
};

struct WindowCase {
  const char* scenario;
  Opener open;
  int timerId, periodMs, ticks;
  int endsAfter;  // ticks; 0: the window stays open
};

// The case's window on the recording backend, time shared with the card.
Seen OnRecording(const WindowCase& c) {
  SimulatedRig rig(c.scenario);
  recording::RecordingWindowSystem windows(rig.clock);
  AppServices services{rig.adapter, rig.profile, windows, {}, true};
  const std::unique_ptr<CDialog> dialog = c.open(rig, windows, services);
  Seen seen;
  windows.WhenOpen(dialog->Template().id, [&](RecordingDialog& d) {
    for (; seen.ticks < c.ticks && !d.Ended(); ++seen.ticks) d.Run(c.periodMs);
    seen.controls = ShownBy(d, dialog->Template());
    if (!d.Ended()) d.EndModal(kLeftOpen);
  });
  seen.result = dialog->DoModal();
  return seen;
}

// The same on Win32: each tick moves the card's clock on and sends the timer
// message, so no real time needs to pass.
Seen OnWin32(const WindowCase& c) {
  SimulatedRig rig(c.scenario);
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  AppServices services{rig.adapter, rig.profile, windows, {}, true};
  const std::unique_ptr<CDialog> dialog = c.open(rig, windows, services);
  Seen seen;
  WhenOpen(windows, [&](HWND window) {
    const auto& peer = static_cast<Win32DialogPeer&>(*windows.OpenDialogs().back().peer);
    for (; seen.ticks < c.ticks && !peer.Ended(); ++seen.ticks) {
      rig.clock.Advance(Millis(c.periodMs));
      SendMessageW(window, WM_TIMER, static_cast<WPARAM>(c.timerId), 0);
    }
    seen.controls = ShownBy(window, dialog->Template());
  });
  seen.result = dialog->DoModal();
  return seen;
}

TEST(Win32Windows, ShowWhatTheRecordingBackendShowsForTheSameTicks) {
  constexpr int kPoll = CLinkMonitorDlg::kPollTimerId;
  const WindowCase cases[] = {
      {"office", MainWindow, kPoll, kPollPeriodMs, 25, 0},
      {"weak-link", MainWindow, kPoll, kPollPeriodMs, 12, 0},
      {"lost-link", MainWindow, kPoll, kPollPeriodMs, 35, 0},
      {"office", AirScan, kScanTimerId, kScanPeriodMs, 30, 0},
      {kQuietBand, AirScan, kScanTimerId, kScanPeriodMs, 30, 13},
  };
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.scenario);
    const Seen recorded = OnRecording(c), shown = OnWin32(c);
    EXPECT_EQ(shown.controls, recorded.controls);
    EXPECT_EQ(shown.ticks, c.endsAfter ? c.endsAfter : c.ticks);
    EXPECT_EQ(recorded.ticks, shown.ticks);
    EXPECT_EQ(shown.result, c.endsAfter ? IDOK : kLeftOpen);
  }
}

// Tx Power's OK from the main window stores the three values as REG_DWORDs.
TEST(Win32Windows, TxPowerOkWritesTheRegistry) {
  SimulatedRig rig("office");
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  RegistryProfile profile("quoril-windows-test-" + std::to_string(GetCurrentProcessId()));
  AppServices services{rig.adapter, profile, windows, {}, true};
  std::vector<DWORD> stored;
  WhenOpen(windows, [&](HWND window) {
    WhenOpen(windows, [](HWND power) {
      for (int id : {1139, IDOK}) SendMessageW(GetDlgItem(power, id), BM_CLICK, 0, 0);
    });
    SendMessageW(GetDlgItem(window, 1105), BM_CLICK, 0, 0);
    HKEY key = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, Widen(profile.ProgramKey() + "\\TX_Power").c_str(), 0,
                  KEY_READ, &key);
    for (const wchar_t* name : {L"ON_OFF_TxPower", L"Ex_TxPower", L"TxPower"}) {
      DWORD type = 0, value = 0, size = sizeof(value);
      RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
      stored.push_back(type == REG_DWORD ? value : 0xBAD);
    }
    RegCloseKey(key);
  });
  {
    CLinkMonitorDlg main(services);  // saves the adapter's settings as it goes
    EXPECT_EQ(main.DoModal(), kLeftOpen);
  }
  for (const char* section : {"\\TX_Power", "\\Adapter", ""}) {
    RegDeleteKeyW(HKEY_CURRENT_USER, Widen(profile.ProgramKey() + section).c_str());
  }
  EXPECT_EQ(stored, (std::vector<DWORD>{1, 3, 254}));
}

// The VSWR test's bars move with the keys of the focused bar; a new Clear
// repaints the chart, which restarts the sweep, a new Speed only its timer.
TEST(Win32Windows, AntennaTestBarsMoveWithTheKeyboard) {
  struct Step {
    int bar;
    WPARAM key;
    int speed, clear;  // the bars' positions after it
    bool restarts;
  };
  constexpr int kSpeed = kSpeedBar.id, kClear = kClearBar.id;
  const Step steps[] = {
      {kSpeed, VK_RIGHT, 51, 10, false}, {kSpeed, VK_PRIOR, 41, 10, false},
      {kSpeed, VK_END, 100, 10, false},  {kSpeed, VK_HOME, 1, 10, false},
      {kClear, VK_NEXT, 1, 20, true},    {kClear, VK_LEFT, 1, 19, true},
      {kClear, VK_END, 1, 30, true},     {kClear, VK_RIGHT, 1, 30, false},
      {kClear, VK_HOME, 1, 1, true},
  };
  SimulatedRig rig("office");
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  CAntennaTestDlg dialog(rig.adapter, rig.profile, windows);
  std::tie(dialog.m_nWidth, dialog.m_nResolution, dialog.m_nSpeed) = std::tuple(10, 10, 50);
  WhenOpen(windows, [&](HWND window) {
    const HWND chart = FindWindowExW(window, nullptr, L"QuorilChart", nullptr);
    ASSERT_TRUE(chart);
    const int first = dialog.Chart().NextChannel();
    for (const Step& s : steps) {
      SCOPED_TRACE(::testing::Message() << "bar " << s.bar << " key " << s.key);
      for (int i = 0; i < 3; ++i) SendMessageW(chart, WM_TIMER, kChartTimerId, 0);
      const int before = dialog.Chart().NextChannel();
      ASSERT_NE(before, first);
      SetFocus(GetDlgItem(window, s.bar));
      Type(window, s.key);
      EXPECT_EQ(GetScrollPos(GetDlgItem(window, kSpeed), SB_CTL), s.speed);
      EXPECT_EQ(GetScrollPos(GetDlgItem(window, kClear), SB_CTL), s.clear);
      EXPECT_EQ(dialog.Chart().Resolution(), s.clear);
      EXPECT_EQ(dialog.Chart().NextChannel(), s.restarts ? first : before);
    }
  });
  EXPECT_EQ(dialog.DoModal(), kLeftOpen);
}

}  // namespace
}  // namespace quoril::win32
