#include "wizard/pages/win32/license_page.h"

#include <shlobj.h>

#include "common/win32/win32_file_system.h"
#include "common/win32/window_util.h"
#include "resource.h"
#include "wizard/pages/win32/option_adapters.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

namespace {

// The user's application data folder, where a standard user may always
// write; empty when the system names none.
std::string UserAppDataFolder() {
  char path[MAX_PATH] = {};
  if (::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
    return std::string();
  return path;
}

}  // namespace

LicensePage::LicensePage() : BoundPage(IDD_LICENSE) {}

win32::DispatchTable LicensePage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDX_LICENSE_ENABLE, &LicensePage::EnableClicked),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> LicensePage::Bindings() {
  return {win32::BindCheck(IDX_LICENSE_ENABLE, &state_.enabled),
          win32::BindText(IDE_LICENSE_FILE, &state_.fileName, license_page::kFileNameChars),
          win32::BindComboIndex(IDC_LICENSE_SHOW, &state_.showEveryTime),
          win32::BindText(IDE_LICENSE_TEXT, &state_.text)};
}

bool LicensePage::OnInit() {
  for (const char* item : license_page::kShowItems) {
    ::SendDlgItemMessageA(hwnd(), IDC_LICENSE_SHOW, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(item));
  }
  win32::SetEditMargins(Item(IDE_LICENSE_TEXT));
  return true;
}

void LicensePage::OnSetActive() {
  Win32FileSystem fs;
  WizardSettings settings(WizardApp::Current().Registry());
  state_ = license_page::Load(settings, fs, UserAppDataFolder());
  CopyToControls();
  UpdateEnabling();
}

void LicensePage::EnableClicked() {
  state_.enabled = ::IsDlgButtonChecked(hwnd(), IDX_LICENSE_ENABLE) == BST_CHECKED;
  state_.fileName = ItemText(IDE_LICENSE_FILE);
  license_page::OnEnable(state_);
  SetItemText(IDE_LICENSE_FILE, state_.fileName);
  UpdateEnabling();
}

void LicensePage::UpdateEnabling() {
  const bool enabled = ::IsDlgButtonChecked(hwnd(), IDX_LICENSE_ENABLE) == BST_CHECKED;
  EnableItems({IDE_LICENSE_FILE, IDC_LICENSE_SHOW, IDE_LICENSE_TEXT, IDT_LICENSE_FILE_LABEL,
               IDT_LICENSE_SHOW_LABEL, IDT_LICENSE_TEXT_LABEL},
              enabled);
}

bool LicensePage::OnKillActive() {
  if (!CopyFromControls()) return false;
  Win32FileSystem fs;
  Win32OptionQuestions questions(hwnd());
  Win32ChosenFileChecks checks(hwnd());
  WizardSettings settings(WizardApp::Current().Registry());
  const bool left =
      license_page::Leave(state_, settings, fs, questions, checks, UserAppDataFolder());
  SetItemText(IDE_LICENSE_FILE, state_.fileName);
  return left;
}
