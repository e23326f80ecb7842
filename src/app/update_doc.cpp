#include "app/update_doc.h"

#include "firmware/hex_file.h"
#include "firmware/info_block.h"
#include "firmware/mem_map.h"
#include "firmware/version_checks.h"
#include "platform/serial/serial_port.h"

COVUpdateDoc::COVUpdateDoc() {
  for (auto& aux : m_szDevAux) aux[0] = '?';
  for (auto& aux : m_szFileAux) aux[0] = '?';
}

COVUpdateDoc::~COVUpdateDoc() {
  m_pHexFile.reset();
  m_pHexFile2.reset();
  if (m_hPort) m_hPort->Close();
  m_hPort.reset();
  m_pMemMap.reset();
  m_pMemMap2.reset();
}

int COVUpdateDoc::CheckDeviceType() const { return ::CheckDeviceType(m_szDevType, m_szFileDeviceType); }

int COVUpdateDoc::CheckHardwareVersion() const { return ::CheckHardwareVersion(m_szDevHardware, m_hwVersions); }

int COVUpdateDoc::CheckFirmwareVersion() const { return ::CheckFirmwareVersion(m_szDevFirmware, m_szFileFirmware); }
