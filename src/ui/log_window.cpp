#include "ui/log_window.h"

#include "app/log_view.h"
#include "platform/window/data_exchange.h"
#include "res/resources.h"

OVLogWindow::OVLogWindow(OVLogView& log) : Window(*res::FindDialog(res::IDD_LOG_VIEW)), m_log(log) {
  BindClose([this] { ShowWindow(false); });
  BindSize([this](int, int cx, int cy) {
    if (m_editLog != nullptr) m_editLog->MoveWindow({0, 0, cx, cy});
  });
}

void OVLogWindow::DoDataExchange(platform::DataExchange& dx) {
  Window::DoDataExchange(dx);
  platform::DDX_Control(dx, res::IDC_LOG_EDIT, m_editLog);
}

void OVLogWindow::Refresh() {
  if (m_editLog == nullptr) return;
  const uint64_t revision = m_log.Revision();
  if (revision == m_nShownRevision) return;
  m_nShownRevision = revision;
  m_editLog->SetWindowText(m_log.Text());
}

void OVLogWindow::Show() {
  Refresh();
  ShowWindow(true);
}
