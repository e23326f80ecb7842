#pragma once
// The shapes of the program's resources: dialog templates, menus,
// accelerators, toolbars and the string table. res/ holds the instances as
// constant data; a backend realises any of them generically from these types.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/window/geometry.h"

namespace platform {

// One model class and one widget kind per control kind.
enum class ControlKind {
  PushButton,
  StaticText,
  GroupBox,
  Edit,
  ComboBox,
  CheckBox,
  ProgressBar,
  Slider,
  UpDown,
  ScrollBar,
  Icon,
};

// Control and window style bits. Only those meaningful for a kind are read.
namespace style {
inline constexpr uint32_t kHidden = 1u << 0;    // not visible at creation
inline constexpr uint32_t kDisabled = 1u << 1;  // disabled at creation
inline constexpr uint32_t kTabStop = 1u << 2;
inline constexpr uint32_t kGroup = 1u << 3;
inline constexpr uint32_t kBorder = 1u << 4;
inline constexpr uint32_t kSunken = 1u << 5;  // sunken (client) edge
// push button
inline constexpr uint32_t kDefaultButton = 1u << 8;
// static text
inline constexpr uint32_t kCenter = 1u << 8;
inline constexpr uint32_t kRight = 1u << 9;
// edit
inline constexpr uint32_t kMultiline = 1u << 8;
inline constexpr uint32_t kReadOnly = 1u << 9;
inline constexpr uint32_t kWantReturn = 1u << 10;
inline constexpr uint32_t kAutoHScroll = 1u << 11;
inline constexpr uint32_t kAutoVScroll = 1u << 12;
inline constexpr uint32_t kNumber = 1u << 13;
inline constexpr uint32_t kUpperCase = 1u << 14;
// edit, combo box
inline constexpr uint32_t kVScroll = 1u << 16;
inline constexpr uint32_t kHScroll = 1u << 17;
// combo box: a list only, or a list with an edit field
inline constexpr uint32_t kDropDownList = 1u << 8;
inline constexpr uint32_t kDropDown = 1u << 9;
inline constexpr uint32_t kSorted = 1u << 10;
// check box
inline constexpr uint32_t kThreeState = 1u << 8;
inline constexpr uint32_t kAuto = 1u << 9;  // the box flips itself on a click
// slider, scroll bar
inline constexpr uint32_t kVertical = 1u << 8;
inline constexpr uint32_t kAutoTicks = 1u << 9;
inline constexpr uint32_t kTicksTop = 1u << 10;
// up-down
inline constexpr uint32_t kAlignRight = 1u << 8;
inline constexpr uint32_t kSetBuddyInt = 1u << 9;  // writes its position into the buddy
inline constexpr uint32_t kArrowKeys = 1u << 10;
inline constexpr uint32_t kWrap = 1u << 11;
inline constexpr uint32_t kAutoBuddy = 1u << 12;  // the buddy is the control before it
}  // namespace style

// Window (dialog) style bits.
namespace wstyle {
inline constexpr uint32_t kChild = 1u << 0;  // a form inside a frame, no caption of its own
inline constexpr uint32_t kPopup = 1u << 1;
inline constexpr uint32_t kCaption = 1u << 2;
inline constexpr uint32_t kSysMenu = 1u << 3;
inline constexpr uint32_t kSizingBorder = 1u << 4;
inline constexpr uint32_t kModalFrame = 1u << 5;
inline constexpr uint32_t kVisible = 1u << 6;
}  // namespace wstyle

inline constexpr int kIdStatic = -1;  // decorations without an id
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct ControlTemplate {
  int id = kIdStatic;
  ControlKind kind = ControlKind::StaticText;
  const char* text = "";
  Rect rect;  // dialog units
  uint32_t style = 0;
  std::span<const char* const> items = {};  // initial entries of a combo box
  int image = 0;                            // icon resource of an Icon control
};

struct DialogTemplate {
  int id = 0;
  const char* caption = "";
  int cx = 0;  // dialog units
  int cy = 0;
  const char* fontName = "MS Sans Serif";
  int fontPointSize = 8;
  uint32_t style = 0;
  std::span<const ControlTemplate> controls;
};

namespace menu_flag {
inline constexpr uint32_t kPopup = 1u << 0;
inline constexpr uint32_t kSeparator = 1u << 1;
inline constexpr uint32_t kGrayed = 1u << 2;  // as loaded; command update states decide afterwards
inline constexpr uint32_t kChecked = 1u << 3;
}  // namespace menu_flag

struct MenuItem {
  const char* text = "";  // "&" marks the mnemonic, "\t" starts the shortcut text
  int command = 0;
  uint32_t flags = 0;
  std::span<const MenuItem> popup = {};
};

struct MenuResource {
  int id = 0;
  std::span<const MenuItem> items;  // the bar's pop-ups, or a context menu's single pop-up
};

namespace key_mod {
inline constexpr uint8_t kCtrl = 1u << 0;
inline constexpr uint8_t kAlt = 1u << 1;
inline constexpr uint8_t kShift = 1u << 2;
}  // namespace key_mod

// Virtual keys: letters and digits are their upper-case ASCII codes.
enum class Key : int {
  Backspace = 0x08,
  Delete = 0x2E,
  Insert = 0x2D,
  F1 = 0x70,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
};
constexpr Key KeyOf(char letterOrDigit) { return static_cast<Key>(letterOrDigit); }

struct Accelerator {
  Key key;
  uint8_t modifiers = 0;
  int command = 0;
};

struct AcceleratorTable {
  int id = 0;
  std::span<const Accelerator> entries;
};

struct ToolbarResource {
  int id = 0;
  int buttonWidth = 16;  // pixels
  int buttonHeight = 15;
  std::span<const int> commands;  // 0 is a separator
};

struct StringEntry {
  int id = 0;
  const char* text = "";
};

// Entries in any order; the first of an id counts.
class StringTable {
 public:
  constexpr explicit StringTable(std::span<const StringEntry> entries) : m_entries(entries) {}
  std::optional<std::string_view> Find(int id) const;
  // The status bar prompt: the text before "\n"; empty when none.
  std::string_view Prompt(int id) const;
  // The tool tip: the text after "\n"; empty when none.
  std::string_view ToolTip(int id) const;

 private:
  std::span<const StringEntry> m_entries;
};

}  // namespace platform
