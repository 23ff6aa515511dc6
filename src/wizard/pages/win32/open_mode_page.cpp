#include "wizard/pages/win32/open_mode_page.h"

#include "resource.h"
#include "wizard/pages/options_texts.h"
#include "wizard/pages/several_texts.h"
#include "wizard/pages/win32/image_chooser.h"
#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

namespace {
namespace t = several_texts;

void FillCombo(HWND combo, std::initializer_list<const char*> items) {
  ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const char* item : items) {
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
}

}  // namespace

OpenModePage::OpenModePage() : WizardPage(IDD_SEVERAL_MODE) {}

win32::DispatchTable OpenModePage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDC_MODE_ACTION, &OpenModePage::ActionChanged, CBN_SELCHANGE),
      win32::OnCommand(IDX_MODE_USE_IMAGE, &OpenModePage::UseImageToggled),
      win32::OnCommand(IDB_MODE_SELECT_IMAGE, &OpenModePage::SelectImage),
      win32::OnCommand(IDB_MODE_TEST, &OpenModePage::Test),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> OpenModePage::Bindings() {
  return {win32::BindComboIndex(IDC_MODE_ACTION, &mode_.action),
          win32::BindCheck(IDX_MODE_RESELECT, &mode_.allowReselect),
          win32::BindCheck(IDX_MODE_WAIT, &mode_.waitForPrevious),
          win32::BindText(IDE_MODE_TITLE, &mode_.title, several_files::kMaxSelectionText),
          win32::BindText(IDE_MODE_HELP, &mode_.help, several_files::kMaxSelectionText),
          win32::BindCheck(IDX_MODE_USE_IMAGE, &mode_.useImage),
          win32::BindText(IDE_MODE_IMAGE, &mode_.image),
          win32::BindComboIndex(IDC_MODE_LOCATION, &mode_.location)};
}

void OpenModePage::ShowCheckedMembers() {
  const std::vector<win32::Binding> bindings = Bindings();
  win32::ShowBindings(hwnd(), bindings);
}

bool OpenModePage::SaveCheckedMembers() {
  const std::vector<win32::Binding> bindings = Bindings();
  return win32::SaveBindings(hwnd(), bindings);
}

bool OpenModePage::OnInit() {
  FillCombo(Item(IDC_MODE_ACTION), {t::kOpenAllAction, t::kSelectOneAction});
  HWND location = Item(IDC_MODE_LOCATION);
  ::SendMessageA(location, CB_RESETCONTENT, 0, 0);
  for (const char* item : t::kImageLocations) {
    ::SendMessageA(location, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  return true;
}

void OpenModePage::OnSetActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  mode_ = several_files::LoadOpenMode(settings);
  CopyToControls();
  UpdateEnabling();
}

void OpenModePage::TakeControls() {
  // A text longer than its limit (loaded from a file, not typed) stays for
  // leaving the page to refuse.
  win32::TakeAcceptedBindings(hwnd(), Bindings());
}

void OpenModePage::UpdateEnabling() {
  const several_files::OpenModeEnabling e = several_files::EnablingFor(mode_);
  ::EnableWindow(Item(IDX_MODE_WAIT), e.waitForPrevious);
  ::EnableWindow(Item(IDX_MODE_RESELECT), e.allowReselect);
  for (int id : {IDE_MODE_TITLE, IDE_MODE_HELP, IDT_MODE_TITLE_LABEL, IDT_MODE_TITLE_HEADING,
                 IDT_MODE_HELP_LABEL, IDT_MODE_HELP_HEADING, IDX_MODE_USE_IMAGE}) {
    ::EnableWindow(Item(id), e.selectionTexts);
  }
  for (int id : {IDE_MODE_IMAGE, IDB_MODE_SELECT_IMAGE, IDC_MODE_LOCATION, IDT_MODE_IMAGE_LABEL,
                 IDT_MODE_LOCATION_LABEL}) {
    ::EnableWindow(Item(id), e.image);
  }
  SetItemText(IDT_MODE_EXPLANATION, several_files::Explanation(mode_.action));
}

bool OpenModePage::CheckImage(const std::string& path) {
  return cd_files_window::CheckChosenPicture(hwnd(), path, t::kImageLabel);
}

bool OpenModePage::OnKillActive() {
  if (!CopyFromControls()) return false;
  WizardSettings settings(WizardApp::Current().Registry());
  Win32WizardQuestions questions(hwnd());
  return several_files::SaveOpenMode(mode_, settings, questions,
                                     [this](const std::string& path) { return CheckImage(path); });
}

void OpenModePage::ActionChanged() {
  TakeControls();
  UpdateEnabling();
  OnKillActive();
}

void OpenModePage::UseImageToggled() {
  TakeControls();
  UpdateEnabling();
  if (mode_.useImage) CheckImage(mode_.image);
}

void OpenModePage::SelectImage() {
  TakeControls();
  ImageChoice choice;
  choice.image = mode_.image;
  if (!ChooseImage(hwnd(), choice)) return;
  mode_.image = choice.image;
  SetItemText(IDE_MODE_IMAGE, mode_.image);
}

void OpenModePage::Test() {
  if (!OnKillActive() || main() == nullptr) return;
  HWND button = Item(IDB_MODE_TEST);
  ::EnableWindow(button, FALSE);
  SetItemText(IDB_MODE_TEST, options_texts::kTestingInProgress);
  main()->TestConfiguration(hwnd());
  SetItemText(IDB_MODE_TEST, options_texts::kTestConfiguration);
  ::EnableWindow(button, TRUE);
}
