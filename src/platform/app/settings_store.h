#pragma once
// The per-user settings file (INI text). Other layers keep sections of their
// own in the same file, so a save rewrites only the sections it changed and
// keeps every other line as it was.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class SettingsStore {
 public:
  explicit SettingsStore(std::filesystem::path path) : m_path(std::move(path)) {}
  const std::filesystem::path& Path() const { return m_path; }

  // The section's key=value pairs in file order; empty when the file or section is missing.
  std::vector<std::pair<std::string, std::string>> ReadSection(const std::string& section) const;
  // Replaces the section (creating file, folder and section as needed); false when the file cannot be written.
  bool WriteSection(const std::string& section, const std::vector<std::pair<std::string, std::string>>& entries) const;

 private:
  std::filesystem::path m_path;
};

}  // namespace platform
