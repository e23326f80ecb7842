#include "cli/cli.h"

#include <cstdio>

#include "app/update_doc.h"
#include "cli/command.h"
#include "cli/console_form.h"

namespace {
constexpr const char* kProgram = "talvexupdate-cli";

std::string UsageLines() {
  std::string text;
  const char* lead = "usage: ";
  for (const CliCommand* command : CliCommands()) {
    text += std::string(lead) + kProgram + " " + command->name + " " + command->usage + "\n";
    lead = "       ";
  }
  text += std::string(lead) + kProgram + " --help | --version\n";
  return text;
}
}  // namespace

std::string CliHelpText() {
  std::string text = UsageLines() + "\nCommands:\n";
  for (const CliCommand* command : CliCommands()) {
    std::string name = command->name;
    name.resize(10, ' ');
    text += "  " + name + command->summary + "\n";
  }
  text +=
      "\nExit status: 0 success; 1 the test failed or the segment is not in the file;\n"
      "2 the file cannot be opened or loaded; 64 usage error.\n";
  return text;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool drawProgress) {
  if (args.empty()) {
    err << UsageLines();
    return kExitUsage;
  }
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << CliHelpText();
    return kExitOk;
  }
  if (args.size() == 1 && args[0] == "--version") {
    out << kProgram << " " << TALVEX_VERSION << "\n";
    return kExitOk;
  }
  for (const CliCommand* command : CliCommands()) {
    if (args[0] != command->name) continue;
    COVUpdateDoc doc;
    ConsoleForm form(stderr, drawProgress);
    doc.m_pView = &form;
    CliContext ctx{out, err, doc, form};
    const int status = command->run(ctx, std::vector<std::string>(args.begin() + 1, args.end()));
    doc.m_pView = nullptr;
    return status;
  }
  err << kProgram << ": unknown command '" << args[0] << "'\n" << UsageLines();
  return kExitUsage;
}
