#include "app/update_doc.h"
#include "platform/serial/serial_port.h"
#include "serial/open_port.h"

uint32_t COVUpdateDoc::OpenPort(const OVLineSettings& line, const std::string& portName) {
  // An earlier handle would keep the device locked, so opening the same port
  // again would be refused as in use.
  ClosePort();
  serial::OpenedPort opened = serial::OpenPort(line, portName);
  if (opened.error == platform::kErrorAccessDenied) {
    m_logView.AppendLine(!opened.accessDeniedReason.empty() ? opened.accessDeniedReason
                                                            : "Access to " + opened.devicePath + " was denied.");
  }
  if (opened.error != 0) return opened.error;
  m_hPort = std::move(opened.port);
  m_pDCB = std::move(opened.settings);
  return 0;
}

void COVUpdateDoc::ClosePort() {
  if (m_hPort) m_hPort->Close();
  m_hPort.reset();
  m_pDCB.reset();
}
