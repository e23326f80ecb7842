#include <cstdio>

#include "app/update_doc.h"
#include "cli/command.h"
#include "firmware/hex_file.h"

namespace {
int RunRecords(CliContext& ctx, const std::vector<std::string>& args);
}

extern const CliCommand kRecordsCommand;
const CliCommand kRecordsCommand = {
    "records", "FILE [--from N] [--count M]",
    "one line per record: number, type, length, offset, checksum, data bytes", &RunRecords};

namespace {

// The fields as the record view shows them, tab-separated.
std::string RecordLine(const OVHexFile& node) {
  const OVHexRec& rec = *node.GetRecord();
  const char* name = RecordTypeName(rec.m_nType);
  char type[32];
  if (name == nullptr) std::snprintf(type, sizeof type, "Type 0x%02X", rec.m_nType);
  char fields[64];
  std::snprintf(fields, sizeof fields, "%d\t%s\t0x%02X\t0x%04X\t0x%02X\t", node.m_nIndex, name != nullptr ? name : type,
                rec.m_nLength, rec.m_wOffset, rec.m_nChecksum);
  std::string line = fields;
  for (size_t i = 0; i < rec.m_strData.size(); i += 2) {
    if (i > 0) line += ' ';
    line += rec.m_strData.substr(i, 2);
  }
  return line;
}

int RunRecords(CliContext& ctx, const std::vector<std::string>& args) {
  CliArgs parsed;
  if (const int status = LoadFileArgument(ctx, kRecordsCommand, args, {}, {"--from", "--count"}, parsed); status != kExitOk)
    return status;
  long long from = 1;
  long long count = ctx.doc.GetRecordCount();
  if (parsed.values.count("--from") != 0 && (!ParseCount(parsed.values["--from"], from) || from < 1))
    return UsageError(ctx, kRecordsCommand, "--from needs a record number of 1 or more");
  if (parsed.values.count("--count") != 0 && !ParseCount(parsed.values["--count"], count))
    return UsageError(ctx, kRecordsCommand, "--count needs a number of records");
  if (from > ctx.doc.GetRecordCount())
    return UsageError(ctx, kRecordsCommand,
                      "record " + std::to_string(from) + " does not exist; the file has " +
                          std::to_string(ctx.doc.GetRecordCount()) + " records");
  const OVHexFile* node = ctx.doc.GetHexFile()->FindRecord(static_cast<int32_t>(from));
  for (long long i = 0; i < count && node != nullptr; ++i, node = node->GetNext()) ctx.out << RecordLine(*node) << "\n";
  return kExitOk;
}

}  // namespace
