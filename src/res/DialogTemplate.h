#pragma once
// Dialog templates as plain data: every window is laid out from one of these,
// in dialog units, the way the dialog framework reads a resource script. The
// Qt side turns a template into a window (DialogBuilder); nothing here knows
// about a toolkit.

#include <cstdint>
#include <span>
#include <string_view>

namespace quoril::res {

// Id of controls that code never addresses (labels, frames).
inline constexpr int kNoId = -1;

enum class ControlKind {
  kStatic,       // text; word-wrapped, "&" underlines the next character
  kIcon,         // an icon resource, named by its number in the text
  kEdit,         // one-line-looking edit box
  kGroupBox,     // frame with a title; never takes the mouse
  kPushButton,   // push button; kDefault makes it the default button
  kRadioButton,  // automatic radio button; kGroup starts a new group
  kProgressBar,  // bar with range, step, position and colours
  kSlider,       // trackbar
  kScrollBar,    // horizontal scroll bar
};

// Control styles, combined as bits.
enum ControlStyle : std::uint32_t {
  kHidden = 1u << 0,  // stands in the template without the visible style
  kDisabled = 1u << 1,
  kCentre = 1u << 2,   // text centred horizontally
  kVCentre = 1u << 3,  // text centred vertically
  kBorder = 1u << 4,
  kReadOnly = 1u << 5,
  kMultiLine = 1u << 6,
  kAutoHScroll = 1u << 7,
  kDefault = 1u << 8,  // default push button
  kGroup = 1u << 9,    // first control of a group
  kTabStop = 1u << 10,
  kPushLike = 1u << 11,   // radio button drawn as a push button
  kVertical = 1u << 12,   // progress bar or slider standing upright
  kSmooth = 1u << 13,     // progress bar without blocks
  kAutoTicks = 1u << 14,  // slider with a tick at every tick interval
  kNoPrefix = 1u << 15,   // "&" shown as it is
};

// Dialog styles.
enum DialogStyle : std::uint32_t {
  kCaption = 1u << 0,
  kSystemMenu = 1u << 1,
  kMinimizeBox = 1u << 2,
  kModalFrame = 1u << 3,
  kAppWindow = 1u << 4,  // shown in the task bar
};

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::uint32_t style;
  std::string_view text;
  int x, y, w, h;  // dialog units
};

struct DialogTemplate {
  int id;
  std::string_view caption;
  std::string_view fontFace;
  int fontPoints;
  int w, h;  // client size in dialog units
  std::uint32_t style;
  std::span<const ControlTemplate> controls;

  // The control with `id`, or nullptr.
  const ControlTemplate* Find(int controlId) const;
};

// Template ids.
inline constexpr int kAboutBox = 100;
inline constexpr int kLinkMonitor = 102;
inline constexpr int kAntennaTest = 157;
inline constexpr int kAirScan = 181;
inline constexpr int kPowerControl = 182;
inline constexpr int kAntennaInfo = 183;

// The template with `id`, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

// Resource numbers beside the templates.
inline constexpr int kApplicationIcon = 128;
inline constexpr int kBlankCursor = 129;
inline constexpr int kAboutItemString = 101;

// A string resource, empty when there is none with `id`.
std::string_view LoadResourceString(int id);

}  // namespace quoril::res
