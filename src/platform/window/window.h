#pragma once
// A window built from a dialog template: its controls by id, a message table
// binding (id, notification) pairs, commands and window messages to handlers,
// data exchange with validation, and the modal and modeless lifecycles. The
// backend realises it through the host and observes it; all of it belongs to
// the UI thread.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/window/command_target.h"
#include "platform/window/control.h"
#include "platform/window/resources.h"

namespace platform {

class DataExchange;
class Window;

enum class WindowChange { Caption, Visible, ToolTips, Destroyed };

// Implemented by the backend; one observer per realised window.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void OnControlChanged(Control& control, ControlChange change) = 0;
  virtual void OnWindowChanged(Window& window, WindowChange change) = 0;
};

class Window : public CommandTarget {
 public:
  explicit Window(const DialogTemplate& source);
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const DialogTemplate& Template() const { return m_template; }

  // Modeless: builds the controls, runs OnInitDialog and has the host realise
  // the window (visible when its template says so). A child window (the form)
  // is realised with its frame instead. Returns false when already created.
  bool Create(Window* owner = nullptr);
  // Modal: builds the controls, runs OnInitDialog and the host's modal loop
  // until EndDialog. Returns the code given to EndDialog.
  int DoModal();
  void EndDialog(int result);
  bool IsModal() const { return m_bModal; }
  // The code EndDialog received (-1 before).
  int ModalResult() const { return m_nModalResult; }
  bool IsModalEnded() const { return m_bModalEnded; }
  // Tells the backend first, then frees the controls. Safe to call twice.
  void DestroyWindow();
  bool IsCreated() const { return m_bCreated; }
  Window* GetOwner() const { return m_pOwner; }

  void ShowWindow(bool show);
  bool IsVisible() const { return m_bVisible; }
  void SetWindowText(const std::string& caption);
  const std::string& GetWindowText() const { return m_strCaption; }

  // Controls in template order; decorations have id kIdStatic.
  const std::vector<std::unique_ptr<Control>>& Controls() const { return m_controls; }
  Control* GetDlgItem(int id) const;
  template <class T>
  T* Item(int id) const { return dynamic_cast<T*>(GetDlgItem(id)); }

  // Moves data between the controls and the members (true: controls to members,
  // validating; false: members to controls). False when a value failed validation.
  bool UpdateData(bool saveAndValidate = true);

  void EnableToolTips(bool enable);
  bool ToolTipsEnabled() const { return m_bToolTips; }
  // The tip of a control, from the window's tool-tip handler; none when it has no text.
  std::optional<std::string> ToolTipText(int controlId);

  // Backend side.
  void SetObserver(WindowObserver* observer) { m_pObserver = observer; }
  WindowObserver* Observer() const { return m_pObserver; }
  // The close box.
  void UserClose();
  // The client area changed size (pixels).
  void UserResize(int cx, int cy);
  // A context-menu request at a screen position.
  void UserContextMenu(Point screen);

  // From the controls.
  void DispatchNotify(Control& control, Notification notification);
  void DispatchScroll(Control& control, ScrollCode code, int pos, bool vertical);
  // False when a handler refuses the change.
  bool DispatchDeltaPos(UpDown& control, int delta);
  void ControlChanged(Control& control, ControlChange change);

 protected:
  virtual bool OnInitDialog();
  virtual void DoDataExchange(DataExchange& dx);
  // IDOK: exchange with validation, then EndDialog(kIdOk); stays open when validation fails.
  virtual void OnOK();
  virtual void OnCancel();

  // Message table.
  void BindNotify(int id, Notification notification, std::function<void()> handler);
  void BindClicked(int id, std::function<void()> handler) { BindNotify(id, Notification::Clicked, std::move(handler)); }
  void BindDeltaPos(int id, std::function<bool(int delta)> handler);
  void BindHScroll(std::function<void(ScrollCode, int pos, Control*)> handler) { m_onHScroll = std::move(handler); }
  void BindVScroll(std::function<void(ScrollCode, int pos, Control*)> handler) { m_onVScroll = std::move(handler); }
  void BindClose(std::function<void()> handler) { m_onClose = std::move(handler); }
  void BindSize(std::function<void(int type, int cx, int cy)> handler) { m_onSize = std::move(handler); }
  void BindContextMenu(std::function<void(Point)> handler) { m_onContextMenu = std::move(handler); }
  void BindToolTipText(std::function<std::optional<std::string>(int id)> handler) { m_onToolTipText = std::move(handler); }

 private:
  void BuildControls();
  std::unique_ptr<Control> MakeControl(const ControlTemplate& source);

  const DialogTemplate& m_template;
  std::vector<std::unique_ptr<Control>> m_controls;
  std::string m_strCaption;
  Window* m_pOwner = nullptr;
  WindowObserver* m_pObserver = nullptr;
  bool m_bCreated = false;
  bool m_bModal = false;
  bool m_bVisible = false;
  bool m_bToolTips = true;
  int m_nModalResult = 0;
  bool m_bModalEnded = false;

  struct NotifyEntry {
    int id;
    Notification notification;
    std::function<void()> handler;
  };
  std::vector<NotifyEntry> m_notifyTable;
  std::vector<std::pair<int, std::function<bool(int)>>> m_deltaTable;
  std::function<void(ScrollCode, int, Control*)> m_onHScroll;
  std::function<void(ScrollCode, int, Control*)> m_onVScroll;
  std::function<void()> m_onClose;
  std::function<void(int, int, int)> m_onSize;
  std::function<void(Point)> m_onContextMenu;
  std::function<std::optional<std::string>(int)> m_onToolTipText;
};

}  // namespace platform
