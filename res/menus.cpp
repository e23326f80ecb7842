#include "res/resources.h"

namespace res {

using platform::Accelerator;
using platform::AcceleratorTable;
using platform::Key;
using platform::KeyOf;
using platform::MenuItem;
using platform::MenuResource;
using platform::ToolbarResource;
namespace mf = platform::menu_flag;
namespace km = platform::key_mod;

namespace {

constexpr MenuItem kSeparator{"", 0, mf::kSeparator};

constexpr MenuItem kFileMenu[] = {
    {"&Open...\tCtrl+O", ID_FILE_OPEN},
    kSeparator,
    {"&Send...", ID_FILE_SEND_MAIL},
    kSeparator,
    {"Recent File", ID_FILE_MRU_FILE1, mf::kGrayed},
    kSeparator,
    {"E&xit", ID_APP_EXIT},
};
constexpr MenuItem kViewMenu[] = {
    {"&Toolbar", ID_VIEW_TOOLBAR},
    {"&Status Bar", ID_VIEW_STATUS_BAR},
    {"View Status Log", ID_VIEW_STATUS_LOG},
};
constexpr MenuItem kToolsMenu[] = {
    {"Allow Advanced Settings", ID_ALLOW_ADVANCED, mf::kGrayed},
    {"Enable Hex File Editing", ID_ENABLE_HEX_EDITING, mf::kGrayed},
    {"&SettingID", ID_SETTING_ID, mf::kGrayed},
};
constexpr MenuItem kHelpMenu[] = {
    {"&Help Topics", ID_HELP_TOPICS},
    {"Enable ToolTips", ID_ENABLE_TOOLTIPS, mf::kChecked},
    kSeparator,
    {"&About TalvexUpdate...", ID_APP_ABOUT},
};
constexpr MenuItem kMainMenu[] = {
    {"&File", 0, mf::kPopup, kFileMenu},
    {"&View", 0, mf::kPopup, kViewMenu},
    {"Tools", 0, mf::kPopup, kToolsMenu},
    {"&Help", 0, mf::kPopup, kHelpMenu},
};

constexpr MenuItem kContextItems[] = {
    {"&Help Topics", ID_HELP_INDEX},
    kSeparator,
    {"&Toolbar", ID_VIEW_TOOLBAR},
    {"&Status Bar", ID_VIEW_STATUS_BAR},
    kSeparator,
    {"&Open...\tCtrl+O", ID_FILE_OPEN},
    kSeparator,
    {"Allow Advanced Settings", ID_ALLOW_ADVANCED},
    {"Enable ToolTips", ID_ENABLE_TOOLTIPS, mf::kChecked},
    {"View Status Log", ID_VIEW_STATUS_LOG},
    {"Enable Hex File Editing", ID_ENABLE_HEX_EDITING, mf::kGrayed},
};
constexpr MenuItem kContextMenu[] = {
    {"", 0, mf::kPopup, kContextItems},
};

constexpr MenuResource kMenus[] = {
    {IDR_MAINFRAME, kMainMenu},
    {IDR_CONTEXT_MENU, kContextMenu},
};

constexpr Accelerator kMainAccelerators[] = {
    {KeyOf('O'), km::kCtrl, ID_FILE_OPEN},
    {Key::F1, 0, ID_HELP_TOPICS},
    {KeyOf('N'), km::kCtrl, ID_FILE_NEW},
    {KeyOf('S'), km::kCtrl, ID_FILE_SAVE},
    {KeyOf('P'), km::kCtrl, ID_FILE_PRINT},
    {KeyOf('X'), km::kCtrl, ID_EDIT_CUT},
    {Key::Delete, km::kShift, ID_EDIT_CUT},
    {KeyOf('C'), km::kCtrl, ID_EDIT_COPY},
    {Key::Insert, km::kCtrl, ID_EDIT_COPY},
    {KeyOf('V'), km::kCtrl, ID_EDIT_PASTE},
    {Key::Insert, km::kShift, ID_EDIT_PASTE},
    {KeyOf('Z'), km::kCtrl, ID_EDIT_UNDO},
    {Key::Backspace, km::kAlt, ID_EDIT_UNDO},
    {Key::F6, 0, ID_NEXT_PANE},
    {Key::F6, km::kShift, ID_PREV_PANE},
    {KeyOf('S'), km::kCtrl | km::kAlt | km::kShift, ID_OVERRIDE_01},
    {KeyOf('A'), km::kCtrl | km::kAlt | km::kShift, ID_OVERRIDE_02},
};
constexpr AcceleratorTable kAccelerators[] = {{IDR_MAINFRAME, kMainAccelerators}};

constexpr int kMainToolbarButtons[] = {ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
                                       ID_FILE_PRINT, ID_APP_ABOUT};
constexpr ToolbarResource kToolbars[] = {{IDR_MAINFRAME, 16, 15, kMainToolbarButtons}};

}  // namespace

const MenuResource* FindMenu(int id) {
  for (const MenuResource& menu : kMenus)
    if (menu.id == id) return &menu;
  return nullptr;
}

const AcceleratorTable* FindAccelerators(int id) {
  for (const AcceleratorTable& table : kAccelerators)
    if (table.id == id) return &table;
  return nullptr;
}

const ToolbarResource* FindToolbar(int id) {
  for (const ToolbarResource& toolbar : kToolbars)
    if (toolbar.id == id) return &toolbar;
  return nullptr;
}

}  // namespace res
