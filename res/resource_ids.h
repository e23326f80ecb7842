#pragma once
// Resource, control and command ids of the program's own resources.

namespace res {

// Dialogs, menus, the toolbar and its accelerators.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_OVUPDATE_FORM = 101;
inline constexpr int IDR_MAINFRAME = 128;  // menu, accelerators, toolbar, icon, document string
inline constexpr int IDR_CONTEXT_MENU = 142;
inline constexpr int IDD_LOG_VIEW = 145;
inline constexpr int IDI_ABOUT = 152;

// Strings.
inline constexpr int IDS_OLE_INIT_FAILED = 100;
inline constexpr int ID_INDICATOR_PORT = 101;  // also the port pane's id

// Controls of the main form.
inline constexpr int IDC_PORT = 1001;
inline constexpr int IDC_ADVANCED = 1002;
inline constexpr int IDC_ACTIVATE_PORT = 1003;
inline constexpr int IDC_TEST_HEX = 1004;
inline constexpr int IDC_VIEW_RECORDS = 1005;
inline constexpr int IDC_VIEW_MEMORY = 1006;
inline constexpr int IDC_LOAD_HEX = 1007;
inline constexpr int IDC_STATUS = 1011;
inline constexpr int IDC_PROGRESS = 1012;
inline constexpr int IDC_CANCEL = 1013;
inline constexpr int IDC_FILE_NAME = 1014;
inline constexpr int IDC_UPDATE_CONSOLE = 1032;
inline constexpr int IDC_UPDATE_MATRIX = 1033;
inline constexpr int IDC_UPDATE_DEVICE = 1034;
inline constexpr int IDC_SEND_UNFORMATTED = 1035;
inline constexpr int IDC_LOG_EDIT = 1037;
inline constexpr int IDC_CHECK_DEVICE = 1038;

// The program's commands.
inline constexpr int ID_ALLOW_ADVANCED = 32771;
inline constexpr int ID_ENABLE_HEX_EDITING = 32773;
inline constexpr int ID_ENABLE_TOOLTIPS = 32774;
inline constexpr int ID_VIEW_STATUS_LOG = 32775;
inline constexpr int ID_OVERRIDE_01 = 32778;
inline constexpr int ID_HELP_TOPICS = 32779;
inline constexpr int ID_OVERRIDE_02 = 32780;
inline constexpr int ID_SETTING_ID = 32781;

// Framework commands the resources name.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_DIRECT = 57608;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_SEND_MAIL = 57612;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_INDEX = 57667;
inline constexpr int ID_CONTEXT_HELP = 57669;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_DEFAULT_HELP = 57671;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;

}  // namespace res
