#pragma once
// The desktop's frame and form for the application object.

#include "app/app_update_app.h"

class MainWindows : public MainWindowFactory {
 public:
  std::unique_ptr<platform::FrameWindow> CreateFrame(COVUpdateDoc& doc) override;
  std::unique_ptr<platform::FormView> CreateView(COVUpdateDoc& doc) override;
};
