#pragma once
// The desktop program started on the headless host: the application object,
// its document, frame and form, with a private settings file.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/app_update_app.h"
#include "app/update_doc.h"
#include "platform/app/headless_host.h"
#include "platform/host.h"
#include "res/resources.h"
#include "ui/main_frame.h"
#include "ui/main_windows.h"
#include "ui/ovupdate_view.h"

namespace uitest {

inline std::string Sample(const std::string& name) { return std::string(TALVEX_SOURCE_DIR) + "/samples/" + name; }

// Lets a test act while the program pumps events during a long operation (a Cancel press).
class PumpingHost : public platform::HeadlessHost {
 public:
  void PumpEvents() override {
    HeadlessHost::PumpEvents();
    if (onPump) onPump(PumpCount());
  }
  std::function<void(int)> onPump;
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetHost(&host);
    host.SetFailureHandler([](const std::string& failure) { ADD_FAILURE() << failure; });
    settingsPath = std::filesystem::path(::testing::TempDir()) /
                   (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ini");
    std::filesystem::remove(settingsPath);
    app.SetSettingsPath(settingsPath);
    ASSERT_TRUE(app.InitInstance());
    doc = app.GetDocument();
    frame = dynamic_cast<CMainFrame*>(app.GetFrame());
    view = dynamic_cast<COVUpdateView*>(app.GetView());
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(view, nullptr);
  }
  void TearDown() override {
    for (const std::string& left : host.Leftovers()) ADD_FAILURE() << left;
    platform::SetHost(nullptr);
  }

  platform::Control& Item(int id) const { return *view->GetDlgItem(id); }
  bool Enabled(int id) const { return Item(id).IsEnabled(); }
  void Click(int id) const { view->Item<platform::PushButton>(id)->UserClick(); }

  bool Load(const std::string& sample) {
    host.ExpectFileDialog(Sample(sample));
    Click(res::IDC_LOAD_HEX);
    return doc->HasHexFile();
  }
  std::string Log() const { return doc->m_logView.Text(); }

  PumpingHost host;
  MainWindows windows;
  COVUpdateApp app{windows};
  std::filesystem::path settingsPath;
  COVUpdateDoc* doc = nullptr;
  CMainFrame* frame = nullptr;
  COVUpdateView* view = nullptr;
};

}  // namespace uitest
