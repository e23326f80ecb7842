#include <filesystem>
#include <system_error>

#include "cli/command.h"
#include "platform/serial/port_names.h"

namespace {
int RunPorts(CliContext& ctx, const std::vector<std::string>& args);
}

extern const CliCommand kPortsCommand;
const CliCommand kPortsCommand = {
    "ports", "", "COM1 to COM4 with the device each maps to, then the serial devices of this machine", &RunPorts};

namespace {

int RunPorts(CliContext& ctx, const std::vector<std::string>& args) {
  CliArgs parsed;
  std::string error;
  if (!ParseCliArgs(args, {}, {}, parsed, error)) return UsageError(ctx, kPortsCommand, error);
  if (!parsed.positional.empty()) return UsageError(ctx, kPortsCommand, "no arguments expected");

  for (const std::string& name : platform::StandardPortNames()) {
    const platform::PortMapping mapping = platform::ResolvePortName(name);
    std::error_code ec;
    // Follows links, so a by-id link whose adapter is unplugged counts as missing.
    const bool exists = std::filesystem::exists(mapping.path, ec);
    ctx.out << name << " -> " << mapping.path << " (" << mapping.source << "): " << (exists ? "exists" : "missing")
            << "\n";
  }
  ctx.out << "\nSerial devices found:\n";
  const std::vector<platform::SerialDevice> devices = platform::FindSerialDevices();
  if (devices.empty()) ctx.out << "  none\n";
  for (const platform::SerialDevice& device : devices) {
    ctx.out << "  " << device.path;
    if (!device.note.empty()) ctx.out << " (" << device.note << ")";
    ctx.out << "\n";
  }
  return kExitOk;
}

}  // namespace
