#include "ui/main_frame.h"

#include "app/update_doc.h"
#include "platform/host.h"
#include "res/resources.h"
#include "ui/log_window.h"

using namespace res;

namespace {
constexpr const char* kMsgNoHelp = "No help file is installed with TalvexUpdate.";
constexpr const char* kMsgTransferRunning =
    "A transfer to the device is still running.  \n\nPress Cancel and wait for it to end before you exit.";
}  // namespace

CMainFrame::CMainFrame(COVUpdateDoc& doc) : m_document(doc) {
  BindCommandUpdate(ID_INDICATOR_PORT, [this](platform::CommandState& state) { OnUpdatePortPane(state); });
  // The help file is not part of the program: the help commands say so instead.
  for (int id : {ID_HELP_INDEX, ID_HELP, ID_CONTEXT_HELP, ID_DEFAULT_HELP}) BindCommand(id, [this] { OnHelp(); });
  BindCommand(ID_VIEW_STATUS_LOG, [this] { OnViewStatusLog(); });
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create() {
  platform::FrameResources resources;
  resources.menu = FindMenu(IDR_MAINFRAME);
  resources.accelerators = FindAccelerators(IDR_MAINFRAME);
  resources.toolbar = FindToolbar(IDR_MAINFRAME);
  resources.strings = &res::Strings();
  resources.indicators = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL, ID_INDICATOR_PORT};
  return LoadFrame(resources);
}

int CMainFrame::OnCreate() {
  if (Menu() == nullptr || Accelerators() == nullptr) return -1;
  if (!CreateToolBar() || !CreateStatusBar()) return -1;
  m_bPortPaneActive = 0;
  m_logWindow = std::make_unique<OVLogWindow>(m_document.m_logView);
  m_logWindow->Create();
  return 0;
}

void CMainFrame::OnUpdatePortPane(platform::CommandState& state) {
  state.Enable();
  state.SetText(m_bPortPaneActive == 1 ? "Port ACTIVE" : "Port Inactive");
}

void CMainFrame::OnHelp() { platform::MessageBox(kMsgNoHelp, platform::Buttons::Ok, platform::Icon::Information); }

void CMainFrame::OnViewStatusLog() {
  if (m_logWindow) m_logWindow->Show();
}

void CMainFrame::OnIdle() {
  FrameWindow::OnIdle();
  if (m_logWindow && m_logWindow->IsVisible()) m_logWindow->Refresh();
}

// Exit frees the document, whose port and memory maps a running worker uses:
// refused until the transfer has ended (the operator may press Cancel).
bool CMainFrame::CanClose() {
  if (m_document.m_pWorker.load() == nullptr) return true;
  platform::MessageBox(kMsgTransferRunning, platform::Buttons::Ok);
  return false;
}
