// The port selector and the Activate Port / Disable Port button of the main form.
#include <cstdint>
#include <string>

#include "app/update_doc.h"
#include "platform/host.h"
#include "res/resources.h"
#include "serial/open_port.h"
#include "ui/main_frame.h"
#include "ui/ovupdate_view.h"

using namespace res;

namespace {
constexpr const char* kMsgPortNotFound =
    "Access to the selected serial port was denied by Windows.  \n\nThe serial port driver does not have an entry for "
    "this port.  \nPlease check the system properties and ensure that this port exists.";
constexpr const char* kMsgPortInUse =
    "Access to the selected serial port was denied by Windows.  \n\nThe port may be in use by another device.";
constexpr const char* kUnavailable = "Unavailable";
constexpr int kFifthEntry = 4;
}  // namespace

void COVUpdateView::SetPortActive(bool active) {
  if (auto* frame = dynamic_cast<CMainFrame*>(GetParentFrame())) frame->SetPortActive(active);
}

void COVUpdateView::OnActivatePort() {
  if (m_pDoc == nullptr) m_pDoc = &m_document;
  if (m_bPortActive) {
    m_bPortActive = false;
    if (!m_bAdvancedAllowed)
      m_cboPort->SetEnabled(true);
    else
      m_btnAdvanced->SetEnabled(true);
    SetPortActive(false);
    m_btnActivatePort->SetWindowText("Activate Port");
    EnableUpdateButtonsNow(false);
    m_btnCheckDevice->SetEnabled(false);
    // Released at once, so the next activation of the same port is not refused as in use.
    m_pDoc->ClosePort();
    return;
  }

  const std::string portName = m_cboPort->GetLBText(m_nPortIndex);
  const uint32_t result = m_pDoc->OpenPort(m_lineSettings, portName);
  if (result == 0) {
    m_bPortActive = true;
    m_cboPort->SetEnabled(false);
    m_btnAdvanced->SetEnabled(false);
    SetPortActive(true);
    m_btnActivatePort->SetWindowText("Disable Port");
    m_btnCheckDevice->SetEnabled(true);
    if (m_pDoc->HasHexFile()) EnableUpdateButtonsNow(true);
  } else if (result == platform::kErrorFileNotFound) {
    ShowPortUnavailable(kMsgPortNotFound);
  } else if (result == platform::kErrorAccessDenied) {
    ShowPortUnavailable(kMsgPortInUse);
  } else {
    // A port that cannot be set up is told, not passed over in silence.
    platform::MessageBox(serial::OpenFailureMessage(result, m_lineSettings), platform::Buttons::Ok);
  }
}

void COVUpdateView::ShowPortUnavailable(const char* message) {
  platform::MessageBox(message, platform::Buttons::Ok);
  m_btnActivatePort->SetEnabled(false);
  m_cboPort->DeleteString(kFifthEntry);
  m_cboPort->AddString(kUnavailable);
  m_cboPort->SetCurSel(kFifthEntry);
}

void COVUpdateView::OnPortDropDown() {
  m_nPortIndex = 0;
  m_cboPort->DeleteString(kFifthEntry);
  m_cboPort->SetCurSel(m_nPortIndex);
}

void COVUpdateView::OnPortCloseUp() {
  m_nPortIndex = m_cboPort->GetCurSel();
  // The advanced settings dialog takes the port index too once it exists.
  m_btnActivatePort->SetEnabled(true);
}
