#pragma once
// The application object: start-up, the one document with its frame and
// form, About, and the commands of the application base (New, Open, the
// recent files). The windows come from a factory, since they live in a layer
// above this one.

#include <memory>

#include "app/app_doc_commands.h"
#include "platform/app/application.h"

class COVUpdateDoc;
namespace platform {
class FormView;
class FrameWindow;
}  // namespace platform

class MainWindowFactory {
 public:
  virtual ~MainWindowFactory() = default;
  // The frame, built (LoadFrame) but not yet realised; null when it failed.
  virtual std::unique_ptr<platform::FrameWindow> CreateFrame(COVUpdateDoc& doc) = 0;
  virtual std::unique_ptr<platform::FormView> CreateView(COVUpdateDoc& doc) = 0;
};

class COVUpdateApp : public platform::Application {
 public:
  // The settings key the recent-file list is stored under.
  static constexpr const char* kRegistryKey = "Quarrow Corporation - OVUpdate";

  explicit COVUpdateApp(MainWindowFactory& windows);
  ~COVUpdateApp() override;

  bool InitInstance() override;
  void OnAppAbout();

  COVUpdateDoc* GetDocument() const { return m_pDoc.get(); }
  platform::FormView* GetView() const { return m_pView.get(); }
  platform::FrameWindow* GetFrame() const { return m_pFrame.get(); }

 protected:
  platform::FrameWindow* CreateDocumentWindows() override;
  // The framework's default: the base resets the title and path; the records stay.
  bool DocumentNew() override { return true; }
  bool DocumentOpen(const std::string& path) override;
  void InitialUpdate() override;

 private:
  MainWindowFactory& m_windows;
  // Declared in this order so the form and the frame go before the document they use.
  std::unique_ptr<COVUpdateDoc> m_pDoc;
  std::unique_ptr<platform::FrameWindow> m_pFrame;
  std::unique_ptr<platform::FormView> m_pView;
  COVUpdateDocCommands m_docCommands;
};
