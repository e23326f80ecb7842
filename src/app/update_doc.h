#pragma once
// The one document: all state of a run — the loaded file, its memory images,
// the open port, what the device reported, the message log and the flags the
// update code sets and reads. Other layers read and write its members directly.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/log_view.h"
#include "core/main_form_link.h"
#include "core/viewer.h"

class OVHexFile;
class OVMemMap;
namespace platform {
class SerialPort;
struct PortSettings;
class WorkerThread;
}  // namespace platform

class COVUpdateDoc {
 public:
  COVUpdateDoc();
  ~COVUpdateDoc();
  COVUpdateDoc(const COVUpdateDoc&) = delete;
  COVUpdateDoc& operator=(const COVUpdateDoc&) = delete;

  // Members in the order of the run-state table; widths as the device and file formats give them.
  OVViewer* m_pViewers = nullptr;
  std::unique_ptr<platform::SerialPort> m_hPort;
  std::unique_ptr<platform::PortSettings> m_pDCB;
  MainFormLink* m_pView = nullptr;
  char m_szFileDeviceType[4] = {'?', 0, 0, 0};
  OVHexFile* m_pHexFile = nullptr;
  std::string m_strFileName;
  int32_t m_nRecords = 0;
  int32_t m_b64kSystem = 0;
  int32_t m_bDeviceVOV = 0;
  int32_t m_bDeviceAccepted = 0;
  int32_t m_bAltUpload = 0;
  int32_t m_bDeviceVJV = 0;
  int32_t m_bDeviceZZZ = 0;
  OVHexFile* m_pHexFile2 = nullptr;
  char m_szDevFirmware[4] = {'?', 0, 0, 0};
  char m_szFileFirmware[4] = {'?', 0, 0, 0};
  uint8_t m_bAdvancedOverride = 0;
  uint8_t m_bInfoBlock = 0;
  uint8_t m_DeviceInfo[16] = {0xFF};
  uint8_t m_nDeviceInfoSum = 0;
  uint8_t m_nModeByte = 0;
  uint8_t m_bSerialOptional = 0;
  std::atomic<platform::WorkerThread*> m_pWorker{nullptr};
  OVLogView m_logView;
  uint8_t m_bToolTips = 1;
  std::vector<std::string> m_hwVersions;
  std::vector<std::string> m_auxLabels;
  char m_szDevType[4] = {'?', 0, 0, 0};
  char m_szDevHardware[3] = {'?', 0, 0};
  int32_t m_nDevAuxCount = 0;
  char m_szDevAux[20][4] = {};
  char m_szFileAux[20][4] = {};
  OVMemMap* m_pMemMap = nullptr;
  OVMemMap* m_pMemMap2 = nullptr;
};
