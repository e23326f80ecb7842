#pragma once
// The main frame: menu 128, toolbar 128, the status bar with its port pane,
// the command table with its accelerators, and the message log's window.

#include <memory>

#include "platform/window/frame_window.h"

class COVUpdateDoc;
class OVLogWindow;

class CMainFrame : public platform::FrameWindow {
 public:
  explicit CMainFrame(COVUpdateDoc& doc);
  ~CMainFrame() override;

  // Loads the frame's resources and builds it; false when that fails.
  bool Create();
  void SetPortActive(bool active) { m_bPortPaneActive = active ? 1 : 0; }
  OVLogWindow* GetLogWindow() const { return m_logWindow.get(); }
  void OnIdle() override;

  uint8_t m_bPortPaneActive = 0;

 protected:
  int OnCreate() override;
  bool CanClose() override;

 private:
  void OnUpdatePortPane(platform::CommandState& state);
  void OnHelp();
  void OnViewStatusLog();

  COVUpdateDoc& m_document;
  std::unique_ptr<OVLogWindow> m_logWindow;
};
