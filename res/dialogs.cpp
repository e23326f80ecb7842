#include "res/resources.h"

namespace res {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::kIdStatic;
namespace st = platform::style;
namespace ws = platform::wstyle;

namespace {

constexpr const char* kPortNames[] = {"COM1", "COM2", "COM3", "COM4"};

constexpr uint32_t kButton = st::kTabStop;
constexpr uint32_t kOffButton = st::kTabStop | st::kDisabled;
constexpr uint32_t kHiddenButton = st::kTabStop | st::kDisabled | st::kHidden;

// Group boxes first, so the controls inside them lie above their frames.
constexpr ControlTemplate kFormControls[] = {
    {kIdStatic, ControlKind::GroupBox, "", {5, 5, 301, 185}},
    {kIdStatic, ControlKind::GroupBox, "", {19, 14, 276, 36}},
    {kIdStatic, ControlKind::StaticText, "Quarrow Firmware Update Program", {73, 22, 168, 8}, st::kCenter},
    {kIdStatic, ControlKind::StaticText, "Quarrow Corporation", {121, 36, 72, 8}, st::kCenter},
    {kIdStatic, ControlKind::GroupBox, "File Options", {19, 54, 63, 112}},
    {kIdStatic, ControlKind::GroupBox, "Communication", {89, 54, 63, 112}},
    {kIdStatic, ControlKind::GroupBox, "Upgrade Infomation", {159, 54, 136, 112}},
    {kIdStatic, ControlKind::StaticText, "Hex File:", {26, 62, 40, 8}},
    {kIdStatic, ControlKind::StaticText, "Serial Port:", {96, 62, 48, 8}},
    {IDC_LOAD_HEX, ControlKind::PushButton, "Load Hex File", {25, 84, 51, 13}, kButton | st::kDefaultButton},
    {IDC_TEST_HEX, ControlKind::PushButton, "Test Hex File", {25, 103, 51, 13}, kOffButton},
    {IDC_VIEW_RECORDS, ControlKind::PushButton, "View Records", {25, 131, 51, 13}, kHiddenButton},
    {IDC_VIEW_MEMORY, ControlKind::PushButton, "View Memory", {25, 148, 51, 13}, kHiddenButton},
    {IDC_FILE_NAME, ControlKind::StaticText, "<none>", {24, 71, 54, 9}, st::kSunken | st::kDisabled},
    {IDC_PORT, ControlKind::ComboBox, "", {93, 72, 51, 45}, st::kDropDownList | st::kSorted | st::kVScroll | st::kTabStop,
     kPortNames},
    {IDC_ACTIVATE_PORT, ControlKind::PushButton, "Activate Port", {96, 108, 51, 13}, kButton},
    {IDC_ADVANCED, ControlKind::PushButton, "Advanced...", {96, 128, 51, 13}, kHiddenButton},
    {IDC_UPDATE_CONSOLE, ControlKind::PushButton, "Update Orvane II(OVS, OVX)", {167, 69, 120, 13}, kHiddenButton},
    {IDC_UPDATE_DEVICE, ControlKind::PushButton, "Update Talvex Device", {167, 88, 120, 13}, kOffButton},
    {IDC_UPDATE_MATRIX, ControlKind::PushButton, "Update Pellmar Matrix", {167, 107, 120, 13}, kHiddenButton},
    {IDC_CHECK_DEVICE, ControlKind::PushButton, "Check Device Information", {167, 126, 120, 13}, kOffButton},
    {IDC_SEND_UNFORMATTED, ControlKind::PushButton, "Send unformatted OVHex file", {167, 145, 120, 13}, kHiddenButton},
    {IDC_STATUS, ControlKind::GroupBox, "", {5, 170, 301, 20}, st::kDisabled},
    {IDC_PROGRESS, ControlKind::ProgressBar, "", {11, 180, 256, 6}, st::kBorder | st::kDisabled},
    {IDC_CANCEL, ControlKind::PushButton, "Cancel", {270, 176, 35, 12}, kOffButton},
};

constexpr ControlTemplate kAboutControls[] = {
    {kIdStatic, ControlKind::Icon, "", {11, 17, 20, 20}, 0, {}, IDI_ABOUT},
    {kIdStatic, ControlKind::StaticText, "TalvexUpdate Universal ", {40, 8, 130, 8}, st::kCenter},
    {kIdStatic, ControlKind::StaticText, "Release Build, v2.2.a.0 ", {40, 22, 130, 8}, st::kCenter},
    {kIdStatic, ControlKind::StaticText, "Quarrow Corporation", {40, 36, 130, 8}, st::kCenter},
    {platform::kIdOk, ControlKind::PushButton, "OK", {178, 7, 32, 14}, st::kTabStop | st::kDefaultButton | st::kGroup},
};

constexpr ControlTemplate kLogControls[] = {
    {IDC_LOG_EDIT, ControlKind::Edit, "", {7, 6, 335, 229},
     st::kMultiline | st::kReadOnly | st::kWantReturn | st::kAutoVScroll | st::kVScroll | st::kBorder | st::kSunken},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_ABOUTBOX, "About TalvexUpdate V2.2a", 217, 55, "MS Sans Serif", 8,
     ws::kPopup | ws::kCaption | ws::kSysMenu | ws::kModalFrame, kAboutControls},
    {IDD_OVUPDATE_FORM, "", 312, 201, "MS Sans Serif", 10, ws::kChild, kFormControls},
    {IDD_LOG_VIEW, "TalvexUpdate  Message Log", 349, 241, "MS Sans Serif", 8,
     ws::kPopup | ws::kCaption | ws::kSysMenu | ws::kSizingBorder, kLogControls},
};

}  // namespace

const DialogTemplate* FindDialog(int id) {
  for (const DialogTemplate& dialog : kDialogs)
    if (dialog.id == id) return &dialog;
  return nullptr;
}

}  // namespace res
