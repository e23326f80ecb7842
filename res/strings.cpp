#include "res/resources.h"

namespace res {

using platform::StringEntry;

namespace {

constexpr StringEntry kStrings[] = {
    {IDS_OLE_INIT_FAILED, "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {ID_INDICATOR_PORT, "PORT INACTIVE"},
    {IDR_MAINFRAME,
     "TalvexUpdate V.2.2a\n\nTalvexHex\nTalvexUpdate Hex Files (*.hex)\n.hex\nTalvexUpdate.HexDocument\nTalvexUpdate Hex "
     "File"},

    // Tool tips of the main form's controls.
    {IDC_ADVANCED, "Open the dialog box to set advanced communication options."},
    {IDC_ACTIVATE_PORT, "Test and connect to/disconnect from the selected Comm port"},
    {IDC_TEST_HEX, "Test the checksums of the loaded Hex file"},
    {IDC_VIEW_RECORDS, "View individual records in the Hex file"},
    {IDC_VIEW_MEMORY, "View the memory map the hex file will generate"},
    {IDC_LOAD_HEX, "Load a new TalvexUpdate file"},
    {IDC_CANCEL, "Cancels a time-consuming action"},
    {IDC_UPDATE_CONSOLE, "Upload a TalvexUpdate Hex file to a Talvex Unit"},
    {IDC_UPDATE_MATRIX, "Upload a TalvexUpdate Hex file to a Talvex Unit"},
    {IDC_UPDATE_DEVICE, "Upload a TalvexUpdate Hex file to a Talvex Unit"},
    {IDC_SEND_UNFORMATTED, "Send hex file directly to port unformatted"},

    // Command prompts: the status bar prompt, then after "\n" the tool tip.
    {ID_ENABLE_TOOLTIPS, "Enables or disables the pop-up tips when the cursor is on active controls"},
    {ID_SETTING_ID, "Setting ID"},
    {AFX_IDS_IDLEMESSAGE, "For Help, press F1"},
    {ID_FILE_NEW, "Create a new document"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_SEND_MAIL, "Send the active document through electronic mail"},
    {ID_FILE_MRU_FILE1, "Open this document"},
    {ID_FILE_MRU_FILE1 + 1, "Open this document"},
    {ID_FILE_MRU_FILE1 + 2, "Open this document"},
    {ID_FILE_MRU_FILE1 + 3, "Open this document"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_EDIT_UNDO, "Undo the last action"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents"},
    {ID_HELP_INDEX, "List Help topics"},
    {ID_NEXT_PANE, "Switch to the next window pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar"},

    // Status bar indicators.
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
};

constexpr platform::StringTable kStringTable{kStrings};

}  // namespace

const platform::StringTable& Strings() { return kStringTable; }

}  // namespace res
