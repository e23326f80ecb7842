#include "platform/app/settings_store.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include <unistd.h>

namespace platform {

namespace {
std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// "[name]" gives name; anything else gives nothing.
std::optional<std::string> SectionName(const std::string& line) {
  const std::string trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  return trimmed.substr(1, trimmed.size() - 2);
}

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
}  // namespace

std::vector<std::pair<std::string, std::string>> SettingsStore::ReadSection(const std::string& section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  bool inSection = false;
  for (const std::string& line : ReadLines(m_path)) {
    if (const auto name = SectionName(line)) {
      inSection = *name == section;
      continue;
    }
    if (!inSection) continue;
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') continue;
    const size_t equals = trimmed.find('=');
    if (equals == std::string::npos) continue;
    entries.emplace_back(Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1)));
  }
  return entries;
}

bool SettingsStore::WriteSection(const std::string& section,
                                 const std::vector<std::pair<std::string, std::string>>& entries) const {
  if (m_path.empty()) return false;
  std::vector<std::string> kept;
  bool inSection = false;
  for (const std::string& line : ReadLines(m_path)) {
    if (const auto name = SectionName(line)) inSection = *name == section;
    if (!inSection) kept.push_back(line);
  }
  while (!kept.empty() && Trim(kept.back()).empty()) kept.pop_back();

  std::ostringstream out;
  for (const std::string& line : kept) out << line << '\n';
  if (!kept.empty()) out << '\n';
  out << '[' << section << "]\n";
  for (const auto& [key, value] : entries) out << key << '=' << value << '\n';

  std::error_code error;
  std::filesystem::create_directories(m_path.parent_path(), error);
  // Written beside the file and renamed over it, so a crash never leaves half a file.
  const std::filesystem::path temporary = m_path.string() + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << out.str();
    if (!file.flush()) return false;
  }
  std::filesystem::rename(temporary, m_path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace platform
