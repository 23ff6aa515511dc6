// The CD files' windows and adapters against the real API: the files-to-copy
// report built from a real autorun.inf, the length warning's tick box, and
// creating the CD files with real copies and a real write.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/win32/win32_file_system.h"
#include "config/autorun_keys.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"
#include "wizard/cd_files.h"
#include "wizard/cd_files_texts.h"
#include "wizard/pages/win32/cd_problem_page.h"
#include "wizard/pages/win32/file_name_length_page.h"
#include "wizard/pages/win32/files_to_copy_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/please_wait_box.h"
#include "wizard/win32/test_result_dialog.h"
#include "wizard/win32/win32_file_copier.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;

void Press(HWND window, int id) {
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

std::string Text(HWND window, int id) {
  char buffer[1024] = {};
  ::GetDlgItemTextA(window, id, buffer, sizeof buffer);
  return buffer;
}

std::string Cell(HWND list, int row, int column) {
  char buffer[1024] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

std::string ColumnTitle(HWND list, int column, int* width) {
  char buffer[256] = {};
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH;
  col.pszText = buffer;
  col.cchTextMax = sizeof buffer;
  ::SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&col));
  *width = col.cx;
  return buffer;
}

TEST(FilesToCopyPage, ListsTheRowsOfARealConfiguration) {
  test_support::TempFolder cd("report");
  ASSERT_TRUE(cd.ok());
  ASSERT_TRUE(cd.AddAutorun(
      "[autorun]\r\nOPEN=Go.exe \"start here.htm\"\r\nicon=cd.ico\r\n"
      "InstallerFile=viewer\\setup.exe\r\nWelcomeUseImage=1\r\nWelcomeImage=w.bmp\r\n"));
  FakeRegistryBackend registry;
  WizardSettings settings(registry);
  settings.SetFlag(ws::kAutoRunExeNameEnabled, true);
  settings.SetText(ws::kAutoRunExeName, "Go.exe");
  char previous[MAX_PATH] = {};
  ::GetCurrentDirectoryA(sizeof previous, previous);

  FilesToCopyPage page(cd.PathOf("autorun.inf"), settings);
  OptionFrame frame("config_burn_cd");
  frame.SetPage(page, "Files to copy to CD");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  test_support::SaveScreenshotIfAsked(frame.hwnd(), "files_to_copy");
  EXPECT_EQ(Text(frame.hwnd(), IDT_OPTION_TITLE), "Files to copy to CD");
  HWND list = ::GetDlgItem(page.hwnd(), IDL_REPORT_LIST);
  int width = 0;
  EXPECT_EQ(ColumnTitle(list, 0, &width), "Target CD Folder");
  EXPECT_EQ(ColumnTitle(list, 1, &width), "Source");
  EXPECT_THAT(test_support::ClippedControls(frame.hwnd()), ::testing::IsEmpty());
  const std::string f = cd.Path() + "\\";
  const std::vector<std::vector<std::string>> expected = {
      {"\\", f + "autorun.inf"},
      {"\\", f + "Go.exe"},
      {"\\", f + "start here.htm (plus any support files required for this)"},
      {"\\", f + "cd.ico"},
      {"\\", f + "viewer\\setup.exe (plus any support installer files)"},
      {"\\", f + "w.bmp"},
  };
  ASSERT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
  for (size_t row = 0; row < expected.size(); ++row) {
    EXPECT_EQ(Cell(list, static_cast<int>(row), 0), expected[row][0]) << row;
    EXPECT_EQ(Cell(list, static_cast<int>(row), 1), expected[row][1]) << row;
  }
  EXPECT_EQ(Text(page.hwnd(), IDT_REPORT_FOLDERS),
            "The files listed below must be placed in the folders specifed on the CD - e.g. if "
            "the 'autorun.inf' folder specified is '\\' and the CD drive is 'D:\\', file should "
            "be 'd:\\autorun.inf'.");
  // Relative names in the configuration now resolve against its folder.
  char current[MAX_PATH] = {};
  ::GetCurrentDirectoryA(sizeof current, current);
  EXPECT_EQ(std::string(current) + "\\", f);
  Press(frame.hwnd(), IDB_OPTION_OK);
  EXPECT_FALSE(::IsWindow(frame.hwnd()));
  ::SetCurrentDirectoryA(previous);
}

TEST(FileNameLengthPage, OkReadsTheTickBoxAndTheProblemPageShowsItsText) {
  FileNameLengthPage page;
  OptionFrame frame("file_name_length");
  frame.SetPage(page, "File name length warning");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  test_support::SaveScreenshotIfAsked(frame.hwnd(), "file_name_length");
  EXPECT_EQ(::IsDlgButtonChecked(page.hwnd(), IDX_LENGTH_DONT_WARN), BST_UNCHECKED);
  ::CheckDlgButton(page.hwnd(), IDX_LENGTH_DONT_WARN, BST_CHECKED);
  Press(frame.hwnd(), IDB_OPTION_OK);
  EXPECT_TRUE(page.dontWarnAgain());

  CdProblemPage problem("First line\n\nFailed to copy\n\n\tC:\\a\n");
  OptionFrame problemFrame("requ_create_cd");
  problemFrame.SetPage(problem, "Problems in creating configuration");
  ASSERT_TRUE(problemFrame.CreateModeless(nullptr));
  test_support::SaveScreenshotIfAsked(problemFrame.hwnd(), "cd_problem");
  EXPECT_EQ(Text(problem.hwnd(), IDE_PROBLEM_TEXT),
            "First line\r\n\r\nFailed to copy\r\n\r\n\tC:\\a\r\n");
  EXPECT_EQ(Text(problem.hwnd(), IDT_PROBLEM_HELP_LINK), "Tell me more about this");
}

class CountingMain : public MainCommands {
 public:
  int shown = 0;
  void TestConfiguration(HWND) override {}
  void ShowFilesToCopy(HWND) override { ++shown; }
};

TEST(TestResultDialog, ShowsTheErrorAndOffersTheReportOnlyWithoutOne) {
  CountingMain main;
  TestResultDialog failed("Failed to Autoplay the CD, for the following reason:\n\nError Code: 2",
                          &main);
  ASSERT_TRUE(failed.CreateModeless(nullptr));
  test_support::SaveScreenshotIfAsked(failed.hwnd(), "test_result");
  char caption[128] = {};
  ::GetWindowTextA(failed.hwnd(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Testing your configuration");
  EXPECT_EQ(Text(failed.hwnd(), IDE_RESULT_TEXT),
            "Failed to Autoplay the CD, for the following reason:\r\n\r\nError Code: 2");
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(failed.hwnd(), IDB_RESULT_SHOW_FILES)));
  TestResultDialog clean("", &main);
  ASSERT_TRUE(clean.CreateModeless(nullptr));
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(clean.hwnd(), IDB_RESULT_SHOW_FILES)));
  Press(clean.hwnd(), IDB_RESULT_SHOW_FILES);
  EXPECT_EQ(main.shown, 1);
  Press(clean.hwnd(), IDB_RESULT_CLOSE);
  EXPECT_FALSE(::IsWindow(clean.hwnd()));
}

class RecordingCdFilesUi : public CdFilesUi {
 public:
  std::vector<std::string> problems;
  void ShowProblem(const std::string& text) override { problems.push_back(text); }
  uint32_t LastError() override { return 0; }
};

// The kit's folder with a starter, a CD folder with the file to open.
struct RealFolders {
  RealFolders() {
    kit.AddFile("Vendisc.exe", "the starter");
    cd.AddFile("doc.pdf", "pdf");
    settings.SetText(ws::kInstallPath, kit.Path());
    settings.SetText(ws::kSourceFolder, cd.Path() + "\\");
    settings.SetText(ws::kSourceFile, cd.PathOf("doc.pdf"));
    settings.SetFlag(ws::kAutoRunExeNameEnabled, true);
    settings.SetText(ws::kAutoRunExeName, "Start.exe");
  }
  test_support::TempFolder kit{"kit"};
  test_support::TempFolder cd{"cd"};
  FakeRegistryBackend registry;
  WizardSettings settings{registry};
  Win32FileSystem fs;
  Win32FileCopier copier;
  FakeWizardQuestions questions;
  RecordingCdFilesUi ui;
  CdFiles cdFiles{settings, fs, copier, questions, ui};
};

TEST(CreateCdFiles, CopiesTheStarterAndWritesAutorunInf) {
  RealFolders f;
  ASSERT_TRUE(f.kit.ok() && f.cd.ok());
  f.cd.AddFile("autorun.inf", "old");
  ASSERT_TRUE(f.cdFiles.CreateCdFiles(false));
  EXPECT_EQ(f.cd.ReadText("Start.exe"), "the starter");
  EXPECT_TRUE(
      f.cd.ReadText("autorun.inf").starts_with("[autorun]\r\nOPEN=Start.exe \"doc.pdf\"\r\n"));
  EXPECT_FALSE(f.cd.Exists("autorun.inf.tmp~"));
  EXPECT_EQ(f.settings.Text(ws::kLastINFFile), f.cd.PathOf("autorun.inf"));
  EXPECT_TRUE(f.ui.problems.empty());
  EXPECT_TRUE(f.questions.asked.empty());
}

TEST(CreateCdFiles, AStarterInUseShowsTheInUseText) {
  RealFolders f;
  ASSERT_TRUE(f.kit.ok() && f.cd.ok());
  f.cd.AddFile("Start.exe", "running");
  f.cd.AddFile("autorun.inf", "old");
  // A starter still running from the folder holds its file open.
  HANDLE held = ::CreateFileA(f.cd.PathOf("Start.exe").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(f.cdFiles.CreateCdFiles(false));
  ::CloseHandle(held);
  ASSERT_EQ(f.ui.problems.size(), 1u);
  EXPECT_EQ(f.ui.problems[0],
            CopyFailureText(f.kit.PathOf("Vendisc.exe"), f.cd.PathOf("Start.exe"), 32));
  EXPECT_EQ(f.cd.ReadText("Start.exe"), "running");
  EXPECT_EQ(f.cd.ReadText("autorun.inf"), "old");
}

// Every copy into the CD folder replaces its target in one step: whatever
// fails, the target is the old file or the whole new one, and no temporary
// is left behind.
TEST(Win32FileCopier, ReplacesInOneStepAndAFailureKeepsTheOldFile) {
  struct Case {
    const char* what;
    bool sourceExists;
    bool targetReadOnly;
    bool targetHeld;
    uint32_t error;
  };
  const Case cases[] = {
      {"replaced", true, false, false, 0},
      {"source missing", false, false, false, ERROR_FILE_NOT_FOUND},
      {"target read-only", true, true, false, ERROR_ACCESS_DENIED},
      {"target in use", true, false, true, ERROR_SHARING_VIOLATION},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test_support::TempFolder folder{"copy"};
    ASSERT_TRUE(folder.ok());
    if (c.sourceExists) folder.AddFile("new.bin", std::string(300000, 'n'));
    folder.AddFile("target.bin", "old");
    // A stale temporary of a killed copy, read-only as a file from a CD is.
    folder.AddFile("target.bin.tmp~", "half");
    ::SetFileAttributesA(folder.PathOf("target.bin.tmp~").c_str(), FILE_ATTRIBUTE_READONLY);
    if (c.targetReadOnly)
      ::SetFileAttributesA(folder.PathOf("target.bin").c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE held = c.targetHeld ? ::CreateFileA(folder.PathOf("target.bin").c_str(), GENERIC_READ, 0,
                                               nullptr, OPEN_EXISTING, 0, nullptr)
                               : INVALID_HANDLE_VALUE;
    EXPECT_EQ(
        Win32FileCopier().CopyReplacing(folder.PathOf("new.bin"), folder.PathOf("target.bin")),
        c.error);
    if (held != INVALID_HANDLE_VALUE) ::CloseHandle(held);
    EXPECT_EQ(folder.ReadText("target.bin"), c.error == 0 ? std::string(300000, 'n') : "old");
    // Only a failure before the copy started leaves the stale one as it was.
    if (c.error == 0 || !c.sourceExists) {
      EXPECT_FALSE(folder.Exists("target.bin.tmp~"));
    }
    ::SetFileAttributesA(folder.PathOf("target.bin").c_str(), FILE_ATTRIBUTE_NORMAL);
    ::SetFileAttributesA(folder.PathOf("target.bin.tmp~").c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

// What reached the owner window of a copy.
std::vector<UINT> ownerMessages;
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP || message == WM_KEYDOWN || message == WM_LBUTTONDOWN)
    ownerMessages.push_back(message);
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// A copy with the box up keeps its windows served (a message posted before
// it is handled before it ends) and drops what the author typed or clicked.
TEST(WaitingFileCopier, ServesTheWindowsDuringTheCopyAndDropsInput) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = RecordingProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "CopyOwnerTest";
  ::RegisterClassA(&windowClass);
  HWND owner = ::CreateWindowExA(0, "CopyOwnerTest", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                 0, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(owner, nullptr);
  test_support::TempFolder folder{"wait"};
  ASSERT_TRUE(folder.ok());
  const std::string contents(8 << 20, 'w');
  folder.AddFile("big.bin", contents);
  test_support::PumpPending();
  ownerMessages.clear();

  ::PostMessageA(owner, WM_KEYDOWN, VK_RETURN, 0);
  ::PostMessageA(owner, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ::PostMessageA(owner, WM_APP, 0, 0);
  WaitingFileCopier copier(owner);
  EXPECT_EQ(copier.CopyReplacing(folder.PathOf("big.bin"), folder.PathOf("copy.bin")), 0u);
  EXPECT_EQ(ownerMessages, std::vector<UINT>{WM_APP});
  MSG left;
  EXPECT_FALSE(::PeekMessageA(&left, owner, WM_KEYFIRST, WM_MOUSELAST, PM_NOREMOVE));
  EXPECT_EQ(folder.ReadText("copy.bin"), contents);
  EXPECT_EQ(copier.CopyReplacing(folder.PathOf("gone.bin"), folder.PathOf("copy.bin")),
            static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(folder.ReadText("copy.bin"), contents);
  ::DestroyWindow(owner);
}

}  // namespace
