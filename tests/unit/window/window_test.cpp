#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/app/headless_host.h"
#include "platform/app/recent_file_list.h"
#include "platform/app/settings_store.h"
#include "platform/window/data_exchange.h"
#include "platform/window/frame_window.h"
#include "platform/window/window.h"

using namespace platform;

namespace {

constexpr ControlTemplate kFields[] = {
    {20, ControlKind::Edit, "", {5, 5, 40, 12}},
    {21, ControlKind::Edit, "", {5, 20, 40, 12}},
    {kIdOk, ControlKind::PushButton, "OK", {5, 40, 30, 14}, style::kDefaultButton},
    {kIdCancel, ControlKind::PushButton, "Cancel", {40, 40, 30, 14}},
};
constexpr DialogTemplate kFieldsDialog{700, "Fields", 100, 60, "MS Sans Serif", 8, wstyle::kPopup, kFields};

class FieldsDialog : public Window {
 public:
  FieldsDialog() : Window(kFieldsDialog) {}
  int m_nIrq = 4;
  std::string m_strAddress = "3F8";

 protected:
  void DoDataExchange(DataExchange& dx) override {
    DDX_Text(dx, 20, m_nIrq);
    DDV_MinMaxInt(dx, m_nIrq, 1, 16);
    DDX_Text(dx, 21, m_strAddress);
    DDV_MaxChars(dx, m_strAddress, 4);
  }
};

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { SetHost(&host); }
  void TearDown() override { SetHost(nullptr); }
  HeadlessHost host;
};

TEST_F(HostTest, ModalDialogValidatesOnOkAndStaysOpenOnBadInput) {
  FieldsDialog dialog;
  host.ExpectMessageBox("Enter a whole number from 1 to 16.");
  host.ExpectMessageBox("Enter a whole number.");
  host.ExpectModal(700, [](Window& window) {
    EXPECT_EQ(window.GetDlgItem(20)->GetWindowText(), "4");
    EXPECT_EQ(window.Item<Edit>(21)->GetLimitText(), 4u);
    window.Item<Edit>(20)->UserSetText("17");
    window.Item<PushButton>(kIdOk)->UserClick();
    EXPECT_FALSE(window.IsModalEnded());
    window.Item<Edit>(20)->UserSetText("x");
    window.Item<PushButton>(kIdOk)->UserClick();
    EXPECT_FALSE(window.IsModalEnded());
    window.Item<Edit>(20)->UserSetText("16");
    window.Item<PushButton>(kIdOk)->UserClick();
  });
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(dialog.m_nIrq, 16);
  EXPECT_TRUE(host.Failures().empty());
  EXPECT_FALSE(dialog.IsCreated());
}

TEST_F(HostTest, CancelAndTheCloseBoxEndWithoutExchange) {
  FieldsDialog dialog;
  host.ExpectModal(700, [](Window& window) {
    window.Item<Edit>(20)->UserSetText("9");
    window.UserClose();
  });
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  EXPECT_EQ(dialog.m_nIrq, 4);
}

TEST_F(HostTest, UnexpectedBoxesAndDialogsAreFailuresAnsweredSafely) {
  EXPECT_EQ(MessageBox("Proceed?", Buttons::YesNo), Answer::No);
  EXPECT_EQ(MessageBox("Go on?", Buttons::OkCancel), Answer::Cancel);
  FieldsDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  ASSERT_EQ(host.Failures().size(), 3u);
  EXPECT_NE(host.Failures()[0].find("Proceed?"), std::string::npos);
  ASSERT_EQ(host.Boxes().size(), 2u);
  EXPECT_EQ(host.Boxes()[0].request.icon, Icon::Warning);
  EXPECT_EQ(host.Boxes()[0].request.caption, "TalvexUpdate");
  EXPECT_FALSE(host.Boxes()[0].expected);
}

TEST_F(HostTest, ScriptedBoxesAnswerInOrderAndLeftoversAreReported) {
  host.ExpectMessageBox("one", Answer::Yes);
  host.ExpectMessageBox("two", Answer::Cancel);
  EXPECT_EQ(MessageBox("one", Buttons::YesNo, Icon::Question), Answer::Yes);
  EXPECT_EQ(host.Boxes()[0].request.icon, Icon::Question);
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{"message box never shown: two"});
}

TEST_F(HostTest, CallsFromAnotherThreadWaitForTheUiThreadAndRunThere) {
  std::thread::id ranOn;
  int result = 0;
  std::thread worker([&] {
    result = OnUiThread([&] {
      ranOn = std::this_thread::get_id();
      return 42;
    });
    host.Quit(3);
  });
  EXPECT_EQ(host.RunMessageLoop(), 3);
  worker.join();
  EXPECT_EQ(result, 42);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(HostTest, WaitCursorIsCounted) {
  host.BeginWaitCursor();
  host.BeginWaitCursor();
  host.EndWaitCursor();
  EXPECT_EQ(host.WaitCursorCount(), 1);
  host.EndWaitCursor();
  host.EndWaitCursor();
  EXPECT_EQ(host.Failures().size(), 1u);
}

// ---- Command routing

constexpr MenuItem kNoItems[] = {{"x", 1}};
constexpr MenuResource kMenu{1, kNoItems};
constexpr Accelerator kKeys[] = {{KeyOf('A'), key_mod::kCtrl, 100}, {KeyOf('B'), key_mod::kCtrl, 101}};
constexpr AcceleratorTable kAccelerators{1, kKeys};
constexpr int kButtons[] = {100, 0, 101, 102};
constexpr ToolbarResource kToolbar{1, 16, 15, kButtons};
constexpr StringEntry kStringEntries[] = {{57345, "Ready"}, {100, "Do A\nA"}, {7, "seven"}};
constexpr StringTable kStrings{kStringEntries};
constexpr DialogTemplate kEmptyView{800, "", 10, 10, "MS Sans Serif", 8, wstyle::kChild, {}};

struct Target : CommandTarget {
  explicit Target(std::vector<std::string>& log, std::string name) : m_log(log), m_name(std::move(name)) {}
  void Handle(int id) {
    BindCommand(id, [this, id] { m_log.push_back(m_name + " " + std::to_string(id)); });
  }
  void Update(int id, bool enable, bool check) {
    BindCommandUpdate(id, [enable, check](CommandState& state) {
      state.Enable(enable);
      state.SetCheck(check);
    });
  }
  std::vector<std::string>& m_log;
  std::string m_name;
};

struct View : Window {
  View() : Window(kEmptyView) {}
  using Window::BindCommand;
};

class RoutingTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    FrameResources resources{&kMenu, &kAccelerators, &kToolbar, &kStrings, {0, 7}};
    ASSERT_TRUE(frame.LoadFrame(resources));
    frame.SetView(&view);
    frame.SetDocumentTarget(&document);
    frame.SetApplicationTarget(&application);
  }
  std::vector<std::string> log;
  View view;
  Target document{log, "document"};
  Target application{log, "application"};
  FrameWindow frame;
};

TEST_F(RoutingTest, TheFirstTargetWithAHandlerTakesTheCommand) {
  view.BindCommand(100, [&] { log.push_back("view 100"); });
  document.Handle(100);
  document.Handle(101);
  application.Handle(101);
  application.Handle(102);
  frame.ExecuteCommand(100);
  frame.ExecuteCommand(101);
  frame.ExecuteCommand(102);
  EXPECT_EQ(log, (std::vector<std::string>{"view 100", "document 101", "application 102"}));
}

TEST_F(RoutingTest, UpdateHandlersDecideAndCommandsWithoutHandlersAreDisabled) {
  application.Handle(100);
  document.Update(100, false, true);
  EXPECT_FALSE(frame.QueryCommand(100).enabled);
  EXPECT_TRUE(frame.QueryCommand(100).checked);
  EXPECT_FALSE(frame.ExecuteCommand(100));
  EXPECT_FALSE(frame.QueryCommand(555).enabled);
  application.Handle(101);
  EXPECT_TRUE(frame.QueryCommand(101).enabled);
  EXPECT_TRUE(log.empty());
}

TEST_F(RoutingTest, AcceleratorsRunEnabledCommandsAndSwallowDisabledOnes) {
  application.Handle(100);
  EXPECT_TRUE(frame.TranslateAccelerator(KeyOf('A'), key_mod::kCtrl));
  EXPECT_TRUE(frame.TranslateAccelerator(KeyOf('B'), key_mod::kCtrl));
  EXPECT_FALSE(frame.TranslateAccelerator(KeyOf('A'), key_mod::kCtrl | key_mod::kShift));
  EXPECT_EQ(log, std::vector<std::string>{"application 100"});
}

TEST_F(RoutingTest, IdleUpdatesToolbarAndPanes) {
  application.Handle(101);
  application.Update(7, true, false);
  EXPECT_EQ(frame.StatusPanes()[0].text, "Ready");
  EXPECT_EQ(frame.StatusPanes()[1].text, "seven");
  frame.OnIdle();
  EXPECT_FALSE(frame.ToolBarButtons()[0].enabled);
  EXPECT_TRUE(frame.ToolBarButtons()[2].enabled);
  EXPECT_TRUE(frame.StatusPanes()[1].enabled);
  EXPECT_EQ(frame.CommandPrompt(100), "Do A");
  EXPECT_EQ(frame.CommandToolTip(100), "A");
  frame.UpdateFrameTitle("doc.hex", "App");
  EXPECT_EQ(frame.GetWindowText(), "doc.hex - App");
}

TEST(FrameCreation, FailsWithoutToolbarOrIndicators) {
  FrameWindow noToolbar;
  EXPECT_FALSE(noToolbar.LoadFrame({&kMenu, &kAccelerators, nullptr, &kStrings, {0}}));
  FrameWindow noPanes;
  EXPECT_FALSE(noPanes.LoadFrame({&kMenu, &kAccelerators, &kToolbar, &kStrings, {}}));
}

// ---- Settings and the recent-file list

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Settings, WritingASectionKeepsTheOthers) {
  const auto path = std::filesystem::path(::testing::TempDir()) / "settings_keep" / "TalvexUpdate.ini";
  std::filesystem::remove_all(path.parent_path());
  SettingsStore store(path);
  EXPECT_TRUE(store.ReadSection("Ports").empty());
  ASSERT_TRUE(store.WriteSection("Recent", {{"File1", "/a.hex"}}));
  {
    std::ofstream(path, std::ios::app) << "\n[Ports]\n; comment\nCOM1 = /dev/ttyS0\n";
  }
  ASSERT_TRUE(store.WriteSection("Recent", {{"File1", "/b.hex"}, {"File2", "/a.hex"}}));
  EXPECT_EQ(store.ReadSection("Ports"), (std::vector<std::pair<std::string, std::string>>{{"COM1", "/dev/ttyS0"}}));
  EXPECT_EQ(store.ReadSection("Recent").size(), 2u);
  EXPECT_EQ(ReadAll(path), "[Ports]\n; comment\nCOM1 = /dev/ttyS0\n\n[Recent]\nFile1=/b.hex\nFile2=/a.hex\n");
}

TEST(RecentFiles, NewestFirstNoDuplicatesAtMostFour) {
  RecentFileList list(4);
  for (const char* path : {"/1.hex", "/2.hex", "/3.hex", "/4.hex", "/5.hex", "/3.hex", "", "/bad\nname.hex"})
    list.Add(path);
  EXPECT_EQ(list.Paths(), (std::vector<std::string>{"/3.hex", "/5.hex", "/4.hex", "/2.hex"}));
  EXPECT_EQ(list.MenuText(0), "&1 /3.hex");
  list.Add("/folder/with/a/very/long/name/that/goes/on/R&D.hex");
  EXPECT_EQ(list.MenuText(0), "&1 .../R&&D.hex");
}

}  // namespace
