#pragma once
// What every command of talvexupdate-cli shares: its context, its table
// entry, argument parsing and the document load.

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

class COVUpdateDoc;
class ConsoleForm;
class OVMemMap;

enum CliExit {
  kExitOk = 0,
  kExitFailed = 1,   // the test failed, or the asked-for segment is not in the file
  kExitNoFile = 2,   // the file could not be opened or loaded
  kExitUsage = 64,
};

struct CliContext {
  std::ostream& out;
  std::ostream& err;
  COVUpdateDoc& doc;
  ConsoleForm& form;
};

struct CliCommand {
  const char* name;
  const char* usage;    // the arguments after the command's name
  const char* summary;
  int (*run)(CliContext& ctx, const std::vector<std::string>& args);
};

struct CliArgs {
  std::vector<std::string> positional;
  std::set<std::string> flags;
  std::map<std::string, std::string> values;
};

// "NAME USAGE", or just the name for a command without arguments.
std::string CommandLine(const CliCommand& command);

// The table of commands (commands.cpp).
const std::vector<const CliCommand*>& CliCommands();

// Splits args into positionals, the given flags and options with a value
// ("--from 5" or "--from=5"). False, with the reason, for anything else.
bool ParseCliArgs(const std::vector<std::string>& args, const std::set<std::string>& flags,
                  const std::set<std::string>& valued, CliArgs& parsed, std::string& error);
// Reports a usage error with the command's usage line; returns kExitUsage.
int UsageError(CliContext& ctx, const CliCommand& command, const std::string& problem);
// Parses args expecting exactly one FILE and loads it through the document's
// own load; returns kExitOk, kExitUsage or kExitNoFile (its message already shown).
int LoadFileArgument(CliContext& ctx, const CliCommand& command, const std::vector<std::string>& args,
                     const std::set<std::string>& flags, const std::set<std::string>& valued, CliArgs& parsed);
// The primary or second memory map, built under a progress run as the form does; nullptr when out of memory.
OVMemMap* BuildMemMap(CliContext& ctx, bool second);
// A decimal number of 0 or more; false for anything else.
bool ParseCount(const std::string& text, long long& value);
// One or two hexadecimal digits, as the memory view reads its fields; false otherwise.
bool ParseHexByte(const std::string& text, int& value);
