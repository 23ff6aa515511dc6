#include "wine_unix.h"

#include <windows.h>

#include <atomic>

#include "driver.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

std::string Quoted(const std::string& unixPath) { return "'" + unixPath + "'"; }

// Runs a shell command line and waits for it to end: Wine gives no exit code
// of a Linux program, so the script leaves a mark in the temporary folder.
bool RunShell(const std::string& script) {
  static std::atomic<int> counter{0};
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  const std::string mark = std::string(folder) + "unix-done-" +
                           std::to_string(::GetCurrentProcessId()) + "-" +
                           std::to_string(counter++);
  const std::string unixMark = UnixPath(mark);
  if (unixMark.empty() ||
      !StartUnixProgram("/bin/sh", {"-c", script + "; touch " + Quoted(unixMark)}))
    return false;
  const bool ended =
      WaitUntil([&] { return ::GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10s);
  ::DeleteFileA(mark.c_str());
  return ended;
}

}  // namespace

std::string ShellQuoted(const std::string& unixPath) { return Quoted(unixPath); }

bool RunUnixScript(const std::string& script, int timeoutMs) {
  static std::atomic<int> counter{0};
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  const std::string mark = std::string(folder) + "unix-ok-" +
                           std::to_string(::GetCurrentProcessId()) + "-" +
                           std::to_string(counter++);
  const std::string unixMark = UnixPath(mark);
  if (unixMark.empty() ||
      !StartUnixProgram("/bin/sh", {"-c", "(" + script + ") && touch " + Quoted(unixMark)}))
    return false;
  const bool ok = WaitUntil(
      [&] { return ::GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES; }, Ms(timeoutMs));
  ::DeleteFileA(mark.c_str());
  return ok;
}

std::string UnixPath(const std::string& windowsPath) {
  using ToUnix = char*(CDECL*)(const WCHAR*);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return "";
  std::wstring wide(windowsPath.size() + 1, L'\0');
  if (::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(),
                            static_cast<int>(wide.size())) == 0)
    return "";
  char* unixPath = toUnix(wide.c_str());
  if (!unixPath) return "";
  std::string result = unixPath;
  ::HeapFree(::GetProcessHeap(), 0, unixPath);
  return result;
}

bool StartUnixProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::string commandLine = program;
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    return false;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return true;
}

WritesRefused::WritesRefused(const std::string& windowsPath) : path_(UnixPath(windowsPath)) {
  ok_ = !path_.empty() && RunShell("chattr +i " + Quoted(path_) + " && lsattr -d " + Quoted(path_) +
                                   " | grep -q '^[^ ]*i'");
  // The mark is left whether or not chattr worked: look for the effect too.
  if (ok_) {
    const DWORD attributes = ::GetFileAttributesA(windowsPath.c_str());
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      ok_ = !::CreateDirectoryA((windowsPath + "\\probe~").c_str(), nullptr);
    } else {
      HANDLE file = ::CreateFileA(windowsPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
      ok_ = file == INVALID_HANDLE_VALUE;
      if (!ok_) ::CloseHandle(file);
    }
  }
}

WritesRefused::~WritesRefused() {
  if (!path_.empty()) RunShell("chattr -i " + Quoted(path_));
}

FullDiskLink::FullDiskLink(const std::string& windowsPath) : path_(UnixPath(windowsPath)) {
  ok_ = !path_.empty() && ::GetFileAttributesA(windowsPath.c_str()) == INVALID_FILE_ATTRIBUTES &&
        RunShell("ln -s /dev/full " + Quoted(path_) + " && test -L " + Quoted(path_));
}

FullDiskLink::~FullDiskLink() {
  if (!path_.empty()) RunShell("test -L " + Quoted(path_) + " && rm -f " + Quoted(path_));
}

}  // namespace e2e
