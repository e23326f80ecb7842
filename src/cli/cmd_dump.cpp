#include <cstdio>

#include "app/update_doc.h"
#include "cli/command.h"
#include "firmware/mem_map.h"
#include "platform/host.h"

namespace {
int RunDump(CliContext& ctx, const std::vector<std::string>& args);
}

extern const CliCommand kDumpCommand;
const CliCommand kDumpCommand = {"dump", "FILE [--second] [--segment SS] [--page PP] [--raw]",
                                 "the memory image of a segment (default FF) or one page of it, as the memory view shows it",
                                 &RunDump};

namespace {

constexpr const char* kAbsentSegment =
    "WARNING:\nThe specified segment is not used in the file.  \nThe segment will be displayed as erased.";

void WritePage(std::ostream& out, int segment, int page, const uint8_t* bytes) {
  char cell[16];
  for (int row = 0; row < 16; ++row) {
    std::snprintf(cell, sizeof cell, "0x%02X%02X%02X", segment, page, row * 16);
    out << cell;
    for (int i = 0; i < 16; ++i) {
      std::snprintf(cell, sizeof cell, "\t%02X", bytes[row * 16 + i]);
      out << cell;
    }
    out << "\n";
  }
}

int RunDump(CliContext& ctx, const std::vector<std::string>& args) {
  CliArgs parsed;
  if (const int status =
          LoadFileArgument(ctx, kDumpCommand, args, {"--second", "--raw"}, {"--segment", "--page"}, parsed);
      status != kExitOk)
    return status;
  int segment = 0xFF;
  int page = -1;
  if (parsed.values.count("--segment") != 0 && !ParseHexByte(parsed.values["--segment"], segment))
    return UsageError(ctx, kDumpCommand, "--segment needs one or two hexadecimal digits");
  if (parsed.values.count("--page") != 0 && !ParseHexByte(parsed.values["--page"], page))
    return UsageError(ctx, kDumpCommand, "--page needs one or two hexadecimal digits");

  OVMemMap* map = BuildMemMap(ctx, parsed.flags.count("--second") != 0);
  if (map == nullptr) return kExitNoFile;
  const auto seg = static_cast<uint8_t>(segment);
  if (!map->HasSegment(seg)) {
    platform::MessageBox(kAbsentSegment, platform::Buttons::Ok);
    return kExitFailed;
  }
  const int firstPage = page < 0 ? 0 : page;
  const int lastPage = page < 0 ? 255 : page;
  if (parsed.flags.count("--raw") != 0) {
    for (int p = firstPage; p <= lastPage; ++p)
      ctx.out.write(reinterpret_cast<const char*>(map->GetPagePtr(seg, static_cast<uint8_t>(p))), 256);
    return kExitOk;
  }
  ctx.out << "Address:";
  for (int i = 0; i < 16; ++i) {
    char header[8];
    std::snprintf(header, sizeof header, "\t0x%02X", i);
    ctx.out << header;
  }
  ctx.out << "\n";
  for (int p = firstPage; p <= lastPage; ++p) WritePage(ctx.out, segment, p, map->GetPagePtr(seg, static_cast<uint8_t>(p)));
  return kExitOk;
}

}  // namespace
