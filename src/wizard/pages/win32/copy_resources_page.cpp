#include "wizard/pages/win32/copy_resources_page.h"

#include <commctrl.h>

#include "common/win32/win32_file_system.h"
#include "resource.h"
#include "wizard/pages/file_page_texts.h"
#include "wizard/pages/win32/list_widths.h"
#include "wizard/pages/win32/option_adapters.h"
#include "wizard/pages/win32/please_wait_box.h"
#include "wizard/win32/report_list.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

CopyResourcesPage::CopyResourcesPage(std::string previousFolder, std::string newFolder)
    : WizardPage(IDD_COPY_RESOURCES),
      previousFolder_(std::move(previousFolder)),
      newFolder_(std::move(newFolder)) {
  // The list view's class must exist before the template is created.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
}

bool CopyResourcesPage::OnInit() {
  SetUpReportList(Item(IDL_COPY_FILES), {file_page_texts::kFileInformationColumn},
                  LVS_EX_CHECKBOXES);
  return true;
}

void CopyResourcesPage::OnSetActive() {
  HWND list = Item(IDL_COPY_FILES);
  ListView_DeleteAllItems(list);
  WizardSettings settings(WizardApp::Current().Registry());
  Win32FileSystem fs;
  files_ = resource_files::ListResourceFiles(settings, fs, previousFolder_);
  for (const auto& file : files_)
    ListView_SetCheckState(list, AddReportRow(list, {file.row}), TRUE);
  FitColumns(list);
  if (files_.empty()) {
    // Nothing to offer: the frame ends as if cancelled, before it is seen.
    ::SendMessageA(::GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(IDB_OPTION_CANCEL, BN_CLICKED), 0);
  }
}

bool CopyResourcesPage::OnKillActive() {
  HWND list = Item(IDL_COPY_FILES);
  std::vector<std::string> ticked;
  for (size_t i = 0; i < files_.size(); ++i) {
    if (ListView_GetCheckState(list, static_cast<int>(i))) ticked.push_back(files_[i].source);
  }
  Win32FileSystem fs;
  WaitingFileCopier copier(hwnd());
  Win32OptionQuestions questions(hwnd());
  return resource_files::CopyResourceFiles(ticked, newFolder_, copier, fs, questions);
}
