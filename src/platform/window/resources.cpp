#include "platform/window/resources.h"

#include <algorithm>

namespace platform {

std::optional<std::string_view> StringTable::Find(int id) const {
  const auto it = std::find_if(m_entries.begin(), m_entries.end(), [id](const StringEntry& entry) { return entry.id == id; });
  if (it == m_entries.end()) return std::nullopt;
  return std::string_view(it->text);
}

std::string_view StringTable::Prompt(int id) const {
  const auto text = Find(id);
  if (!text) return {};
  return text->substr(0, text->find('\n'));
}

std::string_view StringTable::ToolTip(int id) const {
  const auto text = Find(id);
  if (!text) return {};
  const size_t newline = text->find('\n');
  return newline == std::string_view::npos ? std::string_view() : text->substr(newline + 1);
}

}  // namespace platform
