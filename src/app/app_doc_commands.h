#pragma once
// The document's command table: the tool tips toggle. Send (57612) has no
// handler and stays disabled: there is no mail system, and it never writes a file.

#include "platform/window/command_target.h"

class COVUpdateDoc;
namespace platform {
class FormView;
class FrameWindow;
}  // namespace platform

class COVUpdateDocCommands : public platform::CommandTarget {
 public:
  COVUpdateDocCommands();
  void Attach(COVUpdateDoc* doc, platform::FormView* view, platform::FrameWindow* frame);
  void OnEnableToolTips();

 private:
  COVUpdateDoc* m_pDoc = nullptr;
  platform::FormView* m_pView = nullptr;
  platform::FrameWindow* m_pFrame = nullptr;
};
