#include "platform/app/recent_file_list.h"

#include <algorithm>
#include <filesystem>

namespace platform {

namespace {
constexpr size_t kShortPath = 40;
}

void RecentFileList::Add(const std::string& path) {
  // A line break could not be stored in the settings file.
  if (path.empty() || m_nCapacity == 0 || path.find_first_of("\r\n") != std::string::npos) return;
  m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
  m_paths.insert(m_paths.begin(), path);
  if (m_paths.size() > m_nCapacity) m_paths.resize(m_nCapacity);
}

void RecentFileList::Remove(size_t index) {
  if (index < m_paths.size()) m_paths.erase(m_paths.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string RecentFileList::MenuText(size_t index) const {
  if (index >= m_paths.size()) return {};
  std::string shown = m_paths[index];
  if (shown.size() > kShortPath) shown = ".../" + std::filesystem::path(shown).filename().string();
  // A single "&" would mark a mnemonic.
  std::string escaped;
  for (char c : shown) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return "&" + std::to_string(index + 1) + " " + escaped;
}

void RecentFileList::Load(const SettingsStore& store, const std::string& section) {
  m_paths.clear();
  for (size_t i = 1; i <= m_nCapacity; ++i) {
    const std::string key = "File" + std::to_string(i);
    for (const auto& [name, value] : store.ReadSection(section)) {
      if (name == key && !value.empty() && std::find(m_paths.begin(), m_paths.end(), value) == m_paths.end()) {
        m_paths.push_back(value);
        break;
      }
    }
  }
}

bool RecentFileList::Save(const SettingsStore& store, const std::string& section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  for (size_t i = 0; i < m_paths.size(); ++i) entries.emplace_back("File" + std::to_string(i + 1), m_paths[i]);
  return store.WriteSection(section, entries);
}

}  // namespace platform
