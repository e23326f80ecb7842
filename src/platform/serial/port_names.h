#pragma once
// Which device a port name stands for, and which serial devices this machine has.

#include <string>
#include <vector>

namespace platform {

struct PortMapping {
  std::string path;    // the device to open; empty when the name stands for none
  std::string source;  // where the mapping came from, in words
};

// "COM1" to "COM4" (any case) map to, in this order of precedence: the
// environment variable TALVEXUPDATE_COMn, the key COMn of the [Ports] section
// of the per-user settings file, /dev/ttyS0 to /dev/ttyS3. An absolute path
// stands for itself. Any other name stands for no device.
PortMapping ResolvePortName(const std::string& name);

// The names the port selector offers.
std::vector<std::string> StandardPortNames();

struct SerialDevice {
  std::string path;
  std::string note;  // e.g. the target of a by-id link, or that no UART answers
};

// /dev/serial/by-id links, then ttyUSB*, ttyACM* and ttyS* devices, each group in natural order.
std::vector<SerialDevice> FindSerialDevices();

}  // namespace platform
