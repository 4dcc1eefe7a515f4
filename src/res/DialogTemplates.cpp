// The dialog templates of every window, as the resource script would hold
// them. Places and sizes are dialog units; texts are UTF-8.

#include <algorithm>
#include <array>

#include "res/DialogTemplate.h"

namespace quoril::res {

namespace {

using K = ControlKind;

constexpr std::uint32_t kEditStyle = kBorder | kReadOnly | kMultiLine | kAutoHScroll;
constexpr std::uint32_t kPushRadio = kPushLike | kTabStop;

// --- 100: About box ---------------------------------------------------------

constexpr ControlTemplate kAboutControls[] = {
    {kNoId, K::kIcon, 0, "128", 11, 17, 20, 20},
    {kNoId, K::kStatic, kNoPrefix, "WLAN Quoril", 40, 10, 119, 8},
    {kNoId, K::kStatic, kNoPrefix, "Version " QUORIL_VERSION, 40, 25, 119, 8},
    {kNoId, K::kStatic, kNoPrefix, "Link monitor for PRISM II 802.11b cards", 40, 40, 170, 8},
    {1, K::kPushButton, kDefault | kGroup | kTabStop, "OK", 178, 7, 32, 14},
};

// --- 102: link monitor (main window) ----------------------------------------

constexpr ControlTemplate kLinkMonitorControls[] = {
    {kNoId, K::kGroupBox, 0, "Link Info", 5, 5, 210, 210},
    {kNoId, K::kStatic, 0, "State", 35, 16, 18, 8},
    {1052, K::kEdit, kEditStyle, "", 55, 15, 154, 12},
    {kNoId, K::kGroupBox, 0, "Curent", 10, 30, 200, 46},
    {kNoId, K::kStatic, 0, "Channel", 25, 40, 27, 8},
    {1053, K::kEdit, kEditStyle, "", 30, 50, 15, 12},
    {kNoId, K::kStatic, 0, "Tx Rate", 65, 40, 26, 8},
    {1054, K::kEdit, kEditStyle, "", 70, 50, 15, 12},
    {kNoId, K::kStatic, 0, "Mbits/s", 65, 65, 24, 8},
    {kNoId, K::kStatic, kCentre, "Tx  Power", 120, 40, 60, 8},
    {1061, K::kEdit, kEditStyle, "", 125, 50, 25, 12},
    {kNoId, K::kStatic, 0, "-->", 155, 50, 10, 9},
    {1062, K::kEdit, kEditStyle, "", 165, 50, 24, 12},
    {kNoId, K::kStatic, kCentre, "mW", 129, 63, 55, 8},
    {kNoId, K::kGroupBox, 0, "Troughput (Bytes/sec)", 10, 80, 200, 30},
    {kNoId, K::kStatic, 0, "Tx", 22, 92, 9, 8},
    {1055, K::kEdit, kEditStyle | kDisabled, "", 35, 90, 35, 12},
    {kNoId, K::kStatic, 0, "Rx", 135, 92, 10, 8},
    {1056, K::kEdit, kEditStyle | kDisabled, "", 150, 90, 35, 12},
    {1177, K::kStatic, kCentre, "PRISM II told - ", 10, 120, 200, 8},
    {kNoId, K::kStatic, 0, "Link Errors", 15, 145, 34, 8},
    {1023, K::kProgressBar, 0, "", 15, 155, 190, 10},
    {kNoId, K::kStatic, 0, "Interference:", 15, 165, 41, 8},
    {1114, K::kStatic, 0, "", 70, 165, 115, 10},
    {1022, K::kProgressBar, 0, "", 15, 175, 190, 10},
    {kNoId, K::kStatic, 0, "Signal Strength:", 15, 185, 51, 8},
    {1113, K::kStatic, 0, "", 70, 185, 120, 10},
    {1016, K::kProgressBar, 0, "", 15, 195, 190, 10},
    {kNoId, K::kGroupBox, 0, "Mode", 220, 70, 65, 110},
    {1105, K::kPushButton, kTabStop, "Tx Power", 225, 85, 55, 15},
    {1112, K::kPushButton, kTabStop, "&Antenna Test", 225, 105, 55, 15},
    {1024, K::kPushButton, kTabStop, "Air Scan", 225, 125, 55, 15},
    {1020, K::kPushButton, kTabStop, "Rescan", 225, 155, 55, 20},
    {1, K::kPushButton, kTabStop, "E&xit", 225, 195, 55, 19},
    {1018, K::kPushButton, kHidden, "Wlan", 225, 10, 55, 10},
    {1104, K::kPushButton, kHidden, "Delay", 225, 20, 55, 10},
    {1019, K::kPushButton, kHidden, "SQ", 225, 30, 55, 10},
    {1102, K::kPushButton, kHidden, "&Start", 225, 40, 55, 10},
    {1107, K::kPushButton, kHidden, "S&top", 225, 50, 55, 10},
};

// --- 157: antenna VSWR test -------------------------------------------------

constexpr ControlTemplate kAntennaTestControls[] = {
    {kNoId, K::kGroupBox, kCentre, "", 18, 5, 260, 197},
    {kNoId, K::kGroupBox, kCentre, "Clear", 300, 28, 50, 28},
    {1004, K::kScrollBar, kTabStop, "", 308, 40, 34, 11},
    {kNoId, K::kGroupBox, kCentre, "Speed", 300, 66, 50, 25},
    {1002, K::kScrollBar, kTabStop, "", 306, 76, 38, 11},
    {1, K::kPushButton, kDefault | kTabStop, "OK", 300, 105, 50, 14},
    {1007, K::kPushButton, kTabStop, "Inform...", 300, 135, 50, 14},
    {2, K::kPushButton, kTabStop, "Cancel", 300, 165, 50, 14},
    {1006, K::kStatic, kBorder, "", 20, 10, 256, 190},
    {kNoId, K::kStatic, kCentre, "Warm up 15...20 minutes", 285, 5, 80, 8},
};

// --- 181: air scan ----------------------------------------------------------

constexpr int kScanBarX[13] = {74, 84, 94, 104, 114, 124, 134, 144, 153, 163, 173, 183, 193};
constexpr int kScanValueIds[13] = {1158, 1164, 1165, 1166, 1167, 1168, 1169,
                                   1170, 1171, 1172, 1173, 1174, 1175};
constexpr std::string_view kChannelNames[14] = {"1", "2", "3",  "4",  "5",  "6",  "7",
                                                "8", "9", "10", "11", "12", "13", "14"};

constexpr std::array<ControlTemplate, 13 * 3 + 17> MakeAirScanControls() {
  std::array<ControlTemplate, 13 * 3 + 17> c{};
  std::size_t n = 0;
  for (int k = 0; k < 13; ++k) {
    const int w = (k == 7 || k == 12) ? 11 : 12;
    c[n++] = {1132 + k, K::kProgressBar, kVertical | kSmooth, "", kScanBarX[k], 20, w, 95};
  }
  for (int k = 0; k < 13; ++k) {
    c[n++] = {1145 + k, K::kStatic, kCentre, kChannelNames[k], 75 + 10 * k, 120, 10, 8};
  }
  for (int k = 0; k < 13; ++k) {
    c[n++] = {kScanValueIds[k], K::kStatic, kCentre, "", 75 + 10 * k, 10, 10, 8};
  }
  const ControlTemplate rest[] = {
      {kNoId, K::kStatic, 0, "- dBm", 75, 0, 24, 8},
      {kNoId, K::kStatic, 0, "Channels", 125, 130, 30, 8},
      {kNoId, K::kStatic, 0, "1 - 2412 MHz", 74, 133, 48, 8},
      {kNoId, K::kStatic, 0, "13 - 2472 MHz", 160, 133, 50, 8},
      {kNoId, K::kStatic, 0, "Step - 5 MHz", 230, 133, 50, 8},
      {1116, K::kSlider, kVertical | kAutoTicks | kTabStop, "", 9, 13, 20, 110},
      {1176, K::kStatic, 0, "-97...00", 5, 5, 35, 8},
      {kNoId, K::kStatic, 0, "Zoom", 5, 125, 20, 8},
      {1117, K::kSlider, kVertical | kAutoTicks | kTabStop, "", 54, 12, 20, 110},
      {1177, K::kStatic, 0, "00", 55, 5, 15, 8},
      {kNoId, K::kStatic, 0, "Level BER", 40, 125, 35, 8},
      {kNoId, K::kGroupBox, 0, "Displ", 230, 15, 50, 50},
      {1160, K::kRadioButton, kPushRadio | kGroup, "dBm", 235, 25, 40, 15},
      {1161, K::kRadioButton, kPushRadio, "BER", 235, 45, 40, 15},
      {2, K::kPushButton, kGroup | kTabStop, "Start", 230, 70, 50, 14},
      {3, K::kPushButton, kTabStop, "Stop", 230, 85, 50, 14},
      {1, K::kPushButton, kDefault | kTabStop, "OK", 230, 100, 50, 14},
  };
  for (const auto& r : rest) c[n++] = r;
  // Fails the constant evaluation when the count above is wrong.
  if (n != c.size()) throw "template size";
  return c;
}

constexpr auto kAirScanControls = MakeAirScanControls();

// --- 182: transmit power control --------------------------------------------

constexpr ControlTemplate kPowerControlControls[] = {
    {1134, K::kRadioButton, kPushRadio | kGroup, "Off", 70, 30, 45, 15},
    {1135, K::kRadioButton, kPushRadio, "On", 115, 30, 45, 15},
    {1, K::kPushButton, kDefault | kGroup | kTabStop, "OK", 15, 105, 50, 14},
    {2, K::kPushButton, kTabStop, "Cancel", 170, 105, 50, 14},
    {kNoId, K::kGroupBox, kCentre, "Manual TX Power Control", 65, 15, 100, 36},
    {kNoId, K::kGroupBox, kCentre, "Power  mW", 10, 60, 210, 35},
    {1131, K::kRadioButton, kPushRadio | kGroup, "1", 15, 75, 25, 15},
    {1132, K::kRadioButton, kPushRadio, "5", 40, 75, 25, 15},
    {1138, K::kRadioButton, kPushRadio, "10", 65, 75, 25, 15},
    {1139, K::kRadioButton, kPushRadio, "20", 90, 75, 25, 15},
    {1140, K::kRadioButton, kPushRadio, "40", 115, 75, 25, 15},
    {1141, K::kRadioButton, kPushRadio, "60", 140, 75, 25, 15},
    {1142, K::kRadioButton, kPushRadio, "80", 165, 75, 25, 15},
    {1143, K::kRadioButton, kPushRadio, "100", 190, 75, 25, 15},
};

// --- 183: antenna report ----------------------------------------------------

constexpr int kInfoBoxIds[14] = {1133, 1136, 1137, 1144, 1145, 1146, 1147,
                                 1148, 1149, 1150, 1151, 1152, 1153, 1154};
constexpr int kInfoNumberX[7] = {25, 60, 85, 115, 145, 175, 205};

constexpr std::array<ControlTemplate, 14 * 2 + 10> MakeAntennaInfoControls() {
  std::array<ControlTemplate, 14 * 2 + 10> c{};
  std::size_t n = 0;
  for (int k = 0; k < 14; ++k) {
    c[n++] = {kInfoBoxIds[k],
              K::kEdit,
              kBorder | kReadOnly | kAutoHScroll,
              "",
              15 + 30 * (k % 7),
              k < 7 ? 15 : 50,
              30,
              14};
  }
  for (int k = 0; k < 14; ++k) {
    c[n++] = {kNoId, K::kStatic, 0, kChannelNames[k], kInfoNumberX[k % 7], k < 7 ? 30 : 40, 10, 8};
  }
  const ControlTemplate rest[] = {
      {kNoId, K::kStatic, kCentre, " Channels:  1 - 2412 MHz,  14 - 2477 MHz ,  Step - 5 MHz", 15,
       70, 210, 8},
      {kNoId, K::kGroupBox, 0, "VSWR", 5, 0, 225, 80},
      {1197, K::kStatic, 0, "Static", 40, 80, 44, 8},
      {1198, K::kStatic, 0, "Static", 110, 80, 45, 8},
      {kNoId, K::kGroupBox, 0, "Result:", 5, 90, 170, 55},
      {1194, K::kStatic, kCentre, "VSWR_min = 1.00", 10, 100, 80, 15},
      {1195, K::kStatic, kCentre, "VSWR_max = 2.00", 90, 100, 80, 15},
      {1196, K::kStatic, kCentre | kVCentre, "I do not know", 10, 115, 160, 25},
      {kNoId, K::kStatic, kCentre, "Please, Warm up 15...20 minutes", 185, 95, 35, 35},
      {1, K::kPushButton, kDefault | kTabStop, "OK", 180, 130, 50, 15},
  };
  for (const auto& r : rest) c[n++] = r;
  // Fails the constant evaluation when the count above is wrong.
  if (n != c.size()) throw "template size";
  return c;
}

constexpr auto kAntennaInfoControls = MakeAntennaInfoControls();

constexpr std::string_view kFont = "MS Sans Serif";

constexpr DialogTemplate kTemplates[] = {
    {kAboutBox, "About WLAN Quoril", kFont, 8, 217, 61, kCaption | kSystemMenu | kModalFrame,
     kAboutControls},
    {kLinkMonitor, "WLAN Quoril", kFont, 8, 292, 226,
     kCaption | kSystemMenu | kMinimizeBox | kAppWindow, kLinkMonitorControls},
    {kAntennaTest, "Antenna -  VSWR \u2014 Voltage Standing Wave Ratio", kFont, 8, 372, 210,
     kCaption | kSystemMenu | kModalFrame, kAntennaTestControls},
    {kAirScan, "WLAN Air Scan", kFont, 8, 288, 146, kCaption | kModalFrame, kAirScanControls},
    {kPowerControl, "WLAN Power Control", kFont, 8, 232, 133, kCaption | kSystemMenu | kModalFrame,
     kPowerControlControls},
    {kAntennaInfo, "Antenna Inform ...", kFont, 8, 242, 156, kCaption | kSystemMenu | kModalFrame,
     kAntennaInfoControls},
};

struct StringResource {
  int id;
  std::string_view text;
};

constexpr StringResource kStrings[] = {
    {kAboutItemString, "&About WLAN Quoril"},
};

}  // namespace

const ControlTemplate* DialogTemplate::Find(int controlId) const {
  const auto it = std::find_if(controls.begin(), controls.end(),
                               [controlId](const ControlTemplate& c) { return c.id == controlId; });
  return it == controls.end() ? nullptr : &*it;
}

const DialogTemplate* FindDialogTemplate(int id) {
  for (const auto& t : kTemplates) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

std::string_view LoadResourceString(int id) {
  for (const auto& s : kStrings) {
    if (s.id == id) return s.text;
  }
  return {};
}

}  // namespace quoril::res
