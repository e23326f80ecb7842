// The tests' own start: the offscreen platform whatever the environment says,
// and a runtime folder of their own, so that no display and no session is needed.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <string>

namespace {
QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says at every window that it cannot pass size hints on; nothing else is dropped.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  g_defaultHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
  g_defaultHandler = qInstallMessageHandler(QuietHandler);
  std::string runtime = (std::filesystem::temp_directory_path() / "talvex-gui-test-XXXXXX").string();
  if (::mkdtemp(runtime.data()) == nullptr) return 2;  // made with mode 0700, as the folder must be
  ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int status = 0;
  {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    status = RUN_ALL_TESTS();
  }
  std::error_code ignored;
  std::filesystem::remove_all(runtime, ignored);
  return status;
}
