// The viewer installers dialog: three installer slots, when they run, and
// which controls are live for a given choice.
#pragma once

#include <array>
#include <string>
#include <vector>

class ChosenFileChecks;
class FileCopier;
class FileSystem;
class FolderFiles;
class WizardQuestions;
class WizardSettings;

namespace installers_page {

inline constexpr int kSlots = 3;
inline constexpr int kPromptChars = 256;

// The modes of "When to run this / these Installers:", in the order of the
// (sorted) list, with the keyword each is stored as.
struct Mode {
  const char* item;
  const char* keyword;
};
extern const Mode kModes[3];
inline constexpr int kPromptMode = 0;
// The older numeric setting reads -1 when the newer keyword decides.
inline constexpr int kLegacyModeUnset = -1;

struct State {
  bool enabled = false;
  int mode = -1;  // index into kModes; -1 for none
  // The installer lists' texts: a file name, or "<Ignore>" for none.
  std::array<std::string, kSlots> files;
  std::array<std::string, kSlots> prompts;
};

// A list entry names an installer unless it is empty or one of the "<...>"
// entries.
bool SlotChosen(const std::string& entry);

struct Enabling {
  bool slots = false;               // the lists, wizard buttons, "Refresh All", statics
  bool mode = false;                // the mode list and its label
  std::array<bool, kSlots> prompt;  // each prompt and its label
};
Enabling ComputeEnabling(const State& state);

// "<Ignore>", then the "*.exe" and "*.msi" files of `folder`.
std::vector<std::string> InstallerChoices(const FolderFiles& files, const std::string& folder);
// The mode for a stored keyword (without regard to case); -1 if none.
int ModeFromKeyword(const std::string& keyword);
// The older number when set, otherwise the keyword.
int ModeFromSettings(const WizardSettings& settings);
// The entry a stored file name shows as.
std::string EntryFor(const std::string& storedFile);

State Load(const WizardSettings& settings);
// A chosen slot with an empty prompt gets the default prompt: one slot after
// its list changed, every slot after the mode changed.
void FillDefaultPrompt(State& state, int slot);
void FillDefaultPrompts(State& state);
// The file checks of every chosen installer in the configuration folder;
// false when one refused.
bool CheckInstallers(const State& state, const std::string& folder, ChosenFileChecks& checks);
// The same checks when "Enable" is ticked: they only inform, so every chosen
// installer is checked whatever the ones before it gave.
void ReportInstallerChecks(const State& state, const std::string& folder, ChosenFileChecks& checks);
// Validates when enabled, then saves; false keeps the dialog.
bool Leave(const State& state, WizardSettings& settings, WizardQuestions& questions,
           ChosenFileChecks& checks);

}  // namespace installers_page

namespace viewer_installer {

// The pair of settings one installer slot is kept in.
struct Slot {
  const char* file;
  const char* prompt;
};
Slot ForSlot(int slot);  // 1 to 3

// The first page's advice for the file the CD opens, and whether the
// download button applies.
struct Advice {
  std::string text;
  bool canDownload = false;
};
Advice AdviceFor(const std::string& sourceFile);
// The product web site's page of viewers.
std::string DownloadAddress();

// Leaving the page that names the installer: copies it into the
// configuration folder (asking before replacing a file there) and saves the
// slot, turning installers on. False keeps the page.
bool LeaveSpecify(const std::string& installer, Slot slot, WizardSettings& settings,
                  const FileSystem& fs, FileCopier& copier, WizardQuestions& questions);

}  // namespace viewer_installer
