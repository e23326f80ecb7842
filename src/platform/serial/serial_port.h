#pragma once
// A serial port opened exclusively by name. The POSIX implementation lives
// beside this header; a Win32 one can follow behind the same interface.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The system's error codes as the program reads them. Every other failure
// keeps the code the operating system gave.
inline constexpr uint32_t kErrorFileNotFound = 2;  // no such device
inline constexpr uint32_t kErrorAccessDenied = 5;  // in use, or no permission

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
  // Refuses (with an error, changing nothing) what the line cannot do, such as
  // one and a half stop bits on POSIX.
  virtual uint32_t SetState(const PortSettings& settings) = 0;
  virtual uint32_t SetTimeouts(const PortTimeouts& timeouts) = 0;
  // Returns when n bytes arrived or the read time-out passed since the call.
  virtual IoResult Read(uint8_t* buffer, size_t n) = 0;
  // Returns when the bytes have left or the write time-out passed.
  virtual IoResult Write(const uint8_t* data, size_t n) = 0;
  // Discards both directions and aborts pending transfers.
  virtual void Purge() = 0;
  // Releases the device; further calls fail. The destructor closes as well.
  virtual void Close() = 0;
};

struct PortOpenResult {
  std::unique_ptr<SerialPort> port;  // empty unless error is 0
  uint32_t error = 0;
  std::string devicePath;  // the device that was tried ("" when the name maps to none)
  std::string reason;      // for access denied: why, in words for the log
};

// Opens the port called `name` ("COM1" to "COM4", or an absolute device path)
// for this process alone, in raw mode with flow control off, with the default
// time-outs. Its settings stay as the driver had them until SetState.
PortOpenResult OpenSerialPort(const std::string& name);

// The system's wording for one of its error codes.
std::string SystemErrorText(uint32_t code);

}  // namespace platform
