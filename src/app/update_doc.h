#pragma once
// The one document: all state of a run — the loaded file, its memory images,
// the open port, what the device reported, the message log and the flags the
// update code sets and reads. Other layers read and write its members directly.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/log_view.h"
#include "core/main_form_link.h"
#include "core/viewer.h"

class OVArchive;
class OVHexFile;
class OVMemMap;
struct OVFileInfo;
struct OVLineSettings;
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

  // ---- The firmware file: load, test, information block, memory maps ----
  // (update_doc.cpp, doc_load.cpp, doc_test.cpp, doc_mem_map.cpp)

  // The one way to open a file: refuses while a worker runs (returns false at
  // once), reports an unreadable or malformed file in a message box and leaves
  // the loaded file as it was. True when the file was loaded.
  bool OnOpenDocument(const std::string& path);
  // False while an upload worker runs: a load would free the maps it reads.
  bool CanLoadFile() const { return m_pWorker.load() == nullptr; }
  // The load proper, all or nothing; fileName is installed with the lists.
  // False (after the message box) when the archive ended before the file was complete.
  bool Serialize(OVArchive& ar, std::string fileName);
  void OnRecordLoaded(OVArchive& ar);
  void SetRecordCount(int32_t count) { m_nRecords = count; }

  bool HasHexFile() const { return m_pHexFile != nullptr; }
  OVHexFile* GetHexFile() const { return m_pHexFile.get(); }
  OVHexFile* GetHexFile2() const { return m_pHexFile2.get(); }
  int32_t GetRecordCount() const { return m_nRecords; }
  std::string GetFileName() const { return m_strFileName; }

  // True when every record of the primary list has a valid checksum.
  bool TestHexFile(bool bShowProgress);

  // The header is parsed into info, which the load installs when it completes.
  void ParseInfoHeader(OVArchive& ar, OVFileInfo& info);
  int ParseInfoEntry(std::string_view block, OVFileInfo& info);
  int CheckDeviceType() const;
  int CheckHardwareVersion() const;
  int CheckFirmwareVersion() const;

  // Build the map on first need; false (after a message box) when memory ran out.
  bool CreateMemMap(MainFormLink* form);
  bool CreateMemMap2(MainFormLink* form);
  OVMemMap* GetMemMap() const { return m_pMemMap.get(); }
  OVMemMap* GetMemMap2() const { return m_pMemMap2.get(); }

  // ---- The port (doc_port.cpp) ----
  // Opens and configures portName with the line settings, releasing any earlier
  // port first. 0, or the system's code: 2 no such port, 5 in use or no
  // permission (with a log line that says why), others as the system gave them.
  // On failure no port is kept.
  uint32_t OpenPort(const OVLineSettings& line, const std::string& portName);
  // Releases the port so that it can be opened again, here or by another program.
  void ClosePort();

  // ---- Device type display names (src/update/device_names.cpp) ----
  // The device button's caption for a type code; sets m_bAltUpload for VWT, J2 and ZZZ.
  std::string DeviceDisplayName(std::string_view code);

  // Members in the order of the run-state table; widths as the device and file formats give them.
  OVViewer* m_pViewers = nullptr;
  std::unique_ptr<platform::SerialPort> m_hPort;
  std::unique_ptr<platform::PortSettings> m_pDCB;
  MainFormLink* m_pView = nullptr;
  char m_szFileDeviceType[4] = {'?', 0, 0, 0};
  std::unique_ptr<OVHexFile> m_pHexFile;
  std::string m_strFileName;
  int32_t m_nRecords = 0;
  int32_t m_b64kSystem = 0;
  int32_t m_bDeviceVOV = 0;
  int32_t m_bDeviceAccepted = 0;
  int32_t m_bAltUpload = 0;
  int32_t m_bDeviceVJV = 0;
  int32_t m_bDeviceZZZ = 0;
  std::unique_ptr<OVHexFile> m_pHexFile2;
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
  std::unique_ptr<OVMemMap> m_pMemMap;
  std::unique_ptr<OVMemMap> m_pMemMap2;
};
