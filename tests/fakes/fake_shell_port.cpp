#include "fake_shell_port.h"

#include <algorithm>

namespace {
std::string HandleName(OsHandle handle) {
  if (handle == FakeShellPort::kProcess) return "process";
  if (handle == FakeShellPort::kCloseEvent) return "event";
  return "handle";
}
}  // namespace

int FakeShellPort::Count(const std::string& call) const {
  int n = 0;
  for (const std::string& c : calls) n += c == call ? 1 : 0;
  return n;
}

std::vector<std::string> FakeShellPort::Actions() const {
  std::vector<std::string> actions;
  for (const std::string& c : calls) {
    if (c == "Pump" || c.rfind("Wait(", 0) == 0 || c.rfind("Sleep(", 0) == 0) continue;
    actions.push_back(c);
  }
  return actions;
}

ShellPort::ExecResult FakeShellPort::ShellOpenEx(const std::string& file,
                                                 const std::string& parameters) {
  Record("ShellOpenEx(" + file + "|" + parameters + ")", file, parameters);
  int32_t code = 0;
  // A failed call hands back no process.
  if (TakeFailure(file, &code)) return ExecResult{false, code, nullptr};
  if (execResult.process) processEndMs_ = nowMs + processRunMs;
  return execResult;
}

bool FakeShellPort::StartProcess(const std::string& application, const std::string& folder,
                                 OsHandle* process, int32_t* error) {
  Record("StartProcess(" + application + "|" + folder + ")", application, "");
  if (TakeFailure(application, error)) return false;
  if (!startOk) {
    *error = startError;
    return false;
  }
  *process = kProcess;
  processEndMs_ = nowMs + processRunMs;
  return true;
}

int32_t FakeShellPort::ShellOpen(const std::string& file, const std::string& folder) {
  Record("ShellOpen(" + file + "|" + folder + ")", file, "");
  int32_t code = 0;
  if (TakeFailure(file, &code)) return code;
  return openResult;
}

ShellPort::WaitResult FakeShellPort::Wait(OsHandle process, OsHandle event, int ms) {
  const WaitResult result = WaitOnClock(process, event, ms);
  nowMs += jumpMs;
  return result;
}

ShellPort::WaitResult FakeShellPort::WaitOnClock(OsHandle process, OsHandle event, int ms) {
  std::string what = process && event ? "process+event" : process ? "process" : "event";
  calls.push_back("Wait(" + what + "," + std::to_string(ms) + ")");
  if (waitFails) return WaitResult::kFailed;
  if (event) {
    if (closeEventAfterWaits >= 0 && eventWaits >= closeEventAfterWaits) closeEventSet = true;
    ++eventWaits;
    if (closeEventSet) return WaitResult::kSignalled;
  }
  if (process && processEndMs_ >= 0 && processEndMs_ <= nowMs + ms) {
    if (processEndMs_ > nowMs) nowMs = processEndMs_;
    return WaitResult::kSignalled;
  }
  nowMs += ms;
  return WaitResult::kTimeout;
}

void FakeShellPort::Sleep(int ms) {
  calls.push_back("Sleep(" + std::to_string(ms) + ")");
  nowMs += ms + jumpMs;
}

void FakeShellPort::CloseHandle(OsHandle handle) {
  calls.push_back("Close(" + HandleName(handle) + ")");
  closed.push_back(handle);
}

void FakeShellPort::Record(const std::string& call, const std::string& file,
                           const std::string& parameters) {
  calls.push_back(call);
  if (journal) journal->push_back(call);
  longestFile = std::max(longestFile, file.size());
  longestParameters = std::max(longestParameters, parameters.size());
}

bool FakeShellPort::TakeFailure(const std::string& name, int32_t* code) {
  auto it = failOnce.find(name);
  if (it == failOnce.end()) return false;
  *code = it->second;
  failOnce.erase(it);
  return true;
}
