// Targets and parameters from autorun.inf through ShellOpener's tidying and
// decisions, over a scripted shell; the failure messages and IsUrl.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/shell_opener.h"
#include "fake_file_system.h"
#include "fake_opener_ui.h"
#include "fake_shell_port.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  FakeFileSystem fs;
  FakeShellPort shell;
  FakeOpenerUi ui(&shell.calls);

  // The scripted answers, from the end of the input.
  const bool linger = input.ConsumeBool();
  const bool wait = input.ConsumeBool();
  const bool targetExists = input.ConsumeBool();
  const bool withEvent = input.ConsumeBool();
  shell.execResult.ok = input.ConsumeBool();
  shell.execResult.instance = input.ConsumeIntegral<int32_t>();
  shell.execResult.process = input.ConsumeBool() ? FakeShellPort::kProcess : nullptr;
  shell.startOk = input.ConsumeBool();
  shell.startError = input.ConsumeIntegral<int32_t>();
  shell.openResult = input.ConsumeIntegral<int32_t>();
  shell.waitFails = input.ConsumeBool();
  // The author's linger time and the program's run time cost fake time only,
  // but each slice is a loop pass: keep them to what a test can afford.
  shell.processRunMs = input.ConsumeIntegralInRange<int64_t>(0, 20'000);
  shell.closeEventAfterWaits = input.ConsumeIntegralInRange<int>(-1, 50);
  const int32_t lingerSeconds = input.ConsumeIntegralInRange<int32_t>(-100, 30);
  const auto wording = input.ConsumeBool() ? OpenerWording::kStarter : OpenerWording::kWizard;
  const int32_t code = input.ConsumeIntegral<int32_t>();
  fs.currentDirectory = input.ConsumeBool() ? "E:\\" : "C:\\CD\\disc";

  const std::string target = input.ConsumeRandomLengthString(600);
  const std::string parameters = input.ConsumeRemainingBytesAsString();
  if (targetExists) fs.files[target] = "";

  ShellOpener opener(shell, ui, fs, wording);
  opener.SetLingerTime(lingerSeconds);
  if (withEvent) opener.SetCloseEvent(FakeShellPort::kCloseEvent);
  const bool opened = opener.OpenTarget(target, parameters, linger, wait);
  FUZZ_CHECK(opened == opener.Message().empty());
  // No path longer than Windows takes ever reaches the shell (parameters are quoted).
  FUZZ_CHECK(shell.longestFile <= kMaxPathChars);
  FUZZ_CHECK(shell.longestParameters <= kMaxPathChars + 2);

  // Every process handle handed out is closed exactly once.
  int started = 0;
  for (const std::string& call : shell.calls) {
    if ((call.rfind("ShellOpenEx(", 0) == 0 && shell.execResult.process) ||
        (call.rfind("StartProcess(", 0) == 0 && shell.startOk)) {
      ++started;
    }
  }
  int closedProcesses = 0;
  for (OsHandle handle : shell.closed) closedProcesses += handle == FakeShellPort::kProcess;
  FUZZ_CHECK(closedProcesses == started);

  const std::string message =
      ShellOpener::MessageFor(code, target, "\"" + parameters + "\"", wording);
  if (code == 2) FUZZ_CHECK(!message.empty());
  (void)IsUrl(target);
  return 0;
}
