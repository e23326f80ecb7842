#pragma once
// What the program asks of the desktop: message boxes, synchronous calls onto
// the UI thread, the wait cursor and event pumping during long operations.
// A backend (Qt, or the headless host of the command line and the tests)
// implements it and installs itself with SetHost.

#include <functional>
#include <string>

namespace platform {

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

class Host {
 public:
  virtual ~Host() = default;
  // Shows a modal box; callable from any thread (the UI thread shows it).
  virtual Answer ShowMessageBox(const MessageBoxRequest& request) = 0;
  // Runs fn on the UI thread and returns after it has completed.
  virtual void CallOnUiThread(const std::function<void()>& fn) = 0;
  // Lets the window repaint and Cancel through during a long UI-thread operation.
  virtual void PumpEvents() = 0;
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
};

// The installed host, or nullptr. The host outlives every caller.
Host* GetHost();
void SetHost(Host* host);

// A message box of the program's caption, from any thread. Without a host the
// text goes to standard error and the first button answers.
Answer MessageBox(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::Default,
                  DefaultButton defaultButton = DefaultButton::First);

}  // namespace platform
