#pragma once
// The controls of each channel of the air scan, and how its label reads when
// the channel is shown and when the next one is ("&" underlines the
// character after it).

#include <array>
#include <string_view>

namespace quoril {

struct ScanChannelControls {
  int channel;                // 1..13
  int labelId;                // label of this channel
  std::string_view marked;    // its text while this channel is shown
  int previousLabelId;        // label of the channel before it in the cycle
  std::string_view unmarked;  // that label's plain text
  int valueTextId;
  int barId;
};

inline constexpr std::array<ScanChannelControls, 13> kScanChannelControls = {{
    {1, 1145, "&1", 1157, "13", 1158, 1132},
    {2, 1146, "&2", 1145, "1", 1164, 1133},
    {3, 1147, "&3", 1146, "2", 1165, 1134},
    {4, 1148, "&4", 1147, "3", 1166, 1135},
    {5, 1149, "&5", 1148, "4", 1167, 1136},
    {6, 1150, "&6", 1149, "5", 1168, 1137},
    {7, 1151, "&7", 1150, "6", 1169, 1138},
    {8, 1152, "&8", 1151, "7", 1170, 1139},
    {9, 1153, "&9", 1152, "8", 1171, 1140},
    {10, 1154, "&10", 1153, "9", 1172, 1141},
    {11, 1155, "&11", 1154, "10", 1173, 1142},
    {12, 1156, "&12", 1155, "11", 1174, 1143},
    {13, 1157, "1&3", 1156, "12", 1175, 1144},
}};

inline const ScanChannelControls& ControlsOfChannel(int channel) {
  return kScanChannelControls[static_cast<std::size_t>(channel - 1)];
}

}  // namespace quoril
