#include "cli/command.h"

// One line per command; each is defined in its own cmd_<name>.cpp.
#define TALVEX_CLI_COMMANDS(X) \
  X(kInfoCommand)              \
  X(kTestCommand)              \
  X(kRecordsCommand)           \
  X(kDumpCommand)              \
  X(kPortsCommand)

#define TALVEX_DECLARE_COMMAND(command) extern const CliCommand command;
TALVEX_CLI_COMMANDS(TALVEX_DECLARE_COMMAND)

const std::vector<const CliCommand*>& CliCommands() {
#define TALVEX_COMMAND_ENTRY(command) &command,
  static const std::vector<const CliCommand*> commands = {TALVEX_CLI_COMMANDS(TALVEX_COMMAND_ENTRY)};
  return commands;
}
