#include "platform/window/frame_window.h"

#include "platform/host.h"
#include "platform/window/window.h"

namespace platform {

FrameWindow::FrameWindow() {
  BindCommand(cmd::kViewToolbar, [this] { ShowToolBar(!m_bToolBarVisible); });
  BindCommandUpdate(cmd::kViewToolbar, [this](CommandState& state) { state.SetCheck(m_bToolBarVisible); });
  BindCommand(cmd::kViewStatusBar, [this] { ShowStatusBar(!m_bStatusBarVisible); });
  BindCommandUpdate(cmd::kViewStatusBar, [this](CommandState& state) { state.SetCheck(m_bStatusBarVisible); });
  BindCommand(cmd::kAppExit, [this] { UserClose(); });
  BindCommandUpdateRange(cmd::kIndicatorCaps, cmd::kIndicatorScroll, [](CommandState& state) {
    const Host* host = GetHost();
    const LockKeys keys = host != nullptr ? host->QueryLockKeys() : LockKeys{};
    state.Enable(state.id == cmd::kIndicatorCaps ? keys.caps : state.id == cmd::kIndicatorNum ? keys.num : keys.scroll);
  });
}

FrameWindow::~FrameWindow() { DestroyWindow(); }

bool FrameWindow::LoadFrame(const FrameResources& resources) {
  m_resources = resources;
  return OnCreate() == 0;
}

int FrameWindow::OnCreate() { return CreateToolBar() && CreateStatusBar() ? 0 : -1; }

bool FrameWindow::CreateToolBar() {
  if (m_resources.toolbar == nullptr) return false;
  m_toolBar.clear();
  for (int command : m_resources.toolbar->commands) m_toolBar.push_back({command, false, false});
  return true;
}

bool FrameWindow::CreateStatusBar() {
  if (m_resources.indicators.empty()) return false;
  m_statusPanes.clear();
  for (int id : m_resources.indicators) {
    StatusPane pane;
    pane.id = id;
    if (m_resources.strings != nullptr) {
      const auto text = m_resources.strings->Find(id == 0 ? cmd::kIdleMessage : id);
      if (text) pane.text = std::string(*text);
    }
    pane.sizingText = pane.text;
    m_statusPanes.push_back(std::move(pane));
  }
  return true;
}

void FrameWindow::Realise() {
  if (m_bRealised) return;
  if (Host* host = GetHost()) host->RealiseFrame(*this);
  m_bRealised = true;
}

void FrameWindow::DestroyWindow() {
  if (!m_bRealised) return;
  if (Host* host = GetHost()) host->DestroyFrame(*this);
  Changed(FrameChange::Destroyed);
  m_pObserver = nullptr;
  m_bRealised = false;
}

void FrameWindow::SetWindowText(const std::string& title) {
  if (m_strTitle == title) return;
  m_strTitle = title;
  Changed(FrameChange::Title);
}

void FrameWindow::UpdateFrameTitle(const std::string& documentTitle, const std::string& appTitle) {
  SetWindowText(documentTitle.empty() ? appTitle : documentTitle + " - " + appTitle);
}

void FrameWindow::GrowWindow(int dx, int dy) {
  m_nGrowX += dx;
  m_nGrowY += dy;
  Changed(FrameChange::Geometry);
}

void FrameWindow::ActivateFrame() { Changed(FrameChange::Activate); }

void FrameWindow::ShowToolBar(bool show) {
  if (m_bToolBarVisible == show) return;
  m_bToolBarVisible = show;
  Changed(FrameChange::ToolBarVisible);
}

void FrameWindow::EnableToolBarTips(bool enable) {
  if (m_bToolBarTips == enable) return;
  m_bToolBarTips = enable;
  Changed(FrameChange::ToolTips);
}

void FrameWindow::ShowStatusBar(bool show) {
  if (m_bStatusBarVisible == show) return;
  m_bStatusBarVisible = show;
  Changed(FrameChange::StatusBarVisible);
}

StatusPane* FrameWindow::FindPane(int id) {
  for (StatusPane& pane : m_statusPanes)
    if (pane.id == id) return &pane;
  return nullptr;
}

void FrameWindow::SetMessageText(const std::string& text) {
  StatusPane* pane = FindPane(0);
  if (pane == nullptr || pane->text == text) return;
  pane->text = text;
  Changed(FrameChange::StatusBar);
}

void FrameWindow::ShowPrompt(int command) {
  const std::string prompt = CommandPrompt(command);
  if (prompt.empty()) {
    ShowIdleMessage();
    return;
  }
  m_bPrompting = true;
  SetMessageText(prompt);
}

void FrameWindow::ShowIdleMessage() {
  m_bPrompting = false;
  std::string idle;
  if (m_resources.strings != nullptr) idle = std::string(m_resources.strings->Prompt(cmd::kIdleMessage));
  SetMessageText(idle);
}

std::string FrameWindow::CommandPrompt(int command) const {
  if (m_resources.strings == nullptr || command == 0) return {};
  return std::string(m_resources.strings->Prompt(command));
}

std::string FrameWindow::CommandToolTip(int command) const {
  if (m_resources.strings == nullptr || command == 0) return {};
  return std::string(m_resources.strings->ToolTip(command));
}

void FrameWindow::RouteUpdate(int command, CommandState& state, bool& decided) {
  CommandTarget* route[] = {m_pView, m_pDocumentTarget, this, m_pApplicationTarget};
  for (CommandTarget* target : route) {
    if (target == nullptr) continue;
    state.enabled = true;
    if (target->OnUpdateCommand(command, state)) {
      decided = true;
      return;
    }
  }
  state.enabled = false;
  for (CommandTarget* target : route) {
    if (target != nullptr && target->HasCommandHandler(command)) {
      state.enabled = true;
      decided = true;
      return;
    }
  }
}

CommandState FrameWindow::QueryCommand(int command) {
  CommandState state;
  state.id = command;
  bool decided = false;
  RouteUpdate(command, state, decided);
  return state;
}

bool FrameWindow::RouteCommand(int command) {
  CommandTarget* route[] = {m_pView, m_pDocumentTarget, this, m_pApplicationTarget};
  for (CommandTarget* target : route)
    if (target != nullptr && target->OnCommand(command)) return true;
  return false;
}

bool FrameWindow::ExecuteCommand(int command) {
  if (command == 0 || !QueryCommand(command).enabled) return false;
  return RouteCommand(command);
}

bool FrameWindow::TranslateAccelerator(Key key, uint8_t modifiers) {
  if (m_resources.accelerators == nullptr) return false;
  for (const Accelerator& entry : m_resources.accelerators->entries) {
    if (entry.key == key && entry.modifiers == modifiers) {
      ExecuteCommand(entry.command);
      return true;
    }
  }
  return false;
}

void FrameWindow::OnIdle() {
  bool toolBarChanged = false;
  for (ToolBarButton& button : m_toolBar) {
    if (button.command == 0) continue;
    const CommandState state = QueryCommand(button.command);
    if (state.enabled != button.enabled || state.checked != button.checked) {
      button.enabled = state.enabled;
      button.checked = state.checked;
      toolBarChanged = true;
    }
  }
  if (toolBarChanged) Changed(FrameChange::ToolBar);

  bool panesChanged = false;
  for (StatusPane& pane : m_statusPanes) {
    if (pane.id == 0) continue;
    CommandState state = QueryCommand(pane.id);
    if (state.enabled != pane.enabled) {
      pane.enabled = state.enabled;
      panesChanged = true;
    }
    if (state.text && *state.text != pane.text) {
      pane.text = *state.text;
      panesChanged = true;
    }
  }
  if (panesChanged) Changed(FrameChange::StatusBar);
}

bool FrameWindow::CanClose() { return true; }

void FrameWindow::UserClose() {
  if (!CanClose()) return;
  if (Host* host = GetHost()) host->Quit(0);
}

void FrameWindow::Changed(FrameChange change) {
  if (m_pObserver != nullptr) m_pObserver->OnFrameChanged(*this, change);
}

}  // namespace platform
