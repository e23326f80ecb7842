#include "platform/app/document_template.h"

namespace platform {

std::string DocumentTemplate::GetDocString(Field field) const {
  size_t begin = 0;
  for (int i = 0; i < field; ++i) {
    begin = m_description.find('\n', begin);
    if (begin == std::string::npos) return {};
    ++begin;
  }
  const size_t end = m_description.find('\n', begin);
  return m_description.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

}  // namespace platform
