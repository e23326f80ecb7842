#pragma once
// The document type's description: string 128's seven fields, "\n" between them.

#include <string>
#include <string_view>

namespace platform {

class DocumentTemplate {
 public:
  enum Field { kWindowTitle = 0, kDocName, kFileNewName, kFilterName, kFilterExt, kRegFileTypeId, kRegFileTypeName };

  explicit DocumentTemplate(std::string_view description) : m_description(description) {}
  // The field, or empty when the description has fewer fields.
  std::string GetDocString(Field field) const;
  // The framework's name for a document without a title.
  static constexpr const char* kUntitled = "Untitled";

 private:
  std::string m_description;
};

}  // namespace platform
