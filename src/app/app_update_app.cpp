#include "app/app_update_app.h"

#include "app/about_dlg.h"
#include "app/update_doc.h"
#include "platform/window/form_view.h"
#include "platform/window/frame_window.h"
#include "res/resources.h"

COVUpdateApp::COVUpdateApp(MainWindowFactory& windows)
    : Application(*res::Strings().Find(res::IDR_MAINFRAME)), m_windows(windows) {
  BindCommand(res::ID_APP_ABOUT, [this] { OnAppAbout(); });
}

COVUpdateApp::~COVUpdateApp() {
  // The windows first: they refer to the document.
  m_pView.reset();
  m_pFrame.reset();
  m_pDoc.reset();
}

// The object-service, automation and shell-registration steps have no
// counterpart here: one document, started empty; a file named on the command
// line is not opened; files open by menu, button, recent list and drop.
bool COVUpdateApp::InitInstance() {
  SetRegistryKey(kRegistryKey);
  LoadStdProfileSettings(4);
  if (!OnFileNew()) return false;
  m_pFrame->SetDropFilesHandler([this](const std::vector<std::string>& paths) { OnDropFiles(paths); });
  m_pFrame->Realise();
  return true;
}

platform::FrameWindow* COVUpdateApp::CreateDocumentWindows() {
  m_pDoc = std::make_unique<COVUpdateDoc>();
  m_pFrame = m_windows.CreateFrame(*m_pDoc);
  if (!m_pFrame) return nullptr;
  m_pView = m_windows.CreateView(*m_pDoc);
  if (!m_pView) return nullptr;
  m_pView->SetParentFrame(m_pFrame.get());
  m_pFrame->SetView(m_pView.get());
  m_docCommands.Attach(m_pDoc.get(), m_pView.get(), m_pFrame.get());
  m_pFrame->SetDocumentTarget(&m_docCommands);
  m_pView->Create();
  return m_pFrame.get();
}

bool COVUpdateApp::DocumentOpen(const std::string& path) { return m_pDoc != nullptr && m_pDoc->OnOpenDocument(path); }

void COVUpdateApp::InitialUpdate() {
  if (m_pView) m_pView->OnInitialUpdate();
}

void COVUpdateApp::OnAppAbout() {
  CAboutDlg about;
  about.DoModal();
}
