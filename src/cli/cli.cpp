#include "cli/cli.h"

#include <optional>

#include "app/update_doc.h"
#include "cli/command.h"
#include "cli/console_form.h"
#include "platform/app/headless_host.h"

namespace {
constexpr const char* kProgram = "talvexupdate-cli";

std::string UsageLines() {
  std::string text;
  const char* lead = "usage: ";
  for (const CliCommand* command : CliCommands()) {
    text += std::string(lead) + kProgram + " " + CommandLine(*command) + "\n";
    lead = "       ";
  }
  text += std::string(lead) + kProgram + " --help | --version\n";
  return text;
}

// Without a desktop, a box is its text on the error stream, answered by its
// first button as nobody is there to choose. A host already installed (the
// desktop program embedding the commands) keeps its own boxes.
class ConsoleMessageBoxes {
 public:
  explicit ConsoleMessageBoxes(std::ostream& err) {
    if (platform::GetHost() != nullptr) return;
    m_host.emplace();
    m_host->SetDefaultAnswer([&err](const platform::MessageBoxRequest& request) {
      err << request.text << "\n" << std::flush;
      return request.buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    });
    platform::SetHost(&*m_host);
  }
  ~ConsoleMessageBoxes() {
    if (m_host) platform::SetHost(nullptr);
  }
  ConsoleMessageBoxes(const ConsoleMessageBoxes&) = delete;
  ConsoleMessageBoxes& operator=(const ConsoleMessageBoxes&) = delete;

 private:
  std::optional<platform::HeadlessHost> m_host;
};
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
    ConsoleMessageBoxes boxes(err);
    COVUpdateDoc doc;
    ConsoleForm form(err, drawProgress);
    doc.m_pView = &form;
    CliContext ctx{out, err, doc, form};
    const int status = command->run(ctx, std::vector<std::string>(args.begin() + 1, args.end()));
    doc.m_pView = nullptr;
    return status;
  }
  err << kProgram << ": unknown command '" << args[0] << "'\n" << UsageLines();
  return kExitUsage;
}
