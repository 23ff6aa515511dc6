#include "wizard/pages/win32/several_folder_page.h"

#include "resource.h"
#include "wizard/pages/entry_list.h"
#include "wizard/pages/win32/folder_dialog.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

FolderPage::FolderPage() : WizardPage(IDD_SEVERAL_FOLDER) {}

win32::DispatchTable FolderPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_SEVERAL_BROWSE, &FolderPage::Browse),
  };
  return {{}, commands, {}, BaseTable()};
}

void FolderPage::OnSetActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  SetItemText(IDE_SEVERAL_FOLDER, settings.Text(wizard_settings::kSourceFolder));
}

bool FolderPage::OnKillActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  if (const auto refusal =
          several_files::SaveSourceFolder(ItemText(IDE_SEVERAL_FOLDER), settings)) {
    Win32WizardQuestions(hwnd()).ShowMessage(*refusal);
    ::SetFocus(Item(IDE_SEVERAL_FOLDER));
    return false;
  }
  return true;
}

void FolderPage::Browse() {
  // The chooser starts in the folder typed, or the CD's folder shown on arrival.
  std::string folder = ItemText(IDE_SEVERAL_FOLDER);
  CFolderDialog dialog(folder);
  if (dialog.DoModal(hwnd()) == IDOK) SetItemText(IDE_SEVERAL_FOLDER, folder);
}
