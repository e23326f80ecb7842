#pragma once
// The message log: every status line of the run, bounded to about its last
// 100 lines. Appends come from the UI thread and the upload worker; the
// window that shows the text reads it through Text() and Revision().

#include <cstdint>
#include <mutex>
#include <string>

class OVLogView {
 public:
  void AppendLine(std::string text);

  std::string Text() const;
  // The edit's line count: the lines plus the empty one after the last "\r\n".
  int LineCount() const;
  // Changes with every append, so a window can tell when to redraw.
  uint64_t Revision() const;

 private:
  mutable std::mutex m_mutex;
  std::string m_text;
  int m_nLineBreaks = 0;
  uint64_t m_nRevision = 0;
};
