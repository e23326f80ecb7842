#pragma once
// talvexupdate-cli: what a firmware file holds, from the command line.

#include <ostream>
#include <string>
#include <vector>

// Runs one command line (without the program name). Output goes to out, the
// command line's own errors to err; the document's message boxes go to
// standard error, as they do without a desktop. drawProgress: draw a
// progress bar on standard error (only when it is a terminal).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool drawProgress);

// The text of --help.
std::string CliHelpText();
