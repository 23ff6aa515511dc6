// The shell-and-processes port over the Win32 API.
#pragma once

#include <string>

#include "common/shell_port.h"

class Win32ShellPort : public ShellPort {
 public:
  ExecResult ShellOpenEx(const std::string& file, const std::string& parameters) override;
  bool StartProcess(const std::string& application, const std::string& folder, OsHandle* process,
                    int32_t* error) override;
  int32_t ShellOpen(const std::string& file, const std::string& folder) override;
  WaitResult Wait(OsHandle process, OsHandle event, int ms) override;
  void Sleep(int ms) override;
  void CloseHandle(OsHandle handle) override;
  int64_t NowSeconds() override;
};
