// What the wizard's configuration commands say to the author, each text in
// one place.
#pragma once

#include <string>

namespace wizard_texts {

inline constexpr const char* kNewConfigurationQuestion =
    "This will unload any 'autorun.inf' file and it's settings from the Configuration Wizard, "
    "and allow you to create a new configuration without any preloaded settings.\n\nAre you sure "
    "you want to do this?  If you want to edit the settings of the loaded 'autorun.inf' file, use "
    "the 'Configuration Wizard' button.";

inline constexpr const char* kNoOpenSection =
    "No 'OPEN' section was located in the INF file - unable to play the file.\n\nTo fix this "
    "problem, rerun the configuration Wizard.";

inline constexpr const char* kNotConfiguredByUs =
    "File does not look as though it was configured by QUAV's software - not all features may be "
    "read in.";

inline constexpr const char* kOnlyAutorunFiles =
    "You need to select a file called 'autorun.inf' from this dialog - this is the file that "
    "controls the Autorun of a CD.\n\nNo other files can be opened in this application - please "
    "create / choose a suitably named file.";

// The wizard's message boxes.
inline constexpr const char* kTitle = "ZoruZaz AZ";

inline constexpr const char* kNotInstalled =
    "It appears that the QUAV Autorun CD installer has not been run on this machine, as the "
    "required registry entries are incomplete.  Please run the QUAV Autorun CD Installer and "
    "rerun this application.";

inline constexpr const char* kExitQuestion = "Are you sure you would like to exit?";
inline constexpr const char* kTestQuestion = "Would you like to test your configuration?";
inline constexpr const char* kNothingLoaded =
    "No configuration has been created or loaded - no information can be shown.";

inline constexpr const char* kRegistryNotWritable =
    "Sorry - it is not possible to run this application on this machine configureation.\n\nYou "
    "need write access to the Registry on your machine for this to run.\n\nPlease contact your "
    "system administrator for further information, or contact QUAV using the support links.";

// The value the introduction page writes and reads back.
inline constexpr const char* kRegTestValue = "RegTest";

// Frame and page titles.
inline constexpr const char* kWelcomeFrameTitle = "Welcome to QUAV's Autorun CD Software";
inline constexpr const char* kIntroductionTitle = "AutoRun Configuration Introduction";
inline constexpr const char* kSelectFileTitle = "Select the file(s) to open";
inline constexpr const char* kAdditionalOptionsTitle = "Configure Additional Options";
inline constexpr const char* kFilesCreatedTitle = "Configuration Files Created";
inline constexpr const char* kFilesToCopyTitle = "Files to copy to CD";

// The file dialog of "&Open existing".
inline constexpr const char* kAutorunFilesFilter = "Autorun Files (*.inf)|*.inf|";
inline constexpr const char* kAutorunFilesExtension = "*.inf";

// The welcome page's second option when the last configuration still exists.
inline std::string OpenPreviousText(const std::string& path) { return "Open '" + path + "'"; }

// The main window's report of a loaded configuration that has gone.
inline std::string UnableToLoad(const std::string& path) {
  return "Sorry, but the system was unable to load '" + path + "'.";
}

// Loading a configuration that has gone: the author may go on without it.
inline std::string UnableToLoadContinue(const std::string& path) {
  return UnableToLoad(path) +
         "\n\nIf you continue, your configuration may not be as you expect it.\n\nContinue?";
}

}  // namespace wizard_texts
