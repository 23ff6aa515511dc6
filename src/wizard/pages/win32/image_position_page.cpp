#include "wizard/pages/win32/image_position_page.h"

#include <climits>

#include "resource.h"
#include "wizard/win32/win32_wizard_questions.h"

ImagePositionPage::ImagePositionPage(const image_position::State& start)
    : DisplayPage(IDD_IMAGE_POSITION), state_(start) {}

win32::DispatchTable ImagePositionPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDR_POSITION_TOP_LEFT, &ImagePositionPage::PositionClicked),
      win32::OnCommand(IDR_POSITION_TOP_CENTRE, &ImagePositionPage::PositionClicked),
      win32::OnCommand(IDR_POSITION_TOP_RIGHT, &ImagePositionPage::PositionClicked),
      win32::OnCommand(IDR_POSITION_MIDDLE_LEFT, &ImagePositionPage::PositionClicked),
      win32::OnCommand(IDR_POSITION_MIDDLE_CENTRE, &ImagePositionPage::PositionClicked),
      win32::OnCommand(IDR_POSITION_MIDDLE_RIGHT, &ImagePositionPage::PositionClicked),
      win32::OnCommand(IDR_POSITION_BOTTOM_LEFT, &ImagePositionPage::PositionClicked),
      win32::OnCommand(IDR_POSITION_BOTTOM_CENTRE, &ImagePositionPage::PositionClicked),
      win32::OnCommand(IDR_POSITION_BOTTOM_RIGHT, &ImagePositionPage::PositionClicked),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::Binding> ImagePositionPage::Bindings() {
  // Any whole number is taken: a negative border is refused with its own message.
  return {win32::BindRadio(IDR_POSITION_TOP_LEFT, IDR_POSITION_BOTTOM_RIGHT, &state_.position),
          win32::BindNumber(IDE_POSITION_BORDER, &state_.border, INT32_MIN, INT32_MAX)};
}

void ImagePositionPage::OnSetActive() {
  CopyToControls();
  ::EnableWindow(Item(IDE_POSITION_BORDER), image_position::BorderEnabled(state_.position));
}

void ImagePositionPage::PositionClicked() {
  for (int id = IDR_POSITION_TOP_LEFT; id <= IDR_POSITION_BOTTOM_RIGHT; ++id) {
    if (IsChecked(id)) state_.position = id - IDR_POSITION_TOP_LEFT;
  }
  ::EnableWindow(Item(IDE_POSITION_BORDER), image_position::BorderEnabled(state_.position));
}

bool ImagePositionPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  Win32WizardQuestions questions(hwnd());
  return image_position::Leave(state_, questions);
}
