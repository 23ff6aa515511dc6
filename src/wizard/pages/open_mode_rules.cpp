#include "wizard/pages/open_mode_rules.h"

#include <iterator>

#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/pages/several_texts.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace several_files {
namespace {
namespace ws = wizard_settings;
namespace t = several_texts;

int LocationIndex(const std::string& location) {
  for (size_t i = 0; i < std::size(t::kImageLocations); ++i) {
    if (text::EqualsNoCase(location, t::kImageLocations[i])) return static_cast<int>(i);
  }
  return t::kDefaultImageLocation;
}

const char* LocationText(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(t::kImageLocations))) {
    index = t::kDefaultImageLocation;
  }
  return t::kImageLocations[index];
}

}  // namespace

OpenMode LoadOpenMode(const WizardSettings& settings) {
  // This page's own fallbacks: a mode never saved shows "select one".
  OpenMode mode;
  mode.action = settings.ReadBool(keys::kOpenAllFiles, false) ? kOpenAll : kSelectOne;
  mode.waitForPrevious = settings.ReadBool(keys::kWaitForPrevious, false);
  mode.allowReselect = settings.ReadBool(keys::kMultiSelectAllowReselect, true);
  mode.title = settings.Text(keys::kMultiSelectTitle);
  mode.help = settings.Text(keys::kMultiSelectHelp);
  mode.image = settings.Text(keys::kMultiSelectImage);
  mode.location = LocationIndex(settings.Text(keys::kMultiSelectImageLocation));
  mode.useImage = settings.ReadBool(keys::kMultiSelectUseImage, false);
  return mode;
}

OpenModeEnabling EnablingFor(const OpenMode& mode) {
  const bool selectOne = mode.action == kSelectOne;
  return {!selectOne, selectOne, selectOne, selectOne && mode.useImage};
}

const char* Explanation(int action) {
  return action == kOpenAll ? t::kOpenAllExplanation : t::kSelectOneExplanation;
}

bool SaveOpenMode(const OpenMode& mode, WizardSettings& settings, WizardQuestions& questions,
                  const FileCheck& checkImage) {
  if (mode.action == kSelectOne && mode.useImage) {
    if (text::Trim(mode.image).empty()) {
      questions.ShowMessage(t::kNoImage);
      return false;
    }
    if (!checkImage(mode.image)) return false;
  }
  settings.SetFlag(keys::kOpenAllFiles, mode.action == kOpenAll);
  settings.SetFlag(keys::kWaitForPrevious, mode.waitForPrevious);
  settings.SetFlag(keys::kMultiSelectAllowReselect, mode.allowReselect);
  settings.SetText(keys::kMultiSelectTitle, mode.title);
  settings.SetText(keys::kMultiSelectHelp, mode.help);
  settings.SetText(keys::kMultiSelectImage, mode.image);
  settings.SetText(keys::kMultiSelectImageLocation, LocationText(mode.location));
  settings.SetFlag(keys::kMultiSelectUseImage, mode.useImage);
  settings.SetFlag(ws::kMultiSelectSetup, true);
  return true;
}

}  // namespace several_files
