#include "platform/window/window.h"

#include "platform/host.h"
#include "platform/window/data_exchange.h"

namespace platform {

Window::Window(const DialogTemplate& source) : m_template(source), m_strCaption(source.caption) {}

Window::~Window() { DestroyWindow(); }

std::unique_ptr<Control> Window::MakeControl(const ControlTemplate& source) {
  switch (source.kind) {
    case ControlKind::PushButton: return std::make_unique<PushButton>(*this, source);
    case ControlKind::StaticText: return std::make_unique<StaticText>(*this, source);
    case ControlKind::GroupBox: return std::make_unique<GroupBox>(*this, source);
    case ControlKind::Edit: return std::make_unique<Edit>(*this, source);
    case ControlKind::ComboBox: return std::make_unique<ComboBox>(*this, source);
    case ControlKind::CheckBox: return std::make_unique<CheckBox>(*this, source);
    case ControlKind::ProgressBar: return std::make_unique<ProgressBar>(*this, source);
    case ControlKind::Slider: return std::make_unique<Slider>(*this, source);
    case ControlKind::UpDown: return std::make_unique<UpDown>(*this, source);
    case ControlKind::ScrollBar: return std::make_unique<ScrollBar>(*this, source);
    case ControlKind::Icon: return std::make_unique<IconControl>(*this, source);
  }
  return std::make_unique<StaticText>(*this, source);
}

void Window::BuildControls() {
  m_controls.clear();
  for (const ControlTemplate& source : m_template.controls) {
    m_controls.push_back(MakeControl(source));
    auto* upDown = dynamic_cast<UpDown*>(m_controls.back().get());
    if (upDown != nullptr && upDown->HasStyle(style::kAutoBuddy) && m_controls.size() >= 2)
      upDown->SetBuddy(m_controls[m_controls.size() - 2].get());
  }
  m_strCaption = m_template.caption;
}

bool Window::Create(Window* owner) {
  if (m_bCreated) return false;
  m_pOwner = owner;
  BuildControls();
  m_bCreated = true;
  m_bModal = false;
  m_bVisible = (m_template.style & wstyle::kVisible) != 0 || (m_template.style & wstyle::kChild) != 0;
  OnInitDialog();
  Host* host = GetHost();
  if (host != nullptr && (m_template.style & wstyle::kChild) == 0 && m_bCreated) host->RealiseWindow(*this);
  return true;
}

int Window::DoModal() {
  if (m_bCreated) return -1;
  BuildControls();
  m_bCreated = true;
  m_bModal = true;
  m_bVisible = true;
  m_nModalResult = -1;
  m_bModalEnded = false;
  OnInitDialog();
  Host* host = GetHost();
  if (host != nullptr && !m_bModalEnded) host->RunModal(*this);
  const int result = m_nModalResult;
  DestroyWindow();
  return result;
}

void Window::EndDialog(int result) {
  m_nModalResult = result;
  if (!m_bModal) {
    ShowWindow(false);
    return;
  }
  if (m_bModalEnded) return;
  m_bModalEnded = true;
  if (Host* host = GetHost()) host->EndModal(*this);
}

void Window::DestroyWindow() {
  if (!m_bCreated) return;
  if (Host* host = GetHost()) host->DestroyWindow(*this);
  if (m_pObserver != nullptr) m_pObserver->OnWindowChanged(*this, WindowChange::Destroyed);
  m_pObserver = nullptr;
  m_bCreated = false;
  m_bVisible = false;
  m_controls.clear();
}

void Window::ShowWindow(bool show) {
  if (m_bVisible == show) return;
  m_bVisible = show;
  if (m_pObserver != nullptr) m_pObserver->OnWindowChanged(*this, WindowChange::Visible);
}

void Window::SetWindowText(const std::string& caption) {
  if (m_strCaption == caption) return;
  m_strCaption = caption;
  if (m_pObserver != nullptr) m_pObserver->OnWindowChanged(*this, WindowChange::Caption);
}

Control* Window::GetDlgItem(int id) const {
  if (id == kIdStatic) return nullptr;
  for (const auto& control : m_controls)
    if (control->GetDlgCtrlID() == id) return control.get();
  return nullptr;
}

bool Window::UpdateData(bool saveAndValidate) {
  DataExchange dx(*this, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

void Window::EnableToolTips(bool enable) {
  if (m_bToolTips == enable) return;
  m_bToolTips = enable;
  if (m_pObserver != nullptr) m_pObserver->OnWindowChanged(*this, WindowChange::ToolTips);
}

std::optional<std::string> Window::ToolTipText(int controlId) {
  if (!m_bToolTips || !m_onToolTipText) return std::nullopt;
  return m_onToolTipText(controlId);
}

void Window::UserClose() {
  if (m_onClose)
    m_onClose();
  else
    OnCancel();
}

void Window::UserResize(int cx, int cy) {
  if (m_onSize) m_onSize(0, cx, cy);
}

void Window::UserContextMenu(Point screen) {
  if (m_onContextMenu) m_onContextMenu(screen);
}

void Window::DispatchNotify(Control& control, Notification notification) {
  const int id = control.GetDlgCtrlID();
  for (const NotifyEntry& entry : m_notifyTable) {
    if (entry.id == id && entry.notification == notification) {
      const auto handler = entry.handler;
      handler();
      return;
    }
  }
  if (notification != Notification::Clicked) return;
  // A click is a command of the button's id, as menu commands are.
  if (OnCommand(id)) return;
  if (id == kIdOk)
    OnOK();
  else if (id == kIdCancel)
    OnCancel();
}

void Window::DispatchScroll(Control& control, ScrollCode code, int pos, bool vertical) {
  const auto& handler = vertical ? m_onVScroll : m_onHScroll;
  if (handler) handler(code, pos, &control);
}

bool Window::DispatchDeltaPos(UpDown& control, int delta) {
  for (const auto& [id, handler] : m_deltaTable)
    if (id == control.GetDlgCtrlID()) return handler(delta);
  return true;
}

void Window::ControlChanged(Control& control, ControlChange change) {
  if (m_pObserver != nullptr) m_pObserver->OnControlChanged(control, change);
}

bool Window::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Window::DoDataExchange(DataExchange&) {}

void Window::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(kIdOk);
}

void Window::OnCancel() { EndDialog(kIdCancel); }

void Window::BindNotify(int id, Notification notification, std::function<void()> handler) {
  m_notifyTable.push_back({id, notification, std::move(handler)});
}

void Window::BindDeltaPos(int id, std::function<bool(int)> handler) { m_deltaTable.emplace_back(id, std::move(handler)); }

}  // namespace platform
