#pragma once
// The main form: the control panel of template 101 with the progress channel
// the document, the loader and the device code report through.

#include <optional>
#include <string>

#include "core/main_form_link.h"
#include "platform/window/form_view.h"
#include "serial/line_settings.h"

class COVUpdateDoc;
namespace platform {
class FrameWindow;
}

class COVUpdateView : public platform::FormView, public MainFormLink {
 public:
  explicit COVUpdateView(COVUpdateDoc& doc);
  ~COVUpdateView() override;

  // The progress channel and its companions: callable from any thread; each
  // call has completed on the UI thread, with its result, before it returns.
  bool BeginProgress(int low, int high, std::string caption, int step) override;
  bool StepProgress(std::string text) override;
  bool SetProgressPos(int pos, std::string text) override;
  bool EndProgress() override;
  void ShowFileName(std::string name) override;
  void EnableFileButtons(bool enable) override;
  void EnableUpdateButtons(bool enable) override;
  void EnableActivatePort(bool enable) override;
  void EnableLoadHex(bool enable) override;
  void Refresh() override;

  void OnInitialUpdate() override;
  COVUpdateDoc& GetDocument() const { return m_document; }

  // Control members, bound by DoDataExchange.
  platform::PushButton* m_btnCheckDevice = nullptr;
  platform::PushButton* m_btnLoadHex = nullptr;
  platform::PushButton* m_btnSendUnformatted = nullptr;
  platform::PushButton* m_btnUpdateMatrix = nullptr;
  platform::PushButton* m_btnUpdateDevice = nullptr;
  platform::PushButton* m_btnUpdateConsole = nullptr;
  platform::PushButton* m_btnTestHex = nullptr;
  platform::PushButton* m_btnViewMemory = nullptr;
  platform::PushButton* m_btnViewRecords = nullptr;
  platform::StaticText* m_lblFileName = nullptr;
  platform::GroupBox* m_grpStatus = nullptr;
  platform::PushButton* m_btnCancel = nullptr;
  platform::ProgressBar* m_progress = nullptr;
  platform::PushButton* m_btnActivatePort = nullptr;
  platform::ComboBox* m_cboPort = nullptr;
  platform::PushButton* m_btnAdvanced = nullptr;

  int m_nPortIndex = 0;
  bool m_bAdvancedAllowed = false;
  bool m_bUserDefinedPort = false;
  COVUpdateDoc* m_pDoc = nullptr;
  // The line settings the port opens with; the advanced settings dialog edits them.
  OVLineSettings m_lineSettings;

 protected:
  void DoDataExchange(platform::DataExchange& dx) override;

 private:
  // On the UI thread.
  bool BeginProgressNow(int low, int high, const std::string& caption, int step);
  bool ReportNow(const std::string& text, bool step, int pos);
  bool EndProgressNow();
  void EnableUpdateButtonsNow(bool enable);
  void Log(const std::string& line);
  void PumpDuringLongOperation();

  void OnCancelProgress();
  void OnLoadHexFile();
  void OnTestHexFile();
  void OnUpdateFileOpen(platform::CommandState& state);
  void OnContextMenu(platform::Point screen);
  std::optional<std::string> OnToolTipText(int id);
  void OnFilePrint(bool showDialog);
  bool OnPreparePrinting(bool showDialog);
  void OnPrint() {}

  // Port (view_port.cpp).
  void OnActivatePort();
  void OnPortDropDown();
  void OnPortCloseUp();
  void SetPortActive(bool active);
  void ShowPortUnavailable(const char* message);

  COVUpdateDoc& m_document;
  bool m_bWindowGrown = false;
};
