#include "firmware/version_checks.h"

#include <cstring>
#include <string_view>

namespace {
std::string_view FieldText(const char* field, size_t size) { return {field, ::strnlen(field, size)}; }
}  // namespace

int CheckDeviceType(const char (&devType)[4], const char (&fileDeviceType)[4]) {
  if (devType[0] == '?' || fileDeviceType[0] == '?') return 2;
  return std::memcmp(devType, fileDeviceType, 3) == 0 ? 1 : 0;
}

int CheckHardwareVersion(const char (&devHardware)[3], const std::vector<std::string>& hwVersions) {
  // No file has named hardware versions: there is no first entry to look at, so
  // the operator has to decide.
  if (hwVersions.empty()) return 2;
  const char first = hwVersions.front().empty() ? '\0' : hwVersions.front()[0];
  if (devHardware[0] == '?') return first == '?' ? 1 : 2;
  if (first == '?') return 1;
  const std::string_view device = FieldText(devHardware, sizeof devHardware);
  for (const std::string& version : hwVersions)
    if (version == device) return 1;
  return 0;
}

int CheckFirmwareVersion(const char (&devFirmware)[4], const char (&fileFirmware)[4]) {
  if (devFirmware[0] == '?' || fileFirmware[0] == '?') return 2;
  // string_view compares as unsigned characters, bounded by the fields.
  return FieldText(devFirmware, sizeof devFirmware) < FieldText(fileFirmware, sizeof fileFirmware) ? 1 : 0;
}
