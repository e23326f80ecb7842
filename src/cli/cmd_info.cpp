#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>

#include "app/update_doc.h"
#include "cli/command.h"
#include "firmware/hex_file.h"
#include "firmware/mem_map.h"

namespace {
int RunInfo(CliContext& ctx, const std::vector<std::string>& args);
}

extern const CliCommand kInfoCommand;
const CliCommand kInfoCommand = {
    "info", "FILE [--json]",
    "the file's information header, record counts, segments and extent", &RunInfo};

namespace {

using nlohmann::json;

// A stored code or version: its characters up to the NUL; empty when unknown.
std::string Stored(const char* field, size_t size) {
  if (field[0] == '?') return {};
  return std::string(field, ::strnlen(field, size));
}

json StoredOrNull(const char* field, size_t size) {
  if (field[0] == '?') return nullptr;
  return Stored(field, size);
}

int32_t ListLength(const OVHexFile* first) {
  int32_t count = 0;
  for (const OVHexFile* node = first; node != nullptr; node = node->GetNext()) ++count;
  return count;
}

std::vector<std::string> Segments(const OVMemMap& map) {
  std::vector<std::string> segments;
  for (int seg = 0; seg < 256; ++seg) {
    if (!map.HasSegment(static_cast<uint8_t>(seg))) continue;
    char text[4];
    std::snprintf(text, sizeof text, "%02X", seg);
    segments.emplace_back(text);
  }
  return segments;
}

struct AuxEntry {
  int index;
  json version;
  json label;
};

std::vector<AuxEntry> AuxEntries(const COVUpdateDoc& doc) {
  std::vector<AuxEntry> entries;
  for (int i = 0; i < 20; ++i) {
    const bool hasLabel = static_cast<size_t>(i) < doc.m_auxLabels.size() && !doc.m_auxLabels[i].empty();
    if (doc.m_szFileAux[i][0] == '?' && !hasLabel) continue;
    entries.push_back({i + 1, StoredOrNull(doc.m_szFileAux[i], 4), hasLabel ? json(doc.m_auxLabels[i]) : json(nullptr)});
  }
  return entries;
}

std::string Joined(const std::vector<std::string>& items, const char* none) {
  if (items.empty()) return none;
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
  return text;
}

std::string UnknownOr(const std::string& text) { return text.empty() ? "<Unknown>" : text; }

// A label is stored with its ": " for the dialog; the listing shows it bare.
std::string BareLabel(const json& label) {
  if (label.is_null()) return {};
  std::string text = label.get<std::string>();
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, ": ") == 0) text.resize(text.size() - 2);
  return text;
}

int RunInfo(CliContext& ctx, const std::vector<std::string>& args) {
  CliArgs parsed;
  if (const int status = LoadFileArgument(ctx, kInfoCommand, args, {"--json"}, {}, parsed); status != kExitOk)
    return status;
  COVUpdateDoc& doc = ctx.doc;
  const OVMemMap* map = BuildMemMap(ctx, false);
  if (map == nullptr) return kExitNoFile;
  const bool hasSecond = doc.GetHexFile2() != nullptr;
  const OVMemMap* map2 = hasSecond ? BuildMemMap(ctx, true) : nullptr;
  if (hasSecond && map2 == nullptr) return kExitNoFile;

  const std::string typeName = doc.DeviceDisplayName(doc.m_szFileDeviceType);
  const long long extent = map->m_nTopSeg * 4096LL + map->m_wTopOffset / 16 + 1;
  const std::vector<AuxEntry> aux = AuxEntries(doc);
  const std::vector<std::string> segments = Segments(*map);

  if (parsed.flags.count("--json") != 0) {
    json auxiliary = json::array();
    for (const AuxEntry& entry : aux)
      auxiliary.push_back({{"index", entry.index}, {"version", entry.version}, {"label", entry.label}});
    const json report = {
        {"file", doc.GetFileName()},
        {"device_type", StoredOrNull(doc.m_szFileDeviceType, 4)},
        {"device_type_name", typeName},
        {"firmware_version", StoredOrNull(doc.m_szFileFirmware, 4)},
        {"hardware_versions", doc.m_hwVersions},
        {"auxiliary_versions", auxiliary},
        {"info_block", doc.m_bInfoBlock != 0},
        {"records", doc.GetRecordCount()},
        {"second_image_records", hasSecond ? json(ListLength(doc.GetHexFile2())) : json(nullptr)},
        {"segments", segments},
        {"second_image_segments", hasSecond ? json(Segments(*map2)) : json(nullptr)},
        {"top_segment", map->m_nTopSeg},
        {"top_offset", map->m_wTopOffset},
        {"extent_records", extent},
    };
    // A file may name codes in any bytes; they must not stop the report.
    ctx.out << report.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    return kExitOk;
  }

  char line[128];
  auto row = [&ctx](const char* label, const std::string& value) {
    std::string name = std::string(label) + ":";
    if (!value.empty()) name.resize(20, ' ');
    ctx.out << name << value << "\n";
  };
  row("File", doc.GetFileName());
  row("Device type", UnknownOr(Stored(doc.m_szFileDeviceType, 4)) + " (" + typeName + ")");
  row("Firmware version", UnknownOr(Stored(doc.m_szFileFirmware, 4)));
  row("Hardware versions", Joined(doc.m_hwVersions, "<Unknown>"));
  row("Auxiliary versions", aux.empty() ? "<none>" : "");
  for (const AuxEntry& entry : aux) {
    const std::string version = entry.version.is_null() ? "<Unknown>" : entry.version.get<std::string>();
    std::snprintf(line, sizeof line, "  %2d  ", entry.index);
    ctx.out << line << version << (entry.label.is_null() ? "" : "  " + BareLabel(entry.label)) << "\n";
  }
  row("Records", std::to_string(doc.GetRecordCount()));
  row("Second image", hasSecond ? std::to_string(ListLength(doc.GetHexFile2())) + " records" : "none");
  row("Segments", Joined(segments, "<none>"));
  if (hasSecond) row("Second segments", Joined(Segments(*map2), "<none>"));
  std::snprintf(line, sizeof line, "0x%02X", map->m_nTopSeg);
  row("Top segment", line);
  std::snprintf(line, sizeof line, "0x%04X", map->m_wTopOffset);
  row("Top offset", line);
  row("Extent", std::to_string(extent) + " records of 16 bytes");
  return kExitOk;
}

}  // namespace
