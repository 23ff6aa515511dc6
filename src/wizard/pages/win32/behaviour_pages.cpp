#include "wizard/pages/win32/behaviour_pages.h"

#include "common/win32/window_util.h"
#include "resource.h"
#include "wizard/pages/options_texts.h"
#include "wizard/pages/win32/option_adapters.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

namespace {
bool Checked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }
}  // namespace

ErrorMessagePage::ErrorMessagePage() : BoundPage(IDD_ERROR_MESSAGE) {}

win32::DispatchTable ErrorMessagePage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDX_ERROR_ENABLE, &ErrorMessagePage::UpdateEnabling),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> ErrorMessagePage::Bindings() {
  using namespace error_message_page;
  return {win32::BindCheck(IDX_ERROR_ENABLE, &state_.enabled),
          win32::BindText(IDE_ERROR_TEXT, &state_.text, kTextChars),
          win32::BindText(IDE_ERROR_URL, &state_.url, kUrlChars),
          win32::BindText(IDE_ERROR_URL_TITLE, &state_.urlTitle, kUrlChars)};
}

void ErrorMessagePage::OnSetActive() {
  if (!loaded_) {
    WizardSettings settings(WizardApp::Current().Registry());
    state_ = error_message_page::Load(settings);
    win32::SetEditMargins(Item(IDE_ERROR_TEXT));
    loaded_ = true;
  }
  CopyToControls();
  UpdateEnabling();
}

void ErrorMessagePage::UpdateEnabling() {
  EnableItems({IDE_ERROR_TEXT, IDE_ERROR_URL, IDE_ERROR_URL_TITLE, IDT_ERROR_NOTE1, IDT_ERROR_NOTE2,
               IDT_ERROR_NOTE3, IDT_ERROR_NOTE4, IDT_ERROR_NOTE5},
              Checked(hwnd(), IDX_ERROR_ENABLE));
}

bool ErrorMessagePage::OnKillActive() {
  if (!CopyFromControls()) return false;
  Win32OptionQuestions questions(hwnd());
  WizardSettings settings(WizardApp::Current().Registry());
  const bool left = error_message_page::Leave(state_, settings, questions);
  // The link's address or title may have been completed from the other.
  CopyToControls();
  return left;
}

ForceOpenPage::ForceOpenPage() : BoundPage(IDD_FORCE_OPEN) {}

win32::DispatchTable ForceOpenPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDX_FORCE_ENABLE, &ForceOpenPage::UpdateEnabling),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> ForceOpenPage::Bindings() {
  return {win32::BindCheck(IDX_FORCE_ENABLE, &state_.enabled),
          win32::BindText(IDE_FORCE_PROGRAMS, &state_.programs, force_open_page::kProgramChars)};
}

void ForceOpenPage::OnSetActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  state_ = force_open_page::Load(settings);
  CopyToControls();
  UpdateEnabling();
}

void ForceOpenPage::UpdateEnabling() {
  EnableItems(
      {IDE_FORCE_PROGRAMS, IDT_FORCE_NOTE1, IDT_FORCE_NOTE2, IDT_FORCE_NOTE3, IDT_FORCE_NOTE4},
      Checked(hwnd(), IDX_FORCE_ENABLE));
}

bool ForceOpenPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  WizardSettings settings(WizardApp::Current().Registry());
  force_open_page::Save(state_, settings);
  return true;
}

StarterNamePage::StarterNamePage() : BoundPage(IDD_STARTER_NAME) {}

win32::DispatchTable StarterNamePage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDX_STARTER_ENABLE, &StarterNamePage::UpdateEnabling),
      win32::OnCommand(IDB_STARTER_DEFAULT, &StarterNamePage::RestoreDefault),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> StarterNamePage::Bindings() {
  return {win32::BindCheck(IDX_STARTER_ENABLE, &state_.enabled),
          win32::BindText(IDE_STARTER_NAME, &state_.name, starter_name_page::kNameChars)};
}

void StarterNamePage::OnSetActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  state_ = starter_name_page::Load(settings);
  CopyToControls();
  UpdateEnabling();
}

void StarterNamePage::UpdateEnabling() {
  EnableItems({IDE_STARTER_NAME, IDB_STARTER_DEFAULT, IDT_STARTER_NOTE1, IDT_STARTER_NOTE2,
               IDT_STARTER_NOTE3, IDT_STARTER_NOTE4, IDT_STARTER_NOTE5},
              Checked(hwnd(), IDX_STARTER_ENABLE));
}

void StarterNamePage::RestoreDefault() {
  SetItemText(IDE_STARTER_NAME, options_texts::kDefaultStarterName);
}

bool StarterNamePage::OnKillActive() {
  if (!CopyFromControls()) return false;
  Win32OptionQuestions questions(hwnd());
  WizardSettings settings(WizardApp::Current().Registry());
  const bool left = starter_name_page::Leave(state_, settings, questions);
  CopyToControls();
  return left;
}
