#include "cli/command.h"

#include <algorithm>
#include <charconv>

#include "app/doc_messages.h"
#include "app/update_doc.h"
#include "cli/console_form.h"

bool ParseCliArgs(const std::vector<std::string>& args, const std::set<std::string>& flags,
                  const std::set<std::string>& valued, CliArgs& parsed, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      parsed.positional.push_back(arg);
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (valued.count(name) != 0) {
      if (equals != std::string::npos) {
        parsed.values[name] = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        parsed.values[name] = args[++i];
      } else {
        error = "option " + name + " needs a value";
        return false;
      }
    } else if (flags.count(name) != 0 && equals == std::string::npos) {
      parsed.flags.insert(name);
    } else {
      error = "unknown option " + arg;
      return false;
    }
  }
  return true;
}

std::string CommandLine(const CliCommand& command) {
  std::string line = command.name;
  if (*command.usage != '\0') line += std::string(" ") + command.usage;
  return line;
}

int UsageError(CliContext& ctx, const CliCommand& command, const std::string& problem) {
  ctx.err << "talvexupdate-cli: " << problem << "\n"
          << "usage: talvexupdate-cli " << CommandLine(command) << "\n";
  return kExitUsage;
}

int LoadFileArgument(CliContext& ctx, const CliCommand& command, const std::vector<std::string>& args,
                     const std::set<std::string>& flags, const std::set<std::string>& valued, CliArgs& parsed) {
  std::string error;
  if (!ParseCliArgs(args, flags, valued, parsed, error)) return UsageError(ctx, command, error);
  if (parsed.positional.size() != 1)
    return UsageError(ctx, command, parsed.positional.empty() ? "missing FILE" : "one FILE only");
  ctx.err.flush();
  return ctx.doc.OnOpenDocument(parsed.positional[0]) ? kExitOk : kExitNoFile;
}

OVMemMap* BuildMemMap(CliContext& ctx, bool second) {
  ctx.form.BeginProgress(1, ctx.doc.GetRecordCount(), kCaptionCreatingMap, 1);
  const bool built = second ? ctx.doc.CreateMemMap2(&ctx.form) : ctx.doc.CreateMemMap(&ctx.form);
  ctx.form.EndProgress();
  if (!built) return nullptr;
  return second ? ctx.doc.GetMemMap2() : ctx.doc.GetMemMap();
}

namespace {
bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
}  // namespace

bool ParseCount(const std::string& text, long long& value) {
  // Digits only: from_chars alone would take a sign.
  if (text.empty() || text.size() > 18 || !std::all_of(text.begin(), text.end(), IsDecimalDigit)) return false;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return true;
}

bool ParseHexByte(const std::string& text, int& value) {
  std::string digits = text;
  if (digits.size() > 2 && (digits.compare(0, 2, "0x") == 0 || digits.compare(0, 2, "0X") == 0)) digits.erase(0, 2);
  if (digits.empty() || digits.size() > 2 || !std::all_of(digits.begin(), digits.end(), IsHexDigit)) return false;
  std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return true;
}
