#include "wizard/pages/win32/welcome_screen_page.h"

#include "resource.h"
#include "wizard/pages/display_texts.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

WelcomeScreenPage::WelcomeScreenPage() : DisplayPage(IDD_WELCOME_SCREEN) {}

win32::DispatchTable WelcomeScreenPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDX_WELCOME_SCREEN_ENABLE, &WelcomeScreenPage::EnableClicked),
      win32::OnCommand(IDX_WELCOME_SCREEN_USE_IMAGE, &WelcomeScreenPage::ShowClicked),
      win32::OnCommand(IDX_WELCOME_SCREEN_USE_TEXT, &WelcomeScreenPage::ShowClicked),
      win32::OnCommand(IDB_WELCOME_SCREEN_SELECT_IMAGE, &WelcomeScreenPage::ImageClicked),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> WelcomeScreenPage::Bindings() {
  using namespace welcome_screen;
  return {win32::BindCheck(IDX_WELCOME_SCREEN_ENABLE, &state_.enabled),
          win32::BindText(IDE_WELCOME_SCREEN_TITLE, &state_.title, kTitleChars),
          win32::BindCheck(IDX_WELCOME_SCREEN_USE_IMAGE, &state_.useImage),
          win32::BindText(IDE_WELCOME_SCREEN_IMAGE, &state_.image),
          win32::BindComboIndex(IDC_WELCOME_SCREEN_LOCATION, &state_.location),
          win32::BindCheck(IDX_WELCOME_SCREEN_USE_TEXT, &state_.useText),
          win32::BindText(IDE_WELCOME_SCREEN_MESSAGE, &state_.message, kMessageChars),
          win32::BindText(IDE_WELCOME_SCREEN_URL, &state_.url, kUrlChars)};
}

bool WelcomeScreenPage::OnInit() {
  FillCombo(IDC_WELCOME_SCREEN_LOCATION, display_texts::kWelcomeLocations);
  return true;
}

void WelcomeScreenPage::OnSetActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  state_ = welcome_screen::Load(settings);
  CopyToControls();
  UpdateEnabling();
}

void WelcomeScreenPage::TakeSwitches() {
  state_.enabled = IsChecked(IDX_WELCOME_SCREEN_ENABLE);
  state_.useImage = IsChecked(IDX_WELCOME_SCREEN_USE_IMAGE);
  state_.useText = IsChecked(IDX_WELCOME_SCREEN_USE_TEXT);
}

void WelcomeScreenPage::UpdateEnabling() {
  const welcome_screen::Enabling e = welcome_screen::EnablingFor(state_);
  EnableItems({IDT_WELCOME_SCREEN_TITLE_LABEL, IDE_WELCOME_SCREEN_TITLE,
               IDX_WELCOME_SCREEN_USE_IMAGE, IDX_WELCOME_SCREEN_USE_TEXT},
              e.general);
  EnableItems(
      {IDT_WELCOME_SCREEN_IMAGE_LABEL, IDE_WELCOME_SCREEN_IMAGE, IDB_WELCOME_SCREEN_SELECT_IMAGE},
      e.imageFile);
  EnableItems({IDT_WELCOME_SCREEN_LOCATION_LABEL, IDC_WELCOME_SCREEN_LOCATION}, e.location);
  EnableItems({IDT_WELCOME_SCREEN_MESSAGE_LABEL, IDT_WELCOME_SCREEN_MESSAGE_NOTE,
               IDE_WELCOME_SCREEN_MESSAGE, IDT_WELCOME_SCREEN_URL_LABEL, IDE_WELCOME_SCREEN_URL,
               IDT_WELCOME_SCREEN_URL_NOTE},
              e.text);
}

void WelcomeScreenPage::EnableClicked() {
  TakeSwitches();
  UpdateEnabling();
  Win32ImageFileChecks checks(hwnd());
  welcome_screen::OnEnable(state_, checks);
}

void WelcomeScreenPage::ShowClicked() {
  TakeSwitches();
  UpdateEnabling();
}

void WelcomeScreenPage::ImageClicked() {
  if (!SelectImage(IDE_WELCOME_SCREEN_IMAGE, &state_.image)) return;
  TakeSwitches();
  UpdateEnabling();
}

bool WelcomeScreenPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  WizardSettings settings(WizardApp::Current().Registry());
  Win32WizardQuestions questions(hwnd());
  Win32ImageFileChecks checks(hwnd());
  return welcome_screen::Leave(state_, settings, questions, checks);
}
