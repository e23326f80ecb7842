#include <string>
#include <string_view>

#include "app/update_doc.h"

namespace {
struct DeviceName {
  std::string_view code;  // compared on its own length, so two-character rows match as prefixes
  const char* name;
  bool altUpload;
};

// Order matters: "J1 " is looked at before the two-character "J1" row.
constexpr DeviceName kDeviceNames[] = {
    {"QRa", "Darvell QR(Type A)", false}, {"QRb", "Darvell QR(Type B)", false},
    {"KQb", "Kessel QR(Type B)", false},  {"KQp", "Kessel QR(Type P)", false},
    {"J1 ", "Send To Talvex", false},     {"VOV", "Send To Talvex", false},
    {"VWT", "Send To Talvex", true},      {"J2", "Send To Talvex", true},
    {"J1", "Send To Talvex", false},      {"VJV", "VJT4870", false},
    {"ZZZ", "Send To Talvex", true},
};
}  // namespace

std::string COVUpdateDoc::DeviceDisplayName(std::string_view code) {
  for (const DeviceName& row : kDeviceNames) {
    if (code.substr(0, row.code.size()) != row.code) continue;
    if (row.altUpload) m_bAltUpload = 1;
    return row.name;
  }
  return "Talvex";
}
