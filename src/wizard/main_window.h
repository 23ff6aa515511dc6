// What the wizard's main window decides, apart from its controls: its title,
// what it shows of the loaded configuration, the checks of its commands and
// of the start-up pages. The window moves the results into its controls.
#pragma once

#include <string>

class FileSystem;
class WizardQuestions;
class WizardSettings;

namespace main_window {

// "ZoruZaz AZ", followed by " - " and the path when a configuration is loaded.
std::string WindowTitle(const std::string& configPath);
// "Version 4.07".
std::string VersionText();

// The installer has recorded where the kit is (InstallPath is not empty).
bool KitInstalled(WizardSettings& settings);

// What the main window shows of the configuration at `configPath`.
struct Display {
  std::string shownPath;   // the "Last Saved Settings:" box
  std::string fileToOpen;  // what the OPEN line opens after the starter's name
};
// Writes the path back into LastINFFile (also when empty), then reads the
// file's OPEN line; a file that has gone and an empty OPEN line are told.
Display RefreshFromLastConfig(const std::string& configPath, const FileSystem& fs,
                              WizardSettings& settings, WizardQuestions& questions);

// The file-open dialog starts on the loaded configuration's file, or on
// nothing when the path has no file name part.
std::string InitialOpenFile(const std::string& configPath);

// "New Configuration": asks first; on Yes resets the configuration. False
// when the author said No (nothing changes then).
bool StartNewConfiguration(WizardSettings& settings, WizardQuestions& questions);

// The start-up welcome page's second option.
struct WelcomeChoice {
  bool openEnabled = false;  // LastINFFile names a file that exists
  std::string openText;      // "Open '<path>'" when enabled
  bool chooseOpen = false;   // the option selected at first
};
WelcomeChoice WelcomeChoiceFor(const std::string& lastInfFile, const FileSystem& fs);

// The introduction page, each time it is shown: proves that values can be
// written (RegTest), then starts a new round of testing and names the
// starter when no name is stored. False (and nothing else done) when the
// value does not read back; the caller tells the author.
bool PrepareIntroduction(WizardSettings& settings);

// After the wizard: the test is offered when it finished and no test has
// run since the introduction page.
bool OfferTestAfterWizard(bool finished, WizardSettings& settings);

}  // namespace main_window
