#include "ui/main_windows.h"

#include "ui/main_frame.h"
#include "ui/ovupdate_view.h"

std::unique_ptr<platform::FrameWindow> MainWindows::CreateFrame(COVUpdateDoc& doc) {
  auto frame = std::make_unique<CMainFrame>(doc);
  if (!frame->Create()) return nullptr;
  return frame;
}

std::unique_ptr<platform::FormView> MainWindows::CreateView(COVUpdateDoc& doc) {
  return std::make_unique<COVUpdateView>(doc);
}
