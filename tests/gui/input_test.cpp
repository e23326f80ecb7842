#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "app/doc_messages.h"
#include "gui_fixture.h"

using namespace res;
using guitest::GuiTest;
using guitest::Sample;

namespace {

constexpr const char* kMsgNoFileToTest =
    "A OV Hex File must be loaded before it can be tested.  \n\nPlease use \"File-Open...\" or press the open toolbar "
    "button.";

TEST_F(GuiTest, AClickReachesTheFormsHandlerAndADisabledButtonTakesNone) {
  Click(IDC_TEST_HEX);  // disabled
  EXPECT_TRUE(boxes.empty());
  view->m_btnTestHex->SetEnabled(true);
  Click(IDC_TEST_HEX);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kMsgNoFileToTest);
  EXPECT_EQ(boxes[0].title, "TalvexUpdate");
  EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes[0].buttons, QMessageBox::Ok);
}

TEST_F(GuiTest, TestHexFileClickRunsTheTestAndShowsItsVerdict) {
  ASSERT_TRUE(Load("device.hex"));
  Click(IDC_TEST_HEX);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kMsgTestPassed);
  ASSERT_TRUE(Load("broken-checksum.hex"));
  Click(IDC_TEST_HEX);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, kMsgTestFailed);
  EXPECT_EQ(host->WaitCursorCount(), 0);
}

TEST_F(GuiTest, AcceleratorsFireTheirCommandsFromAnyWidgetOfTheFrame) {
  ASSERT_TRUE(Load("device.hex"));
  EXPECT_EQ(frameView->windowTitle(), "device.hex - TalvexUpdate V.2.2a");
  QTest::keyClick(Widget(IDC_LOAD_HEX), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(frameView->windowTitle(), "Untitled - TalvexUpdate V.2.2a");
  EXPECT_TRUE(doc->HasHexFile());  // New keeps the records

  QTest::keyClick(Widget(IDC_PORT), Qt::Key_T, Qt::ControlModifier);  // no accelerator: nothing
  EXPECT_EQ(frameView->windowTitle(), "Untitled - TalvexUpdate V.2.2a");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(GuiTest, FilesDroppedOnTheWindowOpenTheFirst) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Sample("console.hex"))),
                QUrl::fromLocalFile(QString::fromStdString(Sample("device.hex")))});
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(frameView, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(frameView, &drop);
  EXPECT_EQ(doc->GetFileName(), "console.hex");
  EXPECT_EQ(frameView->windowTitle(), "console.hex - TalvexUpdate V.2.2a");
  EXPECT_EQ(WidgetAs<QLabel>(IDC_FILE_NAME)->text(), "console.hex");
}

// While the test runs on the UI thread, Cancel works and other input waits for nothing: it is dropped.
TEST_F(GuiTest, CancelWorksDuringALongOperationAndOtherInputIsHeldBack) {
  ASSERT_TRUE(Load("device.hex"));
  bool clickedDuringRun = false;
  QTimer::singleShot(0, frameView, [&] {
    clickedDuringRun = view->m_progress->IsEnabled();
    QTest::keyClick(Widget(IDC_LOAD_HEX), Qt::Key_N, Qt::ControlModifier);
    QTest::mouseClick(Widget(IDC_CANCEL), Qt::LeftButton);
  });
  Click(IDC_TEST_HEX);
  EXPECT_TRUE(clickedDuringRun);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, kMsgTestCancelled);
  EXPECT_EQ(boxes[1].text, kMsgTestFailed);
  EXPECT_TRUE(view->m_bCancel);
  EXPECT_FALSE(Widget(IDC_CANCEL)->isEnabled());
  EXPECT_EQ(frameView->windowTitle(), "device.hex - TalvexUpdate V.2.2a");  // Ctrl+N was held back
  // Once the run is over, input flows again.
  QTest::keyClick(Widget(IDC_LOAD_HEX), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(frameView->windowTitle(), "Untitled - TalvexUpdate V.2.2a");
}

}  // namespace
