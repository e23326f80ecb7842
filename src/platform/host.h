#pragma once
// What the program asks of the desktop: realising windows and frames, modal
// loops, message boxes, the file-open dialog, pop-up menus, synchronous calls
// onto the UI thread, the counted wait cursor and event pumping during long
// operations. A backend (Qt, or the headless host of the command line and the
// tests) implements it and installs itself with SetHost.

#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/window/frame_window.h"
#include "platform/window/geometry.h"
#include "platform/window/resources.h"

namespace platform {

class Window;

inline constexpr const char* kAppTitle = "TalvexUpdate";

enum class Buttons { Ok, OkCancel, YesNo };
// Default resolves to Warning for every button set (the platform's default icon).
enum class Icon { Default, Warning, Information, Question, Stop };
enum class Answer { Ok, Cancel, Yes, No };
// Which button answers Enter; First is the platform's default (OK or Yes).
enum class DefaultButton { First, Second };

struct MessageBoxRequest {
  std::string text;
  std::string caption = kAppTitle;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::Warning;
  DefaultButton defaultButton = DefaultButton::First;
};

// The open dialog's filter: "TalvexUpdate Hex Files (*.hex)" with ".hex".
struct FileFilter {
  std::string description;
  std::string extension;
};

class Host {
 public:
  virtual ~Host() = default;
  // Shows a modal box; callable from any thread (the UI thread shows it).
  virtual Answer ShowMessageBox(const MessageBoxRequest& request) = 0;
  // Runs fn on the UI thread and returns after it has completed; runs it at
  // once when called on the UI thread.
  virtual void CallOnUiThread(const std::function<void()>& fn) = 0;
  virtual bool IsUiThread() const = 0;
  // Lets the window repaint and the controls that work during long operations
  // (Control::WorksDuringLongOperation) take input, and runs pending UI-thread
  // calls, during a long UI-thread operation. Called as often as every step of
  // a progress run: a backend may return at once when it pumped very recently.
  virtual void PumpEvents() = 0;
  // Counted: nested begins need as many ends.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  // Windows. RealiseWindow makes the widgets of a created modeless window and
  // starts observing it (SetObserver); DestroyWindow drops them. RunModal
  // realises a created window as a modal dialog and runs its loop until
  // EndModal; Window::EndDialog calls EndModal.
  virtual void RealiseWindow(Window& window) = 0;
  virtual void DestroyWindow(Window& window) = 0;
  virtual void RunModal(Window& window) = 0;
  virtual void EndModal(Window& window) = 0;
  // The frame with its menu, bars and view (realised as its client).
  virtual void RealiseFrame(FrameWindow& frame) = 0;
  virtual void DestroyFrame(FrameWindow& frame) = 0;
  // Shows a pop-up menu at a screen position, its item states asked of the
  // frame, and returns the chosen command, or 0 when none was chosen.
  virtual int TrackPopupMenu(const MenuResource& menu, Point screen, FrameWindow& owner) = 0;
  // The file-open dialog; empty when cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const FileFilter& filter) = 0;
  virtual LockKeys QueryLockKeys() const = 0;
  // Runs the message loop until Quit; returns its exit code.
  virtual int RunMessageLoop() = 0;
  virtual void Quit(int exitCode) = 0;

  // Added after the first backends; each has a default so they keep building.
  // The print dialog; true when the operator chose to print.
  virtual bool ShowPrintDialog() { return false; }
};

// The installed host, or nullptr. The host outlives every caller.
Host* GetHost();
void SetHost(Host* host);

// A message box of the program's caption, from any thread. Without a host the
// text goes to standard error and the first button answers.
Answer MessageBox(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::Default,
                  DefaultButton defaultButton = DefaultButton::First);

// Runs fn on the UI thread through the host (inline without a host) and returns its result.
template <class Fn>
auto OnUiThread(Fn&& fn) -> decltype(fn()) {
  Host* host = GetHost();
  if (host == nullptr || host->IsUiThread()) return fn();
  if constexpr (std::is_void_v<decltype(fn())>) {
    host->CallOnUiThread([&] { fn(); });
  } else {
    std::optional<decltype(fn())> result;
    host->CallOnUiThread([&] { result.emplace(fn()); });
    return std::move(*result);
  }
}

}  // namespace platform
