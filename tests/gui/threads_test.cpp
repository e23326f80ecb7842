#include <QEventLoop>
#include <QProgressBar>
#include <atomic>
#include <thread>

#include "gui_fixture.h"

using namespace res;
using guitest::GuiTest;

namespace {

// Runs body on a worker thread while the UI thread turns its event loop, until the worker ends.
void RunOnWorker(const std::function<void()>& body) {
  QEventLoop loop;
  std::thread worker([&] {
    body();
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
}

TEST_F(GuiTest, AMessageBoxAskedForOnAWorkerIsShownByTheUiThreadAndAnswered) {
  struct Case {
    platform::Buttons buttons;
    platform::Icon icon;
    QMessageBox::StandardButton click;
    QMessageBox::StandardButtons shown;
    QMessageBox::Icon shownIcon;
    platform::Answer answer;
  };
  const Case cases[] = {
      {platform::Buttons::YesNo, platform::Icon::Question, QMessageBox::No, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Question, platform::Answer::No},
      {platform::Buttons::OkCancel, platform::Icon::Default, QMessageBox::Ok, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Warning, platform::Answer::Ok},
      {platform::Buttons::Ok, platform::Icon::Information, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Information,
       platform::Answer::Ok},
      {platform::Buttons::YesNo, platform::Icon::Stop, QMessageBox::Yes, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Critical, platform::Answer::Yes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.buttons));
    boxes.clear();
    answers = {c.click};
    platform::Answer answer = platform::Answer::Cancel;
    bool askedOnUiThread = true;
    RunOnWorker([&] {
      askedOnUiThread = platform::GetHost()->IsUiThread();
      answer = platform::MessageBox("The device did not respond.", c.buttons, c.icon);
    });
    EXPECT_FALSE(askedOnUiThread);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].onUiThread);
    EXPECT_EQ(boxes[0].title, "TalvexUpdate");
    EXPECT_EQ(boxes[0].text, "The device did not respond.");
    EXPECT_EQ(boxes[0].buttons, c.shown);
    EXPECT_EQ(boxes[0].icon, c.shownIcon);
    EXPECT_EQ(answer, c.answer);
  }
}

TEST_F(GuiTest, EscapeOnATwoButtonBoxAnswersItsSecondButton) {
  answers = {QMessageBox::NoButton};  // the fixture then presses the escape button
  EXPECT_EQ(platform::MessageBox("Continue?", platform::Buttons::YesNo), platform::Answer::No);
  answers = {QMessageBox::NoButton};
  EXPECT_EQ(platform::MessageBox("Continue?", platform::Buttons::OkCancel), platform::Answer::Cancel);
}

TEST_F(GuiTest, ProgressFromAWorkerHasReachedTheWidgetsWhenTheCallReturns) {
  ASSERT_TRUE(view->BeginProgress(0, 1000, "Sending OVHex File...", 1));
  auto* bar = WidgetAs<QProgressBar>(IDC_PROGRESS);
  std::vector<int> seen;
  bool resultWhileActive = false;
  bool resultAfterCancel = true;
  RunOnWorker([&] {
    resultWhileActive = view->SetProgressPos(400, "Block 1 Record 400");
    seen.push_back(platform::OnUiThread([&] { return bar->value(); }));
    platform::OnUiThread([&] { QTest::mouseClick(Widget(IDC_CANCEL), Qt::LeftButton); });
    resultAfterCancel = view->SetProgressPos(401, "Block 1 Record 401");
  });
  EXPECT_TRUE(resultWhileActive);
  EXPECT_FALSE(resultAfterCancel);
  EXPECT_EQ(seen, std::vector<int>{400});
  EXPECT_TRUE(view->m_bCancel.load());
  EXPECT_FALSE(bar->isEnabled());
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(doc->m_logView.Text(),
            "Sending OVHex File...\r\nBlock 1 Record 400\r\nINACTIVE MESSAGE: Block 1 Record 401\r\n");
}

}  // namespace
