#pragma once
// The top-level frame: menu bar, toolbar, status bar and the view that fills
// its client area, with the command route view → document → frame →
// application. The backend realises it through the host, asks it for command
// states when it shows menus and at idle time, and sends it the commands of
// menus, toolbar buttons and accelerators.

#include <functional>
#include <string>
#include <vector>

#include "platform/window/command_target.h"
#include "platform/window/resources.h"

namespace platform {

class FrameWindow;
class RecentFileList;
class Window;

// Framework command ids the frame handles itself.
namespace cmd {
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintDirect = 57608;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileSendMail = 57612;
inline constexpr int kFileMruFirst = 57616;  // up to 57631; the list uses four
inline constexpr int kAppExit = 57665;
inline constexpr int kAppAbout = 57664;
inline constexpr int kHelpIndex = 57667;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;
inline constexpr int kDefaultHelp = 57671;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kIndicatorCaps = 59137;
inline constexpr int kIndicatorNum = 59138;
inline constexpr int kIndicatorScroll = 59139;
inline constexpr int kIdleMessage = 57345;  // string: the message pane's idle text
}  // namespace cmd

// Geometry: the size it is to have changed; Activate: it is to come to the front (restored when minimised).
enum class FrameChange { Title, Geometry, Activate, ToolBar, ToolBarVisible, ToolTips, StatusBar, StatusBarVisible, Destroyed };

class FrameObserver {
 public:
  virtual ~FrameObserver() = default;
  virtual void OnFrameChanged(FrameWindow& frame, FrameChange change) = 0;
};

struct ToolBarButton {
  int command = 0;  // 0: separator
  bool enabled = false;
  bool checked = false;
};

struct StatusPane {
  int id = 0;  // 0: the message pane
  std::string text;
  bool enabled = true;
  // The widest text the pane was sized for (its first text).
  std::string sizingText;
};

// The lock keys' states; the backend reports them, the headless host says off.
struct LockKeys {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

struct FrameResources {
  const MenuResource* menu = nullptr;
  const AcceleratorTable* accelerators = nullptr;
  const ToolbarResource* toolbar = nullptr;
  const StringTable* strings = nullptr;
  std::vector<int> indicators;  // status pane ids, 0 first for the message pane
};

class FrameWindow : public CommandTarget {
 public:
  FrameWindow();
  ~FrameWindow() override;
  FrameWindow(const FrameWindow&) = delete;
  FrameWindow& operator=(const FrameWindow&) = delete;

  // Takes the resources, runs OnCreate (false when it fails, -1). The host
  // realises the frame with Realise, once its view is set.
  bool LoadFrame(const FrameResources& resources);
  void Realise();
  bool IsRealised() const { return m_bRealised; }
  void DestroyWindow();

  void SetView(Window* view) { m_pView = view; }
  Window* GetView() const { return m_pView; }
  // The route behind the view, in order.
  void SetDocumentTarget(CommandTarget* target) { m_pDocumentTarget = target; }
  void SetApplicationTarget(CommandTarget* target) { m_pApplicationTarget = target; }
  void SetRecentFileList(const RecentFileList* list) { m_pRecentFiles = list; }
  const RecentFileList* GetRecentFileList() const { return m_pRecentFiles; }

  const MenuResource* Menu() const { return m_resources.menu; }
  const AcceleratorTable* Accelerators() const { return m_resources.accelerators; }
  const ToolbarResource* ToolbarSource() const { return m_resources.toolbar; }
  const StringTable* Strings() const { return m_resources.strings; }

  void SetWindowText(const std::string& title);
  const std::string& GetWindowText() const { return m_strTitle; }
  // "<document> - <application>".
  void UpdateFrameTitle(const std::string& documentTitle, const std::string& appTitle);

  // Pixels the window is to be larger than its natural size.
  void GrowWindow(int dx, int dy);
  int GrowthX() const { return m_nGrowX; }
  int GrowthY() const { return m_nGrowY; }
  // Brings the frame to the front, restoring it when minimised (the backend's work).
  void ActivateFrame();

  // Toolbar and status bar models.
  const std::vector<ToolBarButton>& ToolBarButtons() const { return m_toolBar; }
  bool IsToolBarVisible() const { return m_bToolBarVisible; }
  void ShowToolBar(bool show);
  void EnableToolBarTips(bool enable);
  bool ToolBarTipsEnabled() const { return m_bToolBarTips; }
  const std::vector<StatusPane>& StatusPanes() const { return m_statusPanes; }
  bool IsStatusBarVisible() const { return m_bStatusBarVisible; }
  void ShowStatusBar(bool show);
  // The message pane: a prompt while the pointer is over a menu item or button.
  void ShowPrompt(int command);
  void ShowIdleMessage();
  void SetMessageText(const std::string& text);

  std::string CommandPrompt(int command) const;
  std::string CommandToolTip(int command) const;

  // The state a command shows in, asked along the route.
  CommandState QueryCommand(int command);
  // A menu pick, toolbar click or accelerator: runs only when enabled.
  bool ExecuteCommand(int command);
  // True when the key is an accelerator (run or, when disabled, ignored).
  bool TranslateAccelerator(Key key, uint8_t modifiers);
  // Idle-time update of the toolbar buttons and the status panes.
  virtual void OnIdle();

  // The close box and Exit: CanClose decides; then the host ends the message loop.
  void UserClose();
  // Files dropped on the frame; ignored until a handler is set.
  void SetDropFilesHandler(std::function<void(const std::vector<std::string>&)> handler) {
    m_onDropFiles = std::move(handler);
  }
  bool AcceptsFiles() const { return static_cast<bool>(m_onDropFiles); }
  void UserDropFiles(const std::vector<std::string>& paths) {
    if (m_onDropFiles) m_onDropFiles(paths);
  }

  void SetObserver(FrameObserver* observer) { m_pObserver = observer; }
  FrameObserver* Observer() const { return m_pObserver; }

 protected:
  // Builds the bars; returns 0, or -1 to fail the creation.
  virtual int OnCreate();
  virtual bool CanClose();
  // The frame's own steps of OnCreate.
  bool CreateToolBar();
  bool CreateStatusBar();
  void Changed(FrameChange change);
  StatusPane* FindPane(int id);

 private:
  bool RouteCommand(int command);
  void RouteUpdate(int command, CommandState& state, bool& decided);

  FrameResources m_resources;
  Window* m_pView = nullptr;
  CommandTarget* m_pDocumentTarget = nullptr;
  CommandTarget* m_pApplicationTarget = nullptr;
  const RecentFileList* m_pRecentFiles = nullptr;
  FrameObserver* m_pObserver = nullptr;
  std::function<void(const std::vector<std::string>&)> m_onDropFiles;
  std::string m_strTitle;
  std::vector<ToolBarButton> m_toolBar;
  std::vector<StatusPane> m_statusPanes;
  bool m_bToolBarVisible = true;
  bool m_bStatusBarVisible = true;
  bool m_bToolBarTips = true;
  bool m_bRealised = false;
  bool m_bPrompting = false;
  int m_nGrowX = 0;
  int m_nGrowY = 0;
};

}  // namespace platform
