#include <fstream>
#include <sstream>

#include "ui/log_window.h"
#include "ui_fixture.h"

using namespace res;
using platform::Key;
using platform::KeyOf;
namespace km = platform::key_mod;
using uitest::ProgramTest;
using uitest::Sample;

namespace {

TEST_F(ProgramTest, CommandTableStatesAtStart) {
  struct Expected {
    int id;
    bool enabled;
    bool checked;
  };
  const Expected table[] = {
      {ID_FILE_OPEN, true, false},         {ID_FILE_SEND_MAIL, false, false},  {ID_FILE_MRU_FILE1, false, false},
      {ID_APP_EXIT, true, false},          {ID_VIEW_TOOLBAR, true, true},      {ID_VIEW_STATUS_BAR, true, true},
      {ID_VIEW_STATUS_LOG, true, false},   {ID_ALLOW_ADVANCED, false, false},  {ID_ENABLE_HEX_EDITING, false, false},
      {ID_SETTING_ID, false, false},       {ID_HELP_TOPICS, false, false},     {ID_ENABLE_TOOLTIPS, true, true},
      {ID_APP_ABOUT, true, false},         {ID_HELP_INDEX, true, false},       {ID_FILE_NEW, true, false},
      {ID_FILE_SAVE, false, false},        {ID_FILE_PRINT, true, false},       {ID_EDIT_CUT, false, false},
      {ID_EDIT_COPY, false, false},        {ID_EDIT_PASTE, false, false},      {ID_EDIT_UNDO, false, false},
      {ID_NEXT_PANE, false, false},        {ID_PREV_PANE, false, false},
  };
  for (const Expected& e : table) {
    const platform::CommandState state = frame->QueryCommand(e.id);
    EXPECT_EQ(state.enabled, e.enabled) << e.id;
    EXPECT_EQ(state.checked, e.checked) << e.id;
  }
}

TEST_F(ProgramTest, ToolbarHoldsItsButtonsAndDisablesThoseWithoutHandlers) {
  frame->OnIdle();
  std::vector<std::pair<int, bool>> buttons;
  for (const platform::ToolBarButton& button : frame->ToolBarButtons()) buttons.emplace_back(button.command, button.enabled);
  const std::vector<std::pair<int, bool>> expected = {
      {ID_FILE_OPEN, true}, {ID_FILE_SAVE, false},  {0, false},          {ID_EDIT_CUT, false}, {ID_EDIT_COPY, false},
      {ID_EDIT_PASTE, false}, {0, false},         {ID_FILE_PRINT, true}, {ID_APP_ABOUT, true}};
  EXPECT_EQ(buttons, expected);
  for (int id : {ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_FILE_PRINT, ID_APP_ABOUT})
    EXPECT_FALSE(frame->CommandToolTip(id).empty()) << id;
  EXPECT_EQ(frame->CommandToolTip(ID_APP_ABOUT), "About");
}

TEST_F(ProgramTest, AcceleratorsWithoutAnEnabledHandlerAreSwallowedQuietly) {
  const std::pair<Key, uint8_t> silent[] = {
      {Key::F1, 0},          {KeyOf('S'), km::kCtrl}, {KeyOf('X'), km::kCtrl},     {Key::Delete, km::kShift},
      {KeyOf('C'), km::kCtrl}, {Key::Insert, km::kCtrl}, {KeyOf('V'), km::kCtrl},  {Key::Insert, km::kShift},
      {KeyOf('Z'), km::kCtrl}, {Key::Backspace, km::kAlt}, {Key::F6, 0},            {Key::F6, km::kShift},
      {KeyOf('S'), km::kCtrl | km::kAlt | km::kShift}, {KeyOf('A'), km::kCtrl | km::kAlt | km::kShift},
  };
  for (const auto& [key, modifiers] : silent)
    EXPECT_TRUE(frame->TranslateAccelerator(key, modifiers)) << static_cast<int>(key) << "/" << int(modifiers);
  EXPECT_TRUE(host.Boxes().empty());
  EXPECT_TRUE(host.FileDialogsShown().empty());
  EXPECT_EQ(host.PrintDialogsShown(), 0);
  EXPECT_FALSE(frame->TranslateAccelerator(KeyOf('Q'), km::kCtrl));
}

TEST_F(ProgramTest, AcceleratorsReachTheirHandlers) {
  host.ExpectFileDialog(std::nullopt);
  EXPECT_TRUE(frame->TranslateAccelerator(KeyOf('O'), km::kCtrl));
  EXPECT_EQ(host.FileDialogsShown().size(), 1u);
  ASSERT_TRUE(Load("device.hex"));
  EXPECT_TRUE(frame->TranslateAccelerator(KeyOf('N'), km::kCtrl));
  EXPECT_EQ(frame->GetWindowText(), "Untitled - TalvexUpdate V.2.2a");
  EXPECT_TRUE(frame->TranslateAccelerator(KeyOf('P'), km::kCtrl));
  EXPECT_EQ(host.PrintDialogsShown(), 1);
}

TEST_F(ProgramTest, PortPaneReadsFromItsStringUntilTheFirstIdleRefresh) {
  auto portPane = [&] { return frame->StatusPanes().back(); };
  EXPECT_EQ(portPane().id, ID_INDICATOR_PORT);
  EXPECT_EQ(portPane().text, "PORT INACTIVE");
  EXPECT_EQ(frame->StatusPanes().front().text, "For Help, press F1");
  frame->OnIdle();
  EXPECT_EQ(portPane().text, "Port Inactive");
  EXPECT_TRUE(portPane().enabled);
  frame->SetPortActive(true);
  frame->OnIdle();
  EXPECT_EQ(portPane().text, "Port ACTIVE");
  frame->SetPortActive(false);
  frame->OnIdle();
  EXPECT_EQ(portPane().text, "Port Inactive");
}

TEST_F(ProgramTest, LockKeyPanesFollowTheKeys) {
  frame->OnIdle();
  EXPECT_FALSE(frame->StatusPanes()[1].enabled);
  host.SetLockKeys({true, false, true});
  frame->OnIdle();
  EXPECT_EQ(frame->StatusPanes()[1].text, "CAP");
  EXPECT_TRUE(frame->StatusPanes()[1].enabled);
  EXPECT_FALSE(frame->StatusPanes()[2].enabled);
  EXPECT_TRUE(frame->StatusPanes()[3].enabled);
}

TEST_F(ProgramTest, PromptsComeFromTheStringTable) {
  frame->ShowPrompt(ID_FILE_OPEN);
  EXPECT_EQ(frame->StatusPanes().front().text, "Open an existing document");
  frame->ShowPrompt(ID_VIEW_STATUS_LOG);  // no entry: the idle text
  EXPECT_EQ(frame->StatusPanes().front().text, "For Help, press F1");
}

TEST_F(ProgramTest, ToolbarAndStatusBarToggle) {
  frame->ExecuteCommand(ID_VIEW_TOOLBAR);
  EXPECT_FALSE(frame->IsToolBarVisible());
  EXPECT_FALSE(frame->QueryCommand(ID_VIEW_TOOLBAR).checked);
  frame->ExecuteCommand(ID_VIEW_STATUS_BAR);
  EXPECT_FALSE(frame->IsStatusBarVisible());
  frame->ExecuteCommand(ID_VIEW_TOOLBAR);
  EXPECT_TRUE(frame->IsToolBarVisible());
}

TEST_F(ProgramTest, ExitIsRefusedWhileAWorkerRuns) {
  int worker = 0;
  doc->m_pWorker = reinterpret_cast<platform::WorkerThread*>(&worker);
  host.ExpectMessageBox(
      "A transfer to the device is still running.  \n\nPress Cancel and wait for it to end before you exit.");
  frame->ExecuteCommand(ID_APP_EXIT);
  EXPECT_FALSE(host.QuitCode().has_value());
  doc->m_pWorker = nullptr;
  frame->UserClose();
  EXPECT_EQ(host.QuitCode(), 0);
}

TEST_F(ProgramTest, HelpCommandsSayThatNoHelpIsInstalled) {
  host.ExpectMessageBox("No help file is installed with TalvexUpdate.");
  frame->ExecuteCommand(ID_HELP_INDEX);
  EXPECT_EQ(host.Boxes().at(0).request.icon, platform::Icon::Information);
}

TEST_F(ProgramTest, AboutBoxIsDialog100AndClosesWithOk) {
  std::string caption;
  host.ExpectModal(IDD_ABOUTBOX, [&](platform::Window& about) {
    caption = about.GetWindowText();
    about.Item<platform::PushButton>(platform::kIdOk)->UserClick();
  });
  frame->ExecuteCommand(ID_APP_ABOUT);
  EXPECT_EQ(caption, "About TalvexUpdate V2.2a");
}

TEST_F(ProgramTest, StatusLogWindowShowsTheLogAndHidesOnClose) {
  OVLogWindow* log = frame->GetLogWindow();
  ASSERT_NE(log, nullptr);
  EXPECT_FALSE(log->IsVisible());
  EXPECT_EQ(log->GetWindowText(), "TalvexUpdate  Message Log");
  doc->m_logView.AppendLine("first");
  frame->ExecuteCommand(ID_VIEW_STATUS_LOG);
  EXPECT_TRUE(log->IsVisible());
  EXPECT_EQ(log->m_editLog->GetWindowText(), "first\r\n");
  EXPECT_TRUE(log->m_editLog->IsReadOnly());
  log->UserClose();
  EXPECT_FALSE(log->IsVisible());
  doc->m_logView.AppendLine("second");
  frame->OnIdle();
  frame->ExecuteCommand(ID_VIEW_STATUS_LOG);
  EXPECT_EQ(log->m_editLog->GetWindowText(), "first\r\nsecond\r\n");
  doc->m_logView.AppendLine("third");
  frame->OnIdle();
  EXPECT_EQ(log->m_editLog->GetLineCount(), 4);
  log->UserResize(400, 300);
  EXPECT_EQ(log->m_editLog->PixelRect(), (platform::Rect{0, 0, 400, 300}));
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(ProgramTest, RecentFilesAreStoredPerUserAndOpenAgain) {
  {
    std::ofstream(settingsPath) << "[Ports]\nCOM1=/dev/ttyUSB0\n";
  }
  for (const char* name : {"device.hex", "console.hex", "vwt.hex", "vjv.hex", "device.hex"}) ASSERT_TRUE(Load(name));
  EXPECT_EQ(app.RecentFiles().Paths(),
            (std::vector<std::string>{Sample("device.hex"), Sample("vjv.hex"), Sample("vwt.hex"), Sample("console.hex")}));
  const std::string stored = ReadFile(settingsPath);
  EXPECT_NE(stored.find("[Ports]\nCOM1=/dev/ttyUSB0\n"), std::string::npos);
  EXPECT_NE(stored.find("[Quarrow Corporation - OVUpdate/Recent File List]\nFile1=" + Sample("device.hex") + "\n"),
            std::string::npos);

  const platform::CommandState second = frame->QueryCommand(ID_FILE_MRU_FILE1 + 1);
  EXPECT_TRUE(second.enabled);
  ASSERT_TRUE(second.text.has_value());
  EXPECT_EQ(second.text->substr(0, 3), "&2 ");
  EXPECT_TRUE(frame->ExecuteCommand(ID_FILE_MRU_FILE1 + 1));
  EXPECT_EQ(doc->GetFileName(), "vjv.hex");

  platform::HeadlessHost otherHost;
  platform::SetHost(&otherHost);
  MainWindows otherWindows;
  COVUpdateApp next(otherWindows);
  next.SetSettingsPath(settingsPath);
  ASSERT_TRUE(next.InitInstance());
  EXPECT_EQ(next.RecentFiles().Paths(), app.RecentFiles().Paths());
  EXPECT_FALSE(next.GetDocument()->HasHexFile());  // start-up opens nothing
  platform::SetHost(&host);
}

TEST_F(ProgramTest, ARecentFileThatNoLongerOpensLeavesTheList) {
  const std::string gone = ::testing::TempDir() + "gone.hex";
  std::ofstream(gone) << ":00000001FF\n";
  ASSERT_TRUE(app.OpenDocumentFile(gone));
  std::filesystem::remove(gone);
  host.ExpectMessageBox("Failed to open document.");
  frame->ExecuteCommand(ID_FILE_MRU_FILE1);
  EXPECT_TRUE(app.RecentFiles().Empty());
}

}  // namespace
