#pragma once
// The termios implementation of SerialPort. Reads and writes poll against a
// deadline; a hang-up or end of file reports the device as disconnected.

#include <termios.h>

#include <chrono>
#include <optional>
#include <string>

#include "platform/serial/serial_port.h"

namespace platform {

// The termios speed for a rate, if termios has one.
std::optional<speed_t> SpeedForBaud(uint32_t baudRate);

// Makes `tio` raw, with both flow controls off, CLOCAL|CREAD and VMIN=1, VTIME=0,
// and the rate and framing of `settings`. Returns EINVAL, leaving `tio` as it was,
// for what termios cannot do: one and a half stop bits, an unknown rate or framing.
uint32_t SettingsToTermios(const PortSettings& settings, termios& tio);
PortSettings SettingsFromTermios(const termios& tio);

class PosixSerialPort final : public SerialPort {
 public:
  // Takes an open, locked descriptor.
  explicit PosixSerialPort(int fd);
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  uint32_t GetState(PortSettings& settings) override;
  uint32_t SetState(const PortSettings& settings) override;
  uint32_t SetTimeouts(const PortTimeouts& timeouts) override;
  IoResult Read(uint8_t* buffer, size_t n) override;
  IoResult Write(const uint8_t* data, size_t n) override;
  void Purge() override;
  void Close() override;

 private:
  // Waits, at most until the write deadline, for the driver to pass the bytes on.
  size_t DrainUntil(std::chrono::steady_clock::time_point deadline);

  int m_fd;
  // A pseudo-terminal has no transmitter: what is written has reached the far
  // end's queue already, so there is nothing to wait for after a write.
  bool m_bDrainsOnLine = true;
  PortTimeouts m_timeouts;
  uint32_t m_baudRate = 9600;
};

// Opens a device path as it stands (no name resolution).
PortOpenResult OpenPosixSerialPort(const std::string& path);

}  // namespace platform
