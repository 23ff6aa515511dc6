// The recorder's log as scenarios read it, and CD folders holding copies of
// the recorder as programs and documents.
#include "recorder_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "cd_folder.h"
#include "driver.h"

namespace e2e {
namespace {

using Kind = RecorderEntry::Kind;
using testing::ElementsAre;

std::string RecorderExe() { return WindowsPath(E2E_RECORDER_EXE); }

TEST(RecorderLog, ParsesALineKeepingTabsInTheCommandLine) {
  auto entry = ParseRecorderLine("1234\tend\tC:\\cd\t\"C:\\cd\\r.exe\" a\tb\r");
  ASSERT_TRUE(entry);
  EXPECT_EQ(*entry, (RecorderEntry{1234, Kind::kEnd, "C:\\cd", "\"C:\\cd\\r.exe\" a\tb"}));
}

TEST(RecorderLog, RejectsLinesThatAreNotEntries) {
  for (const char* line : {"", "12\tstart\tC:\\cd", "x1\tstart\tC:\\\tr.exe",
                           "\tstart\tC:\\\tr.exe", "12\tbegin\tC:\\\tr.exe"}) {
    EXPECT_FALSE(ParseRecorderLine(line)) << line;
  }
}

TEST(RecorderLog, CountsBadLinesAndLeavesAnUnfinishedLastLine) {
  const RecorderLog log =
      ParseRecorderLog("1\tstart\tC:\\\ta\r\nnonsense\r\n\r\n2\tend\tC:\\\ta\r\n3\tstart\tC:\\\tb");
  EXPECT_EQ(log.malformed, 1);
  ASSERT_EQ(log.entries.size(), 2u);
  EXPECT_EQ(log.entries[1].kind, Kind::kEnd);
  EXPECT_THAT(log.StartedCommandLines(), ElementsAre("a"));
}

TEST(RecorderLog, CommandTailDropsTheProgram) {
  const std::pair<const char*, const char*> rows[] = {
      {"\"C:\\cd\\r.exe\" \"a b.txt\"", "\"a b.txt\""},
      {"C:\\cd\\r.exe  x y", "x y"},
      {"\"C:\\a b\\r.exe\"", ""},
      {"r.exe", ""},
  };
  for (const auto& [line, tail] : rows) EXPECT_EQ(CommandTail(line), tail) << line;
}

TEST(CdFolder, HoldsFilesAndIsRemovedWithThem) {
  std::string path;
  {
    CdFolder cd("cdtest");
    ASSERT_TRUE(cd.ok());
    path = cd.Path();
    ASSERT_TRUE(cd.AddAutorun("[autorun]\r\nOPEN=setup.exe\r\n"));
    ASSERT_TRUE(cd.AddFile("docs\\deep\\read me.txt", "hello\r\n"));
    EXPECT_EQ(cd.ReadText("autorun.inf"), "[autorun]\r\nOPEN=setup.exe\r\n");
    EXPECT_EQ(cd.ReadText("docs\\deep\\read me.txt"), "hello\r\n");
    EXPECT_FALSE(cd.AddCopy("x.exe", "C:\\no\\such.exe"));
    EXPECT_FALSE(cd.Exists("x.exe"));
  }
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(CdFolder, RecorderCopyLogsItsFolderArgumentsAndExitCode) {
  CdFolder cd("cdtest");
  ASSERT_TRUE(cd.AddCopy("setup\\install.exe", RecorderExe()));
  auto process = Process::Start(cd.PathOf("setup\\install.exe"), "--exit=7 \"x y\"", cd.Path());
  ASSERT_TRUE(process);
  EXPECT_EQ(process->WaitForExit(), 7u);

  const RecorderLog log = ReadRecorderLog(cd.PathOf("setup\\recorder.log"));
  EXPECT_EQ(log.malformed, 0);
  ASSERT_EQ(log.entries.size(), 2u);
  EXPECT_EQ(log.entries[0].kind, Kind::kStart);
  EXPECT_EQ(log.entries[0].folder, cd.Path());
  EXPECT_EQ(CommandTail(log.entries[0].commandLine), "--exit=7 \"x y\"");
  EXPECT_LE(log.entries[0].ms, log.entries[1].ms);
}

TEST(CdFolder, DocumentTypeOpensTheRecorderThroughTheShell) {
  CdFolder cd("cdtest");
  RecorderDocumentType type(".vrectest", RecorderExe());
  ASSERT_TRUE(type.ok());
  ASSERT_TRUE(cd.AddFile("Welcome.vrectest", "a document"));
  const std::string logPath = cd.PathOf("shell.log");
  SetEnvironmentVariableA("RECORDER_LOG", logPath.c_str());
  const auto code = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", cd.PathOf("Welcome.vrectest").c_str(), nullptr,
                    cd.Path().c_str(), SW_SHOWNORMAL));
  SetEnvironmentVariableA("RECORDER_LOG", nullptr);
  EXPECT_GT(code, 32);

  const RecorderLog log = WaitForRecorderEntries(logPath, 1, Kind::kEnd);
  ASSERT_EQ(log.Starts().size(), 1u);
  EXPECT_EQ(CommandTail(log.Starts()[0].commandLine), "\"" + cd.PathOf("Welcome.vrectest") + "\"");
  // A type that is already registered is never taken over (nor removed).
  EXPECT_FALSE(RecorderDocumentType(".vrectest", RecorderExe()).ok());
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".vrectest", 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

}  // namespace
}  // namespace e2e
