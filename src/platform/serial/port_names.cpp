#include "platform/serial/port_names.h"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/settings_path.h"

namespace platform {

namespace {
constexpr int kStandardPorts = 4;

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

// 1 to 4 for "COM1" to "COM4", else 0.
int StandardPortNumber(const std::string& name) {
  const std::string upper = Upper(name);
  if (upper.size() != 4 || upper.compare(0, 3, "COM") != 0) return 0;
  const int number = upper[3] - '0';
  return number >= 1 && number <= kStandardPorts ? number : 0;
}

struct PortsLookup {
  std::string key;
  std::string value;
  bool found = false;
};

int OnIniEntry(void* user, const char* section, const char* name, const char* value) {
  auto* lookup = static_cast<PortsLookup*>(user);
  if (Upper(section) == "PORTS" && Upper(name) == lookup->key) {
    lookup->value = value;
    lookup->found = true;
  }
  return 1;
}

std::string PortFromSettingsFile(const std::filesystem::path& file, const std::string& key) {
  PortsLookup lookup{key, {}, false};
  // A missing or unreadable file simply maps nothing; so does a line inih cannot parse.
  if (ini_parse(file.c_str(), OnIniEntry, &lookup) < 0) return {};
  return lookup.found ? lookup.value : std::string();
}

// "ttyS10" after "ttyS9".
bool NaturalLess(const std::string& a, const std::string& b) {
  const auto split = [](const std::string& s) {
    size_t digits = s.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(s[digits - 1]))) --digits;
    return std::make_pair(s.substr(0, digits), digits < s.size() ? std::stoul(s.substr(digits)) : 0UL);
  };
  return split(a) < split(b);
}

std::string ReadFirstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

std::vector<std::string> DevicesNamed(const std::string& prefix) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("/dev", ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
        std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                    [](unsigned char c) { return std::isdigit(c); })) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end(), NaturalLess);
  return names;
}
}  // namespace

PortMapping ResolvePortName(const std::string& name) {
  if (!name.empty() && name[0] == '/') return {name, "path"};
  const int number = StandardPortNumber(name);
  if (number == 0) return {{}, "no such port"};
  const std::string key = "COM" + std::to_string(number);
  const std::string variable = "TALVEXUPDATE_" + key;
  if (const char* mapped = std::getenv(variable.c_str()); mapped != nullptr && mapped[0] != '\0') {
    return {mapped, variable};
  }
  if (const std::filesystem::path settings = UserSettingsPath(); !settings.empty()) {
    if (std::string mapped = PortFromSettingsFile(settings, key); !mapped.empty()) {
      return {mapped, settings.string() + " [Ports]"};
    }
  }
  return {"/dev/ttyS" + std::to_string(number - 1), "default"};
}

std::vector<std::string> StandardPortNames() {
  std::vector<std::string> names;
  for (int i = 1; i <= kStandardPorts; ++i) names.push_back("COM" + std::to_string(i));
  return names;
}

std::vector<SerialDevice> FindSerialDevices() {
  std::vector<SerialDevice> devices;
  std::error_code ec;
  std::vector<std::string> links;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/serial/by-id", ec)) {
    links.push_back(entry.path().string());
  }
  std::sort(links.begin(), links.end());
  for (const std::string& link : links) {
    const std::filesystem::path target = std::filesystem::canonical(link, ec);
    devices.push_back({link, ec ? std::string("broken link") : "-> " + target.string()});
  }
  for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
    for (const std::string& name : DevicesNamed(prefix)) {
      std::string note;
      // The kernel makes ttyS nodes for UARTs that are not there; their type is 0 (unknown).
      if (std::string(prefix) == "ttyS" && ReadFirstLine("/sys/class/tty/" + name + "/type") == "0") {
        note = "no UART detected";
      }
      devices.push_back({"/dev/" + name, note});
    }
  }
  return devices;
}

}  // namespace platform
