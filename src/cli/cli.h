#pragma once
// talvexupdate-cli: what a firmware file holds, from the command line.

#include <ostream>
#include <string>
#include <vector>

// Runs one command line (without the program name). Output goes to out; the
// command line's own errors, the texts of the document's message boxes and,
// when drawProgress is set (the caller passes it only when standard error is
// a terminal), the progress bar go to err.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool drawProgress);

// The text of --help.
std::string CliHelpText();
