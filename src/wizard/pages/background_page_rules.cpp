#include "wizard/pages/background_page_rules.h"

#include "wizard/pages/display_rules.h"
#include "wizard/pages/display_texts.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace background_page {

namespace {
namespace tx = display_texts;
namespace ws = wizard_settings;
using namespace keys;

constexpr const char* kWhenKeywords[] = {keywords::kStartup, keywords::kBeforeWelcome,
                                         keywords::kAfterWelcome};
constexpr const char* kFullScreenMode = "FullScreen";
constexpr const char* kImageLabels[] = {tx::kImage1Label, tx::kImage2Label};
constexpr const char* kBorderQuestions[] = {tx::kBorder1Over100, tx::kBorder2Over100};

bool Chosen(const Picture& picture) { return !picture.file.empty(); }
}  // namespace

int PositionIndex(std::string_view position) {
  return display_rules::IndexOf(tx::kPositions, position);
}

State Load(const WizardSettings& settings) {
  State state;
  state.enabled = settings.ReadBool(kShowBackgroundWindow, false);
  const std::string when = settings.Text(kBackgroundWhenToShow);
  state.whenToShow = when.empty() ? kAfterWelcome : display_rules::IndexOf(kWhenKeywords, when);
  state.fullScreen = settings.ReadBool(kBackgroundFullScreenImage, true);
  state.fullScreenImage =
      display_rules::ShownImagePath(settings, ws::kBackgroundFullScreenImageFile);
  state.colour = static_cast<uint32_t>(settings.ReadNumber(kBackgroundWindowColour, 0));
  for (int n = 1; n <= kBackgroundPictureCount; ++n) {
    Picture& picture = state.pictures[n - 1];
    picture.file = display_rules::ShownImagePath(settings, BackgroundFullScreenImageFile(n));
    picture.position = PositionIndex(settings.Text(BackgroundFullScreenImageFileMode(n)));
    if (picture.position < 0) picture.position = 0;
    picture.border = settings.ReadNumber(BackgroundFullScreenImageFileBorder(n), kNewBorder);
  }
  state.keepOpen = settings.ReadBool(kBackgroundWindowLeaveOpenUntilFileClosed, true);
  state.closeButton = settings.ReadBool(kBackgroundHaveCloseButton, true);
  state.closeText = settings.Text(kBackgroundCloseButtonText);
  if (state.closeText.empty()) state.closeText = tx::kDefaultCloseText;
  state.reselect =
      !settings.ReadBool(kSingleFile, true) && settings.ReadBool(kMultiSelectAllowReselect, true);
  return state;
}

Enabling EnablingFor(const State& state) {
  const bool e = state.enabled;
  const bool overlay = e && !state.fullScreen;
  const bool ownWindow = e && !state.reselect;
  Enabling enabling{e,
                    e && state.fullScreen,
                    overlay,
                    {},
                    {},
                    ownWindow,
                    ownWindow && state.keepOpen,
                    ownWindow && state.closeButton && state.keepOpen};
  for (int i = 0; i < kBackgroundPictureCount; ++i) {
    enabling.picture[i] = overlay && Chosen(state.pictures[i]);
    enabling.border[i] = enabling.picture[i] && state.pictures[i].position != kMiddleCentre;
  }
  return enabling;
}

void OnEnable(State& state, ImageFileChecks& checks) {
  if (!state.enabled) return;
  if (state.keepOpen) state.closeButton = true;
  if (state.fullScreen) {
    checks.CheckChosenFile(state.fullScreenImage, tx::kFullScreenImageLabel);
    return;
  }
  for (int i = 0; i < kBackgroundPictureCount; ++i) {
    checks.CheckChosenFile(state.pictures[i].file, kImageLabels[i]);
  }
}

void OnCloseButton(State& state) {
  if (state.closeText.empty()) state.closeText = tx::kDefaultCloseText;
}

void SaveColour(uint32_t colour, WizardSettings& settings) {
  settings.SetNumber(kBackgroundWindowColour, static_cast<int32_t>(colour));
}

namespace {
bool Check(const State& state, WizardQuestions& questions, ImageFileChecks& checks) {
  if (state.fullScreen) {
    if (state.fullScreenImage.empty()) {
      questions.ShowMessage(tx::kBackgroundNoImage);
      return false;
    }
    if (!checks.CheckChosenFile(state.fullScreenImage, tx::kFullScreenImageLabel)) return false;
  } else {
    for (int i = 0; i < kBackgroundPictureCount; ++i) {
      if (!checks.CheckChosenFile(state.pictures[i].file, kImageLabels[i])) return false;
    }
    for (int i = 0; i < kBackgroundPictureCount; ++i) {
      if (state.pictures[i].border > kUsualBorderMax && !questions.AskYesNo(kBorderQuestions[i])) {
        return false;
      }
    }
  }
  if (state.closeButton && state.closeText.find('&') != std::string::npos) {
    questions.ShowMessage(tx::kCloseTextAmpersand);
    return false;
  }
  return true;
}
}  // namespace

bool Leave(const State& state, WizardSettings& settings, WizardQuestions& questions,
           ImageFileChecks& checks) {
  if (state.enabled && !Check(state, questions, checks)) return false;
  settings.SetFlag(kShowBackgroundWindow, state.enabled);
  settings.SetText(kBackgroundWhenToShow, display_rules::ItemAt(kWhenKeywords, state.whenToShow));
  settings.SetFlag(kBackgroundFullScreenImage, state.fullScreen);
  settings.SetText(ws::kBackgroundFullScreenImageFile, state.fullScreenImage);
  settings.SetText(ws::kBackgroundFullScreenImageFileMode, kFullScreenMode);
  SaveColour(state.colour, settings);
  for (int n = 1; n <= kBackgroundPictureCount; ++n) {
    const Picture& picture = state.pictures[n - 1];
    settings.SetText(BackgroundFullScreenImageFile(n), picture.file);
    settings.SetText(BackgroundFullScreenImageFileMode(n),
                     display_rules::ItemAt(tx::kPositions, picture.position));
    settings.SetNumber(BackgroundFullScreenImageFileBorder(n), picture.border);
  }
  settings.SetFlag(kBackgroundWindowLeaveOpenUntilFileClosed, state.keepOpen);
  settings.SetFlag(kBackgroundHaveCloseButton, state.closeButton);
  settings.SetText(kBackgroundCloseButtonText, state.closeText);
  return true;
}

}  // namespace background_page

namespace image_position {

bool BorderEnabled(int position) { return position != background_page::kMiddleCentre; }

bool Leave(const State& state, WizardQuestions& questions) {
  if (state.border > background_page::kUsualBorderMax &&
      !questions.AskYesNo(display_texts::kBorderOver100)) {
    return false;
  }
  if (state.border < 0) {
    questions.ShowMessage(display_texts::kBorderNegative);
    return false;
  }
  return true;
}

}  // namespace image_position
