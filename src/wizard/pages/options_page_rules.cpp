#include "wizard/pages/options_page_rules.h"

#include "config/autorun_keys.h"
#include "wizard/help_topics.h"
#include "wizard/pages/options_texts.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace options_page {

namespace {
namespace ws = wizard_settings;
namespace ht = help_topics;

// clang-format off
constexpr OptionRow kRows[] = {
    {"Splash Screen", keys::kShowSplashScreen,
     "Show Splash Screen, with either image or text",
     "Create a Splash Screen, either with text you supply, or an image you supply.  You can chose "
     "whether the splash screen opens when the CD is opened, or while files open, and optionally "
     "show it for a certain number of seconds.",
     ht::kSplashScreen, OptionDialog::kSplash},
    {"Welcome Screen", keys::kWelcomeEnabled,
     "Show Welcome Screen, user choice to not open CD",
     "Create a Welcome message, either with text you supply, or an image you supply, or both.  "
     "End user can chose to not open the CD if they wish, too.",
     ht::kWelcomeMessage, OptionDialog::kWelcome},
    {"License Agreement", keys::kLicenseAgreementEnabled,
     "Let user agree to License Agreement",
     "User can agree to a license agreement when Autorunning a CD, using text that you provide.  "
     "Please note certain restrictions that apply to this feature, outlined in the configuration.",
     ht::kLicenseAgreement, OptionDialog::kLicense},
    {"Screen Background", keys::kShowBackgroundWindow,
     "Overlay color or images on screen background",
     "You can overlay either a background color, or images, on the screen background.  If you "
     "apply images, you can either specify one full screen image, or place up to 2 images on the "
     "background color.",
     ht::kOverlayBackground, OptionDialog::kBackground},
    {"Install Viewer(s)", ws::kSpecifyFileOpenOptions,
     "Install up to 3 viewers",
     "Get the software to install up to 3 viewers on the machine.",
     ht::kAutorunInstallers, OptionDialog::kInstallers},
    {"Force Open With", ws::kForceExecuteOption,
     "Force files to open with application",
     "You can force the system to open your files using a given application, or a list of "
     "applications.",
     ht::kForceOpenWith, OptionDialog::kForceOpen},
    {"Error Message", keys::kUserDefinedErrors,
     "Customise file open error messages",
     "You can configure the error message if Windows fails to open the file(s) on your CD.",
     ht::kErrorMessage, OptionDialog::kErrorMessage},
    {"Change file name", ws::kAutoRunExeNameEnabled,
     "Change Vendisc.exe name",
     "You can change the name of the Vendisc.exe file name to a name that you prefer.",
     ht::kStarterName, OptionDialog::kStarterName},
};
// clang-format on
}  // namespace

std::span<const OptionRow> Rows() { return kRows; }

const char* UsedText(const OptionRow& row, const WizardSettings& settings) {
  // Never stored reads as off, as every option dialog shows it.
  return settings.ReadBool(row.usedFrom, false) ? options_texts::kUsedYes : options_texts::kUsedNo;
}

Switches LoadSwitches(const WizardSettings& settings) {
  return {settings.Flag(ws::kEnableIcon), settings.Flag(ws::kDoNotWarnOverwrites)};
}

std::optional<std::string> StartupNotice(const WizardSettings& settings) {
  if (!settings.Flag(keys::kRunOneAtATime)) return std::nullopt;
  return std::string(options_texts::kRunOneAtATimeUpgraded);
}

bool Leave(const Switches& switches, bool testInProgress, WizardSettings& settings,
           WizardQuestions& questions, const CreateCdFiles& create) {
  settings.SetFlag(ws::kEnableIcon, switches.enableIcon);
  settings.SetFlag(ws::kDoNotWarnOverwrites, switches.doNotWarnOverwrites);
  // The test run creates the files itself.
  if (testInProgress) return true;
  if (create(!switches.doNotWarnOverwrites)) return true;
  return questions.AskYesNo(options_texts::kErrorsContinue);
}

}  // namespace options_page
