#include "app/doc_messages.h"
#include "app/update_doc.h"
#include "cli/command.h"

namespace {
int RunTest(CliContext& ctx, const std::vector<std::string>& args);
}

extern const CliCommand kTestCommand;
const CliCommand kTestCommand = {"test", "FILE", "test every record checksum, as Test Hex File does", &RunTest};

namespace {
int RunTest(CliContext& ctx, const std::vector<std::string>& args) {
  CliArgs parsed;
  if (const int status = LoadFileArgument(ctx, kTestCommand, args, {}, {}, parsed); status != kExitOk) return status;
  const bool passed = ctx.doc.TestHexFile(true);
  ctx.out << (passed ? kMsgTestPassed : kMsgTestFailed) << "\n";
  return passed ? kExitOk : kExitFailed;
}
}  // namespace
