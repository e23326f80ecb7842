#include <QHelpEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>

#include "gui/menus.h"
#include "gui_fixture.h"

using namespace res;
using guitest::GuiTest;
using guitest::Sample;

namespace {

QAction* ToolAction(gui::FrameView* frameView, const QString& tip) {
  for (QAction* action : frameView->ToolBar()->actions())
    if (action->text() == tip) return action;
  return nullptr;
}

QMenu* MenuNamed(gui::FrameView* frameView, const QString& title) {
  for (QAction* action : frameView->menuBar()->actions())
    if (action->text() == title) return action->menu();
  return nullptr;
}

// The menu's items as they show once it is about to open.
QStringList ShownItems(QMenu* menu) {
  emit menu->aboutToShow();
  QStringList items;
  for (QAction* action : menu->actions())
    if (!action->isSeparator() && action->isVisible())
      items << action->text() + (action->isEnabled() ? "" : " (off)") + (action->isChecked() ? " (checked)" : "");
  return items;
}

// The tip a hover shows. A hidden tip fades out with its old text, so a marker stands in before each hover.
std::optional<QString> ToolTipOver(QWidget* widget) {
  const QString marker = QStringLiteral("(no tip)");
  const QPoint global = widget->mapToGlobal(QPoint(2, 2));
  QToolTip::showText(global, marker, widget);
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), global);
  QCoreApplication::sendEvent(widget, &help);
  const QString shown = QToolTip::text();
  if (shown == marker) return std::nullopt;
  return shown;
}

TEST_F(GuiTest, TitleAndStatusPanesAtStartAndAfterThePortChanges) {
  EXPECT_EQ(frameView->windowTitle(), "Untitled - TalvexUpdate V.2.2a");
  EXPECT_EQ(frameView->Pane(0)->text(), "For Help, press F1");
  EXPECT_EQ(frameView->Pane(ID_INDICATOR_PORT)->text(), "PORT INACTIVE");
  frame->OnIdle();
  EXPECT_EQ(frameView->Pane(ID_INDICATOR_PORT)->text(), "Port Inactive");
  // Offscreen there are no keyboard indicators: the lock panes stay empty.
  for (int id : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) EXPECT_EQ(frameView->Pane(id)->text(), "");
  frame->SetPortActive(true);
  frame->OnIdle();
  EXPECT_EQ(frameView->Pane(ID_INDICATOR_PORT)->text(), "Port ACTIVE");
  frame->SetPortActive(false);
  frame->OnIdle();
  EXPECT_EQ(frameView->Pane(ID_INDICATOR_PORT)->text(), "Port Inactive");
}

TEST_F(GuiTest, ToolbarButtonsFollowTheCommandTable) {
  frame->OnIdle();
  struct Expected {
    const char* tip;
    bool enabled;
  };
  const Expected table[] = {{"Open", true},   {"Save", false}, {"Cut", false},  {"Copy", false},
                            {"Paste", false}, {"Print", true}, {"About", true}};
  for (const Expected& e : table) {
    SCOPED_TRACE(e.tip);
    QAction* action = ToolAction(frameView, e.tip);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->isEnabled(), e.enabled);
    EXPECT_FALSE(action->icon().isNull());
  }
  view->EnableLoadHex(false);
  frame->OnIdle();
  EXPECT_FALSE(ToolAction(frameView, "Open")->isEnabled());
}

TEST_F(GuiTest, AboutFromTheToolbarRunsItsModalDialogUntilOk) {
  frame->OnIdle();
  QString title;
  QTimer::singleShot(0, frameView, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == "OK") QTest::mouseClick(button, Qt::LeftButton);
  });
  ToolAction(frameView, "About")->trigger();
  EXPECT_EQ(title, "About TalvexUpdate V2.2a");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(GuiTest, MenusShowTheStatesOfTheCommandTableAndTheRecentFiles) {
  QMenu* file = MenuNamed(frameView, "&File");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(ShownItems(file), (QStringList{"&Open...\tCtrl+O", "&Send... (off)", "Recent File (off)", "E&xit"}));
  ASSERT_TRUE(Load("device.hex"));
  const QStringList items = ShownItems(file);
  ASSERT_EQ(items.size(), 4);
  EXPECT_TRUE(items[2].startsWith("&1 ")) << items[2].toStdString();
  EXPECT_TRUE(items[2].endsWith("device.hex")) << items[2].toStdString();
  // The list is kept per user: the next run finds it.
  EXPECT_NE(std::filesystem::file_size(settingsPath), 0u);

  QMenu* help = MenuNamed(frameView, "&Help");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(ShownItems(help), (QStringList{"&Help Topics (off)", "Enable ToolTips (checked)", "&About TalvexUpdate..."}));
}

TEST_F(GuiTest, ToolTipsShowOverTheFormAndTheToolbarUntilSwitchedOff) {
  QWidget* openButton = frameView->ToolBar()->widgetForAction(ToolAction(frameView, "Open"));
  EXPECT_EQ(ToolTipOver(Widget(IDC_LOAD_HEX)), "Load a new TalvexUpdate file");
  EXPECT_EQ(ToolTipOver(openButton), "Open");
  EXPECT_EQ(ToolTipOver(Widget(IDC_CHECK_DEVICE)), std::nullopt);  // no entry in the string table

  frame->ExecuteCommand(ID_ENABLE_TOOLTIPS);
  EXPECT_EQ(ToolTipOver(Widget(IDC_LOAD_HEX)), std::nullopt);
  EXPECT_EQ(ToolTipOver(openButton), std::nullopt);
  frame->ExecuteCommand(ID_ENABLE_TOOLTIPS);
  EXPECT_EQ(ToolTipOver(Widget(IDC_LOAD_HEX)), "Load a new TalvexUpdate file");
}

TEST_F(GuiTest, TheLogWindowShowsTheModelsTextAtTheIdleUpdate) {
  ASSERT_TRUE(Load("device.hex"));
  frame->ExecuteCommand(ID_VIEW_STATUS_LOG);
  gui::DialogWidget* log = host->DialogOf(*frame->GetLogWindow());
  ASSERT_NE(log, nullptr);
  EXPECT_TRUE(log->isVisible());
  EXPECT_EQ(log->windowTitle(), "TalvexUpdate  Message Log");
  auto* edit = dynamic_cast<QPlainTextEdit*>(log->View().WidgetFor(IDC_LOG_EDIT));
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(edit->toPlainText(), "Loading Hex File...\n");

  doc->m_logView.AppendLine("a status line");
  EXPECT_EQ(edit->toPlainText(), "Loading Hex File...\n");  // the model runs ahead of the widget
  frame->OnIdle();
  EXPECT_EQ(edit->toPlainText(), "Loading Hex File...\na status line\n");

  log->resize(500, 300);  // the edit fills the client area once the window changes size
  EXPECT_EQ(edit->geometry(), QRect(0, 0, 500, 300));

  log->close();  // the close box hides it; the lines keep coming
  EXPECT_FALSE(log->isVisible());
  doc->m_logView.AppendLine("while hidden");
  frame->ExecuteCommand(ID_VIEW_STATUS_LOG);
  EXPECT_TRUE(log->isVisible());
  EXPECT_EQ(edit->toPlainText(), "Loading Hex File...\na status line\nwhile hidden\n");
}

}  // namespace

namespace {

// The log trims 500 characters at its front, wherever they end: in a line, in a
// line break, in a character of more than one byte. The widget follows exactly.
TEST_F(GuiTest, TheLogWidgetFollowsTheTrimmedModelWhateverTheLineLengths) {
  frame->ExecuteCommand(ID_VIEW_STATUS_LOG);
  auto* edit = dynamic_cast<QPlainTextEdit*>(host->DialogOf(*frame->GetLogWindow())->View().WidgetFor(IDC_LOG_EDIT));
  ASSERT_NE(edit, nullptr);
  const std::string lines[] = {"a", "Block 3 Record 17 Try 1", std::string(497, 'x'), std::string(498, 'y'),
                               std::string(620, 'z'), "\xC3\xA9t\xC3\xA9 \xC3\xA0 l'\xC3\xA9tape 12"};
  int appended = 0;
  for (const std::string& line : lines) {
    SCOPED_TRACE(line.size());
    for (int i = 0; i < 130; ++i) {
      doc->m_logView.AppendLine(line + std::to_string(i % 10));
      if (++appended % 3 == 0) frame->OnIdle();
    }
    frame->OnIdle();
    QString expected = QString::fromStdString(doc->m_logView.Text());
    expected.replace("\r\n", "\n");
    ASSERT_EQ(edit->toPlainText(), expected);
  }
}

}  // namespace
