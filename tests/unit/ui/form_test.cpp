#include "app/doc_messages.h"
#include "ui/log_window.h"
#include "ui_fixture.h"

using namespace res;
using uitest::ProgramTest;
using uitest::Sample;

namespace {

constexpr const char* kMsgNoFileToTest =
    "A OV Hex File must be loaded before it can be tested.  \n\nPlease use \"File-Open...\" or press the open toolbar "
    "button.";

TEST_F(ProgramTest, FormStartsWithOnlyLoadPortSelectorAndActivateUsable) {
  struct Expected {
    int id;
    bool enabled;
    bool visible;
    const char* text;
  };
  const Expected table[] = {
      {IDC_LOAD_HEX, true, true, "Load Hex File"},
      {IDC_TEST_HEX, false, true, "Test Hex File"},
      {IDC_VIEW_RECORDS, false, false, "View Records"},
      {IDC_VIEW_MEMORY, false, false, "View Memory"},
      {IDC_FILE_NAME, false, true, "<none>"},
      {IDC_PORT, true, true, "COM1"},
      {IDC_ACTIVATE_PORT, true, true, "Activate Port"},
      {IDC_ADVANCED, false, false, "Advanced..."},
      {IDC_UPDATE_CONSOLE, false, false, "Update Orvane II(OVS, OVX)"},
      {IDC_UPDATE_DEVICE, false, true, "Update Talvex Device"},
      {IDC_UPDATE_MATRIX, false, false, "Update Pellmar Matrix"},
      {IDC_CHECK_DEVICE, false, true, "Check Device Information"},
      {IDC_SEND_UNFORMATTED, false, false, "Send unformatted OVHex file"},
      {IDC_STATUS, false, true, ""},
      {IDC_PROGRESS, false, true, ""},
      {IDC_CANCEL, false, true, "Cancel"},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.id);
    EXPECT_EQ(Enabled(e.id), e.enabled);
    EXPECT_EQ(Item(e.id).IsVisible(), e.visible);
    EXPECT_EQ(Item(e.id).GetWindowText(), e.text);
  }
  EXPECT_EQ(view->m_cboPort->Items(), (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4"}));
  EXPECT_TRUE(view->Item<platform::PushButton>(IDC_LOAD_HEX)->IsDefault());
  EXPECT_EQ(doc->m_pView, view);
  EXPECT_EQ(frame->GetWindowText(), "Untitled - TalvexUpdate V.2.2a");
  EXPECT_TRUE(Log().empty());
}

TEST_F(ProgramTest, TestWithoutAFileSaysSoAndStartsNoRun) {
  host.ExpectMessageBox(kMsgNoFileToTest);
  Click(IDC_TEST_HEX);  // disabled: nothing
  view->m_btnTestHex->SetEnabled(true);
  Click(IDC_TEST_HEX);
  EXPECT_TRUE(Log().empty());
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].request.caption, "TalvexUpdate");
  EXPECT_EQ(host.Boxes()[0].request.buttons, platform::Buttons::Ok);
  EXPECT_EQ(host.Boxes()[0].request.icon, platform::Icon::Warning);
}

TEST_F(ProgramTest, TestOfAGoodFilePassesAndOfABrokenOneFails) {
  ASSERT_TRUE(Load("device.hex"));
  host.ExpectMessageBox(kMsgTestPassed);
  Click(IDC_TEST_HEX);
  EXPECT_NE(Log().find("Testing Hex file...\r\n"), std::string::npos);
  EXPECT_FALSE(Enabled(IDC_PROGRESS));

  ASSERT_TRUE(Load("broken-checksum.hex"));
  host.ExpectMessageBox(kMsgTestFailed);
  Click(IDC_TEST_HEX);
  EXPECT_EQ(host.WaitCursorCount(), 0);
}

TEST_F(ProgramTest, CancelPressedDuringATestEndsItWithBothMessages) {
  ASSERT_TRUE(Load("device.hex"));
  const int pumpsBefore = host.PumpCount();
  host.onPump = [&](int count) {
    if (count == pumpsBefore + 10) Click(IDC_CANCEL);
  };
  host.ExpectMessageBox(kMsgTestCancelled);
  host.ExpectMessageBox(kMsgTestFailed);
  Click(IDC_TEST_HEX);
  EXPECT_TRUE(view->m_bCancel);
  EXPECT_FALSE(Enabled(IDC_CANCEL));
}

TEST_F(ProgramTest, LoadShowsTheFileAndTitleAndGrowsTheWindowOnlyOnce) {
  EXPECT_EQ(frame->GrowthX(), 10);
  EXPECT_EQ(frame->GrowthY(), 30);
  ASSERT_TRUE(Load("device.hex"));
  EXPECT_EQ(host.FileDialogsShown().back().description, "TalvexUpdate Hex Files (*.hex)");
  EXPECT_EQ(host.FileDialogsShown().back().extension, ".hex");
  EXPECT_EQ(Item(IDC_FILE_NAME).GetWindowText(), "device.hex");
  EXPECT_TRUE(Enabled(IDC_TEST_HEX));
  EXPECT_FALSE(Enabled(IDC_UPDATE_DEVICE));  // the port is not active
  EXPECT_EQ(frame->GetWindowText(), "device.hex - TalvexUpdate V.2.2a");
  EXPECT_EQ(Log().substr(0, 21), "Loading Hex File...\r\n");
  EXPECT_TRUE(frame->ExecuteCommand(ID_FILE_NEW));
  EXPECT_EQ(frame->GetWindowText(), "Untitled - TalvexUpdate V.2.2a");
  EXPECT_TRUE(doc->HasHexFile());  // New keeps the records
  EXPECT_EQ(frame->GrowthX(), 10);
  EXPECT_EQ(frame->GrowthY(), 30);
}

TEST_F(ProgramTest, FileOpenAndItsCompanionsFollowTheLoadButton) {
  host.ExpectFileDialog(Sample("device.hex"));
  frame->ExecuteCommand(ID_FILE_OPEN);
  ASSERT_TRUE(doc->HasHexFile());
  view->EnableLoadHex(false);
  frame->OnIdle();
  for (int id : {ID_FILE_OPEN, ID_FILE_NEW, ID_FILE_MRU_FILE1}) EXPECT_FALSE(frame->QueryCommand(id).enabled) << id;
  EXPECT_FALSE(frame->ToolBarButtons()[0].enabled);
  EXPECT_TRUE(frame->TranslateAccelerator(platform::KeyOf('O'), platform::key_mod::kCtrl));
  frame->TranslateAccelerator(platform::KeyOf('N'), platform::key_mod::kCtrl);
  host.ExpectPopupMenu(ID_FILE_OPEN);
  view->UserContextMenu({40, 50});
  frame->UserDropFiles({Sample("console.hex")});
  EXPECT_EQ(host.FileDialogsShown().size(), 1u);
  EXPECT_EQ(doc->GetFileName(), "device.hex");
  EXPECT_EQ(frame->GetWindowText(), "device.hex - TalvexUpdate V.2.2a");

  view->EnableLoadHex(true);
  frame->OnIdle();
  EXPECT_TRUE(frame->ToolBarButtons()[0].enabled);
  frame->UserDropFiles({Sample("console.hex")});
  EXPECT_EQ(doc->GetFileName(), "console.hex");
}

TEST_F(ProgramTest, NoLoadOfAnyKindWhileAWorkerRuns) {
  int worker = 0;
  doc->m_pWorker = reinterpret_cast<platform::WorkerThread*>(&worker);
  EXPECT_FALSE(app.OpenDocumentFile(Sample("device.hex")));
  EXPECT_FALSE(doc->HasHexFile());
  EXPECT_EQ(app.RecentFiles().Size(), 0u);
  doc->m_pWorker = nullptr;
}

TEST_F(ProgramTest, ToolTipsFollowCommand32774OnTheFormAndTheToolbar) {
  EXPECT_EQ(view->ToolTipText(IDC_ACTIVATE_PORT), "Test and connect to/disconnect from the selected Comm port");
  EXPECT_EQ(view->ToolTipText(IDC_UPDATE_MATRIX), "Upload a TalvexUpdate Hex file to a Talvex Unit");
  for (int id : {IDC_PORT, IDC_STATUS, IDC_PROGRESS, IDC_FILE_NAME, IDC_CHECK_DEVICE, platform::kIdStatic})
    EXPECT_EQ(view->ToolTipText(id), std::nullopt) << id;
  EXPECT_EQ(frame->CommandToolTip(ID_FILE_OPEN), "Open");
  EXPECT_TRUE(frame->ToolBarTipsEnabled());
  EXPECT_TRUE(frame->QueryCommand(ID_ENABLE_TOOLTIPS).checked);

  frame->ExecuteCommand(ID_ENABLE_TOOLTIPS);
  EXPECT_EQ(doc->m_bToolTips, 0);
  EXPECT_EQ(view->ToolTipText(IDC_ACTIVATE_PORT), std::nullopt);
  EXPECT_FALSE(frame->ToolBarTipsEnabled());
  EXPECT_FALSE(frame->QueryCommand(ID_ENABLE_TOOLTIPS).checked);
  ASSERT_TRUE(Load("device.hex"));  // the next initial update keeps them off
  EXPECT_FALSE(view->ToolTipsEnabled());

  frame->ExecuteCommand(ID_ENABLE_TOOLTIPS);
  EXPECT_EQ(doc->m_bToolTips, 1);
  EXPECT_TRUE(view->ToolTipsEnabled());
  EXPECT_TRUE(frame->ToolBarTipsEnabled());
}

TEST_F(ProgramTest, ContextMenuShowsMenu142AtTheRequestAndRoutesTheChoice) {
  host.ExpectPopupMenu(ID_VIEW_STATUS_LOG);
  view->UserContextMenu({120, 80});
  EXPECT_EQ(host.PopupMenusShown(), std::vector<int>{IDR_CONTEXT_MENU});
  EXPECT_EQ(host.PopupPositions()[0], (platform::Point{120, 80}));
  EXPECT_TRUE(frame->GetLogWindow()->IsVisible());
  EXPECT_FALSE(frame->QueryCommand(ID_ENABLE_HEX_EDITING).enabled);
}

TEST_F(ProgramTest, PortSelectorDropDownDropsTheFifthEntryAndCloseUpEnablesActivate) {
  view->m_cboPort->AddString("Unavailable");
  view->m_cboPort->SetCurSel(4);
  view->m_btnActivatePort->SetEnabled(false);
  view->m_cboPort->UserDropDown();
  EXPECT_EQ(view->m_cboPort->GetCount(), 4);
  EXPECT_EQ(view->m_cboPort->GetWindowText(), "COM1");
  EXPECT_FALSE(Enabled(IDC_ACTIVATE_PORT));
  view->m_cboPort->UserSelect(2);
  view->m_cboPort->UserCloseUp();
  EXPECT_EQ(view->m_nPortIndex, 2);
  EXPECT_TRUE(Enabled(IDC_ACTIVATE_PORT));
}

TEST_F(ProgramTest, PrintRunsThePrintDialogAndDrawsNothing) {
  EXPECT_TRUE(frame->TranslateAccelerator(platform::KeyOf('P'), platform::key_mod::kCtrl));
  EXPECT_EQ(host.PrintDialogsShown(), 1);
}

}  // namespace
