#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
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

namespace {

struct ShownItem {
  QString text;
  bool enabled;
  bool checked;
  bool operator==(const ShownItem&) const = default;
};

TEST_F(GuiTest, TheFormsContextMenuShowsMenu142AndRoutesTheChoice) {
  std::vector<ShownItem> items;
  QTimer::singleShot(0, frameView, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* choice = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      items.push_back({action->text(), action->isEnabled(), action->isChecked()});
      if (action->text() == "View Status Log") choice = action;
    }
    ASSERT_NE(choice, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(choice).center());
  });
  QWidget* form = frameView->Form();
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(30, 40), form->mapToGlobal(QPoint(30, 40)));
  QCoreApplication::sendEvent(form, &request);
  const std::vector<ShownItem> expected = {
      {"&Help Topics", true, false},       {"&Toolbar", true, true},
      {"&Status Bar", true, true},         {"&Open...\tCtrl+O", true, false},
      {"Allow Advanced Settings", false, false}, {"Enable ToolTips", true, true},
      {"View Status Log", true, false},    {"Enable Hex File Editing", false, false},
  };
  EXPECT_EQ(items, expected);
  EXPECT_TRUE(host->DialogOf(*frame->GetLogWindow())->isVisible());
}

// Exit would free what a running transfer uses: the close box is refused with a word why.
TEST_F(GuiTest, TheCloseBoxIsRefusedWhileATransferRuns) {
  int worker = 0;
  doc->m_pWorker = reinterpret_cast<platform::WorkerThread*>(&worker);
  frameView->close();
  doc->m_pWorker = nullptr;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "A transfer to the device is still running.  \n\nPress Cancel and wait for it to end before you exit.");
  EXPECT_TRUE(frameView->isVisible());
}

}  // namespace

namespace {

TEST_F(GuiTest, CtrlPShowsThePrintDialogAndPrintsNothing) {
  QString shown;
  QTimer::singleShot(0, frameView, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    shown = dialog->metaObject()->className();
    dialog->reject();
  });
  QTest::keyClick(Widget(IDC_LOAD_HEX), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(shown, "QPrintDialog");
  EXPECT_TRUE(boxes.empty());
}

}  // namespace

namespace {

TEST_F(GuiTest, LoadHexFileAsksForAFileWithTheTemplatesFilterAndLoadsIt) {
  QStringList filters;
  QTimer::singleShot(0, frameView, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    dialog->selectFile(QString::fromStdString(Sample("device.hex")));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  Click(IDC_LOAD_HEX);
  EXPECT_EQ(filters, (QStringList{"TalvexUpdate Hex Files (*.hex)", "All Files (*)"}));
  EXPECT_EQ(WidgetAs<QLabel>(IDC_FILE_NAME)->text(), "device.hex");
  EXPECT_TRUE(Widget(IDC_TEST_HEX)->isEnabled());
  EXPECT_EQ(frameView->windowTitle(), "device.hex - TalvexUpdate V.2.2a");
  EXPECT_EQ(doc->m_logView.Text().substr(0, 21), "Loading Hex File...\r\n");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace

namespace {

// Enter on the form presses the focused button, else the default one (Load Hex File).
TEST_F(GuiTest, EnterPressesTheFocusedButtonOrElseTheDefaultOne) {
  QTimer::singleShot(0, frameView, [] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
  });
  Widget(IDC_PORT)->setFocus();
  QTest::keyClick(frameView->Form(), Qt::Key_Return);
  EXPECT_TRUE(boxes.empty());

  view->m_btnTestHex->SetEnabled(true);
  Widget(IDC_TEST_HEX)->setFocus();
  QTest::keyClick(Widget(IDC_TEST_HEX), Qt::Key_Return);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kMsgNoFileToTest);
}

}  // namespace
