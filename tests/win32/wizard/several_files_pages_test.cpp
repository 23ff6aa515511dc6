// The several-files wizard's pages on their own templates, over the real
// registry and a real source folder: what the combos offer, the buttons
// editing the list (with the entry editors answered as an author would),
// what leaving saves, and the opening-mode page's enabling and refusals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"
#include "wizard/pages/win32/entry_pages.h"
#include "wizard/pages/win32/file_list_page.h"
#include "wizard/pages/win32/open_mode_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/several_files_wizard.h"
#include "wizard/pages/win32/several_folder_page.h"
#include "wizard/pages/win32/wizard_frame.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
using Texts = std::vector<std::string>;

// The static that holds a message box's text.
constexpr int kMessageBoxText = 0xFFFF;

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM data) {
  auto* s = reinterpret_cast<Search*>(data);
  if (::GetDlgCtrlID(child) != s->id) return TRUE;
  s->found = child;
  return FALSE;
}

// A control anywhere below `window` (an option frame's page is a child of it).
HWND Find(HWND window, int id) {
  Search search{id, nullptr};
  ::EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Text(HWND window) {
  char buffer[2048] = {};
  ::GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

// Answers the modal windows this thread opens, one step from a queue each;
// a message box (or a window with no step left) is noted and closed.
class ModalAnswerer : public test_support::ModalWatcher {
 public:
  using Step = std::function<void(HWND window)>;
  std::deque<Step> steps;
  Texts messages;  // the message boxes' texts, in order
  Texts titles;    // the option frames' titles, in order

 private:
  void Answer(HWND window) override {
    HWND message = ::GetDlgItem(window, kMessageBoxText);
    HWND title = ::GetDlgItem(window, IDT_OPTION_TITLE);
    if (title != nullptr) titles.push_back(Text(title));
    if (message != nullptr || steps.empty()) {
      if (message != nullptr) messages.push_back(Text(message));
      ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      return;
    }
    Step step = steps.front();
    steps.pop_front();
    step(window);
  }
};

// An editor step: types into the page's edits, then presses OK.
ModalAnswerer::Step TypeAndOk(std::vector<std::pair<int, std::string>> typed) {
  return [typed](HWND frame) {
    for (const auto& [id, value] : typed) ::SetWindowTextA(Find(frame, id), value.c_str());
    ::PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDB_OPTION_OK, BN_CLICKED), 0);
  };
}

void Press(HWND dialog, int id) {
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

Texts ComboItems(HWND dialog, int id) {
  Texts items;
  HWND combo = ::GetDlgItem(dialog, id);
  const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char buffer[MAX_PATH] = {};
    ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
    items.push_back(buffer);
  }
  return items;
}

int ComboSelection(HWND dialog, int id) {
  return static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void ChooseInCombo(HWND dialog, int id, int index) {
  ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// The list's rows as "name|file|force", the marked one with ">" in front.
Texts Rows(HWND page) {
  HWND list = ::GetDlgItem(page, IDL_SEVERAL_ENTRIES);
  const int mark = static_cast<int>(::SendMessageA(list, LVM_GETSELECTIONMARK, 0, 0));
  Texts rows;
  const int count = ListView_GetItemCount(list);
  for (int row = 0; row < count; ++row) {
    std::string line = row == mark ? ">" : "";
    for (int column = 0; column < 3; ++column) {
      char buffer[MAX_PATH] = {};
      ListView_GetItemText(list, row, column, buffer, sizeof buffer);
      line += (column > 0 ? "|" : "") + std::string(buffer);
    }
    rows.push_back(line);
  }
  return rows;
}

void Mark(HWND page, int row) {
  HWND list = ::GetDlgItem(page, IDL_SEVERAL_ENTRIES);
  ::SendMessageA(list, LVM_SETSELECTIONMARK, 0, row);
  ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

class SeveralFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    for (const char* file :
         {"Vendisc.exe", "b.pdf", "a.txt", "sub\\c.doc", "d1\\d2\\d3\\d4\\d5\\x.txt"}) {
      ASSERT_TRUE(folder.AddFile(file, "x"));
    }
    ASSERT_TRUE(::CreateDirectoryA(folder.PathOf("hollow").c_str(), nullptr));
    settings.SetText(ws::kSourceFolder, source);
    settings.SetText(ws::kAutoRunExeName, "VENDISC.EXE");
    settings.SetText(keys::kMultiSelectHelpURL, "");
    settings.SetFlag(ws::kMultiSelectSetup, false);
    settings.SetFlag(keys::kSingleFile, true);
    settings.SetNumber(keys::kMultiSourceFileCount, 1);
    settings.SetText(keys::MultiSourceFileName(1), "First");
    settings.SetText(keys::MultiSourceFile(1), "a.txt");
    settings.SetText(keys::MultiSourceForceOpen(1), "");
  }

  WizardApp app;
  WizardSettings settings{app.Registry()};
  test_support::TempFolder folder{"several"};
  const std::string source = folder.Path() + "\\";
};

TEST_F(SeveralFilesTest, ListPageOffersTheTreeAndEditsTheListWithItsButtons) {
  FileListPage page;
  WizardFrame frame;
  frame.AddPage(page, "Select Further Files", "multi_file_further_files");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND p = page.hwnd();

  EXPECT_EQ(ComboItems(p, IDC_SEVERAL_FOLDER),
            (Texts{"\\", "\\d1\\", "\\d1\\d2\\", "\\d1\\d2\\d3\\", "\\d1\\d2\\d3\\d4\\",
                   "\\d1\\d2\\d3\\d4\\d5\\", "\\d1\\d2\\d3\\d4\\d5\\..", "\\sub\\"}));
  EXPECT_EQ(ComboSelection(p, IDC_SEVERAL_FOLDER), 0);
  EXPECT_EQ(ComboItems(p, IDC_SEVERAL_ADD), (Texts{"a.txt", "b.pdf"}));  // no starter
  EXPECT_EQ(ComboSelection(p, IDC_SEVERAL_ADD), 0);
  EXPECT_EQ(Rows(p), Texts{"First|a.txt|"});
  HWND list = ::GetDlgItem(p, IDL_SEVERAL_ENTRIES);
  EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_GRIDLINES);

  ModalAnswerer answerer;
  // Nothing marked: a spacer goes first; removing and moving are refused.
  Press(p, IDB_SEVERAL_ADD_SPACE);
  EXPECT_EQ(Rows(p), (Texts{"||", "First|a.txt|"}));
  Press(p, IDB_SEVERAL_REMOVE);
  Press(p, IDB_SEVERAL_UP);
  EXPECT_EQ(answerer.messages, Texts(2, "Sorry, but no item was selected."));

  // A file of a sub-folder, through its editor, at the mark.
  ChooseInCombo(p, IDC_SEVERAL_FOLDER, 7);
  EXPECT_EQ(ComboItems(p, IDC_SEVERAL_ADD), Texts{"c.doc"});
  Mark(p, 1);
  answerer.steps.push_back(TypeAndOk({{IDE_FILE_ENTRY_FORCE, "viewer.exe"}}));
  Press(p, IDB_SEVERAL_ADD_FILE);
  EXPECT_EQ(Rows(p), (Texts{"||", ">c.doc|\\sub\\c.doc|viewer.exe", "First|a.txt|"}));

  // An address refused, then typed right; then a folder.
  answerer.steps.push_back(TypeAndOk({{IDE_URL_ENTRY_ADDRESS, "www.x.com"}}));
  answerer.steps.push_back(TypeAndOk({{IDE_URL_ENTRY_ADDRESS, "http://x.com"}}));
  Press(p, IDB_SEVERAL_ADD_URL);
  answerer.steps.push_back(TypeAndOk({{IDE_FOLDER_ENTRY_NAME, "Sub folder"}}));
  Press(p, IDB_SEVERAL_ADD_FOLDER);
  EXPECT_EQ(Rows(p), (Texts{"||", ">Sub folder|\\sub\\|", "http://x.com|http://x.com|",
                            "c.doc|\\sub\\c.doc|viewer.exe", "First|a.txt|"}));
  EXPECT_EQ(answerer.messages.back(),
            "Sorry, but the URL does not have the correct text at the start to identify what "
            "type of URL it is.  See help for more information.");

  // Moving at the edges changes nothing; removing the last row marks the new last.
  Mark(p, 4);
  Press(p, IDB_SEVERAL_DOWN);
  Press(p, IDB_SEVERAL_UP);
  Press(p, IDB_SEVERAL_UP);
  Mark(p, 0);
  Press(p, IDB_SEVERAL_UP);
  EXPECT_EQ(Rows(p), (Texts{">||", "Sub folder|\\sub\\|", "First|a.txt|",
                            "http://x.com|http://x.com|", "c.doc|\\sub\\c.doc|viewer.exe"}));
  Mark(p, 4);
  Press(p, IDB_SEVERAL_REMOVE);
  EXPECT_EQ(Rows(p).back(), ">http://x.com|http://x.com|");

  // Editing a file row changes its name and programs, not its file.
  Mark(p, 2);
  answerer.steps.push_back(
      TypeAndOk({{IDE_FILE_ENTRY_NAME, "Read me"}, {IDE_FILE_ENTRY_FORCE, "notepad.exe"}}));
  Press(p, IDB_SEVERAL_EDIT);
  EXPECT_EQ(Rows(p)[2], ">Read me|a.txt|notepad.exe");
  EXPECT_EQ(answerer.titles, (Texts{"File Display Name", "Add URL", "Add URL", "Add Folder",
                                    "Setting File Information"}));

  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(settings.Number(keys::kMultiSourceFileCount), 4);
  const Texts files = {"", "\\sub\\", "a.txt", "http://x.com"};
  const Texts names = {"", "Sub folder", "Read me", "http://x.com"};
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(settings.Text(keys::MultiSourceFile(n)), files[n - 1]);
    EXPECT_EQ(settings.Text(keys::MultiSourceFileName(n)), names[n - 1]);
  }
  EXPECT_EQ(settings.Text(keys::MultiSourceForceOpen(3)), "notepad.exe");
  EXPECT_FALSE(settings.Flag(keys::kSingleFile));
  EXPECT_FALSE(settings.Flag(keys::kOpenAllFiles));
  EXPECT_TRUE(settings.Flag(keys::kWaitForPrevious));
  EXPECT_TRUE(settings.Flag(keys::kMultiSelectAllowReselect));
}

TEST_F(SeveralFilesTest, OpenModePageEnablesByActionAndRefusesAMissingImage) {
  settings.SetFlag(keys::kOpenAllFiles, true);
  settings.SetFlag(keys::kMultiSelectUseImage, true);
  settings.SetText(keys::kMultiSelectImage, "");
  settings.SetText(keys::kMultiSelectImageLocation, "nowhere");
  OpenModePage page;
  WizardFrame frame;
  frame.AddPage(page, "Specify How Files Are Opened", "multiple_how_are_opened");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND p = page.hwnd();
  EXPECT_EQ(ComboItems(p, IDC_MODE_ACTION), (Texts{"Open all the files, in the order specified",
                                                   "Let user select one file to open"}));
  EXPECT_EQ(ComboSelection(p, IDC_MODE_ACTION), 0);
  EXPECT_EQ(ComboSelection(p, IDC_MODE_LOCATION), 1);
  EXPECT_TRUE(Enabled(p, IDX_MODE_WAIT));
  EXPECT_FALSE(Enabled(p, IDX_MODE_RESELECT) || Enabled(p, IDE_MODE_TITLE) ||
               Enabled(p, IDX_MODE_USE_IMAGE) || Enabled(p, IDB_MODE_SELECT_IMAGE));
  EXPECT_EQ(Text(::GetDlgItem(p, IDT_MODE_EXPLANATION)).substr(0, 10), "Important:");

  ModalAnswerer answerer;
  ChooseInCombo(p, IDC_MODE_ACTION, 1);
  EXPECT_EQ(answerer.messages, Texts{"Please select an Image using the 'Select Image...' button."});
  EXPECT_FALSE(Enabled(p, IDX_MODE_WAIT));
  EXPECT_TRUE(Enabled(p, IDE_MODE_TITLE) && Enabled(p, IDB_MODE_SELECT_IMAGE));
  EXPECT_TRUE(settings.Flag(keys::kOpenAllFiles));  // refused: nothing saved
  EXPECT_FALSE(page.OnWizardFinish());

  ::SendDlgItemMessageA(p, IDX_MODE_USE_IMAGE, BM_CLICK, 0, 0);
  EXPECT_FALSE(Enabled(p, IDB_MODE_SELECT_IMAGE));
  // A title over the limit (from a loaded file) keeps the page on Finish too.
  ::SetDlgItemTextA(p, IDE_MODE_TITLE, std::string(257, 'T').c_str());
  EXPECT_FALSE(page.OnWizardFinish());
  EXPECT_EQ(answerer.messages.back(), "Please enter no more than 256 characters.");
  ::SetDlgItemTextA(p, IDE_MODE_TITLE, "Choose");
  EXPECT_TRUE(page.OnWizardFinish());
  EXPECT_FALSE(settings.Flag(keys::kOpenAllFiles));
  EXPECT_EQ(settings.Text(keys::kMultiSelectTitle), "Choose");
  EXPECT_EQ(settings.Text(keys::kMultiSelectImageLocation), "Left of Selection List");
  EXPECT_TRUE(settings.Flag(ws::kMultiSelectSetup));
}

TEST_F(SeveralFilesTest, FolderPageRefusesAnEmptyFolderAndSavesBothFolders) {
  FolderPage page;
  WizardFrame frame;
  frame.AddPage(page, "Select Initial File", "multiple_select_initial");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  EXPECT_EQ(Text(::GetDlgItem(page.hwnd(), IDE_SEVERAL_FOLDER)), source);
  ModalAnswerer answerer;
  ::SetDlgItemTextA(page.hwnd(), IDE_SEVERAL_FOLDER, "  ");
  EXPECT_FALSE(page.OnKillActive());
  EXPECT_EQ(answerer.messages, Texts{"Please select a source folder."});
  ::SetDlgItemTextA(page.hwnd(), IDE_SEVERAL_FOLDER, folder.PathOf("sub").c_str());
  EXPECT_TRUE(page.OnKillActive());
  EXPECT_EQ(settings.Text(ws::kSourceFolder), folder.PathOf("sub") + "\\");
  EXPECT_EQ(settings.Text(ws::kMultiSourceFolder), folder.PathOf("sub") + "\\");
}

TEST_F(SeveralFilesTest, TheNestedWizardEndsTrueOnlyWhenFinished) {
  settings.SetFlag(keys::kMultiSelectUseImage, false);
  {
    ModalAnswerer answerer;
    answerer.steps.push_back([](HWND frame) {
      ::PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDB_FRAME_CANCEL, BN_CLICKED), 0);
    });
    EXPECT_FALSE(RunSeveralFilesWizard(nullptr, nullptr));
    EXPECT_TRUE(settings.Flag(keys::kSingleFile));  // the list page was never left
  }
  ModalAnswerer answerer;
  answerer.steps.push_back([this](HWND frame) {
    ::SetWindowTextA(Find(frame, IDE_SEVERAL_FOLDER), folder.PathOf("sub").c_str());
    for (int button : {IDB_FRAME_NEXT, IDB_FRAME_NEXT, IDB_FRAME_FINISH}) {
      ::PostMessageA(frame, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }
  });
  EXPECT_TRUE(RunSeveralFilesWizard(nullptr, nullptr));
  EXPECT_EQ(settings.Text(ws::kMultiSourceFolder), folder.PathOf("sub") + "\\");
  EXPECT_FALSE(settings.Flag(keys::kSingleFile));
  EXPECT_TRUE(settings.Flag(ws::kMultiSelectSetup));
  EXPECT_TRUE(answerer.messages.empty());
}

// For looking at by eye (VENDISC_SCREENSHOTS): the three pages in their
// nested frame and the three editors in their option frames.
TEST_F(SeveralFilesTest, Screenshots) {
  FolderPage first;
  FileListPage list;
  OpenModePage mode;
  WizardFrame frame;
  frame.SetNested(true);
  frame.AddPage(first, "Select Initial File", "multiple_select_initial");
  frame.AddPage(list, "Select Further Files", "multi_file_further_files");
  frame.AddPage(mode, "Specify How Files Are Opened", "multiple_how_are_opened");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  ::ShowWindow(frame.hwnd(), SW_SHOW);
  for (const char* name : {"several_folder", "several_list", "several_mode"}) {
    test_support::PumpPending();
    test_support::SaveScreenshotIfAsked(frame.hwnd(), name);
    EXPECT_THAT(test_support::ClippedControls(frame.hwnd()), ::testing::IsEmpty());
    Press(frame.hwnd(), IDB_FRAME_NEXT);
  }
  EXPECT_EQ(frame.currentIndex(), 2);

  several_files::Entry entry{"Guide", "\\docs\\guide.pdf", "viewer.exe"};
  FileEntryPage file(entry);
  UrlEntryPage url(entry);
  FolderEntryPage folderEntry(entry);
  const struct {
    WizardPage* page;
    const char* title;
    const char* name;
  } editors[] = {{&file, "Setting File Information", "several_file_entry"},
                 {&url, "Edit URL", "several_url_entry"},
                 {&folderEntry, "Edit Folder", "several_folder_entry"}};
  for (const auto& editor : editors) {
    OptionFrame option("multiple_select_file");
    option.SetPage(*editor.page, editor.title);
    ASSERT_TRUE(option.CreateModeless(nullptr));
    ::ShowWindow(option.hwnd(), SW_SHOW);
    test_support::PumpPending();
    test_support::SaveScreenshotIfAsked(option.hwnd(), editor.name);
    EXPECT_THAT(test_support::ClippedControls(option.hwnd()), ::testing::IsEmpty());
    EXPECT_EQ(Text(Find(option.hwnd(), IDT_ENTRY_NAME_HEADING)), "Display Name");
  }
}

}  // namespace
