#include "wizard/pages/win32/installers_page.h"

#include "config/autorun_keys.h"
#include "resource.h"
#include "wizard/pages/win32/option_adapters.h"
#include "wizard/pages/win32/viewer_installer_wizard.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
using installers_page::kSlots;

constexpr int kFileLists[kSlots] = {IDC_INSTALLERS_FILE1, IDC_INSTALLERS_FILE2,
                                    IDC_INSTALLERS_FILE3};
constexpr int kPrompts[kSlots] = {IDE_INSTALLERS_PROMPT1, IDE_INSTALLERS_PROMPT2,
                                  IDE_INSTALLERS_PROMPT3};
constexpr int kPromptLabels[kSlots] = {IDT_INSTALLERS_PROMPT_LABEL1, IDT_INSTALLERS_PROMPT_LABEL2,
                                       IDT_INSTALLERS_PROMPT_LABEL3};

std::string SourceFolder() {
  WizardSettings settings(WizardApp::Current().Registry());
  return settings.Text(ws::kSourceFolder);
}
}  // namespace

InstallersPage::InstallersPage() : BoundPage(IDD_INSTALLERS) {}

win32::DispatchTable InstallersPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDX_INSTALLERS_ENABLE, &InstallersPage::EnableClicked),
      win32::OnCommand(IDC_INSTALLERS_FILE1, &InstallersPage::File1Changed, CBN_SELCHANGE),
      win32::OnCommand(IDC_INSTALLERS_FILE2, &InstallersPage::File2Changed, CBN_SELCHANGE),
      win32::OnCommand(IDC_INSTALLERS_FILE3, &InstallersPage::File3Changed, CBN_SELCHANGE),
      win32::OnCommand(IDC_INSTALLERS_MODE, &InstallersPage::ModeChanged, CBN_SELCHANGE),
      win32::OnCommand(IDB_INSTALLERS_REFRESH, &InstallersPage::RefreshAll),
      win32::OnCommand(IDB_INSTALLERS_WIZARD1, &InstallersPage::Wizard1),
      win32::OnCommand(IDB_INSTALLERS_WIZARD2, &InstallersPage::Wizard2),
      win32::OnCommand(IDB_INSTALLERS_WIZARD3, &InstallersPage::Wizard3),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> InstallersPage::Bindings() {
  std::vector<win32::Binding> bindings{win32::BindCheck(IDX_INSTALLERS_ENABLE, &state_.enabled),
                                       win32::BindComboIndex(IDC_INSTALLERS_MODE, &state_.mode)};
  for (int i = 0; i < kSlots; ++i) {
    bindings.push_back(win32::BindComboText(kFileLists[i], &state_.files[i]));
    bindings.push_back(
        win32::BindText(kPrompts[i], &state_.prompts[i], installers_page::kPromptChars));
  }
  return bindings;
}

std::vector<win32::ControlBinding> InstallersPage::ControlBindings() {
  return {{IDT_INSTALLERS_HELP_LINK, &helpLink_}};
}

void InstallersPage::FillInstallerLists() {
  const std::vector<std::string> choices =
      installers_page::InstallerChoices(Win32FolderFiles(), SourceFolder());
  for (int id : kFileLists) {
    ::SendDlgItemMessageA(hwnd(), id, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : choices) {
      ::SendDlgItemMessageA(hwnd(), id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
  }
}

void InstallersPage::OnSetActive() {
  if (loaded_) return;
  loaded_ = true;
  helpLink_.SetTopic(help_topics::kAutorunInstallers);
  for (const installers_page::Mode& mode : installers_page::kModes) {
    ::SendDlgItemMessageA(hwnd(), IDC_INSTALLERS_MODE, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(mode.item));
  }
  WizardSettings settings(WizardApp::Current().Registry());
  state_ = installers_page::Load(settings);
  FillInstallerLists();
  CopyToControls();
  UpdateEnabling();
}

void InstallersPage::UpdateEnabling() {
  CopyFromControls();
  const installers_page::Enabling e = installers_page::ComputeEnabling(state_);
  EnableItems(
      {IDC_INSTALLERS_FILE1, IDC_INSTALLERS_FILE2, IDC_INSTALLERS_FILE3, IDB_INSTALLERS_WIZARD1,
       IDB_INSTALLERS_WIZARD2, IDB_INSTALLERS_WIZARD3, IDB_INSTALLERS_REFRESH, IDT_INSTALLERS_SLOT1,
       IDT_INSTALLERS_SLOT2, IDT_INSTALLERS_SLOT3, IDT_INSTALLERS_NOTE},
      e.slots);
  EnableItems({IDC_INSTALLERS_MODE, IDT_INSTALLERS_MODE_LABEL}, e.mode);
  for (int i = 0; i < kSlots; ++i) EnableItems({kPrompts[i], kPromptLabels[i]}, e.prompt[i]);
}

void InstallersPage::EnableClicked() {
  UpdateEnabling();
  if (!state_.enabled) return;
  // The author only hears about missing or long-named installers here.
  Win32ChosenFileChecks checks(hwnd());
  installers_page::ReportInstallerChecks(state_, SourceFolder(), checks);
}

void InstallersPage::FileChanged(int slot) {
  UpdateEnabling();
  installers_page::FillDefaultPrompt(state_, slot);
  CopyToControls();
}

void InstallersPage::ModeChanged() {
  UpdateEnabling();
  installers_page::FillDefaultPrompts(state_);
  CopyToControls();
}

void InstallersPage::RefreshAll() {
  CopyFromControls();
  FillInstallerLists();
  CopyToControls();
  UpdateEnabling();
}

void InstallersPage::RunWizard(int slot) {
  OnKillActive();
  const bool finished = RunViewerInstallerWizard(hwnd(), slot + 1);
  if (finished) FillInstallerLists();
  {
    WizardSettings settings(WizardApp::Current().Registry());
    state_.files[slot] = installers_page::EntryFor(settings.Text(keys::InstallerFile(slot + 1)));
    state_.mode = installers_page::ModeFromKeyword(settings.Text(ws::kInstallerHowToRunNew));
    // The wizard has turned installers on; unticked, OK would turn them off again.
    if (finished) state_.enabled = settings.Flag(ws::kSpecifyFileOpenOptions);
  }
  installers_page::FillDefaultPrompt(state_, slot);
  CopyToControls();
  UpdateEnabling();
}

bool InstallersPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  Win32OptionQuestions questions(hwnd());
  Win32ChosenFileChecks checks(hwnd());
  WizardSettings settings(WizardApp::Current().Registry());
  return installers_page::Leave(state_, settings, questions, checks);
}
