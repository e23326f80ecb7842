#include "app/log_view.h"

#include <algorithm>
#include <string_view>

namespace {
constexpr int kTrimAboveLines = 100;
constexpr size_t kTrimChars = 500;

// The edit breaks lines at "\r\n" only.
int CountLineBreaks(std::string_view text) {
  int count = 0;
  for (size_t i = text.find("\r\n"); i != std::string_view::npos; i = text.find("\r\n", i + 2)) ++count;
  return count;
}
}  // namespace

void OVLogView::AppendLine(std::string text) {
  std::lock_guard lock(m_mutex);
  if (m_nLineBreaks + 1 > kTrimAboveLines) {
    const size_t cut = std::min(kTrimChars, m_text.size());
    // A cut between '\r' and '\n' breaks that pair too.
    const bool splitsPair = cut > 0 && cut < m_text.size() && m_text[cut - 1] == '\r' && m_text[cut] == '\n';
    m_nLineBreaks -= CountLineBreaks(std::string_view(m_text).substr(0, cut)) + (splitsPair ? 1 : 0);
    m_text.erase(0, cut);
  }
  // A text ending in '\r' joins the appended "\r\n" as one break only.
  m_text += text;
  m_text += "\r\n";
  m_nLineBreaks = m_nLineBreaks + CountLineBreaks(text) + 1;
  ++m_nRevision;
}

std::string OVLogView::Text() const {
  std::lock_guard lock(m_mutex);
  return m_text;
}

int OVLogView::LineCount() const {
  std::lock_guard lock(m_mutex);
  return m_nLineBreaks + 1;
}

uint64_t OVLogView::Revision() const {
  std::lock_guard lock(m_mutex);
  return m_nRevision;
}
