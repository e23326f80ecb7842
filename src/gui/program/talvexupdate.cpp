// The desktop program: the application object on the Qt host, started with an
// empty document. A file named on the command line is not opened; files open
// by File > Open, Load Hex File, the recent-file list and by dropping them on
// the window.

#include <QApplication>

#include "app/app_update_app.h"
#include "gui/images.h"
#include "gui/qt_host.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/main_windows.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TalvexUpdate"));
  QApplication::setWindowIcon(gui::ProgramIcon(res::IDR_MAINFRAME));

  gui::QtHost host;
  platform::SetHost(&host);
  MainWindows windows;
  int status = 1;
  {
    COVUpdateApp app(windows);
    if (app.InitInstance()) status = app.Run();
  }
  platform::SetHost(nullptr);
  return status;
}
