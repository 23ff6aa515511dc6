// A scripted ShellPort: records every call in order as text, answers from
// public fields, and runs a fake clock that moves only when the code under
// test sleeps or a wait times out, so waits and lingers are exact and instant.
//
// FakeOpenerUi writes into the same log. The openings can also go to a journal
// kept by another fake (the starter's UI), so that one list shows what the
// user saw and what was opened, in order.
//
// Log entries:
//   "ShellOpenEx(file|params)"  "StartProcess(app|folder)"  "ShellOpen(file|folder)"
//   "Wait(process,50)"  "Wait(event,100)"  "Wait(process+event,50)"
//   "Sleep(100)"  "Close(process)"  "Close(event)"  "Close(handle)"
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/shell_port.h"

class FakeShellPort : public ShellPort {
 public:
  // Handle values the fake hands out and recognises.
  static inline OsHandle const kProcess = reinterpret_cast<OsHandle>(0x1001);
  static inline OsHandle const kCloseEvent = reinterpret_cast<OsHandle>(0x2002);

  std::vector<std::string> calls;
  // When set, the three openings are written here as well, with the texts of
  // `calls`; waits, sleeps and closes are not.
  std::vector<std::string>* journal = nullptr;

  // Scripted results.
  ExecResult execResult{true, 42, kProcess};  // ShellOpenEx
  bool startOk = true;                        // StartProcess
  int32_t startError = 0;                     // its GetLastError() on failure
  int32_t openResult = 42;                    // ShellOpen
  // The next opening of this file or program (as handed to the call) fails
  // with this code: ShellOpen's result, ShellOpenEx's instance value or
  // StartProcess's error. Used up on use, so a later attempt gets the results above.
  std::map<std::string, int32_t> failOnce;
  // A process started by ShellOpenEx or StartProcess runs this long on the fake clock.
  int64_t processRunMs = 0;
  // The close event becomes signalled once it has been waited on this many
  // times (-1: never). `closeEventSet` may also be set directly.
  int closeEventAfterWaits = -1;
  bool closeEventSet = false;
  // Every Wait returns kFailed.
  bool waitFails = false;

  // The fake clock, in milliseconds; NowSeconds() is its whole seconds.
  int64_t nowMs = 1'000'000'000;
  // Every wait and sleep moves the clock on by this much more than it took,
  // so that a linger of billions of seconds ends after a few passes.
  int64_t jumpMs = 0;

  // Handles the code under test closed, in order.
  std::vector<OsHandle> closed;
  int eventWaits = 0;
  // The longest file and parameter texts handed to any of the three calls.
  size_t longestFile = 0;
  size_t longestParameters = 0;

  // Counts log entries equal to `call`.
  int Count(const std::string& call) const;
  // The log without the entries that only pass time (waits, sleeps, pumps).
  std::vector<std::string> Actions() const;
  // Milliseconds of fake time since `startMs`.
  int64_t ElapsedSince(int64_t startMs) const { return nowMs - startMs; }

  ExecResult ShellOpenEx(const std::string& file, const std::string& parameters) override;
  bool StartProcess(const std::string& application, const std::string& folder, OsHandle* process,
                    int32_t* error) override;
  int32_t ShellOpen(const std::string& file, const std::string& folder) override;
  WaitResult Wait(OsHandle process, OsHandle event, int ms) override;
  void Sleep(int ms) override;
  void CloseHandle(OsHandle handle) override;
  int64_t NowSeconds() override { return nowMs / 1000; }

 private:
  WaitResult WaitOnClock(OsHandle process, OsHandle event, int ms);
  // Logs an opening and measures its texts.
  void Record(const std::string& call, const std::string& file, const std::string& parameters);
  // Takes the one-off failure scripted for `name`, if any.
  bool TakeFailure(const std::string& name, int32_t* code);
  int64_t processEndMs_ = -1;
};
