#pragma once
// The three comparisons of what the file says with what the device reported:
// 0 mismatch, 1 compatible, 2 cannot tell.

#include <string>
#include <vector>

int CheckDeviceType(const char (&devType)[4], const char (&fileDeviceType)[4]);
int CheckHardwareVersion(const char (&devHardware)[3], const std::vector<std::string>& hwVersions);
int CheckFirmwareVersion(const char (&devFirmware)[4], const char (&fileFirmware)[4]);
