#include "wizard/pages/splash_page_rules.h"

#include <algorithm>
#include <limits>

#include "common/text.h"
#include "wizard/pages/display_rules.h"
#include "wizard/pages/display_texts.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace splash_page {

namespace {
namespace tx = display_texts;
namespace ws = wizard_settings;
using namespace keys;
}  // namespace

State Load(const WizardSettings& settings) {
  State state;
  state.enabled = settings.ReadBool(kShowSplashScreen, false);
  const std::string when = settings.Text(kSplashScreenWhenToShow);
  state.whenToShow = when.empty() || text::EqualsNoCase(when, keywords::kStartup) ? 0 : 1;
  state.seconds = settings.ReadNumber(kSplashScreenImageShowForSecs, 0);
  state.useImage = settings.ReadBool(kSplashScreenUseImage, true);
  state.image = display_rules::ShownImagePath(settings, kSplashScreenImage);
  for (int n = 1; n <= kSplashLineCount; ++n)
    state.lines[n - 1] = settings.Text(SplashScreenLine(n));
  if (!settings.ReadBool(ws::kSetSplashScreenTest, false)) {
    state.lines[0] = tx::kSplashPresetLine1;
    state.lines[2] = tx::kSplashPresetLine3;
  }
  return state;
}

Enabling EnablingFor(const State& state) {
  return {state.enabled, state.enabled && state.useImage, state.enabled && !state.useImage};
}

void OnEnable(const State& state, ImageFileChecks& checks) {
  if (state.enabled && state.useImage) checks.RequireFile(state.image, tx::kImageLabel);
}

std::string FontDescription(const WizardSettings& settings) {
  const std::string name = settings.Text(kSplashFontName);
  if (name.empty()) return tx::kWindowsDefaultFont;
  return text::Format(tx::kFontNamePart, name.c_str()) +
         text::Format(tx::kFontSizePart,
                      static_cast<int>(settings.ReadNumber(kSplashFontHeight, 0))) +
         text::Format(tx::kFontWeightPart,
                      static_cast<int>(settings.ReadNumber(kSplashFontWeight, 0))) +
         text::Format(tx::kFontItalicPart,
                      settings.ReadBool(kSplashFontItalic, false) ? tx::kTrue : tx::kFalse);
}

int32_t FontHeightForPoints(int32_t points, int pixelsPerInch) {
  // Rounded half away from zero, as the system's MulDiv rounds.
  const int64_t product = static_cast<int64_t>(points) * pixelsPerInch;
  const int64_t rounded = product >= 0 ? (product + 36) / 72 : (product - 36) / 72;
  // A damaged stored size must not wrap round to a height of the other sign.
  constexpr int64_t kLargest = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(-std::clamp(rounded, -kLargest, kLargest));
}

FontPreset FontDialogPreset(const WizardSettings& settings, int pixelsPerInch) {
  FontPreset preset;
  preset.face = settings.Text(kSplashFontName);
  preset.weight = settings.ReadNumber(kSplashFontWeight, 0);
  preset.italic = settings.ReadBool(kSplashFontItalic, false);
  preset.height =
      FontHeightForPoints(settings.ReadNumber(kSplashFontHeight, kUnsetFontPoints), pixelsPerInch);
  return preset;
}

bool SaveFont(const FontChoice& choice, WizardSettings& settings, WizardQuestions& questions) {
  if (choice.face.empty()) {
    questions.ShowMessage(tx::kNoFontName);
    return false;
  }
  settings.SetText(kSplashFontName, choice.face);
  settings.SetNumber(kSplashFontWeight, choice.weight);
  settings.SetFlag(kSplashFontItalic, choice.italic);
  // In 64 bits: the largest size the dialog can report must not overflow.
  settings.SetNumber(kSplashFontHeight,
                     static_cast<int32_t>((static_cast<int64_t>(choice.pointTenths) + 5) / 10));
  return true;
}

bool Leave(const State& state, WizardSettings& settings, WizardQuestions& questions,
           ImageFileChecks& checks) {
  const bool imageShown = state.enabled && state.useImage;
  if (imageShown && state.image.empty()) {
    questions.ShowMessage(tx::kSplashNoImage);
    return false;
  }
  settings.SetFlag(kShowSplashScreen, state.enabled);
  settings.SetText(kSplashScreenWhenToShow,
                   state.whenToShow == 0 ? keywords::kStartup : keywords::kFileLoad);
  settings.SetNumber(kSplashScreenImageShowForSecs, state.seconds);
  settings.SetFlag(kSplashScreenUseImage, state.useImage);
  settings.SetText(kSplashScreenImage, state.image);
  for (int n = 1; n <= kSplashLineCount; ++n)
    settings.SetText(SplashScreenLine(n), state.lines[n - 1]);
  // Once saved switched on, the author's own lines are never replaced by the
  // proposed ones again, even after the splash is switched off.
  if (state.enabled) settings.SetFlag(ws::kSetSplashScreenTest, true);
  // The values are kept even when the image then fails its checks.
  return !imageShown || checks.CheckChosenFile(state.image, tx::kImageLabel);
}

}  // namespace splash_page
