// The shell-and-processes port of ShellOpener: one method per Windows call it
// makes, so that every decision stays portable and testable. What the user
// sees meanwhile is OpenerUi's.
#pragma once

#include <cstdint>
#include <string>

#include "common/os_handle.h"

class ShellPort {
 public:
  virtual ~ShellPort() = default;

  struct ExecResult {
    bool ok = false;             // the call returned success
    int32_t instance = 0;        // the instance value (hInstApp) it gave back
    OsHandle process = nullptr;  // when asked for and one came back
  };
  // ShellExecuteExA, verb "open", SW_SHOW, SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NO_CONSOLE.
  virtual ExecResult ShellOpenEx(const std::string& file, const std::string& parameters) = 0;

  // CreateProcessA with the application name, no command line, the given
  // folder as current directory, SW_SHOWNORMAL. On failure *error is
  // GetLastError(); on success *process is the process handle (the thread
  // handle is closed at once).
  virtual bool StartProcess(const std::string& application, const std::string& folder,
                            OsHandle* process, int32_t* error) = 0;

  // ShellExecuteA(no owner, "open", file, no parameters, folder, SW_SHOWNORMAL).
  virtual int32_t ShellOpen(const std::string& file, const std::string& folder) = 0;

  enum class WaitResult { kSignalled, kTimeout, kFailed };
  // Waits up to `ms` for `process` or `event` (either may be null) to be set.
  virtual WaitResult Wait(OsHandle process, OsHandle event, int ms) = 0;
  virtual void Sleep(int ms) = 0;
  virtual void CloseHandle(OsHandle handle) = 0;

  // The calendar clock in whole seconds.
  virtual int64_t NowSeconds() = 0;
};
