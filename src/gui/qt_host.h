#pragma once
// The desktop's host: realises windows and frames as Qt widgets, runs modal
// loops and message boxes, carries calls from other threads onto the UI thread
// and keeps the window alive during long operations on the UI thread. Construct
// it on the UI thread after the QApplication, and install it with SetHost.

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <unordered_map>

#include "gui/input_gate.h"
#include "gui/lock_keys.h"
#include "platform/host.h"

class QMessageBox;
class QWidget;

namespace gui {

class DialogWidget;
class FrameView;

class QtHost : public QObject, public platform::Host {
 public:
  QtHost();
  ~QtHost() override;

  platform::Answer ShowMessageBox(const platform::MessageBoxRequest& request) override;
  void CallOnUiThread(const std::function<void()>& fn) override;
  bool IsUiThread() const override;
  void PumpEvents() override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void RealiseWindow(platform::Window& window) override;
  void DestroyWindow(platform::Window& window) override;
  void RunModal(platform::Window& window) override;
  void EndModal(platform::Window& window) override;
  void RealiseFrame(platform::FrameWindow& frame) override;
  void DestroyFrame(platform::FrameWindow& frame) override;
  int TrackPopupMenu(const platform::MenuResource& menu, platform::Point screen, platform::FrameWindow& owner) override;
  std::optional<std::string> ChooseFileToOpen(const platform::FileFilter& filter) override;
  platform::LockKeys QueryLockKeys() const override;
  int RunMessageLoop() override;
  void Quit(int exitCode) override;
  bool ShowPrintDialog() override;

  // The realised widgets, for the program's own checks and the tests.
  FrameView* Frame() const { return m_pFrameView; }
  DialogWidget* DialogOf(const platform::Window& window) const;
  int WaitCursorCount() const { return m_nWaitCursor; }
  // How long a pump spares the next one (0: every request pumps, which the tests use).
  void SetPumpInterval(qint64 ms) { m_nPumpIntervalMs = ms; }
  // Called on the UI thread with every message box once it shows (the tests answer it there).
  void SetMessageBoxShownHook(std::function<void(QMessageBox&)> hook) { m_onBoxShown = std::move(hook); }

 private:
  platform::Answer ShowMessageBoxNow(const platform::MessageBoxRequest& request);
  QWidget* DialogParent() const;

  InputGate m_gate;
  mutable LockKeyReader m_lockKeys;
  FrameView* m_pFrameView = nullptr;
  std::unordered_map<const platform::Window*, DialogWidget*> m_dialogs;
  std::function<void(QMessageBox&)> m_onBoxShown;
  QElapsedTimer m_sincePump;
  qint64 m_nPumpIntervalMs;
  int m_nWaitCursor = 0;
  int m_nPumpDepth = 0;
  // Calls from another thread being run: the event loop is turning, so a pump inside one has nothing to do.
  int m_nForeignCallDepth = 0;
};

}  // namespace gui
