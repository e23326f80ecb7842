#pragma once
// The application base: the single-document template (one document, its frame
// and its view), New, the open-file flow, the recent-file list and the
// per-user settings. The program's application supplies the document side.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/app/document_template.h"
#include "platform/app/recent_file_list.h"
#include "platform/app/settings_store.h"
#include "platform/window/command_target.h"

namespace platform {

class FrameWindow;

class Application : public CommandTarget {
 public:
  explicit Application(std::string_view documentDescription);
  ~Application() override;

  virtual bool InitInstance() = 0;
  // Runs the host's message loop; returns its exit code.
  int Run();

  const DocumentTemplate& GetDocTemplate() const { return m_docTemplate; }
  FrameWindow* GetMainWnd() const { return m_pMainWnd; }

  // Settings live in the per-user file (UserSettingsPath) unless a test gives another.
  void SetSettingsPath(std::filesystem::path path) { m_settingsPath = std::move(path); }
  void SetRegistryKey(const std::string& key) { m_strRegistryKey = key; }
  const std::string& RegistryKey() const { return m_strRegistryKey; }
  void LoadStdProfileSettings(size_t recentFileCount);
  const RecentFileList& RecentFiles() const { return m_recentFiles; }

  // New: creates the document, frame and view on the first call; later calls
  // reset the title. False when the document refused or the windows failed.
  bool OnFileNew();
  // The file dialog with the template's filter, then OpenDocumentFile.
  void OnFileOpen();
  // The one open path: gated by CanOpenDocuments, then the document's load. True when loaded.
  bool OpenDocumentFile(const std::string& path);
  // Files dropped on the frame: the first is opened.
  void OnDropFiles(const std::vector<std::string>& paths);

  const std::string& DocumentTitle() const { return m_strDocTitle; }
  const std::string& DocumentPath() const { return m_strPathName; }

 protected:
  // The document side, in this order at the first New: document, frame (its
  // LoadFrame), view; the frame becomes the main window.
  virtual FrameWindow* CreateDocumentWindows() = 0;
  virtual bool DocumentNew() = 0;
  virtual bool DocumentOpen(const std::string& path) = 0;
  // The views' initial update after each New and each open.
  virtual void InitialUpdate() = 0;
  // Whether New, open and the recent files are usable now: by default the state of File > Open.
  virtual bool CanOpenDocuments();

  void SaveStdProfileSettings();
  void UpdateFrameTitle();
  void OnOpenRecentFile(int command);

 private:
  SettingsStore Store() const;
  std::string RecentFileSection() const { return m_strRegistryKey + "/Recent File List"; }

  DocumentTemplate m_docTemplate;
  RecentFileList m_recentFiles;
  std::optional<std::filesystem::path> m_settingsPath;
  std::string m_strRegistryKey;
  FrameWindow* m_pMainWnd = nullptr;
  std::string m_strDocTitle;
  std::string m_strPathName;
  bool m_bRecentFilesLoaded = false;
};

}  // namespace platform
