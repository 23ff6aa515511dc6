// The command-line tool: check, create and report a CD folder without a
// window, the same on every system it is built for.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"

class CliHost;

// Exit statuses.
inline constexpr int kCliOk = 0;
inline constexpr int kCliProblems = 1;  // something is wrong, was refused or failed
inline constexpr int kCliUsage = 2;     // a usage error, or a folder that cannot be read

// What a command runs with: the system, and the text of its standard
// output and error, in the system's encoding. (No streams: the C++ library's
// would triple the size of the Windows program.)
class CliRun {
 public:
  explicit CliRun(CliHost& host) : host(host) {}
  // A line on standard error, after the program's name.
  void Error(const std::string& line);
  CliHost& host;
  std::string out;
  std::string err;
};

std::span<const CliCommand> CliCommands();

// Runs the tool on main()'s arguments; the exit status. What it printed is
// in `run`, a failure to finish (out of memory) among its errors.
int RunCli(int argc, char** argv, CliRun& run);
