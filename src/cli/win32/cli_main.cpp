// discwright-cli.exe, a console program.
#include "cli/cli_tool.h"
#include "cli/win32/win32_cli_host.h"

int main(int argc, char** argv) {
  Win32CliHost host;
  CliRun run(host);
  const int status = RunCli(argc, argv, run);
  WriteStandard(false, run.out);
  WriteStandard(true, run.err);
  return status;
}
