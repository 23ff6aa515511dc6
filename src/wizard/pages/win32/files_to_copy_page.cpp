#include "wizard/pages/win32/files_to_copy_page.h"

#include <commctrl.h>

#include "common/win32/win32_file_system.h"
#include "resource.h"
#include "wizard/cd_files_texts.h"
#include "wizard/help_topics.h"
#include "wizard/pages/win32/list_widths.h"
#include "wizard/win32/win32_wizard_questions.h"

namespace {
void AddColumn(HWND list, int index, const char* title) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title);
  column.iSubItem = index;
  ::SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}
}  // namespace

FilesToCopyPage::FilesToCopyPage(std::string configPath, const WizardSettings& settings)
    : WizardPage(IDD_FILES_TO_COPY), configPath_(std::move(configPath)), settings_(settings) {
  // The program registers only the standard classes at start-up.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
}

std::vector<win32::ControlBinding> FilesToCopyPage::ControlBindings() {
  return {{IDT_REPORT_HELP_LINK, &helpLink_}};
}

bool FilesToCopyPage::OnInit() {
  helpLink_.SetTopic(help_topics::kConfigBurnCd);
  Win32FileSystem fs;
  report_ = BuildFilesToCopy(configPath_, fs, settings_);
  // Relative names in the configuration are relative to its folder, as on the CD.
  if (!report_.folder.empty()) ::SetCurrentDirectoryA(report_.folder.c_str());
  FillList();
  if (!report_.message.empty()) Win32WizardQuestions(hwnd()).ShowMessage(report_.message);
  return true;
}

void FilesToCopyPage::FillList() {
  HWND list = Item(IDL_REPORT_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  AddColumn(list, 0, cd_files_texts::kTargetColumn);
  AddColumn(list, 1, cd_files_texts::kSourceColumn);
  int index = 0;
  for (const FileToCopy& row : report_.rows) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(row.target.c_str());
    const int at =
        static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    LVITEMA source{};
    source.iSubItem = 1;
    source.pszText = const_cast<char*>(row.source.c_str());
    ::SendMessageA(list, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&source));
    ++index;
  }
  // As wide as the rows, not the 150 and 1000 pixels that made even a short
  // list scroll sideways.
  FitColumns(list);
}
