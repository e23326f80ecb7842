#include <QComboBox>
#include <QProgressBar>

#include "gui/classic_widgets.h"
#include "gui/dialog_units.h"
#include "gui_fixture.h"

using namespace res;
using guitest::GuiTest;

namespace {

const platform::Control* Decoration(const platform::Window& window, const std::string& caption) {
  for (const auto& control : window.Controls())
    if (control->Kind() == platform::ControlKind::GroupBox && control->GetWindowText() == caption) return control.get();
  return nullptr;
}

TEST_F(GuiTest, FormTemplateRendersEveryControlAtItsDialogUnitPlace) {
  const platform::DialogTemplate& form = view->Template();
  const gui::DialogUnits units(gui::DialogFont(form.fontName, form.fontPointSize));
  // The platform's sans-serif at 10 points stands for the template's font.
  EXPECT_NEAR(units.BaseX(), 8.5, 1.5);
  EXPECT_NEAR(units.BaseY(), 16, 3);
  EXPECT_EQ(frameView->Form()->size(), units.ToPixels(form.cx, form.cy));
  for (const auto& control : view->Controls()) {
    SCOPED_TRACE(control->GetWindowText());
    QWidget* widget = frameView->Form()->View().WidgetFor(*control);
    ASSERT_NE(widget, nullptr);
    const QRect expected = units.ToPixels(control->DialogRect());
    if (control->Kind() == platform::ControlKind::ComboBox) {
      // The template's height includes the dropped list; the closed box is one line high.
      EXPECT_EQ(widget->geometry().topLeft(), expected.topLeft());
      EXPECT_EQ(widget->width(), expected.width());
      EXPECT_LT(widget->height(), expected.height());
    } else {
      EXPECT_EQ(widget->geometry(), expected);
    }
  }
}

TEST_F(GuiTest, FormControlsSitInsideTheirFramesInTheirStartState) {
  struct Expected {
    int id;
    const char* frame;
    bool enabled;
    bool visible;
  };
  const Expected table[] = {
      {IDC_LOAD_HEX, "File Options", true, true},          {IDC_TEST_HEX, "File Options", false, true},
      {IDC_VIEW_RECORDS, "File Options", false, false},    {IDC_VIEW_MEMORY, "File Options", false, false},
      {IDC_FILE_NAME, "File Options", false, true},        {IDC_PORT, "Communication", true, true},
      {IDC_ACTIVATE_PORT, "Communication", true, true},    {IDC_ADVANCED, "Communication", false, false},
      {IDC_UPDATE_CONSOLE, "Upgrade Infomation", false, false}, {IDC_UPDATE_DEVICE, "Upgrade Infomation", false, true},
      {IDC_UPDATE_MATRIX, "Upgrade Infomation", false, false},  {IDC_CHECK_DEVICE, "Upgrade Infomation", false, true},
      {IDC_SEND_UNFORMATTED, "Upgrade Infomation", false, false},
  };
  gui::WindowView& form = frameView->Form()->View();
  for (const Expected& e : table) {
    SCOPED_TRACE(e.id);
    const platform::Control* frameControl = Decoration(*view, e.frame);
    ASSERT_NE(frameControl, nullptr);
    QWidget* widget = Widget(e.id);
    EXPECT_TRUE(form.WidgetFor(*frameControl)->geometry().contains(widget->geometry()));
    EXPECT_EQ(widget->isEnabled(), e.enabled);
    EXPECT_EQ(widget->isVisibleTo(frameView->Form()), e.visible);
  }
  const QRect status = Widget(IDC_STATUS)->geometry();
  EXPECT_TRUE(status.contains(Widget(IDC_PROGRESS)->geometry()));
  EXPECT_TRUE(status.contains(Widget(IDC_CANCEL)->geometry()));

  auto* load = WidgetAs<QPushButton>(IDC_LOAD_HEX);
  EXPECT_EQ(load->text(), "Load Hex File");
  EXPECT_TRUE(load->isDefault());
  EXPECT_EQ(WidgetAs<QPushButton>(IDC_UPDATE_DEVICE)->text(), "Update Talvex Device");
  EXPECT_EQ(WidgetAs<QLabel>(IDC_FILE_NAME)->text(), "<none>");
  auto* port = WidgetAs<QComboBox>(IDC_PORT);
  ASSERT_EQ(port->count(), 4);
  EXPECT_EQ(port->currentText(), "COM1");
  EXPECT_EQ(port->itemText(3), "COM4");
  EXPECT_FALSE(Widget(IDC_PROGRESS)->isEnabled());
  EXPECT_FALSE(Widget(IDC_CANCEL)->isEnabled());
  EXPECT_EQ(dynamic_cast<gui::ClassicGroupBox*>(Widget(IDC_STATUS))->Title(), "");
}

TEST_F(GuiTest, ModelChangesReachTheWidgets) {
  view->ShowFileName("device.hex");
  EXPECT_EQ(WidgetAs<QLabel>(IDC_FILE_NAME)->text(), "device.hex");
  EXPECT_TRUE(Widget(IDC_FILE_NAME)->isEnabled());
  view->EnableFileButtons(true);
  EXPECT_TRUE(Widget(IDC_TEST_HEX)->isEnabled());

  ASSERT_TRUE(view->BeginProgress(10, 65536 + 200, "Sending OVHex File...", 1));
  auto* bar = WidgetAs<QProgressBar>(IDC_PROGRESS);
  EXPECT_TRUE(bar->isEnabled());
  EXPECT_TRUE(Widget(IDC_CANCEL)->isEnabled());
  EXPECT_EQ(bar->minimum(), 10);
  EXPECT_EQ(bar->maximum(), 200);
  EXPECT_EQ(bar->value(), 10);
  EXPECT_EQ(dynamic_cast<gui::ClassicGroupBox*>(Widget(IDC_STATUS))->Title(), "Sending OVHex File...");
  ASSERT_TRUE(view->SetProgressPos(120, "Block 1 of 4"));
  EXPECT_EQ(bar->value(), 120);
  EXPECT_EQ(dynamic_cast<gui::ClassicGroupBox*>(Widget(IDC_STATUS))->Title(), "Block 1 of 4");
  EXPECT_EQ(host->WaitCursorCount(), 1);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  ASSERT_TRUE(view->EndProgress());
  EXPECT_FALSE(bar->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // The frame keeps the last status text after the run.
  EXPECT_EQ(dynamic_cast<gui::ClassicGroupBox*>(Widget(IDC_STATUS))->Title(), "Block 1 of 4");
}

}  // namespace
