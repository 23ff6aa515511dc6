#include "wizard/pages/win32/cd_icon_page.h"

#include "common/win32/win32_file_system.h"
#include "config/autorun_keys.h"
#include "resource.h"
#include "wizard/pages/cd_icon_rules.h"
#include "wizard/pages/win32/option_adapters.h"
#include "wizard/pages/win32/please_wait_box.h"
#include "wizard/win32/file_dialog.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
constexpr const char* kIconFilter = "Icon Files (*.ico)|*.ico|All Files (*.*)|*.*|";

std::string SourceFolder() {
  WizardSettings settings(WizardApp::Current().Registry());
  return settings.Text(wizard_settings::kSourceFolder);
}
}  // namespace

CdIconPage::CdIconPage() : BoundPage(IDD_CD_ICON) {}

win32::DispatchTable CdIconPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_ICON_REFRESH, &CdIconPage::Refresh),
      win32::OnCommand(IDB_ICON_COPY_IN, &CdIconPage::CopyIn),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> CdIconPage::Bindings() {
  return {win32::BindComboText(IDC_ICON_FILE, &iconName_)};
}

void CdIconPage::FillList() {
  HWND list = Item(IDC_ICON_FILE);
  ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& name : cd_icon_page::IconChoices(Win32FolderFiles(), SourceFolder())) {
    ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  CopyToControls();
}

void CdIconPage::OnSetActive() {
  {
    WizardSettings settings(WizardApp::Current().Registry());
    iconName_ = settings.Text(keys::kIcon);
  }
  FillList();
}

void CdIconPage::Refresh() {
  CopyFromControls();
  FillList();
}

void CdIconPage::CopyIn() {
  const std::optional<std::string> source = AskOpenFile(hwnd(), {.filter = kIconFilter,
                                                                 .initialFile = {},
                                                                 .initialFolder = CdFolder(),
                                                                 .defaultExtension = "*.*"});
  if (!source || source->empty()) return;
  Win32FileSystem fs;
  WaitingFileCopier copier(hwnd());
  Win32OptionQuestions questions(hwnd());
  if (cd_icon_page::CopyIn(*source, SourceFolder(), fs, copier, questions, &iconName_) !=
      cd_icon_page::CopyOutcome::kCancelled) {
    FillList();
  }
}

bool CdIconPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  Win32ChosenFileChecks checks(hwnd());
  WizardSettings settings(WizardApp::Current().Registry());
  return cd_icon_page::Leave(iconName_, settings, checks);
}
