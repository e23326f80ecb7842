#pragma once
// The desktop program on the Qt host, offscreen: the application object with
// its document, frame and form realised as widgets, a private settings file,
// and message boxes answered by the test as they show.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_update_app.h"
#include "app/update_doc.h"
#include "gui/frame_view.h"
#include "gui/qt_host.h"
#include "gui/window_view.h"
#include "platform/host.h"
#include "res/resources.h"
#include "ui/log_window.h"
#include "ui/main_frame.h"
#include "ui/main_windows.h"
#include "ui/ovupdate_view.h"

namespace guitest {

inline std::string Sample(const std::string& name) { return std::string(TALVEX_SOURCE_DIR) + "/samples/" + name; }

struct ShownBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  bool onUiThread;
};

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = std::make_unique<gui::QtHost>();
    host->SetPumpInterval(0);
    platform::SetHost(host.get());
    // Boxes nobody answers are answered with their escape button, so a test fails instead of hanging.
    host->SetMessageBoxShownHook([this](QMessageBox& box) {
      boxes.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons(),
                       QThread::currentThread() == qApp->thread()});
      const QMessageBox::StandardButton answer = answers.empty() ? QMessageBox::NoButton : answers.front();
      if (!answers.empty()) answers.erase(answers.begin());
      QAbstractButton* button = answer != QMessageBox::NoButton ? box.button(answer) : box.escapeButton();
      ASSERT_NE(button, nullptr);
      QTest::mouseClick(button, Qt::LeftButton);
    });
    settingsPath = std::filesystem::path(::testing::TempDir()) /
                   ("gui-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ini");
    std::filesystem::remove(settingsPath);
    app = std::make_unique<COVUpdateApp>(windows);
    app->SetSettingsPath(settingsPath);
    ASSERT_TRUE(app->InitInstance());
    doc = app->GetDocument();
    frame = dynamic_cast<CMainFrame*>(app->GetFrame());
    view = dynamic_cast<COVUpdateView*>(app->GetView());
    frameView = host->Frame();
    ASSERT_NE(frameView, nullptr);
    ASSERT_NE(frameView->Form(), nullptr);
  }

  void TearDown() override {
    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::SetHost(nullptr);
    host.reset();
    std::filesystem::remove(settingsPath);
  }

  QWidget* Widget(int id) const { return frameView->Form()->View().WidgetFor(id); }
  template <class T>
  T* WidgetAs(int id) const { return dynamic_cast<T*>(Widget(id)); }
  void Click(int id) const { QTest::mouseClick(Widget(id), Qt::LeftButton); }
  bool Load(const std::string& sample) const { return app->OpenDocumentFile(Sample(sample)); }

  std::unique_ptr<gui::QtHost> host;
  MainWindows windows;
  std::unique_ptr<COVUpdateApp> app;
  std::filesystem::path settingsPath;
  COVUpdateDoc* doc = nullptr;
  CMainFrame* frame = nullptr;
  COVUpdateView* view = nullptr;
  gui::FrameView* frameView = nullptr;
  std::vector<QMessageBox::StandardButton> answers;
  std::vector<ShownBox> boxes;
};

}  // namespace guitest
