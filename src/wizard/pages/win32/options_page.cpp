#include "wizard/pages/win32/options_page.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "common/win32/wait_cursor.h"
#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/pages/options_texts.h"
#include "wizard/pages/win32/list_widths.h"
#include "wizard/pages/win32/option_dialogs.h"
#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/report_list.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace tx = options_texts;

// "Option", "Used" and "Description", each as wide as its texts (not 110,
// 50 and 270 pixels, which are wider than the list together).
constexpr int kUsedColumn = 1;

const options_page::OptionRow* RowAt(int index) {
  const auto rows = options_page::Rows();
  return index >= 0 && index < static_cast<int>(rows.size()) ? &rows[index] : nullptr;
}

}  // namespace

OptionsPage::OptionsPage() : BoundPage(IDD_OPTIONS) {}

win32::DispatchTable OptionsPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_OPTIONS_CONFIGURE, &OptionsPage::ConfigurePressed),
      win32::OnCommand(IDX_OPTIONS_ICON, &OptionsPage::IconClicked),
      win32::OnCommand(IDB_OPTIONS_ICON, &OptionsPage::IconConfigurePressed),
      win32::OnCommand(IDB_OPTIONS_TEST, &OptionsPage::TestPressed),
  };
  static const win32::NotifyEntry notifications[] = {
      win32::OnNotify(IDL_OPTIONS_TABLE, LVN_ITEMCHANGED, &OptionsPage::OnItemChanged),
      win32::OnNotify(IDL_OPTIONS_TABLE, NM_DBLCLK, &OptionsPage::OnDoubleClick),
      win32::OnNotify(IDL_OPTIONS_TABLE, LVN_GETINFOTIPA, &OptionsPage::OnInfoTipA),
      win32::OnNotify(IDL_OPTIONS_TABLE, LVN_GETINFOTIPW, &OptionsPage::OnInfoTipW),
  };
  return {{}, commands, notifications, BaseTable()};
}

std::vector<win32::Binding> OptionsPage::Bindings() {
  return {win32::BindCheck(IDX_OPTIONS_ICON, &switches_.enableIcon),
          win32::BindCheck(IDX_OPTIONS_NO_WARN, &switches_.doNotWarnOverwrites)};
}

std::vector<win32::ControlBinding> OptionsPage::ControlBindings() {
  return {{IDT_OPTIONS_HELP_LINK, &helpLink_}};
}

void OptionsPage::BuildTable() {
  HWND list = Item(IDL_OPTIONS_TABLE);
  SetUpReportList(list, {"Option", "Used", "Description"}, LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
  WizardSettings settings(WizardApp::Current().Registry());
  for (const options_page::OptionRow& row : options_page::Rows()) {
    AddReportRow(list, {row.name, options_page::UsedText(row, settings), row.description});
  }
  FitColumns(list);
}

void OptionsPage::ShowUsed(int row) {
  WizardSettings settings(WizardApp::Current().Registry());
  SetReportCell(Item(IDL_OPTIONS_TABLE), row, kUsedColumn,
                options_page::UsedText(*RowAt(row), settings));
}

void OptionsPage::OnSetActive() {
  if (tableBuilt_) {
    // The file page's advice dialog may have turned installers on meanwhile.
    ShowUsed(options_page::kInstallViewersRow);
    return;
  }
  tableBuilt_ = true;
  BuildTable();
  std::optional<std::string> notice;
  {
    WizardSettings settings(WizardApp::Current().Registry());
    switches_ = options_page::LoadSwitches(settings);
    notice = options_page::StartupNotice(settings);
  }
  ::EnableWindow(Item(IDB_OPTIONS_ICON), switches_.enableIcon);
  headingFont_.MakeBold(hwnd(), IDT_OPTIONS_HEADING);
  helpLink_.SetTopic(help_topics::kNoOptionSelected);
  ::EnableWindow(Item(IDB_OPTIONS_CONFIGURE), FALSE);
  CopyToControls();
  if (notice) Win32WizardQuestions(hwnd()).ShowMessage(*notice);
}

int OptionsPage::SelectedRow() const {
  return static_cast<int>(::SendMessageA(Item(IDL_OPTIONS_TABLE), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void OptionsPage::ReadNoWarn() {
  CopyFromControls();
  WizardSettings settings(WizardApp::Current().Registry());
  switches_.doNotWarnOverwrites = settings.Flag(ws::kDoNotWarnOverwrites);
  CopyToControls();
}

INT_PTR OptionsPage::OnItemChanged(NMHDR* header) {
  const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
  if ((change->uChanged & LVIF_STATE) == 0) return 0;
  ::EnableWindow(Item(IDB_OPTIONS_CONFIGURE), TRUE);
  if (const options_page::OptionRow* row = RowAt(SelectedRow())) {
    SetItemText(IDT_OPTIONS_SUMMARY, row->longDescription);
    ::UpdateWindow(Item(IDT_OPTIONS_SUMMARY));
    helpLink_.SetTopic(row->helpTopic);
  }
  return 0;
}

INT_PTR OptionsPage::OnDoubleClick(NMHDR*) {
  ::EnableWindow(Item(IDB_OPTIONS_CONFIGURE), TRUE);
  ConfigurePressed();
  return 0;
}

INT_PTR OptionsPage::OnInfoTipA(NMHDR* header) {
  auto* tip = reinterpret_cast<NMLVGETINFOTIPA*>(header);
  const options_page::OptionRow* row = RowAt(tip->iItem);
  if (row != nullptr && tip->pszText != nullptr && tip->cchTextMax > 0) {
    ::lstrcpynA(tip->pszText, row->longDescription, tip->cchTextMax);
  }
  return 0;
}

INT_PTR OptionsPage::OnInfoTipW(NMHDR* header) {
  auto* tip = reinterpret_cast<NMLVGETINFOTIPW*>(header);
  const options_page::OptionRow* row = RowAt(tip->iItem);
  if (row != nullptr && tip->pszText != nullptr && tip->cchTextMax > 0) {
    ::MultiByteToWideChar(CP_ACP, 0, row->longDescription, -1, tip->pszText, tip->cchTextMax);
    tip->pszText[tip->cchTextMax - 1] = L'\0';
  }
  return 0;
}

void OptionsPage::ConfigurePressed() {
  const int index = SelectedRow();
  const options_page::OptionRow* row = RowAt(index);
  if (row == nullptr) {
    Win32WizardQuestions(hwnd()).ShowMessage(tx::kSelectOptionFirst);
    return;
  }
  SetItemText(IDT_OPTIONS_SUMMARY, row->longDescription);
  ::UpdateWindow(Item(IDT_OPTIONS_SUMMARY));
  if (OptionDialogFunction open = DialogFor(row->dialog)) open(hwnd(), main());
  ShowUsed(index);
  // Dialogs and their test runs can change it.
  ReadNoWarn();
}

void OptionsPage::IconClicked() {
  CopyFromControls();
  ::EnableWindow(Item(IDB_OPTIONS_ICON), switches_.enableIcon);
}

void OptionsPage::IconConfigurePressed() {
  CopyFromControls();
  switches_.enableIcon = !RunCdIconDialog(hwnd()).empty();
  ::EnableWindow(Item(IDB_OPTIONS_ICON), switches_.enableIcon);
  CopyToControls();
}

void OptionsPage::TestPressed() {
  CopyFromControls();
  testInProgress_ = true;
  if (OnKillActive()) {
    win32::WaitCursor wait;
    ::EnableWindow(Item(IDB_OPTIONS_TEST), FALSE);
    SetItemText(IDB_OPTIONS_TEST, tx::kTestingInProgress);
    if (main() != nullptr) main()->TestConfiguration(hwnd());
    {
      WizardSettings settings(WizardApp::Current().Registry());
      settings.SetFlag(ws::kTestedConfig, true);
    }
    SetItemText(IDB_OPTIONS_TEST, tx::kTestConfiguration);
    ::EnableWindow(Item(IDB_OPTIONS_TEST), TRUE);
    ReadNoWarn();
  }
  testInProgress_ = false;
}

bool OptionsPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  WizardSettings settings(WizardApp::Current().Registry());
  Win32WizardQuestions questions(hwnd());
  const HWND owner = hwnd();
  const bool left =
      options_page::Leave(switches_, testInProgress_, settings, questions,
                          [owner](bool ask) { return cd_files_window::CreateCdFiles(owner, ask); });
  if (!testInProgress_) {
    switches_.doNotWarnOverwrites = settings.Flag(ws::kDoNotWarnOverwrites);
    CopyToControls();
  }
  return left;
}
