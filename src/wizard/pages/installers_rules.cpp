#include "wizard/pages/installers_rules.h"

#include <algorithm>

#include "common/file_system.h"
#include "common/product.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/file_copier.h"
#include "wizard/pages/option_files.h"
#include "wizard/pages/option_ports.h"
#include "wizard/pages/options_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace installers_page {

namespace {
namespace ws = wizard_settings;
namespace tx = options_texts;

bool IsStarter(const std::string& entry, const WizardSettings& settings) {
  const std::string name = settings.Text(ws::kAutoRunExeName);
  // The program actually copied to the CD counts too, whatever name is stored.
  const std::string copied = settings.Flag(ws::kAutoRunExeNameEnabled) && !name.empty()
                                 ? name
                                 : std::string(tx::kDefaultStarterName);
  return (!name.empty() && text::EqualsNoCase(entry, name)) || text::EqualsNoCase(entry, copied);
}

// Each chosen slot's file checks, in order.
bool CheckSlots(const State& state, const std::string& folder, ChosenFileChecks& checks,
                bool stopAtRefusal) {
  bool passed = true;
  for (int i = 0; i < kSlots && (passed || !stopAtRefusal); ++i) {
    if (!SlotChosen(state.files[i])) continue;
    passed = checks.CheckChosenFile(option_files::InFolder(folder, state.files[i]),
                                    tx::InstallerLabel(i + 1)) &&
             passed;
  }
  return passed;
}
}  // namespace

const Mode kModes[3] = {
    {tx::kModePrompt, keywords::kPrompt},
    {tx::kModeNoViewer, keywords::kNoViewer},
    {tx::kModeAlways, keywords::kAlways},
};

bool SlotChosen(const std::string& entry) { return !entry.empty() && entry[0] != '<'; }

Enabling ComputeEnabling(const State& state) {
  Enabling enabling;
  enabling.slots = state.enabled;
  bool anyChosen = false;
  for (int i = 0; i < kSlots; ++i) {
    const bool chosen = SlotChosen(state.files[i]);
    anyChosen = anyChosen || chosen;
    enabling.prompt[i] = state.enabled && state.mode == kPromptMode && chosen;
  }
  enabling.mode = state.enabled && anyChosen;
  return enabling;
}

std::vector<std::string> InstallerChoices(const FolderFiles& files, const std::string& folder) {
  std::vector<std::string> choices = files.List(folder, "*.exe");
  const std::vector<std::string> msi = files.List(folder, "*.msi");
  choices.insert(choices.end(), msi.begin(), msi.end());
  std::sort(choices.begin(), choices.end(), [](const std::string& a, const std::string& b) {
    return text::CompareNoCase(a, b) < 0;
  });
  choices.insert(choices.begin(), tx::kIgnoreInstaller);
  return choices;
}

int ModeFromKeyword(const std::string& keyword) {
  for (int i = 0; i < 3; ++i) {
    if (text::EqualsNoCase(keyword, kModes[i].keyword)) return i;
  }
  return -1;
}

int ModeFromSettings(const WizardSettings& settings) {
  // An older wizard kept only whether installers always run (1) or run when
  // no viewer opens the file (0), as the autorun.inf writer reads it too.
  const int32_t legacy = settings.ReadNumber(ws::kInstallerHowToRun, kLegacyModeUnset);
  if (legacy >= 0) return legacy == 0 ? 1 : 2;
  return ModeFromKeyword(settings.Text(ws::kInstallerHowToRunNew));
}

std::string EntryFor(const std::string& storedFile) {
  return SlotChosen(storedFile) ? storedFile : std::string(tx::kIgnoreInstaller);
}

State Load(const WizardSettings& settings) {
  State state;
  state.enabled = settings.Flag(ws::kSpecifyFileOpenOptions);
  state.mode = ModeFromSettings(settings);
  if (state.mode < 0) state.mode = 0;
  for (int i = 0; i < kSlots; ++i) {
    state.files[i] = EntryFor(settings.Text(keys::InstallerFile(i + 1)));
    state.prompts[i] = settings.Text(keys::InstallerUserQuery(i + 1));
  }
  return state;
}

void FillDefaultPrompt(State& state, int slot) {
  if (SlotChosen(state.files[slot]) && state.prompts[slot].empty()) {
    state.prompts[slot] = tx::kDefaultInstallerPrompt;
  }
}

void FillDefaultPrompts(State& state) {
  for (int i = 0; i < kSlots; ++i) FillDefaultPrompt(state, i);
}

bool CheckInstallers(const State& state, const std::string& folder, ChosenFileChecks& checks) {
  return CheckSlots(state, folder, checks, true);
}

void ReportInstallerChecks(const State& state, const std::string& folder,
                           ChosenFileChecks& checks) {
  CheckSlots(state, folder, checks, false);
}

bool Leave(const State& state, WizardSettings& settings, WizardQuestions& questions,
           ChosenFileChecks& checks) {
  if (state.enabled) {
    for (int i = 0; i < kSlots; ++i) {
      if (SlotChosen(state.files[i]) && IsStarter(state.files[i], settings)) {
        questions.ShowMessage(tx::StarterAsInstaller(i + 1));
        return false;
      }
    }
    if (!CheckInstallers(state, settings.Text(ws::kSourceFolder), checks)) return false;
    if (state.mode == kPromptMode) {
      for (int i = 0; i < kSlots; ++i) {
        if (SlotChosen(state.files[i]) && text::TrimRight(state.prompts[i]).empty()) {
          questions.ShowMessage(tx::PromptRequired(i + 1));
          return false;
        }
      }
    }
  }
  for (int i = 0; i < kSlots; ++i) {
    settings.SetText(keys::InstallerFile(i + 1),
                     SlotChosen(state.files[i]) ? state.files[i] : std::string());
    settings.SetText(keys::InstallerUserQuery(i + 1), state.prompts[i]);
  }
  if (state.mode < 0 || state.mode >= 3) {
    questions.ShowMessage(tx::kNoModeChosen);
    return false;
  }
  settings.SetText(ws::kInstallerHowToRunNew, kModes[state.mode].keyword);
  settings.SetNumber(ws::kInstallerHowToRun, kLegacyModeUnset);
  settings.SetFlag(ws::kSpecifyFileOpenOptions, state.enabled);
  return true;
}

}  // namespace installers_page

namespace viewer_installer {

Slot ForSlot(int slot) { return {keys::InstallerFile(slot), keys::InstallerUserQuery(slot)}; }

Advice AdviceFor(const std::string& sourceFile) {
  namespace tx = options_texts;
  const std::string extension =
      text::ToLower(option_files::ExtensionOf(option_files::BaseName(sourceFile)));
  if (extension == "pps" || extension == "ppt") {
    return {std::string(tx::kPowerPointAdvice) + tx::kDownloadAdvice, true};
  }
  if (extension == "pdf") return {std::string(tx::kPdfAdvice) + tx::kDownloadAdvice, true};
  return {tx::kOtherAdvice, false};
}

std::string DownloadAddress() {
  return std::string(product::kWebSite) + options_texts::kViewersPage;
}

bool LeaveSpecify(const std::string& installer, Slot slot, WizardSettings& settings,
                  const FileSystem& fs, FileCopier& copier, WizardQuestions& questions) {
  namespace tx = options_texts;
  namespace ws = wizard_settings;
  // A path ending in a folder names no installer either: it would fill the
  // slot with an empty name and switch installers on for nothing.
  const std::string name = option_files::BaseName(installer);
  if (name.empty()) {
    questions.ShowMessage(tx::kNoInstallerGiven);
    return false;
  }
  const std::string destination = option_files::InFolder(settings.Text(ws::kSourceFolder), name);
  if (!text::EqualsNoCase(destination, installer)) {
    if (fs.FindFile(destination) && !questions.AskYesNo(tx::InstallerCopyExists(destination))) {
      return false;
    }
    if (copier.CopyReplacing(installer, destination) != 0) {
      questions.ShowMessage(tx::InstallerCopyFailed(installer, destination));
      return false;
    }
  }
  settings.SetText(slot.file, name);
  settings.SetFlag(ws::kInstallerViewerOption, true);
  settings.SetFlag(ws::kSpecifyFileOpenOptions, true);
  if (settings.Text(slot.prompt).empty()) {
    settings.SetText(slot.prompt, tx::kDefaultInstallerPrompt);
  }
  if (settings.Text(ws::kInstallerHowToRunNew).empty()) {
    settings.SetText(ws::kInstallerHowToRunNew, keywords::kPrompt);
  }
  return true;
}

}  // namespace viewer_installer
