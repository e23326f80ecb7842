#include "platform/settings_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

namespace {
std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) return entry->pw_dir;
  return {};
}
}  // namespace

std::filesystem::path UserSettingsPath() {
  std::filesystem::path config;
  // A relative XDG_CONFIG_HOME is invalid by its own rules and is ignored.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
    config = xdg;
  } else {
    const std::filesystem::path home = HomeFolder();
    if (home.empty()) return {};
    config = home / ".config";
  }
  return config / "TalvexUpdate" / "TalvexUpdate.ini";
}

}  // namespace platform
