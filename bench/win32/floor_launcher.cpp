// The floor for any starter: starts a program with CreateProcessA and exits,
// doing nothing else. `floor_launcher.exe COUNT PROGRAM` starts PROGRAM COUNT
// times in a row (the floor for opening that many programs one after another).
#include <windows.h>

#include <cstdlib>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  // "COUNT PROGRAM": the program path is the rest of the line, unquoted.
  char* rest = nullptr;
  long count = std::strtol(commandLine, &rest, 10);
  while (*rest == ' ') ++rest;
  if (count < 1 || *rest == '\0') return 2;
  for (long i = 0; i < count; ++i) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(rest, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
      return 1;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  return 0;
}
