// The start-up sequence when the platform fails under it: registry keys that
// cannot be opened, created or written, openings that fail with every code
// the starter explains (and one it does not), and a close event that cannot
// be made. Nothing may stop a start that can go on, and nothing may leak.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/registry_store.h"
#include "common/shell_opener.h"
#include "common/text.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_shell_port.h"
#include "fake_starter_ui.h"
#include "starter/starter_app.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr RegistryRoot kHklm = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kHkcu = RegistryRoot::kCurrentUser;
const std::string kBase = kRegistryBasePath;

class StarterFaultsTest : public ::testing::Test {
 protected:
  StarterFaultsTest() {
    ui.journal = &journal;
    fs.Put("doc.pdf", "pdf");
    fs.Put("setup.exe", "MZ");
    fs.Put("licence.txt", "terms");
  }
  void TearDown() override {
    // Every run ends with its keys closed and every handle it was given closed.
    EXPECT_THAT(registry.OpenHandles(), IsEmpty());
    EXPECT_EQ(registry.badHandles, 0);
    EXPECT_EQ(shell.closed.size(), handedOutProcesses);
  }
  void Config(const std::string& lines) { fs.Put("autorun.inf", "[autorun]\r\n" + lines); }
  void Run(const std::string& commandLine = "E:\\Vendisc.exe") {
    StarterApp app(fs, shell, registry, ui);
    app.Run(commandLine);
  }
  // What the user saw, without the shell's calls.
  std::vector<std::string> Seen() const { return ui.Seen(); }

  std::vector<std::string> journal;
  FakeFileSystem fs;
  FakeShellPort shell;
  FakeRegistryBackend registry;
  FakeStarterUi ui;
  size_t handedOutProcesses = 0;
};

// ---- The registry ----

struct RegistryFault {
  const char* name;
  void (*apply)(FakeRegistryBackend&);
};

class IsRunningFaultTest : public StarterFaultsTest,
                           public ::testing::WithParamInterface<RegistryFault> {};

// IsRunning that cannot be kept must not stop the start nor show anything.
TEST_P(IsRunningFaultTest, StartGoesOnSilently) {
  GetParam().apply(registry);
  Config("OPEN=Vendisc.exe \"doc.pdf\"\r\nRunOneAtATime=1\r\n");
  Run();
  EXPECT_THAT(Seen(), IsEmpty());
  EXPECT_THAT(shell.Actions(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)"));
  EXPECT_FALSE(registry.Text(kHklm, kBase, "IsRunning").has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Starter, IsRunningFaultTest,
    ::testing::Values(
        RegistryFault{"KeyCannotBeOpenedOrCreated",
                      [](FakeRegistryBackend& r) {
                        r.FailOpen(kHklm, kBase);
                        r.FailCreate(kHklm, kBase);
                      }},
        RegistryFault{"ExistingKeyCannotBeOpened",
                      [](FakeRegistryBackend& r) {
                        r.AddKey(kHklm, kBase);
                        r.FailOpen(kHklm, kBase);
                      }},
        RegistryFault{"ValueCannotBeWritten",
                      [](FakeRegistryBackend& r) { r.FailWrite(kHklm, kBase, "IsRunning"); }},
        RegistryFault{"NoRightsAtAll", [](FakeRegistryBackend& r) { r.denyWrites = true; }},
        RegistryFault{"LimitedUserWithTheInstallersKey",
                      [](FakeRegistryBackend& r) {
                        r.AddKey(kHklm, kBase);
                        r.limitedUser = true;
                      }},
        RegistryFault{"LimitedUserWithoutTheKey",
                      [](FakeRegistryBackend& r) { r.limitedUser = true; }}),
    [](const ::testing::TestParamInfo<RegistryFault>& info) { return info.param.name; });

TEST_F(StarterFaultsTest, ShownBeforeKeyThatCannotBeCreatedFallsBackToTheBaseKey) {
  Config("OPEN=Vendisc.exe \"doc.pdf\"\r\nQUAVLicenseFile=licence.txt\r\n");
  registry.FailCreate(kHkcu, kBase + "\\doc.pdf");
  Run("Vendisc.exe doc.pdf");
  EXPECT_THAT(Seen(), ElementsAre("Licence(licence.txt)->Yes"));
  EXPECT_EQ(registry.Text(kHkcu, kBase, "ShownBefore"), "yes");
  // Accepted once: the next run reads the flag from the base key as well.
  journal.clear();
  shell.calls.clear();
  Run("Vendisc.exe doc.pdf");
  EXPECT_THAT(Seen(), IsEmpty());
  EXPECT_THAT(shell.Actions(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)"));
}

TEST_F(StarterFaultsTest, NoKeyForShownBeforeAsksEveryTimeAndStillOpens) {
  Config("OPEN=Vendisc.exe \"doc.pdf\"\r\nQUAVLicenseFile=licence.txt\r\n");
  registry.denyWrites = true;
  for (int run = 0; run < 2; ++run) {
    journal.clear();
    shell.calls.clear();
    Run("Vendisc.exe doc.pdf");
    EXPECT_THAT(Seen(), ElementsAre("Licence(licence.txt)->Yes")) << run;
    EXPECT_THAT(shell.Actions(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)")) << run;
  }
}

// A standard user may read the machine's key but not write it: IsRunning is
// kept in the user's own copy of the key, read first, so a mark someone else
// left in the machine's asks once, and the user's own runs set and clear it;
// the agreement is still asked once only.
TEST_F(StarterFaultsTest, StandardUserKeepsIsRunningInTheirOwnKey) {
  Config("OPEN=Vendisc.exe \"doc.pdf\"\r\nRunOneAtATime=1\r\nQUAVLicenseFile=licence.txt\r\n");
  registry.PutText(kHklm, kBase, "IsRunning", "yes");
  registry.limitedUser = true;
  const std::string question =
      "Question(A copy of this CD is already being opened - please wait for the file(s) to "
      "open.\n\nWould you like to try opening the files again anyway?)[No]->";

  ui.answers = {StarterUi::Answer::kYes};
  Run();
  EXPECT_THAT(Seen(), ElementsAre(question + "Yes", "Licence(licence.txt)->Yes"));
  EXPECT_THAT(shell.Actions(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)"));
  EXPECT_EQ(registry.Text(kHkcu, kBase + "\\doc.pdf", "ShownBefore"), "yes");
  EXPECT_EQ(registry.Text(kHkcu, kBase, "IsRunning"), "no");

  journal.clear();
  shell.calls.clear();
  ui.answers = {StarterUi::Answer::kYes};
  Run();
  EXPECT_THAT(Seen(), IsEmpty());
  EXPECT_THAT(shell.Actions(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)"));

  registry.PutText(kHkcu, kBase, "IsRunning", "yes");  // a copy of the user's still playing
  journal.clear();
  shell.calls.clear();
  ui.answers = {StarterUi::Answer::kNo};
  Run();
  EXPECT_THAT(Seen(), ElementsAre(question + "No"));
  EXPECT_THAT(shell.Actions(), IsEmpty());
  EXPECT_EQ(registry.Text(kHkcu, kBase, "IsRunning"), "yes");
  EXPECT_FALSE(registry.WasWritten(kHklm, kBase, "IsRunning"));
}

// ---- Failed openings ----

// How the starter reaches the platform: ShellExecuteA for a document,
// CreateProcessA for a program, ShellExecuteExA for a program list (and for
// any wait on a document).
enum class Call { kShellExecute, kCreateProcess, kShellExecuteEx, kShellExecuteExWithHandle };

struct OpenFailure {
  Call call;
  int32_t code;
};

std::string CallName(Call call) {
  switch (call) {
    case Call::kShellExecute:
      return "ShellExecuteA";
    case Call::kCreateProcess:
      return "CreateProcessA";
    case Call::kShellExecuteEx:
      return "ShellExecuteExA";
    case Call::kShellExecuteExWithHandle:
      return "ShellExecuteExAWithHandle";
  }
  return "";
}

class OpenFailureTest : public StarterFaultsTest,
                        public ::testing::WithParamInterface<OpenFailure> {};

// Every code of the message table, and one outside it, reaches the error
// dialog with its text and its code line, and no handle stays open.
TEST_P(OpenFailureTest, ShowsTheTextOfTheCodeAndLeaksNothing) {
  const auto [call, code] = GetParam();
  std::string target = "E:\\doc.pdf";
  std::string parameters;
  std::string fileLine = target;
  switch (call) {
    case Call::kShellExecute:
      Config("OPEN=Vendisc.exe \"doc.pdf\"\r\n");
      shell.openResult = code;
      break;
    case Call::kCreateProcess:
      Config("OPEN=Vendisc.exe \"setup.exe\"\r\n");
      target = fileLine = "E:\\setup.exe";
      shell.startOk = false;
      shell.startError = code;
      break;
    case Call::kShellExecuteEx:
    case Call::kShellExecuteExWithHandle:
      Config("OPEN=Vendisc.exe \"doc.pdf\"\r\nQUAVForceExecuteWith=viewer.exe\r\n");
      parameters = target;
      target = "viewer.exe";
      fileLine = "viewer.exe E:\\doc.pdf";
      shell.execResult = {false, code, nullptr};
      if (call == Call::kShellExecuteExWithHandle) {
        // A failure that still hands back a process handle.
        shell.execResult.process = FakeShellPort::kProcess;
        handedOutProcesses = 1;
      }
      break;
  }
  Run();

  std::string message =
      ShellOpener::MessageFor(code, target, "\"" + parameters + "\"", OpenerWording::kStarter);
  if (message.empty()) message = "The file could not be opened.";
  const std::string codeLine = text::Format("%d (0x%02X)", code, static_cast<uint32_t>(code));
  EXPECT_THAT(Seen(), ElementsAre("Error(" + message + "|" + fileLine + "|" + codeLine + ")"));
}

std::vector<OpenFailure> OpenFailures() {
  std::vector<OpenFailure> rows;
  for (Call call : {Call::kShellExecute, Call::kCreateProcess, Call::kShellExecuteEx,
                    Call::kShellExecuteExWithHandle}) {
    for (int32_t code : {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32})
      rows.push_back({call, code});
    // Outside the table: a shell code below 33, a system error code.
    rows.push_back({call, call == Call::kCreateProcess ? 193 : 12});
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Starter, OpenFailureTest, ::testing::ValuesIn(OpenFailures()),
                         [](const ::testing::TestParamInfo<OpenFailure>& info) {
                           return CallName(info.param.call) + "_" + std::to_string(info.param.code);
                         });

// ---- No close event ----

// CreateEventA can fail; the waits it would have cut short still end, by the
// program's end or by the linger time, and nothing waits on a missing event.
TEST_F(StarterFaultsTest, WithoutACloseEventAWaitEndsWithTheProgram) {
  ui.eventCreationFails = true;
  Config(
      "OPEN=Vendisc.exe \"setup.exe\"\r\nShowBackgroundWindow=1\r\n"
      "BackgroundWindowLeaveOpenUntilFileClosed=1\r\nQUAVAutorunTimeout=2\r\n");
  shell.processRunMs = 3000;
  handedOutProcesses = 1;
  const int64_t start = shell.nowMs;
  Run();
  EXPECT_EQ(shell.ElapsedSince(start), 3000);
  EXPECT_EQ(shell.Count("Wait(process,50)"), 60);
  EXPECT_EQ(shell.Count("Wait(event,100)") + shell.Count("Wait(process+event,50)"), 0);
  EXPECT_THAT(Seen(), ElementsAre("Background", "BackgroundClose"));
}

TEST_F(StarterFaultsTest, WithoutACloseEventTheLingerEndsWithItsTime) {
  ui.eventCreationFails = true;
  Config("OPEN=Vendisc.exe \"doc.pdf\"\r\nShowSplashScreen=1\r\nQUAVAutorunTimeout=3\r\n");
  const int64_t start = shell.nowMs;
  Run();
  EXPECT_EQ(shell.ElapsedSince(start), 3000);
  EXPECT_EQ(shell.Count("Sleep(100)"), 30);
  EXPECT_EQ(shell.Count("Wait(event,100)"), 0);
  EXPECT_THAT(shell.Actions(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)"));
}

}  // namespace
