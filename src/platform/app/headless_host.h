#pragma once
// A host without a display, for the tests and the command line. Message boxes
// are answered from a script and every box is recorded (text, caption,
// buttons, icon); a box nobody expected is a failure, answered with its
// safest button (Cancel, No, or OK). Modal dialogs and the file dialog are
// scripted as well. The thread that constructs the host is its UI thread:
// calls from other threads wait in a queue until the UI thread runs them
// (PumpEvents, RunUntil, RunMessageLoop), or run at once under a lock when
// the caller has no UI loop (SetForeignCallsInline).

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/host.h"

namespace platform {

class HeadlessHost : public Host {
 public:
  struct RecordedBox {
    MessageBoxRequest request;
    Answer answer;
    bool expected;
  };

  HeadlessHost();
  ~HeadlessHost() override;

  // Scripts, consumed in order. A box must show this exact text.
  void ExpectMessageBox(std::string text, Answer answer = Answer::Ok);
  // Answers boxes that no script expects instead of failing (the command line).
  void SetDefaultAnswer(std::function<Answer(const MessageBoxRequest&)> policy);
  // The next modal loop of that template runs script, which must end the dialog.
  void ExpectModal(int templateId, std::function<void(Window&)> script);
  // The next file dialog answers path (nothing: cancelled).
  void ExpectFileDialog(std::optional<std::string> path);
  // The next pop-up menu answers command (0: dismissed).
  void ExpectPopupMenu(int command);
  void SetLockKeys(LockKeys keys) { m_lockKeys = keys; }
  void SetForeignCallsInline(bool inlineCalls) { m_bForeignInline = inlineCalls; }
  // Called with every failure as it happens (a test's ADD_FAILURE), besides recording it.
  void SetFailureHandler(std::function<void(const std::string&)> handler);

  std::vector<RecordedBox> Boxes() const;
  void ClearBoxes();
  std::vector<std::string> Failures() const;
  // Scripts not used up, as failures.
  std::vector<std::string> Leftovers() const;
  std::vector<FileFilter> FileDialogsShown() const { return m_fileDialogs; }
  std::vector<int> PopupMenusShown() const { return m_popupMenus; }
  std::vector<Point> PopupPositions() const { return m_popupPositions; }
  int WaitCursorCount() const { return m_nWaitCursor; }
  int PumpCount() const { return m_nPumps; }
  std::vector<Window*> RealisedWindows() const { return m_windows; }
  FrameWindow* RealisedFrame() const { return m_pFrame; }
  std::optional<int> QuitCode() const { return m_quitCode; }

  // UI thread: runs queued calls until done() holds (checked after each call and at the start).
  void RunUntil(const std::function<bool()>& done);
  // UI thread: runs the calls queued so far.
  void ProcessPendingCalls();

  Answer ShowMessageBox(const MessageBoxRequest& request) override;
  void CallOnUiThread(const std::function<void()>& fn) override;
  bool IsUiThread() const override { return std::this_thread::get_id() == m_uiThread; }
  void PumpEvents() override;
  void BeginWaitCursor() override { ++m_nWaitCursor; }
  void EndWaitCursor() override;
  void RealiseWindow(Window& window) override;
  void DestroyWindow(Window& window) override;
  void RunModal(Window& window) override;
  void EndModal(Window& window) override;
  void RealiseFrame(FrameWindow& frame) override { m_pFrame = &frame; }
  void DestroyFrame(FrameWindow& frame) override;
  int TrackPopupMenu(const MenuResource& menu, Point screen, FrameWindow& owner) override;
  std::optional<std::string> ChooseFileToOpen(const FileFilter& filter) override;
  LockKeys QueryLockKeys() const override { return m_lockKeys; }
  int RunMessageLoop() override;
  void Quit(int exitCode) override;
  bool ShowPrintDialog() override {
    ++m_nPrintDialogs;
    return m_bPrintAnswer;
  }
  void SetPrintDialogAnswer(bool print) { m_bPrintAnswer = print; }
  int PrintDialogsShown() const { return m_nPrintDialogs; }

 private:
  struct Task {
    std::function<void()> fn;
    bool done = false;
  };
  void Fail(const std::string& message);
  bool RunOneTask(std::unique_lock<std::mutex>& lock);

  std::thread::id m_uiThread;
  mutable std::mutex m_mutex;  // boxes, failures, the queue
  std::condition_variable m_changed;
  std::deque<Task*> m_queue;
  std::recursive_mutex m_inlineMutex;
  bool m_bForeignInline = false;

  std::deque<std::pair<std::string, Answer>> m_expectedBoxes;
  std::function<Answer(const MessageBoxRequest&)> m_defaultAnswer;
  std::vector<RecordedBox> m_boxes;
  std::vector<std::string> m_failures;
  std::function<void(const std::string&)> m_onFailure;

  std::deque<std::pair<int, std::function<void(Window&)>>> m_expectedModals;
  std::deque<std::optional<std::string>> m_expectedFiles;
  std::deque<int> m_expectedPopups;
  std::vector<FileFilter> m_fileDialogs;
  std::vector<int> m_popupMenus;
  std::vector<Point> m_popupPositions;
  std::vector<Window*> m_windows;
  FrameWindow* m_pFrame = nullptr;
  LockKeys m_lockKeys;
  int m_nWaitCursor = 0;
  int m_nPumps = 0;
  int m_nPrintDialogs = 0;
  bool m_bPrintAnswer = false;
  std::optional<int> m_quitCode;
};

}  // namespace platform
