#include "bench_common.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace bench {

uint64_t NowUs() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<uint64_t>(count.QuadPart / frequency.QuadPart * 1000000 +
                               count.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart);
}

double Ms(uint64_t us) { return static_cast<double>(us) / 1000.0; }

std::string Join(const std::string& folder, const std::string& name) {
  return folder + "\\" + name;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

Child::~Child() {
  if (!process) return;
  if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
  }
  CloseHandle(process);
}

bool StartProcess(Child& child, const std::string& commandLine, const std::string& folder) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  child.startedUs = NowUs();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    std::printf("cannot start %s (error %lu)\n", commandLine.c_str(), GetLastError());
    return false;
  }
  CloseHandle(info.hThread);
  child.process = info.hProcess;
  child.pid = info.dwProcessId;
  return true;
}

namespace {

struct WindowQuery {
  DWORD pid;
  const char* text;
  const char* className;
  bool found;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != query->pid || !IsWindowVisible(window)) return TRUE;
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  if (std::strcmp(text, query->text) != 0) return TRUE;
  if (query->className) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, query->className) != 0) return TRUE;
  }
  query->found = true;
  return FALSE;
}

}  // namespace

uint64_t WaitForWindow(const Child& child, const char* text, DWORD timeoutMs,
                       const char* className) {
  const uint64_t deadline = NowUs() + uint64_t{timeoutMs} * 1000;
  while (NowUs() < deadline) {
    WindowQuery query{child.pid, text, className, false};
    EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&query));
    if (query.found) return NowUs();
    if (WaitForSingleObject(child.process, 1) == WAIT_OBJECT_0) return 0;
  }
  return 0;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double PairRatio(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> ratios;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (b[i] > 0) ratios.push_back(a[i] / b[i]);
  }
  return Median(ratios);
}

std::string Arg(int argc, char** argv, const char* name) {
  const size_t length = std::strlen(name);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], name, length) == 0) return argv[i] + length;
  }
  return std::string();
}

}  // namespace bench
