#include "wizard/pages/win32/splash_page.h"

#include <commdlg.h>

#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/pages/display_texts.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

SplashPage::SplashPage() : DisplayPage(IDD_SPLASH) {}

win32::DispatchTable SplashPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDX_SPLASH_ENABLE, &SplashPage::EnableClicked),
      win32::OnCommand(IDR_SPLASH_IMAGE, &SplashPage::ModeClicked),
      win32::OnCommand(IDR_SPLASH_TEXT, &SplashPage::ModeClicked),
      win32::OnCommand(IDB_SPLASH_SELECT_IMAGE, &SplashPage::ImageClicked),
      win32::OnCommand(IDB_SPLASH_FONT, &SplashPage::ConfigureFont),
      win32::OnCommand(IDB_SPLASH_HELP, &SplashPage::ShowHelp),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> SplashPage::Bindings() {
  using splash_page::kLineChars;
  return {win32::BindCheck(IDX_SPLASH_ENABLE, &state_.enabled),
          win32::BindComboIndex(IDC_SPLASH_WHEN, &state_.whenToShow),
          win32::BindNumber(IDE_SPLASH_SECONDS, &state_.seconds, 0, splash_page::kMaxSeconds),
          win32::BindRadio(IDR_SPLASH_IMAGE, IDR_SPLASH_TEXT, &mode_),
          win32::BindText(IDE_SPLASH_IMAGE, &state_.image),
          win32::BindText(IDE_SPLASH_LINE1, &state_.lines[0], kLineChars),
          win32::BindText(IDE_SPLASH_LINE2, &state_.lines[1], kLineChars),
          win32::BindText(IDE_SPLASH_LINE3, &state_.lines[2], kLineChars)};
}

bool SplashPage::OnInit() {
  FillCombo(IDC_SPLASH_WHEN, display_texts::kSplashWhenItems);
  return true;
}

void SplashPage::OnSetActive() {
  if (loaded_) return;
  loaded_ = true;
  WizardSettings settings(WizardApp::Current().Registry());
  state_ = splash_page::Load(settings);
  mode_ = state_.useImage ? 0 : 1;
  CopyToControls();
  ShowFontDescription();
  UpdateEnabling();
}

void SplashPage::TakeSwitches() {
  state_.enabled = IsChecked(IDX_SPLASH_ENABLE);
  state_.useImage = IsChecked(IDR_SPLASH_IMAGE);
}

void SplashPage::UpdateEnabling() {
  const splash_page::Enabling e = splash_page::EnablingFor(state_);
  EnableItems({IDT_SPLASH_WHEN_LABEL, IDC_SPLASH_WHEN, IDT_SPLASH_FOR, IDE_SPLASH_SECONDS,
               IDT_SPLASH_SECS, IDR_SPLASH_IMAGE, IDR_SPLASH_TEXT, IDB_SPLASH_HELP},
              e.general);
  EnableItems(
      {IDT_SPLASH_IMAGE_LABEL, IDE_SPLASH_IMAGE, IDB_SPLASH_SELECT_IMAGE, IDT_SPLASH_IMAGE_NOTE},
      e.image);
  EnableItems({IDT_SPLASH_LINE1_LABEL, IDE_SPLASH_LINE1, IDT_SPLASH_LINE2_LABEL, IDE_SPLASH_LINE2,
               IDT_SPLASH_LINE3_LABEL, IDE_SPLASH_LINE3, IDT_SPLASH_LINES_NOTE,
               IDT_SPLASH_FONT_LABEL, IDT_SPLASH_FONT, IDB_SPLASH_FONT},
              e.text);
}

void SplashPage::EnableClicked() {
  TakeSwitches();
  UpdateEnabling();
  Win32ImageFileChecks checks(hwnd());
  splash_page::OnEnable(state_, checks);
}

void SplashPage::ModeClicked() {
  TakeSwitches();
  UpdateEnabling();
}

void SplashPage::ImageClicked() {
  if (!SelectImage(IDE_SPLASH_IMAGE, &state_.image)) return;
  TakeSwitches();
  UpdateEnabling();
}

void SplashPage::ShowFontDescription() {
  WizardSettings settings(WizardApp::Current().Registry());
  SetItemText(IDT_SPLASH_FONT, splash_page::FontDescription(settings));
}

void SplashPage::ConfigureFont() {
  WizardSettings settings(WizardApp::Current().Registry());
  HDC dc = ::GetDC(hwnd());
  const int pixelsPerInch = ::GetDeviceCaps(dc, LOGPIXELSY);
  ::ReleaseDC(hwnd(), dc);
  const splash_page::FontPreset preset = splash_page::FontDialogPreset(settings, pixelsPerInch);
  LOGFONTA font{};
  font.lfHeight = preset.height;
  font.lfWeight = preset.weight;
  font.lfItalic = preset.italic ? TRUE : FALSE;
  ::lstrcpynA(font.lfFaceName, preset.face.c_str(), LF_FACESIZE);
  CHOOSEFONTA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd();
  dialog.lpLogFont = &font;
  dialog.Flags = CF_SCREENFONTS | CF_NOSCRIPTSEL | CF_INITTOLOGFONTSTRUCT;
  if (!::ChooseFontA(&dialog)) return;
  Win32WizardQuestions questions(hwnd());
  splash_page::SaveFont({font.lfFaceName, font.lfWeight, font.lfItalic != 0, dialog.iPointSize},
                        settings, questions);
  ShowFontDescription();
}

void SplashPage::ShowHelp() {
  WizardApp::Current().ShowHelpTopic(help_topics::kSplashScreen, hwnd());
}

bool SplashPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  state_.useImage = mode_ == 0;
  WizardSettings settings(WizardApp::Current().Registry());
  Win32WizardQuestions questions(hwnd());
  Win32ImageFileChecks checks(hwnd());
  return splash_page::Leave(state_, settings, questions, checks);
}
