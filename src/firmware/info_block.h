#pragma once
// The firmware-information header: "{Key = value}" blocks before a file's
// first record. A load parses them into an OVFileInfo of its own and the
// document installs it only when the whole load has succeeded.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "firmware/archive.h"

inline constexpr size_t kMaxInfoBlock = 200;
inline constexpr size_t kMaxInfoKey = 20;
inline constexpr size_t kMaxInfoToken = 20;
inline constexpr int kAuxVersionCount = 20;

// Looked up in this order, case-sensitively; the index is the key's number.
inline constexpr std::array<std::string_view, 6> kInfoKeys = {
    "HardwareVersionRange", "HardwareVersionList", "FirmwareVersion",
    "AuxiliaryVersion",     "DeviceType",          "Display",
};

enum OVInfoKey {
  kKeyHardwareVersionRange = 0,
  kKeyHardwareVersionList = 1,
  kKeyFirmwareVersion = 2,
  kKeyAuxiliaryVersion = 3,
  kKeyDeviceType = 4,
  kKeyDisplay = 5,
};

// The values a file's header names; a new one holds the unknown state.
struct OVFileInfo {
  OVFileInfo();

  char m_szFileDeviceType[4] = {'?', 0, 0, 0};
  char m_szFileFirmware[4] = {'?', 0, 0, 0};
  uint8_t m_bInfoBlock = 0;
  std::vector<std::string> m_hwVersions;
  std::vector<std::string> m_auxLabels;
  char m_szFileAux[kAuxVersionCount][4] = {};
};

// Reads every character up to and including the first ':' and puts the reader
// back at that ':'. Returns the header without the ':'. Throws
// OVArchiveEndOfFile when the stream has no ':'.
std::string ReadInfoHeader(OVArchive& ar);
// Parses every block of a header into info, in file order.
void ParseInfoBlocks(std::string_view header, OVFileInfo& info);
// Parses one block's text; returns the key's index, or -1 for an unknown or missing key.
int ParseInfoEntry(std::string_view block, OVFileInfo& info);
// The codes a HardwareVersionRange covers, from its tokens.
std::vector<std::string> HardwareVersionRange(const std::vector<std::string>& tokens);
