// The recorder: the stand-in for a CD author's file or program in tests.
// Appends one line "<milliseconds>\t<start|end>\t<folder>\t<command line>" to
// recorder.log beside the program (or to the file in RECORDER_LOG), and can
// be told to sleep and to exit with a code, by flags or by environment:
//   --sleep=MS  or RECORDER_SLEEP_MS     sleep before exiting
//   --exit=N    or RECORDER_EXIT_CODE    exit code
//   --log=PATH                           log file
//   RECORDER_CLOCK=us                    the time in microseconds of the
//                                        performance counter instead (for
//                                        timings against another process)
// Started through a file association, it records the document it was given.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

unsigned long long NowMs() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  ULARGE_INTEGER t;
  t.LowPart = ft.dwLowDateTime;
  t.HighPart = ft.dwHighDateTime;
  return t.QuadPart / 10000ULL;
}

unsigned long long CounterUs() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<unsigned long long>(count.QuadPart / frequency.QuadPart * 1000000 +
                                         count.QuadPart % frequency.QuadPart * 1000000 /
                                             frequency.QuadPart);
}

std::string Env(const char* name) {
  char buffer[1024];
  DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : std::string();
}

std::string Flag(const char* cmd, const char* name) {
  const char* hit = std::strstr(cmd, name);
  if (!hit) return std::string();
  hit += std::strlen(name);
  const char* end = hit;
  while (*end && *end != ' ' && *end != '"') ++end;
  return std::string(hit, end);
}

void Append(const std::string& path, const std::string& line) {
  // Several recorders may write at once: retry while another holds the file.
  // A hundred started together on a busy machine can keep one waiting for
  // seconds, so it waits up to 10 s before its line is lost.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      CloseHandle(file);
      return;
    }
    Sleep(10);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Taken first, so that a timing ends as close to the start as it can.
  const unsigned long long startUs = CounterUs();
  const char* cmd = GetCommandLineA();
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string log = Flag(cmd, "--log=");
  if (log.empty()) log = Env("RECORDER_LOG");
  if (log.empty()) {
    log = exe;
    log = log.substr(0, log.find_last_of('\\') + 1) + "recorder.log";
  }
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);

  std::string sleepMs = Flag(cmd, "--sleep=");
  if (sleepMs.empty()) sleepMs = Env("RECORDER_SLEEP_MS");
  std::string exitCode = Flag(cmd, "--exit=");
  if (exitCode.empty()) exitCode = Env("RECORDER_EXIT_CODE");

  const bool microseconds = Env("RECORDER_CLOCK") == "us";
  char head[64];
  std::snprintf(head, sizeof head, "%llu\tstart\t", microseconds ? startUs : NowMs());
  Append(log, head + std::string(folder) + "\t" + cmd + "\r\n");
  if (!sleepMs.empty()) Sleep(static_cast<DWORD>(std::atoi(sleepMs.c_str())));
  std::snprintf(head, sizeof head, "%llu\tend\t", microseconds ? CounterUs() : NowMs());
  Append(log, head + std::string(folder) + "\t" + cmd + "\r\n");
  return exitCode.empty() ? 0 : std::atoi(exitCode.c_str());
}
