#include "common/shell_opener.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "fake_opener_ui.h"
#include "fake_shell_port.h"

namespace {

using ::testing::ElementsAre;

class ShellOpenerTest : public ::testing::Test {
 protected:
  FakeFileSystem fs_;
  FakeShellPort shell_;
  FakeOpenerUi ui_{&shell_.calls};
  ShellOpener opener_{shell_, ui_, fs_};
};

TEST(IsUrl, PrefixesWithoutCase) {
  for (const char* url :
       {"http://host/page", "HTTPS://host", "MailTo:a@b.c", "ftp://host/f", "ftpfile.txt"}) {
    EXPECT_TRUE(IsUrl(url)) << url;
  }
  for (const char* other : {"", "htt", "www.host.com", "E:\\http.pdf", " http://host"}) {
    EXPECT_FALSE(IsUrl(other)) << other;
  }
}

TEST_F(ShellOpenerTest, UrlGoesToTheShellUnchangedWithoutExistenceCheck) {
  EXPECT_TRUE(opener_.OpenTarget("http://host//page", "", false, false));
  EXPECT_THAT(shell_.calls, ElementsAre("ShellOpen(http://host//page|E:\\)", "Pump"));
  EXPECT_EQ(opener_.ResultCode(), 42);
  EXPECT_EQ(opener_.Message(), "");
}

TEST_F(ShellOpenerTest, RootedAndDoubledPathsAreJoinedAndTidied) {
  struct Row {
    const char* current;
    const char* target;
    const char* opened;
  } rows[] = {
      {"E:\\", "\\docs\\a.pdf", "E:\\docs\\a.pdf"},
      {"E:\\cd", "\\docs\\a.pdf", "E:\\cd\\docs\\a.pdf"},
      {"E:\\cd\\", "/docs\\a.pdf", "E:\\cd\\docs\\a.pdf"},
      {"E:\\cd", "E:\\cd\\\\docs\\\\\\\\a.pdf", "E:\\cd\\docs\\a.pdf"},
      // On a network folder: rooted targets join it, network targets stay whole.
      {"\\\\server\\cd", "\\docs\\a.pdf", "\\\\server\\cd\\docs\\a.pdf"},
      {"\\\\server\\cd\\", "\\docs\\a.pdf", "\\\\server\\cd\\docs\\a.pdf"},
      {"\\\\server\\cd", "\\\\server\\cd\\doc.pdf", "\\\\server\\cd\\doc.pdf"},
      {"E:\\", "\\\\server\\cd\\\\sub\\a.pdf", "\\\\server\\cd\\sub\\a.pdf"},
  };
  for (const Row& row : rows) {
    FakeFileSystem fs;
    fs.currentDirectory = row.current;
    fs.files[row.opened] = "";
    FakeShellPort shell;
    FakeOpenerUi ui(&shell.calls);
    ShellOpener opener(shell, ui, fs);
    EXPECT_TRUE(opener.OpenTarget(row.target, "", false, false)) << row.target;
    EXPECT_THAT(shell.Actions(),
                ElementsAre(std::string("ShellOpen(") + row.opened + "|" + row.current + ")"))
        << row.current << " " << row.target;
  }
}

TEST_F(ShellOpenerTest, MissingFileIsCodeTwoWithoutAnyCall) {
  EXPECT_FALSE(opener_.OpenTarget("E:\\a.pdf", "", true, true));
  EXPECT_EQ(opener_.ResultCode(), 2);
  EXPECT_EQ(opener_.Message(), "The specified file or folder 'E:\\a.pdf' was not found.");
  EXPECT_THAT(shell_.calls, ElementsAre("Pump"));
  EXPECT_EQ(opener_.OpenFailureText(),
            "Failed to open E:\\a.pdf , error message displayed below:\n\n"
            "Error code: 2\nMessage: The specified file or folder 'E:\\a.pdf' was not found.");
}

TEST_F(ShellOpenerTest, FolderAndParametersSkipTheExistenceCheck) {
  // A folder has no file-name part; a program given parameters must cope itself.
  EXPECT_TRUE(opener_.OpenTarget("E:\\docs", "", false, false));
  EXPECT_TRUE(opener_.OpenTarget("E:\\missing.exe", "a.txt", false, false));
  EXPECT_THAT(shell_.Actions(),
              ElementsAre("ShellOpen(E:\\docs|E:\\)", "ShellOpenEx(E:\\missing.exe|\"a.txt\")",
                          "Close(process)"));
}

TEST_F(ShellOpenerTest, ProgramNotFoundNamesProgramAndDocumentInBothWordings) {
  struct Row {
    OpenerWording wording;
    const char* message;
  } rows[] = {
      {OpenerWording::kStarter,
       "The specified file or folder was not found.  This could be either the file / folder "
       "\"E:\\bin\\view.exe\"\r\nor \"E:\\doc.pdf\"."},
      {OpenerWording::kWizard,
       "The specified file was not found.  This could be either the file "
       "\"E:\\bin\\view.exe\"\r\nor \"E:\\doc.pdf\"."},
  };
  for (const Row& row : rows) {
    FakeShellPort shell;
    shell.execResult = {false, 2, nullptr};
    FakeOpenerUi ui(&shell.calls);
    ShellOpener opener(shell, ui, fs_, row.wording);
    EXPECT_FALSE(opener.OpenTarget("E:\\bin\\\\view.exe", "E:\\\\doc.pdf", false, false));
    EXPECT_EQ(opener.ResultCode(), 2);
    EXPECT_EQ(opener.Message(), row.message);
    EXPECT_THAT(shell.Actions(), ElementsAre("ShellOpenEx(E:\\bin\\view.exe|\"E:\\doc.pdf\")"));
  }
  EXPECT_EQ(ShellOpener::MessageFor(2, "E:\\a.pdf", "\"\"", OpenerWording::kWizard),
            "The specified file 'E:\\a.pdf' was not found.");
}

TEST_F(ShellOpenerTest, ParametersAreTidiedButWebAddressesKeepTheirSlashes) {
  // Network parameters keep the pair that opens them.
  for (const char* parameters : {"E:\\\\cd//a\\/b.txt", "http://host/a",
                                 "\\\\server\\cd\\\\doc.pdf", "//server/cd//doc.pdf"}) {
    EXPECT_TRUE(opener_.OpenTarget("E:\\v.exe", parameters, false, false)) << parameters;
  }
  EXPECT_THAT(shell_.Actions(),
              ElementsAre("ShellOpenEx(E:\\v.exe|\"E:\\cd/a\\b.txt\")", "Close(process)",
                          "ShellOpenEx(E:\\v.exe|\"http://host/a\")", "Close(process)",
                          "ShellOpenEx(E:\\v.exe|\"\\\\server\\cd\\doc.pdf\")", "Close(process)",
                          "ShellOpenEx(E:\\v.exe|\"//server/cd/doc.pdf\")", "Close(process)"));
}

// The shell overruns its stack on a path longer than Windows takes: such a
// path is reported as not found and never handed over. The length counts
// after tidying and joining, as the shell would see it.
TEST_F(ShellOpenerTest, PathsLongerThanWindowsTakesAreNotFoundWithoutAnyCall) {
  const std::string fits = "E:\\" + std::string(kMaxPathChars - 7, 'a') + ".pdf";
  const std::string tooLong = "E:\\" + std::string(kMaxPathChars - 6, 'a') + ".pdf";
  ASSERT_EQ(fits.size(), kMaxPathChars);
  struct Row {
    std::string target;
    std::string parameters;
    bool opened;
  } rows[] = {
      {fits, "", true},
      {tooLong, "", false},
      {"E:\\\\" + fits.substr(3), "", true},  // doubled only before tidying
      {"\\" + tooLong.substr(3), "", false},  // long only once joined
      {"E:\\v.exe", fits, true},
      {"E:\\v.exe", tooLong, false},
      {std::string(kMaxPathChars, 'v') + ".exe", "E:\\doc.pdf", false},
      {"http://host/" + std::string(300, 'q'), "", false},
  };
  fs_.files[fits] = fs_.files[tooLong] = "";
  for (const Row& row : rows) fs_.files[row.target] = "";
  for (const Row& row : rows) {
    FakeShellPort shell;
    FakeOpenerUi ui(&shell.calls);
    ShellOpener opener(shell, ui, fs_);
    EXPECT_EQ(opener.OpenTarget(row.target, row.parameters, false, false), row.opened)
        << row.target.size() << " " << row.parameters.size();
    EXPECT_EQ(shell.Actions().empty(), !row.opened) << row.target.size();
    if (!row.opened) {
      EXPECT_EQ(opener.ResultCode(), 2);
      EXPECT_EQ(opener.Message().rfind("The specified file or folder ", 0), 0u);
    }
  }
}

TEST_F(ShellOpenerTest, ExeInAnyCaseStartsInItsOwnFolderAndBatGoesThroughTheShell) {
  fs_.currentDirectory = "E:\\cd";
  fs_.files["E:\\cd\\bin\\Setup.EXE"] = "";
  fs_.files["E:\\cd\\run.bat"] = "";
  fs_.files["tool.exe"] = "";  // the fake matches names as given
  EXPECT_TRUE(opener_.OpenTarget("E:\\cd\\bin\\Setup.EXE", "", false, false));
  EXPECT_TRUE(opener_.OpenTarget("E:\\cd\\run.bat", "", false, false));
  // A bare program name runs in the current directory, not at the drive root.
  EXPECT_TRUE(opener_.OpenTarget("tool.exe", "", false, false));
  EXPECT_THAT(shell_.Actions(), ElementsAre("StartProcess(E:\\cd\\bin\\Setup.EXE|E:\\cd\\bin\\)",
                                            "Close(process)", "ShellOpen(E:\\cd\\run.bat|E:\\cd)",
                                            "StartProcess(tool.exe|E:\\cd)", "Close(process)"));
  EXPECT_EQ(opener_.ResultCode(), -1);
}

TEST_F(ShellOpenerTest, ProcessStartFailuresAreFailures) {
  fs_.files["E:\\a.exe"] = "";
  shell_.startOk = false;
  shell_.startError = 5;
  EXPECT_FALSE(opener_.OpenTarget("E:\\a.exe", "", false, false));
  EXPECT_EQ(opener_.Message(), "The operating system denied access to the specified file.");
  // Not a Win32 program: no text of its own, but still not a success.
  shell_.startError = 193;
  EXPECT_FALSE(opener_.OpenTarget("E:\\a.exe", "", false, false));
  EXPECT_EQ(opener_.ResultCode(), 193);
  EXPECT_EQ(opener_.Message(), "The file could not be opened.");
  EXPECT_TRUE(shell_.closed.empty());
}

TEST_F(ShellOpenerTest, ShellCodesOutsideTheTableDecideByTheCall) {
  fs_.files["E:\\a.pdf"] = "";
  for (int32_t code : {33, 42, 1000}) {
    shell_.openResult = code;
    EXPECT_TRUE(opener_.OpenTarget("E:\\a.pdf", "", false, false)) << code;
  }
  shell_.openResult = 31;
  EXPECT_FALSE(opener_.OpenTarget("E:\\a.pdf", "", false, false));
  EXPECT_EQ(opener_.Message().substr(0, 42), "No software could be found to open the fil");
  shell_.openResult = 12;  // a shell failure without a text
  EXPECT_FALSE(opener_.OpenTarget("E:\\a.pdf", "", false, false));
  EXPECT_EQ(opener_.Message(), "The file could not be opened.");
}

TEST(ShellOpenerMessages, EveryRowOfTheTable) {
  struct Row {
    int32_t code;
    const char* message;
  } rows[] = {
      {0,
       "The operating system is out of memory or resources.  The file you are opening is "
       "probably too large - or you need to reboot your system."},
      {2, "The specified file or folder 'E:\\a.pdf' was not found."},
      {3, "The directory specified was not found."},
      {5, "The operating system denied access to the specified file."},
      {8, "There was not enough memory to complete the operation."},
      {11, "The .exe file is invalid (non-Win32\xAE .exe or error in .exe image)."},
      {26,
       "A sharing violation occurred.  This could be the file is already open elsewhere - try "
       "closing first, then running again."},
      {27,
       "The file name association is incomplete or invalid.  If you have not specified a Force "
       "Execute with application, if appropriate, specify one."},
      {28, "The DDE transaction could not be completed because the request timed out."},
      {29, "The DDE transaction failed."},
      {30,
       "The DDE transaction could not be completed because other DDE transactions were being "
       "processed."},
      {31,
       "No software could be found to open the file.  For example, if you are trying to open a "
       "PDF file, you need to have software installed on this machine that can open and view "
       "PDF files.  To fix this problem, please locate suitable software to view this file."},
      {32,
       "A system critical file could not be located - the specified dynamic-link library was "
       "not found."},
      {-1, ""},
      {1, ""},
      {33, ""},
      {193, ""},
  };
  for (const Row& row : rows) {
    for (OpenerWording wording : {OpenerWording::kStarter, OpenerWording::kWizard}) {
      if (row.code == 2 && wording == OpenerWording::kWizard) continue;
      EXPECT_EQ(ShellOpener::MessageFor(row.code, "E:\\a.pdf", "\"\"", wording), row.message)
          << row.code;
    }
  }
  // The registered sign is one code-page-1252 byte, not UTF-8.
  const std::string invalid = ShellOpener::MessageFor(11, "", "\"\"", OpenerWording::kStarter);
  EXPECT_EQ(invalid.find('\xAE'), invalid.find("Win32") + 5);
  EXPECT_EQ(invalid.find("\xC2\xAE"), std::string::npos);
}

TEST_F(ShellOpenerTest, LingerWithoutTimeSleepsFiveSecondsInSlices) {
  const int64_t start = shell_.nowMs;
  EXPECT_TRUE(opener_.OpenTarget("http://host", "", true, false));
  EXPECT_EQ(shell_.ElapsedSince(start), 5000);
  EXPECT_EQ(shell_.Count("Sleep(100)"), 50);
  EXPECT_EQ(shell_.Count("Pump"), 51);

  shell_.calls.clear();
  opener_.SetLingerTime(2);
  const int64_t again = shell_.nowMs;
  EXPECT_TRUE(opener_.OpenTarget("http://host", "", true, false));
  EXPECT_EQ(shell_.ElapsedSince(again), 2000);
}

TEST_F(ShellOpenerTest, CloseEventEndsTheLingerAtOnce) {
  opener_.SetCloseEvent(FakeShellPort::kCloseEvent);
  shell_.closeEventAfterWaits = 3;
  const int64_t start = shell_.nowMs;
  EXPECT_TRUE(opener_.OpenTarget("http://host", "", true, false));
  EXPECT_EQ(shell_.ElapsedSince(start), 300);
  EXPECT_EQ(shell_.Count("Wait(event,100)"), 4);
  EXPECT_EQ(shell_.Count("Sleep(100)"), 0);
}

TEST_F(ShellOpenerTest, FailedWaitEndsTheLingerInsteadOfSpinning) {
  opener_.SetCloseEvent(FakeShellPort::kCloseEvent);
  shell_.waitFails = true;
  EXPECT_TRUE(opener_.OpenTarget("http://host", "", true, false));
  EXPECT_EQ(shell_.Count("Wait(event,100)"), 1);
}

TEST_F(ShellOpenerTest, NoLingerAfterAFailure) {
  shell_.openResult = 31;
  EXPECT_FALSE(opener_.OpenTarget("http://host", "", true, false));
  EXPECT_EQ(shell_.Count("Sleep(100)"), 0);
}

TEST_F(ShellOpenerTest, LingerCountsFromTheStartOfAWaitedProgram) {
  fs_.files["E:\\long.exe"] = "";
  opener_.SetLingerTime(5);
  shell_.processRunMs = 10000;
  const int64_t start = shell_.nowMs;
  EXPECT_TRUE(opener_.OpenTarget("E:\\long.exe", "", true, true));
  EXPECT_EQ(shell_.ElapsedSince(start), 10000);
  EXPECT_EQ(shell_.Count("Sleep(100)"), 0);
  // 50 ms slices, a pump after each time-out, the handle closed after the wait.
  EXPECT_EQ(shell_.Count("Wait(process,50)"), 200);
  EXPECT_EQ(shell_.Count("Pump"), 200);
  EXPECT_THAT(shell_.Actions(), ElementsAre("StartProcess(E:\\long.exe|E:\\)", "Close(process)"));
}

TEST_F(ShellOpenerTest, WaitingForADocumentUsesShellExecuteExAndTheCloseEvent) {
  fs_.files["E:\\a.pdf"] = "";
  opener_.SetCloseEvent(FakeShellPort::kCloseEvent);
  shell_.processRunMs = 60000;
  shell_.closeEventAfterWaits = 10;
  const int64_t start = shell_.nowMs;
  EXPECT_TRUE(opener_.OpenTarget("E:\\a.pdf", "", false, true));
  EXPECT_EQ(shell_.ElapsedSince(start), 500);
  EXPECT_EQ(shell_.Count("Wait(process+event,50)"), 11);
  EXPECT_THAT(shell_.Actions(), ElementsAre("ShellOpenEx(E:\\a.pdf|)", "Close(process)"));
}

TEST_F(ShellOpenerTest, BrowseToReportsFailureInItsOwnWords) {
  EXPECT_TRUE(opener_.BrowseTo("http://host/page"));
  EXPECT_THAT(shell_.Actions(),
              ElementsAre("WaitCursor(on)", "ShellOpen(http://host/page|E:\\)", "WaitCursor(off)"));
  shell_.calls.clear();
  shell_.openResult = 29;
  EXPECT_FALSE(opener_.BrowseTo("http://host/page"));
  EXPECT_THAT(shell_.Actions(),
              ElementsAre("WaitCursor(on)", "ShellOpen(http://host/page|E:\\)", "WaitCursor(off)"));
  EXPECT_EQ(opener_.BrowseFailureText(),
            "It was not possible to browse to the URL 'http://host/page' at this time.  Reason "
            "appears below:\n\nError code: 29\nMessage: The DDE transaction failed.");
}

}  // namespace

namespace {

// A folder's shell window does not end when the user's work does: a wait on
// it (an installer or a file list naming a folder) would never end.
TEST_F(ShellOpenerTest, AFolderIsOpenedWithoutWaiting) {
  shell_.processRunMs = 1'000'000'000;
  EXPECT_TRUE(opener_.OpenTarget("E:\\cd\\\\\\\\\\", "", false, true));
  EXPECT_THAT(shell_.Actions(), ElementsAre("ShellOpen(E:\\cd\\|E:\\)"));
  EXPECT_EQ(shell_.Count("Wait(process,50)"), 0);
}

}  // namespace
