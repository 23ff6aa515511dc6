// discwright-cli on Linux.
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/cli_tool.h"
#include "cli/posix/posix_cli_host.h"

namespace {

void Write(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

}  // namespace

int main(int argc, char** argv) {
  PosixCliHost host;
  CliRun run(host);
  const int status = RunCli(argc, argv, run);
  Write(STDOUT_FILENO, run.out);
  Write(STDERR_FILENO, run.err);
  return status;
}
