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
