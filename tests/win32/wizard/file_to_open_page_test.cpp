// The file-to-open page, its advice dialog and the copy-over page on the
// wizard's own templates, over the real registry and files: typing a path
// and pressing Next saves it, refusals keep the page, a PDF gets its advice,
// and the copy-over page copies what is ticked or closes when there is
// nothing to copy.
#include "wizard/pages/win32/file_to_open_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <deque>
#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"
#include "wizard/pages/win32/copy_resources_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/wizard_frame.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;

// The static that holds a message box's text.
constexpr int kMessageBoxText = 0xFFFF;

// Answers the modal windows this thread opens while it lives, one button
// each from a queue, after noting what each showed.
class ModalAnswerer : public test_support::ModalWatcher {
 public:
  struct Seen {
    std::string caption;
    std::string message;  // a message box's text
    std::string title;    // an advice dialog's title
    bool viewerShown = false;
  };
  std::vector<Seen> seen;
  std::deque<int> buttons;
  int tickFirst = 0;  // a check box to tick before pressing

 private:
  static std::string Text(HWND window, int id) {
    char buffer[2048] = {};
    ::GetDlgItemTextA(window, id, buffer, sizeof buffer);
    return buffer;
  }
  void Answer(HWND window) override {
    char caption[256] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    HWND viewer = ::GetDlgItem(window, IDB_ADVICE_VIEWER);
    seen.push_back({caption, Text(window, kMessageBoxText), Text(window, IDT_ADVICE_TITLE),
                    viewer != nullptr && ::IsWindowVisible(viewer)});
    if (tickFirst != 0 && ::GetDlgItem(window, tickFirst) != nullptr) {
      ::SendMessageA(::GetDlgItem(window, tickFirst), BM_CLICK, 0, 0);
    }
    const int button = buttons.empty() ? IDCANCEL : buttons.front();
    if (!buttons.empty()) buttons.pop_front();
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  }
};

void Press(HWND frame, int id) {
  ::SendMessageA(frame, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(frame, id)));
}

bool Enabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }

class FileToOpenPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    ASSERT_TRUE(folder.AddFile("Guide.txt", "guide"));
    ASSERT_TRUE(folder.AddFile("Report.PDF", "pdf"));
    settings.SetText(ws::kAutoRunExeName, "Vendisc.exe");
    settings.SetText(ws::kSourceFile, "");
    settings.SetText(ws::kSourceFolder, sourceFolder);
    settings.SetFlag(keys::kSingleFile, false);
    settings.SetNumber(keys::kMultiSourceFileCount, 2);
    settings.SetText(keys::MultiSourceFile(1), "Guide.txt");
    // Wider than any list: it must scroll into view.
    settings.SetText(keys::MultiSourceFile(2),
                     "http://example.com/" + std::string(100, 'x') + ".html");
    settings.SetFlag(ws::kHelpRootDriveShow, true);
    settings.SetFlag(ws::kHelpFileTyleDlgShow, false);
    settings.SetFlag(ws::kSpecifyFileOpenOptions, false);
    frame.AddPage(page, "Select the file(s) to open", "select_file_to_open");
    frame.AddPage(next, "Configuration Files Created", "conf_created");
    ASSERT_TRUE(frame.CreateModeless(nullptr));
  }

  // The one-file radio clicked as a user clicks it, and a path typed.
  void ChooseOneFile(const std::string& path) {
    ::SendMessageA(::GetDlgItem(page.hwnd(), IDR_FILE_ONE), BM_CLICK, 0, 0);
    ::SetDlgItemTextA(page.hwnd(), IDE_FILE_PATH, path.c_str());
  }

  WizardApp app;
  WizardSettings settings{app.Registry()};
  test_support::TempFolder folder{"filepage"};
  const std::string sourceFolder = folder.Path() + "\\";
  FileToOpenPage page;
  WizardPage next{IDD_FILES_CREATED};
  WizardFrame frame;
};

TEST_F(FileToOpenPageTest, ShowsTheListThenSavesTheTypedFileOnNext) {
  HWND p = page.hwnd();
  // Several files: the list side is on, and lists the entries.
  EXPECT_FALSE(Enabled(p, IDE_FILE_PATH));
  EXPECT_TRUE(Enabled(p, IDL_FILE_LIST) && Enabled(p, IDB_FILE_CONFIGURE));
  ASSERT_EQ(::SendDlgItemMessageA(p, IDL_FILE_LIST, LB_GETCOUNT, 0, 0), 2);
  char line[MAX_PATH] = {};
  ::SendDlgItemMessageA(p, IDL_FILE_LIST, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(line));
  EXPECT_EQ(std::string(line), sourceFolder + "Guide.txt");
  EXPECT_THAT(test_support::ClippedControls(frame.hwnd()), ::testing::IsEmpty());

  ChooseOneFile(folder.PathOf("Guide.txt"));
  EXPECT_TRUE(Enabled(p, IDE_FILE_PATH) && Enabled(p, IDB_FILE_BROWSE));
  EXPECT_FALSE(Enabled(p, IDL_FILE_LIST) || Enabled(p, IDB_FILE_CONFIGURE));
  ModalAnswerer answerer;  // nothing should be asked
  Press(frame.hwnd(), IDB_FRAME_NEXT);
  EXPECT_EQ(frame.currentIndex(), 1);
  EXPECT_TRUE(answerer.seen.empty());
  EXPECT_EQ(settings.Text(ws::kSourceFile), folder.PathOf("Guide.txt"));
  EXPECT_EQ(settings.Text(ws::kSourceFolder), sourceFolder);
  EXPECT_TRUE(settings.Flag(keys::kSingleFile));
}

// The label between the radios starts a group of its own: a click on either
// radio must still clear the other, or leaving the page reads the wrong mode.
TEST_F(FileToOpenPageTest, EachRadioClickClearsTheOtherAndLeavingKeepsTheClickedMode) {
  HWND p = page.hwnd();
  ChooseOneFile(folder.PathOf("Guide.txt"));
  EXPECT_EQ(::IsDlgButtonChecked(p, IDR_FILE_SEVERAL), BST_UNCHECKED);
  ::SendMessageA(::GetDlgItem(p, IDR_FILE_SEVERAL), BM_CLICK, 0, 0);
  EXPECT_EQ(::IsDlgButtonChecked(p, IDR_FILE_ONE), BST_UNCHECKED);
  EXPECT_EQ(::IsDlgButtonChecked(p, IDR_FILE_SEVERAL), BST_CHECKED);
  ModalAnswerer answerer;  // several files need no file field: nothing is asked
  Press(frame.hwnd(), IDB_FRAME_NEXT);
  EXPECT_EQ(frame.currentIndex(), 1);
  EXPECT_TRUE(answerer.seen.empty());
  EXPECT_FALSE(settings.Flag(keys::kSingleFile));
}

TEST_F(FileToOpenPageTest, RefusalsKeepThePageAndSaveNothing) {
  ModalAnswerer answerer;
  answerer.buttons = {IDOK, IDNO};
  ChooseOneFile(std::string(901, 'x'));
  Press(frame.hwnd(), IDB_FRAME_NEXT);
  ChooseOneFile(folder.PathOf("Gone.txt"));
  Press(frame.hwnd(), IDB_FRAME_NEXT);
  EXPECT_EQ(frame.currentIndex(), 0);
  ASSERT_EQ(answerer.seen.size(), 2u);
  EXPECT_EQ(answerer.seen[0].message, "Please enter no more than 900 characters.");
  EXPECT_EQ(answerer.seen[1].message,
            "Failed to find '" + folder.PathOf("Gone.txt") + "'.\n\nContinue?");
  EXPECT_EQ(settings.Text(ws::kSourceFile), "");
  EXPECT_FALSE(settings.Flag(keys::kSingleFile));
}

TEST_F(FileToOpenPageTest, AnUpperCasePdfGetsThePdfAdviceWhichCanBeSwitchedOff) {
  settings.SetFlag(ws::kHelpFileTyleDlgShow, true);
  ModalAnswerer answerer;
  answerer.buttons = {IDOK};
  answerer.tickFirst = IDX_ADVICE_HIDE;
  ChooseOneFile(folder.PathOf("Report.PDF"));
  Press(frame.hwnd(), IDB_FRAME_NEXT);
  EXPECT_EQ(frame.currentIndex(), 1);
  ASSERT_EQ(answerer.seen.size(), 1u);
  EXPECT_EQ(answerer.seen[0].caption, "ZoruZaz AZ Help");
  EXPECT_EQ(answerer.seen[0].title, "PDF Files");
  EXPECT_TRUE(answerer.seen[0].viewerShown);
  EXPECT_FALSE(settings.Flag(ws::kHelpFileTyleDlgShow));
  // Esc and the close box (IDCANCEL) keep the tick as well.
  Press(frame.hwnd(), IDB_FRAME_PREVIOUS);
  settings.SetFlag(ws::kHelpFileTyleDlgShow, true);
  answerer.buttons = {IDCANCEL};
  Press(frame.hwnd(), IDB_FRAME_NEXT);
  EXPECT_EQ(answerer.seen.size(), 2u);
  EXPECT_FALSE(settings.Flag(ws::kHelpFileTyleDlgShow));
}

class CopyResourcesPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(previous.ok() && moved.ok());
    settings.SetFlag(keys::kLicenseAgreementEnabled, true);
    settings.SetText(ws::kLicenseAgreementFile, previous.PathOf("licence.txt"));
    for (const char* flag : {ws::kEnableIcon, ws::kSpecifyFileOpenOptions, keys::kShowSplashScreen,
                             keys::kShowBackgroundWindow, keys::kWelcomeEnabled}) {
      settings.SetFlag(flag, false);
    }
  }
  WizardApp app;
  WizardSettings settings{app.Registry()};
  test_support::TempFolder previous{"oldcd"};
  test_support::TempFolder moved{"newcd"};
};

TEST_F(CopyResourcesPageTest, ListsTheFileTickedAndCopiesItOnOk) {
  ASSERT_TRUE(previous.AddFile("licence.txt", "terms"));
  CopyResourcesPage page(previous.Path() + "\\", moved.Path() + "\\");
  OptionFrame frame("copy_resource_files");
  frame.SetPage(page, "Copy Over Resource Files");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND list = ::GetDlgItem(page.hwnd(), IDL_COPY_FILES);
  ASSERT_EQ(ListView_GetItemCount(list), 1);
  EXPECT_TRUE(ListView_GetCheckState(list, 0));
  char row[MAX_PATH * 2] = {};
  LVITEMA item{};
  item.pszText = row;
  item.cchTextMax = sizeof row;
  ::SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::string(row), "licence.txt (" + previous.PathOf("licence.txt") + ")");
  char heading[64] = {};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = heading;
  column.cchTextMax = sizeof heading;
  ::SendMessageA(list, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(std::string(heading), "File Information");
  EXPECT_THAT(test_support::ClippedControls(frame.hwnd()), ::testing::IsEmpty());

  Press(frame.hwnd(), IDB_OPTION_OK);
  EXPECT_FALSE(::IsWindow(frame.hwnd()));
  EXPECT_EQ(moved.ReadText("licence.txt"), "terms");
}

TEST_F(CopyResourcesPageTest, NothingToCopyClosesAtOnceAsCancelled) {
  CopyResourcesPage page(previous.Path() + "\\", moved.Path() + "\\");
  OptionFrame frame("copy_resource_files");
  frame.SetPage(page, "Copy Over Resource Files");
  ModalAnswerer answerer;  // closes the frame if it ever shows
  EXPECT_EQ(frame.Run(nullptr), IDCANCEL);
  EXPECT_TRUE(answerer.seen.empty());
}

}  // namespace
