#pragma once
// The recent-file list: the newest first, no path twice, at most its capacity.

#include <string>
#include <vector>

#include "platform/app/settings_store.h"

namespace platform {

class RecentFileList {
 public:
  explicit RecentFileList(size_t capacity = 4) : m_nCapacity(capacity) {}

  size_t Capacity() const { return m_nCapacity; }
  size_t Size() const { return m_paths.size(); }
  bool Empty() const { return m_paths.empty(); }
  const std::vector<std::string>& Paths() const { return m_paths; }
  const std::string& Path(size_t index) const { return m_paths.at(index); }

  void Add(const std::string& path);
  void Remove(size_t index);
  // "&1 path": the path whole when short, else its folder shortened to "...".
  std::string MenuText(size_t index) const;

  void Load(const SettingsStore& store, const std::string& section);
  bool Save(const SettingsStore& store, const std::string& section) const;

 private:
  size_t m_nCapacity;
  std::vector<std::string> m_paths;
};

}  // namespace platform
