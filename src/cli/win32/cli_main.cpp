// discwright-cli.exe, a console program.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_tool.h"
#include "cli/win32/win32_cli_host.h"

namespace {

// ANSI text to a console in its own characters (a console shows the OEM code
// page), or as it is to a file or a pipe.
void Write(DWORD which, FILE* stream, const std::string& text) {
  if (text.empty()) return;
  const HANDLE handle = ::GetStdHandle(which);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode)) {
    std::wstring wide(text.size(), L'\0');
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                        wide.data(), static_cast<int>(wide.size()));
    DWORD written = 0;
    if (n > 0 && ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(n), &written, nullptr)) {
      return;
    }
  }
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
  Win32CliHost host;
  CliRun run(host);
  const int status = RunCli(argc, argv, run);
  Write(STD_OUTPUT_HANDLE, stdout, run.out);
  Write(STD_ERROR_HANDLE, stderr, run.err);
  return status;
}
