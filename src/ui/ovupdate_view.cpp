#include "ui/ovupdate_view.h"

#include "app/doc_messages.h"
#include "app/update_doc.h"
#include "platform/host.h"
#include "platform/window/data_exchange.h"
#include "platform/window/frame_window.h"
#include "res/resources.h"

using namespace res;

namespace {
constexpr const char* kMsgNoFileToTest =
    "A OV Hex File must be loaded before it can be tested.  \n\nPlease use \"File-Open...\" or press the open toolbar "
    "button.";
// The main window grows by this much once, at start-up.
constexpr int kGrowX = 10;
constexpr int kGrowY = 30;
}  // namespace

COVUpdateView::COVUpdateView(COVUpdateDoc& doc) : FormView(*FindDialog(IDD_OVUPDATE_FORM)), m_document(doc) {
  BindClicked(IDC_ACTIVATE_PORT, [this] { OnActivatePort(); });
  BindNotify(IDC_PORT, platform::Notification::DropDown, [this] { OnPortDropDown(); });
  BindNotify(IDC_PORT, platform::Notification::CloseUp, [this] { OnPortCloseUp(); });
  BindClicked(IDC_CANCEL, [this] { OnCancelProgress(); });
  BindClicked(IDC_LOAD_HEX, [this] { OnLoadHexFile(); });
  BindClicked(IDC_TEST_HEX, [this] { OnTestHexFile(); });
  BindCommandUpdate(ID_FILE_OPEN, [this](platform::CommandState& state) { OnUpdateFileOpen(state); });
  BindCommand(ID_FILE_PRINT, [this] { OnFilePrint(true); });
  BindCommand(ID_FILE_PRINT_DIRECT, [this] { OnFilePrint(false); });
  BindContextMenu([this](platform::Point screen) { OnContextMenu(screen); });
  BindToolTipText([this](int id) { return OnToolTipText(id); });
  // Views, the update buttons, Advanced... and the hidden overrides arrive with their own windows and operations.
}

COVUpdateView::~COVUpdateView() {
  if (m_document.m_pView == this) m_document.m_pView = nullptr;
}

void COVUpdateView::DoDataExchange(platform::DataExchange& dx) {
  FormView::DoDataExchange(dx);
  platform::DDX_Control(dx, IDC_CHECK_DEVICE, m_btnCheckDevice);
  platform::DDX_Control(dx, IDC_LOAD_HEX, m_btnLoadHex);
  platform::DDX_Control(dx, IDC_SEND_UNFORMATTED, m_btnSendUnformatted);
  platform::DDX_Control(dx, IDC_UPDATE_MATRIX, m_btnUpdateMatrix);
  platform::DDX_Control(dx, IDC_UPDATE_DEVICE, m_btnUpdateDevice);
  platform::DDX_Control(dx, IDC_UPDATE_CONSOLE, m_btnUpdateConsole);
  platform::DDX_Control(dx, IDC_TEST_HEX, m_btnTestHex);
  platform::DDX_Control(dx, IDC_VIEW_MEMORY, m_btnViewMemory);
  platform::DDX_Control(dx, IDC_VIEW_RECORDS, m_btnViewRecords);
  platform::DDX_Control(dx, IDC_FILE_NAME, m_lblFileName);
  platform::DDX_Control(dx, IDC_STATUS, m_grpStatus);
  platform::DDX_Control(dx, IDC_CANCEL, m_btnCancel);
  platform::DDX_Control(dx, IDC_PROGRESS, m_progress);
  platform::DDX_Control(dx, IDC_ACTIVATE_PORT, m_btnActivatePort);
  platform::DDX_Control(dx, IDC_PORT, m_cboPort);
  platform::DDX_Control(dx, IDC_ADVANCED, m_btnAdvanced);
  platform::DDX_CBIndex(dx, IDC_PORT, m_nPortIndex);
  if (m_btnCancel != nullptr) m_btnCancel->SetWorksDuringLongOperation(true);
}

void COVUpdateView::OnInitialUpdate() {
  FormView::OnInitialUpdate();
  platform::FrameWindow* frame = GetParentFrame();
  // Once: growing at every open and New would enlarge the window without bound.
  if (!m_bWindowGrown && frame != nullptr) {
    frame->GrowWindow(kGrowX, kGrowY);
    m_bWindowGrown = true;
  }
  EnableToolTips(m_document.m_bToolTips != 0);
  if (frame != nullptr) frame->EnableToolBarTips(m_document.m_bToolTips != 0);
  m_document.m_pView = this;
  if (m_document.HasHexFile()) {
    ShowFileName(m_document.GetFileName());
    EnableFileButtons(true);
  }
}

void COVUpdateView::OnLoadHexFile() {
  // The application's open command: the same path as File > Open.
  if (platform::FrameWindow* frame = GetParentFrame()) frame->ExecuteCommand(ID_FILE_OPEN);
}

void COVUpdateView::OnUpdateFileOpen(platform::CommandState& state) {
  state.Enable(m_btnLoadHex != nullptr && m_btnLoadHex->IsEnabled());
}

void COVUpdateView::OnTestHexFile() {
  if (m_pDoc == nullptr) m_pDoc = &m_document;
  if (!m_pDoc->HasHexFile()) {
    platform::MessageBox(kMsgNoFileToTest, platform::Buttons::Ok);
    return;
  }
  const bool passed = m_pDoc->TestHexFile(true);
  platform::MessageBox(passed ? kMsgTestPassed : kMsgTestFailed, platform::Buttons::Ok);
}

void COVUpdateView::OnContextMenu(platform::Point screen) {
  platform::FrameWindow* frame = GetParentFrame();
  platform::Host* host = platform::GetHost();
  if (frame == nullptr || host == nullptr) return;
  frame->ActivateFrame();
  const platform::MenuResource* menu = FindMenu(IDR_CONTEXT_MENU);
  if (menu == nullptr) return;
  // A keyboard request comes with a position too; the menu shows wherever that is.
  const int command = host->TrackPopupMenu(*menu, screen, *frame);
  if (command != 0) frame->ExecuteCommand(command);
}

std::optional<std::string> COVUpdateView::OnToolTipText(int id) {
  if (id == 0 || id == platform::kIdStatic) return std::nullopt;
  const auto text = res::Strings().Find(id);
  if (!text) return std::nullopt;
  return std::string(*text);
}

bool COVUpdateView::OnPreparePrinting(bool showDialog) {
  if (!showDialog) return true;
  platform::Host* host = platform::GetHost();
  return host != nullptr && host->ShowPrintDialog();
}

// Printing draws nothing on the page; the job ends with the dialog.
void COVUpdateView::OnFilePrint(bool showDialog) {
  if (!OnPreparePrinting(showDialog)) return;
  OnPrint();
}
