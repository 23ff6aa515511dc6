#include "wizard/pages/win32/file_list_page.h"

#include <commctrl.h>

#include "common/text.h"
#include "config/autorun_keys.h"
#include "resource.h"
#include "wizard/configuration_loader.h"
#include "wizard/help_topics.h"
#include "wizard/pages/folder_scan.h"
#include "wizard/pages/options_texts.h"
#include "wizard/pages/several_texts.h"
#include "wizard/pages/win32/entry_pages.h"
#include "wizard/pages/win32/list_widths.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/please_wait_box.h"
#include "wizard/pages/win32/win32_folder_lister.h"
#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/report_list.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace t = several_texts;
namespace ws = wizard_settings;
using several_files::Entry;

void FillCombo(HWND combo, const std::vector<std::string>& items, int selected) {
  ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// Runs one entry editor over `owner`; true (with `entry` changed) on OK.
bool RunEditor(HWND owner, WizardPage& page, const char* topic, const char* title) {
  OptionFrame frame(topic);
  frame.SetPage(page, title);
  return frame.Run(owner) == IDOK;
}

}  // namespace

FileListPage::FileListPage() : WizardPage(IDD_SEVERAL_LIST) {
  // The list view's class must exist before the template is created.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
}

win32::DispatchTable FileListPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_SEVERAL_REFRESH, &FileListPage::Refresh),
      win32::OnCommand(IDC_SEVERAL_FOLDER, &FileListPage::RefillFiles, CBN_SELCHANGE),
      win32::OnCommand(IDB_SEVERAL_ADD_FILE, &FileListPage::AddFile),
      win32::OnCommand(IDB_SEVERAL_ADD_FOLDER, &FileListPage::AddFolder),
      win32::OnCommand(IDB_SEVERAL_ADD_URL, &FileListPage::AddUrl),
      win32::OnCommand(IDB_SEVERAL_ADD_SPACE, &FileListPage::AddSpace),
      win32::OnCommand(IDB_SEVERAL_EDIT, &FileListPage::EditEntry),
      win32::OnCommand(IDB_SEVERAL_REMOVE, &FileListPage::Remove),
      win32::OnCommand(IDB_SEVERAL_UP, &FileListPage::MoveUp),
      win32::OnCommand(IDB_SEVERAL_DOWN, &FileListPage::MoveDown),
      win32::OnCommand(IDB_SEVERAL_TEST, &FileListPage::Test),
  };
  static const win32::NotifyEntry notifications[] = {
      win32::OnNotify(IDL_SEVERAL_ENTRIES, NM_DBLCLK, &FileListPage::OnDoubleClick),
  };
  return {{}, commands, notifications, BaseTable()};
}

bool FileListPage::OnInit() {
  SetUpReportList(Item(IDL_SEVERAL_ENTRIES), {t::kNameColumn, t::kFileColumn, t::kForceColumn},
                  LVS_EX_GRIDLINES);
  return true;
}

void FileListPage::OnSetActive() {
  {
    WizardSettings settings(WizardApp::Current().Registry());
    if (const auto message = several_files::UpgradeHelpUrl(settings)) {
      Win32WizardQuestions(hwnd()).ShowMessage(*message);
    }
  }
  Refresh();
  WizardSettings settings(WizardApp::Current().Registry());
  list_.Load(settings);
  ShowList();
}

bool FileListPage::OnKillActive() {
  Save();
  return true;
}

void FileListPage::Save() {
  WizardSettings settings(WizardApp::Current().Registry());
  several_files::LeaveList(list_, settings);
}

std::string FileListPage::ComboText(int id) const {
  HWND combo = Item(id);
  const LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return std::string();
  const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length <= 0) return std::string();
  std::string value(static_cast<size_t>(length) + 1, '\0');
  ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(value.data()));
  value.resize(static_cast<size_t>(length));
  return value;
}

void FileListPage::Refresh() {
  PleaseWaitBox wait(hwnd());
  WizardSettings settings(WizardApp::Current().Registry());
  Win32FolderLister lister;
  const std::vector<std::string> folders =
      several_files::ScanFolders(lister, settings.Text(ws::kSourceFolder));
  const std::string previous = ComboText(IDC_SEVERAL_FOLDER);
  FillCombo(Item(IDC_SEVERAL_FOLDER), folders, several_files::FolderSelection(folders, previous));
  RefillFiles();
}

void FileListPage::RefillFiles() {
  WizardSettings settings(WizardApp::Current().Registry());
  Win32FolderLister lister;
  const std::vector<std::string> files =
      several_files::AddableFiles(lister, settings.Text(ws::kSourceFolder),
                                  several_files::RelativeFolder(ComboText(IDC_SEVERAL_FOLDER)),
                                  settings.Text(ws::kAutoRunExeName));
  HWND combo = Item(IDC_SEVERAL_ADD);
  const int previous = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
  FillCombo(combo, files, several_files::RefillSelection(previous, files.size()));
}

void FileListPage::TakeMark() {
  list_.SetMark(
      static_cast<int>(::SendMessageA(Item(IDL_SEVERAL_ENTRIES), LVM_GETSELECTIONMARK, 0, 0)));
}

void FileListPage::ShowList() {
  HWND list = Item(IDL_SEVERAL_ENTRIES);
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list);
  const std::vector<Entry>& rows = list_.rows();
  for (const Entry& row : rows) AddReportRow(list, {row.name, row.file, row.forceOpen});
  const int mark = list_.mark();
  ::SendMessageA(list, LVM_SETSELECTIONMARK, 0, mark);
  if (mark != several_files::EntryList::kNoMark) {
    ListView_SetItemState(list, mark, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, mark, FALSE);
  }
  FitColumns(list);
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

void FileListPage::Insert(const Entry& entry) {
  TakeMark();
  if (!list_.Insert(entry)) {
    Win32WizardQuestions(hwnd()).ShowMessage(text::Format(t::kListFull, kMaxLoadedFileEntries));
    return;
  }
  ShowList();
}

bool FileListPage::HasMark() {
  TakeMark();
  if (list_.mark() != several_files::EntryList::kNoMark) return true;
  Win32WizardQuestions(hwnd()).ShowMessage(t::kNoItemSelected);
  return false;
}

void FileListPage::AddFile() {
  const std::string name = ComboText(IDC_SEVERAL_ADD);
  if (name.empty()) {
    Win32WizardQuestions(hwnd()).ShowMessage(t::kNoFileSelected);
    return;
  }
  const std::string folder = several_files::RelativeFolder(ComboText(IDC_SEVERAL_FOLDER));
  if (!cd_files_window::CheckFileNameLength(hwnd(), name)) return;
  Entry entry{name, folder + name, ""};
  FileEntryPage page(entry);
  if (RunEditor(hwnd(), page, help_topics::kMultipleSelectFile, t::kFileEntryTitle)) Insert(entry);
}

void FileListPage::AddFolder() {
  const std::string folder = ComboText(IDC_SEVERAL_FOLDER);
  Entry entry{folder, folder, ""};
  FolderEntryPage page(entry);
  if (RunEditor(hwnd(), page, help_topics::kMultipleAddFolder, t::kAddFolderTitle)) Insert(entry);
}

void FileListPage::AddUrl() {
  Entry entry;
  UrlEntryPage page(entry);
  if (RunEditor(hwnd(), page, help_topics::kMultipleAddUrl, t::kAddUrlTitle)) Insert(entry);
}

void FileListPage::AddSpace() { Insert(Entry{}); }

void FileListPage::EditEntry() {
  if (!HasMark()) return;
  Entry entry = *list_.Marked();
  bool ok = false;
  switch (several_files::KindOf(entry)) {
    case several_files::EntryKind::kUrl: {
      UrlEntryPage page(entry);
      ok = RunEditor(hwnd(), page, help_topics::kMultipleAddUrl, t::kEditUrlTitle);
      break;
    }
    case several_files::EntryKind::kFile: {
      FileEntryPage page(entry);
      ok = RunEditor(hwnd(), page, help_topics::kMultipleSelectFile, t::kEditFileTitle);
      break;
    }
    case several_files::EntryKind::kFolderOrSpacer: {
      FolderEntryPage page(entry);
      ok = RunEditor(hwnd(), page, help_topics::kMultipleAddFolder, t::kEditFolderTitle);
      break;
    }
  }
  if (!ok) return;
  *list_.Marked() = entry;
  ShowList();
}

INT_PTR FileListPage::OnDoubleClick(NMHDR*) {
  EditEntry();
  return 0;
}

void FileListPage::Remove() {
  if (!HasMark()) return;
  list_.Remove();
  ShowList();
  RefillFiles();
}

void FileListPage::MoveUp() {
  if (!HasMark()) return;
  list_.MoveUp();
  ShowList();
}

void FileListPage::MoveDown() {
  if (!HasMark()) return;
  list_.MoveDown();
  ShowList();
}

void FileListPage::Test() {
  Save();
  if (main() == nullptr) return;
  HWND button = Item(IDB_SEVERAL_TEST);
  ::EnableWindow(button, FALSE);
  SetItemText(IDB_SEVERAL_TEST, options_texts::kTestingInProgress);
  main()->TestConfiguration(hwnd());
  SetItemText(IDB_SEVERAL_TEST, options_texts::kTestConfiguration);
  ::EnableWindow(button, TRUE);
}
