#pragma once
// A serial port opened exclusively by name. The POSIX implementation lives
// beside this header; a Win32 one can follow behind the same interface.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

enum class Parity { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };
enum class StopBits { One = 0, OneAndHalf = 1, Two = 2 };

// The port settings block: what was last applied to the port.
struct PortSettings {
  uint32_t baudRate = 9600;
  uint8_t byteSize = 8;
  Parity parity = Parity::None;
  StopBits stopBits = StopBits::One;
  bool outX = false;  // XON/XOFF on output
  bool inX = false;   // XON/XOFF on input
};

struct PortTimeouts {
  uint32_t readTotalMs = 1000;
  uint32_t writeTotalMs = 5000;
};

struct IoResult {
  size_t transferred = 0;
  uint32_t error = 0;         // the system's code, 0 when none
  bool disconnected = false;  // the device is gone (adapter pulled, far end closed)
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  virtual uint32_t GetState(PortSettings& settings) = 0;
  virtual uint32_t SetState(const PortSettings& settings) = 0;
  virtual uint32_t SetTimeouts(const PortTimeouts& timeouts) = 0;
  // Returns when n bytes arrived or the read time-out passed since the call.
  virtual IoResult Read(uint8_t* buffer, size_t n) = 0;
  // Returns when the bytes have left or the write time-out passed.
  virtual IoResult Write(const uint8_t* data, size_t n) = 0;
  // Discards both directions and aborts pending transfers.
  virtual void Purge() = 0;
  virtual void Close() = 0;
};

}  // namespace platform
