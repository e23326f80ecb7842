#include <gtest/gtest.h>

#include "platform/window/control.h"
#include "platform/window/window.h"

using namespace platform;

namespace {

constexpr const char* kUnsorted[] = {"COM3", "com1", "COM2"};

constexpr ControlTemplate kControls[] = {
    {10, ControlKind::PushButton, "Go", {1, 1, 20, 10}, style::kTabStop},
    {11, ControlKind::ComboBox, "", {1, 20, 40, 40}, style::kDropDownList | style::kSorted, kUnsorted},
    {12, ControlKind::ComboBox, "", {1, 30, 40, 40}, style::kDropDown},
    {13, ControlKind::ProgressBar, "", {1, 40, 40, 6}, style::kDisabled},
    {14, ControlKind::Edit, "", {1, 50, 40, 12}},
    {15, ControlKind::UpDown, "", {41, 50, 10, 12}, style::kAutoBuddy | style::kSetBuddyInt | style::kWrap},
    {16, ControlKind::CheckBox, "", {1, 70, 10, 10}, style::kThreeState | style::kAuto},
    {17, ControlKind::Slider, "", {1, 80, 100, 20}},
    {18, ControlKind::Edit, "", {1, 100, 40, 12}},
    {19, ControlKind::UpDown, "", {41, 100, 10, 12}, style::kAutoBuddy | style::kSetBuddyInt},
};
constexpr DialogTemplate kDialog{900, "Controls", 200, 120, "MS Sans Serif", 8, wstyle::kPopup, kControls};

struct Recorder : WindowObserver {
  std::vector<std::pair<int, ControlChange>> changes;
  void OnControlChanged(Control& control, ControlChange change) override {
    changes.emplace_back(control.GetDlgCtrlID(), change);
  }
  void OnWindowChanged(Window&, WindowChange) override {}
};

class TestWindow : public Window {
 public:
  TestWindow() : Window(kDialog) {
    BindClicked(10, [this] { log.push_back("clicked 10"); });
    BindNotify(11, Notification::DropDown, [this] { log.push_back("dropdown 11"); });
    BindNotify(11, Notification::CloseUp, [this] { log.push_back("closeup 11"); });
    BindNotify(11, Notification::SelChange, [this] { log.push_back("selchange 11"); });
    BindDeltaPos(15, [this](int delta) {
      log.push_back("delta " + std::to_string(delta));
      return allowSpin;
    });
    BindVScroll([this](ScrollCode code, int pos, Control* control) {
      log.push_back("vscroll " + std::to_string(control->GetDlgCtrlID()) + " " + std::to_string(static_cast<int>(code)) +
                    " " + std::to_string(pos));
    });
  }
  std::vector<std::string> log;
  bool allowSpin = true;
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Create();
    window.SetObserver(&recorder);
  }
  Recorder recorder;  // outlives the window, which reports its destruction to it
  TestWindow window;
};

TEST_F(ControlsTest, EnableReportsThePreviousStateAndNotifiesOnlyOnChange) {
  auto* bar = window.Item<ProgressBar>(13);
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(bar->IsEnabled());
  EXPECT_FALSE(bar->SetEnabled(true));
  EXPECT_TRUE(bar->SetEnabled(true));
  EXPECT_TRUE(bar->SetEnabled(false));
  EXPECT_EQ(recorder.changes.size(), 2u);
}

TEST_F(ControlsTest, ClicksOfDisabledOrHiddenButtonsAreLost) {
  auto* button = window.Item<PushButton>(10);
  button->UserClick();
  button->SetEnabled(false);
  button->UserClick();
  button->SetEnabled(true);
  button->ShowWindow(false);
  button->UserClick();
  EXPECT_EQ(window.log, std::vector<std::string>{"clicked 10"});
}

TEST_F(ControlsTest, SortedComboInsertsInOrderAndKeepsItsSelection) {
  auto* combo = window.Item<ComboBox>(11);
  EXPECT_EQ(combo->Items(), (std::vector<std::string>{"com1", "COM2", "COM3"}));
  EXPECT_EQ(combo->SetCurSel(1), 1);
  EXPECT_EQ(combo->AddString("COM0"), 0);
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_EQ(combo->GetWindowText(), "COM2");
  EXPECT_EQ(combo->AddString("Unavailable"), 4);
  EXPECT_EQ(combo->DeleteString(7), ComboBox::kError);
  EXPECT_EQ(combo->DeleteString(4), 4);
  EXPECT_EQ(combo->SetCurSel(9), ComboBox::kError);
  EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(ControlsTest, UnsortedComboAppendsAndInsertsWhereAsked) {
  auto* combo = window.Item<ComboBox>(12);
  combo->AddString("b");
  combo->AddString("a");
  EXPECT_EQ(combo->InsertString(0, "3"), 0);
  EXPECT_EQ(combo->Items(), (std::vector<std::string>{"3", "b", "a"}));
  combo->SetWindowText("typed");
  EXPECT_EQ(combo->GetWindowText(), "typed");
}

TEST_F(ControlsTest, ComboListNotificationsComeInTheControlsOrder) {
  auto* combo = window.Item<ComboBox>(11);
  combo->UserDropDown();
  combo->UserSelect(2);
  combo->UserCloseUp();
  EXPECT_EQ(window.log, (std::vector<std::string>{"dropdown 11", "selchange 11", "closeup 11"}));
  EXPECT_EQ(combo->GetCurSel(), 2);
}

TEST_F(ControlsTest, ProgressRangeHalvesClampAndStepWraps) {
  auto* bar = window.Item<ProgressBar>(13);
  bar->SetRangePacked((65536u + 100u) << 16 | 0u);
  EXPECT_EQ(bar->GetLow(), 0);
  EXPECT_EQ(bar->GetHigh(), 100);
  bar->SetRange(10, 20);
  EXPECT_EQ(bar->GetPos(), 10);
  EXPECT_EQ(bar->SetPos(25), 10);
  EXPECT_EQ(bar->GetPos(), 20);
  bar->SetStep(4);
  bar->SetPos(18);
  bar->StepIt();
  EXPECT_EQ(bar->GetPos(), 12);
}

TEST_F(ControlsTest, UpDownWrapsInHexAndWritesItsBuddy) {
  auto* spin = window.Item<UpDown>(15);
  auto* buddy = window.Item<Edit>(14);
  ASSERT_EQ(spin->GetBuddy(), buddy);
  spin->SetRange(0, 255);
  spin->SetBase(16);
  spin->SetPos(0);
  EXPECT_EQ(buddy->GetWindowText(), "0");
  spin->UserSpin(-1);
  EXPECT_EQ(buddy->GetWindowText(), "FF");
  spin->UserSpin(1);
  EXPECT_EQ(buddy->GetWindowText(), "0");
  EXPECT_EQ(window.log.front(), "delta -1");
  EXPECT_EQ(window.log[1], "vscroll 15 4 255");
  EXPECT_EQ(window.log[2], "vscroll 15 8 255");
}

TEST_F(ControlsTest, UpDownReadsItsBuddyAndReportsTextOutOfRange) {
  auto* spin = window.Item<UpDown>(19);
  auto* buddy = window.Item<Edit>(18);
  spin->SetRange(1, 50);
  spin->SetPos(7);
  buddy->SetWindowText("30");
  EXPECT_EQ(spin->GetPos(), 30);
  buddy->SetWindowText("x");
  EXPECT_NE(spin->GetPos() >> 16, 0);
  buddy->SetWindowText("50");
  spin->UserSpin(1);  // no wrap: stays at the end
  EXPECT_EQ(buddy->GetWindowText(), "50");
}

TEST_F(ControlsTest, RefusedDeltaLeavesTheUpDownWhereItWas) {
  auto* spin = window.Item<UpDown>(15);
  spin->SetRange(0, 9);
  spin->SetPos(3);
  window.allowSpin = false;
  spin->UserSpin(1);
  EXPECT_EQ(window.Item<Edit>(14)->GetWindowText(), "3");
  EXPECT_EQ(window.log, std::vector<std::string>{"delta 1"});
}

TEST_F(ControlsTest, ThreeStateBoxCyclesThroughIndeterminate) {
  auto* box = window.Item<CheckBox>(16);
  box->UserClick();
  box->UserClick();
  EXPECT_EQ(box->GetCheck(), CheckBox::kIndeterminate);
  box->UserClick();
  EXPECT_EQ(box->GetCheck(), CheckBox::kUnchecked);
}

TEST_F(ControlsTest, EditCountsCrLfLinesAndHonoursLimitAndReadOnly) {
  auto* edit = window.Item<Edit>(14);
  EXPECT_EQ(edit->GetLineCount(), 1);
  edit->AppendText("a\r\nb\r\n");
  EXPECT_EQ(edit->GetLineCount(), 3);
  edit->LimitText(2);
  edit->UserSetText("abcd");
  EXPECT_EQ(edit->GetWindowText(), "ab");
  edit->SetReadOnly(true);
  edit->UserSetText("zz");
  EXPECT_EQ(edit->GetWindowText(), "ab");
}

TEST_F(ControlsTest, SliderClampsThePositionItReports) {
  auto* slider = window.Item<Slider>(17);
  slider->SetRange(1, 10);
  slider->SetPos(40);
  EXPECT_EQ(slider->GetPos(), 10);
  slider->SetPos(-3);
  EXPECT_EQ(slider->GetPos(), 1);
}

}  // namespace
