#include "wizard/pages/win32/background_page.h"

#include <commdlg.h>

#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/pages/display_texts.h"
#include "wizard/pages/win32/image_position_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

namespace {
namespace bp = background_page;

struct PictureIds {
  int label, file, select, positionLabel, position, positionButton, borderLabel, border, pixels;
};
constexpr PictureIds kPictureIds[keys::kBackgroundPictureCount] = {
    {IDT_BACKGROUND_IMAGE1_LABEL, IDE_BACKGROUND_IMAGE1, IDB_BACKGROUND_SELECT1,
     IDT_BACKGROUND_POSITION1_LABEL, IDC_BACKGROUND_POSITION1, IDB_BACKGROUND_POSITION1,
     IDT_BACKGROUND_BORDER1_LABEL, IDE_BACKGROUND_BORDER1, IDT_BACKGROUND_PIXELS1},
    {IDT_BACKGROUND_IMAGE2_LABEL, IDE_BACKGROUND_IMAGE2, IDB_BACKGROUND_SELECT2,
     IDT_BACKGROUND_POSITION2_LABEL, IDC_BACKGROUND_POSITION2, IDB_BACKGROUND_POSITION2,
     IDT_BACKGROUND_BORDER2_LABEL, IDE_BACKGROUND_BORDER2, IDT_BACKGROUND_PIXELS2}};
}  // namespace

BackgroundPage::BackgroundPage() : DisplayPage(IDD_BACKGROUND) {}

win32::DispatchTable BackgroundPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDX_BACKGROUND_ENABLE, &BackgroundPage::EnableClicked),
      win32::OnCommand(IDR_BACKGROUND_FULL_SCREEN, &BackgroundPage::SwitchClicked),
      win32::OnCommand(IDR_BACKGROUND_COLOUR, &BackgroundPage::SwitchClicked),
      win32::OnCommand(IDX_BACKGROUND_KEEP_OPEN, &BackgroundPage::SwitchClicked),
      win32::OnCommand(IDX_BACKGROUND_CLOSE_BUTTON, &BackgroundPage::CloseButtonClicked),
      win32::OnCommand(IDC_BACKGROUND_POSITION1, &BackgroundPage::SwitchClicked, CBN_SELCHANGE),
      win32::OnCommand(IDC_BACKGROUND_POSITION2, &BackgroundPage::SwitchClicked, CBN_SELCHANGE),
      win32::OnCommand(IDB_BACKGROUND_COLOUR, &BackgroundPage::ChangeColour),
      win32::OnCommand(IDB_BACKGROUND_SELECT_FULL, &BackgroundPage::FullScreenImageClicked),
      win32::OnCommand(IDB_BACKGROUND_SELECT1, &BackgroundPage::Image1Clicked),
      win32::OnCommand(IDB_BACKGROUND_SELECT2, &BackgroundPage::Image2Clicked),
      win32::OnCommand(IDB_BACKGROUND_POSITION1, &BackgroundPage::Position1),
      win32::OnCommand(IDB_BACKGROUND_POSITION2, &BackgroundPage::Position2),
      win32::OnCommand(IDB_BACKGROUND_INFO, &BackgroundPage::ShowInformation),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> BackgroundPage::Bindings() {
  std::vector<win32::Binding> bindings = {
      win32::BindCheck(IDX_BACKGROUND_ENABLE, &state_.enabled),
      win32::BindComboIndex(IDC_BACKGROUND_WHEN, &state_.whenToShow),
      win32::BindRadio(IDR_BACKGROUND_FULL_SCREEN, IDR_BACKGROUND_COLOUR, &mode_),
      win32::BindText(IDE_BACKGROUND_FULL_IMAGE, &state_.fullScreenImage)};
  for (int i = 0; i < keys::kBackgroundPictureCount; ++i) {
    bp::Picture& picture = state_.pictures[i];
    const PictureIds& ids = kPictureIds[i];
    bindings.push_back(win32::BindText(ids.file, &picture.file));
    bindings.push_back(win32::BindComboIndex(ids.position, &picture.position));
    bindings.push_back(
        win32::BindNumber(ids.border, &picture.border, bp::kBorderMin, bp::kBorderMax));
  }
  bindings.push_back(win32::BindCheck(IDX_BACKGROUND_KEEP_OPEN, &state_.keepOpen));
  bindings.push_back(win32::BindCheck(IDX_BACKGROUND_CLOSE_BUTTON, &state_.closeButton));
  bindings.push_back(
      win32::BindText(IDE_BACKGROUND_CLOSE_TEXT, &state_.closeText, bp::kCloseTextChars));
  return bindings;
}

std::vector<win32::ControlBinding> BackgroundPage::ControlBindings() {
  return {{IDT_BACKGROUND_SWATCH, &swatch_}};
}

bool BackgroundPage::OnInit() {
  FillCombo(IDC_BACKGROUND_WHEN, display_texts::kBackgroundWhenItems);
  for (const PictureIds& ids : kPictureIds) FillCombo(ids.position, display_texts::kPositions);
  return true;
}

void BackgroundPage::OnSetActive() {
  if (loaded_) return;
  loaded_ = true;
  WizardSettings settings(WizardApp::Current().Registry());
  state_ = bp::Load(settings);
  mode_ = state_.fullScreen ? 0 : 1;
  CopyToControls();
  swatch_.SetColour(state_.colour);
  UpdateEnabling();
}

void BackgroundPage::TakeSwitches() {
  state_.enabled = IsChecked(IDX_BACKGROUND_ENABLE);
  state_.fullScreen = IsChecked(IDR_BACKGROUND_FULL_SCREEN);
  state_.keepOpen = IsChecked(IDX_BACKGROUND_KEEP_OPEN);
  state_.closeButton = IsChecked(IDX_BACKGROUND_CLOSE_BUTTON);
  for (int i = 0; i < keys::kBackgroundPictureCount; ++i) {
    state_.pictures[i].position = ComboIndex(kPictureIds[i].position);
  }
}

void BackgroundPage::UpdateEnabling() {
  const bp::Enabling e = bp::EnablingFor(state_);
  EnableItems({IDT_BACKGROUND_WHEN_LABEL, IDC_BACKGROUND_WHEN, IDR_BACKGROUND_FULL_SCREEN,
               IDR_BACKGROUND_COLOUR, IDB_BACKGROUND_INFO},
              e.general);
  EnableItems({IDT_BACKGROUND_FULL_LABEL, IDE_BACKGROUND_FULL_IMAGE, IDB_BACKGROUND_SELECT_FULL},
              e.fullScreen);
  EnableItems({IDT_BACKGROUND_COLOUR_LABEL, IDT_BACKGROUND_SWATCH, IDB_BACKGROUND_COLOUR},
              e.overlay);
  for (int i = 0; i < keys::kBackgroundPictureCount; ++i) {
    const PictureIds& ids = kPictureIds[i];
    EnableItems({ids.label, ids.file, ids.select}, e.overlay);
    EnableItems({ids.positionLabel, ids.position, ids.positionButton}, e.picture[i]);
    EnableItems({ids.borderLabel, ids.border, ids.pixels}, e.border[i]);
  }
  EnableItems({IDX_BACKGROUND_KEEP_OPEN, IDT_BACKGROUND_KEEP_OPEN_NOTE}, e.keepOpen);
  EnableItems({IDX_BACKGROUND_CLOSE_BUTTON}, e.closeButton);
  EnableItems({IDT_BACKGROUND_CLOSE_TEXT_LABEL, IDE_BACKGROUND_CLOSE_TEXT}, e.closeText);
}

void BackgroundPage::EnableClicked() {
  TakeSwitches();
  UpdateEnabling();
  Win32ImageFileChecks checks(hwnd());
  bp::OnEnable(state_, checks);
  SetChecked(IDX_BACKGROUND_CLOSE_BUTTON, state_.closeButton);
  UpdateEnabling();
}

void BackgroundPage::SwitchClicked() {
  TakeSwitches();
  UpdateEnabling();
}

void BackgroundPage::CloseButtonClicked() {
  TakeSwitches();
  UpdateEnabling();
  state_.closeText = ItemText(IDE_BACKGROUND_CLOSE_TEXT);
  bp::OnCloseButton(state_);
  SetItemText(IDE_BACKGROUND_CLOSE_TEXT, state_.closeText);
}

void BackgroundPage::ChangeColour() {
  // The dialog's sixteen custom colours, kept while the wizard runs.
  static COLORREF customColours[16] = {};
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd();
  dialog.rgbResult = state_.colour;
  dialog.lpCustColors = customColours;
  dialog.Flags = CC_RGBINIT;
  if (!::ChooseColorA(&dialog)) return;
  state_.colour = dialog.rgbResult;
  WizardSettings settings(WizardApp::Current().Registry());
  bp::SaveColour(state_.colour, settings);
  swatch_.SetColour(state_.colour);
}

void BackgroundPage::FullScreenImageClicked() {
  if (!SelectImage(IDE_BACKGROUND_FULL_IMAGE, &state_.fullScreenImage, false,
                   bp::kFullScreenImageMaxSize)) {
    return;
  }
  SwitchClicked();
}

// The placed images may be removed again: the chooser offers "no image".
void BackgroundPage::PictureImageClicked(int picture) {
  if (!SelectImage(kPictureIds[picture].file, &state_.pictures[picture].file, true)) return;
  SwitchClicked();
}

void BackgroundPage::ChoosePosition(int picture) {
  const PictureIds& ids = kPictureIds[picture];
  image_position::State start{ComboIndex(ids.position), state_.pictures[picture].border};
  BOOL numeric = FALSE;
  const int border = static_cast<int>(::GetDlgItemInt(hwnd(), ids.border, &numeric, TRUE));
  if (numeric) start.border = border;
  ImagePositionPage page(start);
  OptionFrame frame(help_topics::kBackgroundImagePosition);
  frame.SetPage(page, display_texts::kPositionTitle);
  if (frame.Run(hwnd()) != IDOK) return;
  SetComboIndex(ids.position, page.chosen().position);
  ::SetDlgItemInt(hwnd(), ids.border, static_cast<UINT>(page.chosen().border), TRUE);
  SwitchClicked();
}

void BackgroundPage::ShowInformation() {
  WizardApp::Current().ShowHelpTopic(help_topics::kOverlayBackground, hwnd());
}

bool BackgroundPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  state_.fullScreen = mode_ == 0;
  WizardSettings settings(WizardApp::Current().Registry());
  Win32WizardQuestions questions(hwnd());
  Win32ImageFileChecks checks(hwnd());
  return bp::Leave(state_, settings, questions, checks);
}
