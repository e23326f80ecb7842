#include "platform/app/application.h"

#include <algorithm>

#include "platform/host.h"
#include "platform/settings_path.h"
#include "platform/window/frame_window.h"

namespace platform {

namespace {
constexpr size_t kDefaultRecentFiles = 4;
}

Application::Application(std::string_view documentDescription)
    : m_docTemplate(documentDescription), m_recentFiles(kDefaultRecentFiles) {
  BindCommand(cmd::kFileNew, [this] { OnFileNew(); });
  BindCommandUpdate(cmd::kFileNew, [this](CommandState& state) { state.Enable(CanOpenDocuments()); });
  BindCommand(cmd::kFileOpen, [this] { OnFileOpen(); });
  const int lastRecent = cmd::kFileMruFirst + static_cast<int>(kDefaultRecentFiles) - 1;
  BindCommandRange(cmd::kFileMruFirst, lastRecent, [this](int command) { OnOpenRecentFile(command); });
  BindCommandUpdateRange(cmd::kFileMruFirst, lastRecent, [this](CommandState& state) {
    const size_t index = static_cast<size_t>(state.id - cmd::kFileMruFirst);
    if (index >= m_recentFiles.Size()) {
      state.Enable(false);
      return;
    }
    state.SetText(m_recentFiles.MenuText(index));
    state.Enable(CanOpenDocuments());
  });
}

Application::~Application() = default;

int Application::Run() {
  Host* host = GetHost();
  return host != nullptr ? host->RunMessageLoop() : 0;
}

SettingsStore Application::Store() const { return SettingsStore(m_settingsPath ? *m_settingsPath : UserSettingsPath()); }

void Application::LoadStdProfileSettings(size_t recentFileCount) {
  m_recentFiles = RecentFileList(std::min(recentFileCount, kDefaultRecentFiles));
  m_recentFiles.Load(Store(), RecentFileSection());
  m_bRecentFilesLoaded = true;
}

void Application::SaveStdProfileSettings() {
  if (!m_bRecentFilesLoaded) return;
  // A settings file that cannot be written costs only the list of the next run.
  m_recentFiles.Save(Store(), RecentFileSection());
}

bool Application::CanOpenDocuments() {
  return m_pMainWnd == nullptr || m_pMainWnd->QueryCommand(cmd::kFileOpen).enabled;
}

bool Application::OnFileNew() {
  if (m_pMainWnd == nullptr) {
    FrameWindow* frame = CreateDocumentWindows();
    if (frame == nullptr) return false;
    m_pMainWnd = frame;
    frame->SetApplicationTarget(this);
    frame->SetRecentFileList(&m_recentFiles);
  } else if (!CanOpenDocuments()) {
    return false;
  }
  if (!DocumentNew()) return false;
  m_strDocTitle = DocumentTemplate::kUntitled;
  m_strPathName.clear();
  InitialUpdate();
  UpdateFrameTitle();
  return true;
}

void Application::OnFileOpen() {
  if (!CanOpenDocuments()) return;
  Host* host = GetHost();
  if (host == nullptr) return;
  const FileFilter filter{m_docTemplate.GetDocString(DocumentTemplate::kFilterName),
                          m_docTemplate.GetDocString(DocumentTemplate::kFilterExt)};
  if (const auto path = host->ChooseFileToOpen(filter)) OpenDocumentFile(*path);
}

bool Application::OpenDocumentFile(const std::string& path) {
  if (path.empty() || !CanOpenDocuments()) return false;
  if (m_pMainWnd == nullptr && !OnFileNew()) return false;
  if (!DocumentOpen(path)) return false;
  m_strPathName = path;
  m_strDocTitle = std::filesystem::path(path).filename().string();
  m_recentFiles.Add(path);
  SaveStdProfileSettings();
  InitialUpdate();
  UpdateFrameTitle();
  return true;
}

void Application::OnOpenRecentFile(int command) {
  const size_t index = static_cast<size_t>(command - cmd::kFileMruFirst);
  if (index >= m_recentFiles.Size() || !CanOpenDocuments()) return;
  const std::string path = m_recentFiles.Path(index);
  // An entry that no longer opens leaves the list, as the framework does.
  if (!OpenDocumentFile(path)) {
    m_recentFiles.Remove(index);
    SaveStdProfileSettings();
  }
}

void Application::OnDropFiles(const std::vector<std::string>& paths) {
  if (!paths.empty()) OpenDocumentFile(paths.front());
}

void Application::UpdateFrameTitle() {
  if (m_pMainWnd != nullptr)
    m_pMainWnd->UpdateFrameTitle(m_strDocTitle, m_docTemplate.GetDocString(DocumentTemplate::kWindowTitle));
}

}  // namespace platform
