#pragma once
// Where the per-user settings file lives. The serial layer reads its [Ports]
// section; the application keeps its recent-file list in the same file.

#include <filesystem>

namespace platform {

// $XDG_CONFIG_HOME/TalvexUpdate/TalvexUpdate.ini, or ~/.config/TalvexUpdate/TalvexUpdate.ini
// when XDG_CONFIG_HOME is unset or not absolute. Empty when no home folder is known.
// The file is INI text: [Section] lines and key=value lines.
std::filesystem::path UserSettingsPath();

}  // namespace platform
