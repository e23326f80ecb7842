#include "serial/open_port.h"

#include <cerrno>
#include <cmath>

namespace serial {

uint32_t BaudRateForIndex(int index) {
  // Far outside the list the rate is 0, which the port refuses like any rate it lacks.
  if (index < -16 || index > 16) return 0;
  return static_cast<uint32_t>(std::ldexp(300.0, index));
}

void ApplyLineSettings(const OVLineSettings& line, platform::PortSettings& block) {
  block.outX = false;
  block.inX = false;
  block.baudRate = BaudRateForIndex(line.m_nBaudRate);
  block.byteSize = static_cast<uint8_t>(line.m_nDataBits + 7);
  block.parity = static_cast<platform::Parity>(line.m_nParity);
  block.stopBits = static_cast<platform::StopBits>(line.m_nStopBits);
}

OpenedPort OpenPort(const OVLineSettings& line, const std::string& portName) {
  OpenedPort result;
  auto block = std::make_unique<platform::PortSettings>();
  platform::PortOpenResult opened = platform::OpenSerialPort(portName);
  result.devicePath = opened.devicePath;
  if (opened.error != 0 || !opened.port) {
    result.error = opened.error != 0 ? opened.error : platform::kErrorFileNotFound;
    if (result.error == platform::kErrorAccessDenied) result.accessDeniedReason = opened.reason;
    return result;
  }
  platform::SerialPort& port = *opened.port;
  port.GetState(*block);  // a failure leaves the block as it was, which is still usable
  ApplyLineSettings(line, *block);
  // The result is what applying the settings returned, never an older error.
  result.error = port.SetState(*block);
  port.SetTimeouts({kReadTimeoutMs, kWriteTimeoutMs});
  if (result.error != 0) {
    port.Close();
    return result;
  }
  result.port = std::move(opened.port);
  result.settings = std::move(block);
  return result;
}

std::string OpenFailureMessage(uint32_t error, const OVLineSettings& line) {
  std::string cause;
  if (error == EINVAL && line.m_nStopBits == static_cast<int>(platform::StopBits::OneAndHalf)) {
    cause = "The serial ports of this system do not support 1.5 stop bits.  \nPlease choose 1 or 2 stop bits.";
  } else if (error == EINVAL) {
    cause = "The port does not accept the chosen line settings.";
  } else if (error == ENOTTY) {
    cause = "The selected device is not a serial port.";
  } else {
    cause = platform::SystemErrorText(error) + ".";
  }
  return "The selected serial port could not be set up.  \n\n" + cause + "\n\nError code: " + std::to_string(error);
}

}  // namespace serial
