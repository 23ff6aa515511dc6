// The licence agreement dialog: its settings, the agreement text kept in a
// file of the configuration folder, and the backup copy kept on this machine.
#pragma once

#include <string>

class ChosenFileChecks;
class FileSystem;
class WizardQuestions;
class WizardSettings;

namespace license_page {

inline constexpr int kFileNameChars = 50;
// The items of "Show every time user loads CD:", stored as they read.
inline constexpr const char* kShowItems[] = {"Yes", "No"};

struct State {
  bool enabled = false;
  std::string fileName;
  int showEveryTime = 0;  // index into kShowItems; -1 for none
  std::string text;       // the agreement, lines ending in CR LF
};

// The last text saved on this machine is kept in the kit's installation
// folder, or, where the user may not write there, in the user's own folder
// for the kit below `appData` (the user's application data folder; empty
// when unknown). The user's copy is read first.
std::string UserBackupPath(const std::string& appData);

// The settings, and the text from the named file of the configuration
// folder, or else from a backup copy.
State Load(const WizardSettings& settings, const FileSystem& fs, const std::string& appData);
// Ticking "Enable this feature" proposes a file name when there is none.
void OnEnable(State& state);
// Validates, saves the settings and writes the text; false keeps the dialog
// (the author has been told why). May change the file name (".txt" added,
// folders removed).
bool Leave(State& state, WizardSettings& settings, FileSystem& fs, WizardQuestions& questions,
           ChosenFileChecks& checks, const std::string& appData);

}  // namespace license_page
