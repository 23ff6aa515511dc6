#include "wizard/pages/welcome_screen_rules.h"

#include "config/autorun_keys.h"
#include "wizard/pages/display_rules.h"
#include "wizard/pages/display_texts.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"

namespace welcome_screen {

namespace {
namespace tx = display_texts;
using namespace keys;
using display_rules::CutTo;

// The first refusal of an enabled screen, or null.
const char* Refusal(const State& state) {
  if (state.title.empty()) return tx::kWelcomeNoTitle;
  if (!state.useImage && !state.useText) return tx::kWelcomeNothingShown;
  if (state.useText && state.message.empty()) return tx::kWelcomeNoMessage;
  if (state.useImage && state.image.empty()) return tx::kWelcomeNoImage;
  return nullptr;
}
}  // namespace

State Load(const WizardSettings& settings) {
  State state;
  state.enabled = settings.ReadBool(kWelcomeEnabled, false);
  state.title = CutTo(settings.Text(kWelcomeTitle), kTitleChars);
  state.useImage = settings.ReadBool(kWelcomeUseImage, false);
  state.image = display_rules::ShownImagePath(settings, kWelcomeImage);
  const int location =
      display_rules::IndexOf(tx::kWelcomeLocations, settings.Text(kWelcomeImageLocation));
  state.location = location < 0 ? kDefaultLocation : location;
  state.useText = settings.ReadBool(kWelcomeUseText, true);
  state.message =
      CutTo(display_rules::TagsToLineBreaks(settings.Text(kWelcomeMessage)), kMessageChars);
  state.url = settings.Text(kWelcomeURL);
  return state;
}

Enabling EnablingFor(const State& state) {
  const bool e = state.enabled;
  return {e, e && state.useImage, e && state.useImage && state.useText, e && state.useText};
}

void OnEnable(const State& state, ImageFileChecks& checks) {
  if (state.enabled && state.useImage) checks.CheckChosenFile(state.image, tx::kImageLabel);
}

bool Leave(const State& state, WizardSettings& settings, WizardQuestions& questions,
           ImageFileChecks& checks) {
  if (state.enabled) {
    if (const char* refusal = Refusal(state)) {
      questions.ShowMessage(refusal);
      return false;
    }
    if (state.useImage && !checks.CheckChosenFile(state.image, tx::kImageLabel)) return false;
  }
  settings.SetFlag(kWelcomeEnabled, state.enabled);
  settings.SetText(kWelcomeTitle, state.title);
  settings.SetFlag(kWelcomeUseImage, state.useImage);
  settings.SetText(kWelcomeImage, state.image);
  settings.SetText(kWelcomeImageLocation,
                   display_rules::ItemAt(tx::kWelcomeLocations, state.location));
  settings.SetFlag(kWelcomeUseText, state.useText);
  settings.SetText(kWelcomeMessage, display_rules::LineBreaksToTags(state.message));
  settings.SetText(kWelcomeURL, state.url);
  return true;
}

}  // namespace welcome_screen
