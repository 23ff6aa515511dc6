// discwright-cli on Linux.
#include <unistd.h>

#include "cli/cli_tool.h"
#include "cli/posix/posix_cli_host.h"

int main(int argc, char** argv) {
  PosixCliHost host;
  CliRun run(host);
  const int status = RunCli(argc, argv, run);
  WriteAll(STDOUT_FILENO, run.out);
  WriteAll(STDERR_FILENO, run.err);
  return status;
}
