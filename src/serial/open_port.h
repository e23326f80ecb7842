#pragma once
// Opening and configuring the port for the document: the line settings of the
// advanced settings record applied to a new settings block, with the read and
// write time-outs of the device protocol.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/serial/serial_port.h"
#include "serial/line_settings.h"

namespace serial {

inline constexpr uint32_t kReadTimeoutMs = 1000;
inline constexpr uint32_t kWriteTimeoutMs = 5000;

struct OpenedPort {
  uint32_t error = 0;  // 0, or the system's code: 2 no such port, 5 in use or no permission
  // Both set when error is 0, both empty otherwise: a port that refuses its
  // settings is closed again rather than kept half configured.
  std::unique_ptr<platform::SerialPort> port;
  std::unique_ptr<platform::PortSettings> settings;
  std::string devicePath;          // the device that was tried
  std::string accessDeniedReason;  // set with error 5: one line for the log
};

// 300 x 2^index, truncated: 0 gives 300, 7 gives 38400.
uint32_t BaudRateForIndex(int index);

// The line settings written into a settings block, XON/XOFF off both ways.
void ApplyLineSettings(const OVLineSettings& line, platform::PortSettings& block);

OpenedPort OpenPort(const OVLineSettings& line, const std::string& portName);

// The OK box text for a failure other than 2 and 5 (those have their own
// messages on the form): names the error and, where it can, the cause.
std::string OpenFailureMessage(uint32_t error, const OVLineSettings& line);

}  // namespace serial
