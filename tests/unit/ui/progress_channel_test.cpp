#include <cstring>
#include <thread>

#include "ui_fixture.h"

using namespace res;
using uitest::ProgramTest;

namespace {

class ProgressChannelTest : public ProgramTest {
 protected:
  platform::ProgressBar& Bar() const { return *view->m_progress; }
  std::string Frame() const { return view->m_grpStatus->GetWindowText(); }
  bool RunControlsEnabled() const { return Enabled(IDC_PROGRESS) && Enabled(IDC_CANCEL) && Enabled(IDC_STATUS); }
  bool RunControlsDisabled() const { return !Enabled(IDC_PROGRESS) && !Enabled(IDC_CANCEL) && !Enabled(IDC_STATUS); }
};

TEST_F(ProgressChannelTest, BeginOnAnIdleFormStartsARunAndLogsTheCaption) {
  EXPECT_TRUE(view->BeginProgress(0, 100, "Loading Hex File...", 1));
  EXPECT_TRUE(RunControlsEnabled());
  EXPECT_EQ(Frame(), "Loading Hex File...");
  EXPECT_EQ(Log(), "Loading Hex File...\r\n");
  EXPECT_EQ(Bar().GetLow(), 0);
  EXPECT_EQ(Bar().GetHigh(), 100);
  EXPECT_EQ(Bar().GetPos(), 0);
  EXPECT_EQ(Bar().GetStep(), 1);
  EXPECT_EQ(host.WaitCursorCount(), 1);
}

TEST_F(ProgressChannelTest, SecondBeginChangesNothing) {
  view->BeginProgress(0, 100, "first", 1);
  view->m_bCancel = true;
  EXPECT_FALSE(view->BeginProgress(5, 50, "second", 2));
  EXPECT_EQ(Log(), "first\r\n");
  EXPECT_EQ(Frame(), "first");
  EXPECT_EQ(Bar().GetHigh(), 100);
  EXPECT_EQ(Bar().GetStep(), 1);
  EXPECT_TRUE(view->m_bCancel);
  EXPECT_EQ(host.WaitCursorCount(), 1);
}

TEST_F(ProgressChannelTest, ReportsDuringARunMoveTheBarAndLogNonEmptyTexts) {
  view->BeginProgress(0, 100, "run", 5);
  EXPECT_TRUE(view->StepProgress(""));
  EXPECT_EQ(Bar().GetPos(), 5);
  EXPECT_EQ(Frame(), "run");
  EXPECT_TRUE(view->SetProgressPos(42, "Sending block 1"));
  EXPECT_EQ(Bar().GetPos(), 42);
  EXPECT_EQ(Frame(), "Sending block 1");
  EXPECT_TRUE(view->StepProgress("step text"));
  EXPECT_EQ(Bar().GetPos(), 47);
  EXPECT_EQ(Log(), "run\r\nSending block 1\r\nstep text\r\n");
}

TEST_F(ProgressChannelTest, ReportsWithoutARunAreLoggedAsInactive) {
  struct Case {
    bool step;
    std::string text;
    std::string log;
  };
  const Case cases[] = {
      {false, "Waiting", "INACTIVE MESSAGE: Waiting\r\n"},
      {true, "Stepping", "INACTIVE MESSAGE: Stepping\r\n"},
      {false, "", ""},
      {true, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + (c.step ? " step" : " pos"));
    const size_t logged = Log().size();
    view->m_grpStatus->SetWindowText("before");
    const int pos = Bar().GetPos();
    EXPECT_FALSE(c.step ? view->StepProgress(c.text) : view->SetProgressPos(5, c.text));
    EXPECT_EQ(Bar().GetPos(), pos);
    EXPECT_EQ(Frame(), c.text.empty() ? "before" : c.text);
    EXPECT_EQ(Log().substr(logged), c.log);
  }
}

TEST_F(ProgressChannelTest, CancelEndsTheRunAndItsFlagSurvivesTheWorkersEnd) {
  view->BeginProgress(0, 100, "run", 1);
  view->SetProgressPos(30, "");
  Click(IDC_CANCEL);
  EXPECT_TRUE(RunControlsDisabled());
  EXPECT_EQ(Bar().GetPos(), 0);
  EXPECT_TRUE(view->m_bCancel);
  EXPECT_EQ(host.WaitCursorCount(), 0);
  EXPECT_FALSE(view->SetProgressPos(31, "frame 2"));
  EXPECT_FALSE(view->EndProgress());
  EXPECT_TRUE(view->m_bCancel);
  EXPECT_NE(Log().find("INACTIVE MESSAGE: frame 2\r\n"), std::string::npos);
  EXPECT_TRUE(view->BeginProgress(0, 10, "next", 1));
  EXPECT_FALSE(view->m_bCancel);
}

TEST_F(ProgressChannelTest, EndClearsTheFlagOnlyForAnActiveRun) {
  view->m_bCancel = true;
  EXPECT_FALSE(view->EndProgress());
  EXPECT_TRUE(view->m_bCancel);
  view->BeginProgress(0, 10, "run", 1);
  view->m_bCancel = true;
  EXPECT_TRUE(view->EndProgress());
  EXPECT_FALSE(view->m_bCancel);
  EXPECT_TRUE(RunControlsDisabled());
  EXPECT_EQ(Frame(), "run");  // the last caption stays in the grey frame
}

TEST_F(ProgressChannelTest, RangeEndsCountWithTheirLow16Bits) {
  view->BeginProgress(65536 + 3, 65536 + 100, "wide", 1);
  EXPECT_EQ(Bar().GetLow(), 3);
  EXPECT_EQ(Bar().GetHigh(), 100);
}

TEST_F(ProgressChannelTest, AWorkerThreadsCallsCompleteOnTheUiThreadWithTheirResults) {
  view->BeginProgress(0, 1000, "Sending OVHex File...", 1);
  std::vector<bool> results;
  bool done = false;
  std::thread worker([&] {
    for (int i = 1; i <= 3; ++i) results.push_back(view->SetProgressPos(i * 10, "frame " + std::to_string(i)));
    results.push_back(view->EndProgress());
    results.push_back(view->SetProgressPos(40, "late"));
    view->EnableUpdateButtons(true);
    view->EnableFileButtons(true);
    host.CallOnUiThread([&] { done = true; });
  });
  host.RunUntil([&] { return done; });
  worker.join();
  EXPECT_EQ(results, (std::vector<bool>{true, true, true, true, false}));
  EXPECT_NE(Log().find("frame 3\r\nINACTIVE MESSAGE: late\r\n"), std::string::npos);
  EXPECT_TRUE(Enabled(IDC_UPDATE_DEVICE));
  EXPECT_TRUE(Enabled(IDC_TEST_HEX));
}

TEST_F(ProgressChannelTest, UpdateButtonsTakeTheDeviceNameEvenWhenDisabled) {
  std::memcpy(doc->m_szFileDeviceType, "VJV", 4);
  view->EnableUpdateButtons(false);
  EXPECT_EQ(Item(IDC_UPDATE_DEVICE).GetWindowText(), "VJT4870");
  EXPECT_FALSE(Enabled(IDC_UPDATE_DEVICE));
  view->EnableUpdateButtons(true);
  for (int id : {IDC_UPDATE_CONSOLE, IDC_UPDATE_DEVICE, IDC_UPDATE_MATRIX, IDC_SEND_UNFORMATTED, IDC_CHECK_DEVICE})
    EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(ProgressChannelTest, FileButtonsAndNameFollowTheirOperations) {
  view->ShowFileName("device.hex");
  EXPECT_EQ(Item(IDC_FILE_NAME).GetWindowText(), "device.hex");
  EXPECT_TRUE(Enabled(IDC_FILE_NAME));
  view->EnableFileButtons(true);
  EXPECT_TRUE(Enabled(IDC_TEST_HEX) && Enabled(IDC_VIEW_RECORDS) && Enabled(IDC_VIEW_MEMORY));
  EXPECT_FALSE(Item(IDC_VIEW_RECORDS).IsVisible());  // hidden buttons keep the state for later
}

}  // namespace
