#include "common/win32/win32_shell_port.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <ctime>

ShellPort::ExecResult Win32ShellPort::ShellOpenEx(const std::string& file,
                                                  const std::string& parameters) {
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;
  // No system error box: the caller explains every failure in its own words,
  // and a second, modal box from the shell would only stand in its way.
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NO_CONSOLE | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.nShow = SW_SHOW;
  ExecResult result;
  result.ok = ShellExecuteExA(&info) != FALSE;
  result.instance = static_cast<int32_t>(reinterpret_cast<INT_PTR>(info.hInstApp));
  result.process = result.ok ? info.hProcess : nullptr;
  return result;
}

bool Win32ShellPort::StartProcess(const std::string& application, const std::string& folder,
                                  OsHandle* process, int32_t* error) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(application.c_str(), nullptr, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                      nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    *error = static_cast<int32_t>(GetLastError());
    return false;
  }
  ::CloseHandle(info.hThread);
  *process = info.hProcess;
  return true;
}

int32_t Win32ShellPort::ShellOpen(const std::string& file, const std::string& folder) {
  HINSTANCE result = ShellExecuteA(nullptr, "open", file.c_str(), nullptr,
                                   folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
  return static_cast<int32_t>(reinterpret_cast<INT_PTR>(result));
}

ShellPort::WaitResult Win32ShellPort::Wait(OsHandle process, OsHandle event, int ms) {
  DWORD status;
  if (process && event) {
    HANDLE both[2] = {process, event};
    status = WaitForMultipleObjects(2, both, FALSE, static_cast<DWORD>(ms));
  } else if (process || event) {
    status = WaitForSingleObject(process ? process : event, static_cast<DWORD>(ms));
  } else {
    return WaitResult::kFailed;
  }
  if (status == WAIT_TIMEOUT) return WaitResult::kTimeout;
  if (status == WAIT_FAILED) return WaitResult::kFailed;
  return WaitResult::kSignalled;
}

void Win32ShellPort::Sleep(int ms) { ::Sleep(static_cast<DWORD>(ms)); }

void Win32ShellPort::CloseHandle(OsHandle handle) {
  if (handle) ::CloseHandle(handle);
}

int64_t Win32ShellPort::NowSeconds() { return static_cast<int64_t>(std::time(nullptr)); }
