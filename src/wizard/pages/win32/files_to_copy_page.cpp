#include "wizard/pages/win32/files_to_copy_page.h"

#include <commctrl.h>

#include "common/win32/win32_file_system.h"
#include "resource.h"
#include "wizard/cd_files_texts.h"
#include "wizard/help_topics.h"
#include "wizard/pages/win32/list_widths.h"
#include "wizard/win32/cd_image_window.h"
#include "wizard/win32/report_list.h"
#include "wizard/win32/win32_wizard_questions.h"

FilesToCopyPage::FilesToCopyPage(std::string configPath, const WizardSettings& settings)
    : WizardPage(IDD_FILES_TO_COPY), configPath_(std::move(configPath)), settings_(settings) {
  // The program registers only the standard classes at start-up.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
}

win32::DispatchTable FilesToCopyPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_REPORT_CREATE_IMAGE, &FilesToCopyPage::CreateImage),
  };
  return {{}, commands, {}, BaseTable()};
}

void FilesToCopyPage::CreateImage() { cd_image_window::CreateCdImage(hwnd(), configPath_); }

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
  SetUpReportList(list, {cd_files_texts::kTargetColumn, cd_files_texts::kSourceColumn});
  for (const FileToCopy& row : report_.rows) AddReportRow(list, {row.target, row.source});
  // As wide as the rows, not the 150 and 1000 pixels that made even a short
  // list scroll sideways.
  FitColumns(list);
}
