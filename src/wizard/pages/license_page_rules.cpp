#include "wizard/pages/license_page_rules.h"

#include "common/file_system.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/pages/option_files.h"
#include "wizard/pages/option_ports.h"
#include "wizard/pages/options_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace license_page {

namespace {
namespace ws = wizard_settings;
namespace tx = options_texts;
using option_files::InFolder;

std::string BackupPath(const WizardSettings& settings) {
  const std::string installPath = settings.Text(ws::kInstallPath);
  return installPath.empty() ? std::string() : InFolder(installPath, tx::kLicenseBackupFile);
}

std::string UserFolder(const std::string& appData) {
  return InFolder(InFolder(appData, tx::kMakerFolder), tx::kProductFolder);
}

// The backup goes to the installation folder where it can, else to the
// user's folder, made when missing. Failures do not matter: the backup only
// spares the author retyping on this machine.
void WriteBackup(const WizardSettings& settings, FileSystem& fs, const std::string& appData,
                 const std::string& text) {
  const std::string machine = BackupPath(settings);
  const std::string user = UserBackupPath(appData);
  if (!machine.empty() && option_files::WriteReplacing(fs, machine, text)) {
    // An older copy of the user's would otherwise be read first.
    if (!user.empty()) fs.DeletePath(user);
    return;
  }
  if (user.empty()) return;
  if (fs.CreateFolder(InFolder(appData, tx::kMakerFolder)) && fs.CreateFolder(UserFolder(appData)))
    option_files::WriteReplacing(fs, user, text);
}

// Writes the agreement through a temporary file, so the author's previous
// text survives any failure; every failure keeps the dialog open, since the
// text typed would otherwise be lost with it.
bool WriteAgreement(const std::string& path, const std::string& text, FileSystem& fs,
                    WizardQuestions& questions) {
  const bool exists = fs.FindFile(path);
  if (exists && !questions.AskYesNo(tx::FileExistsOverwrite(path))) return true;
  const std::string temp = path + ".tmp";
  if (!fs.WriteWholeFile(temp, text)) {
    fs.DeletePath(temp);
    questions.ShowMessage(exists ? tx::FailedToOpenForWriting(path) : tx::FailedToCreate(path));
    return false;
  }
  if (!fs.MoveReplacing(temp, path)) {
    fs.DeletePath(temp);
    questions.ShowMessage(tx::FailedToSave(path));
    return false;
  }
  return true;
}
}  // namespace

std::string UserBackupPath(const std::string& appData) {
  return appData.empty() ? std::string() : InFolder(UserFolder(appData), tx::kLicenseBackupFile);
}

State Load(const WizardSettings& settings, const FileSystem& fs, const std::string& appData) {
  State state;
  state.enabled = settings.Flag(keys::kLicenseAgreementEnabled);
  state.fileName = settings.Text(ws::kLicenseAgreementFile);
  if (state.fileName.empty()) state.fileName = tx::kDefaultLicenseFile;
  std::string show = settings.Text(ws::kLicenseAgreementFileShowEveryTime);
  if (show.empty()) show = "yes";
  state.showEveryTime = -1;
  for (int i = 0; i < 2; ++i) {
    if (text::EqualsNoCase(show, kShowItems[i])) state.showEveryTime = i;
  }
  const std::string path = InFolder(settings.Text(ws::kSourceFolder), state.fileName);
  if (!option_files::ReadTextLines(fs, path, &state.text) || state.text.empty()) {
    state.text.clear();
    for (const std::string& backup : {UserBackupPath(appData), BackupPath(settings)}) {
      if (!backup.empty() && option_files::ReadTextLines(fs, backup, &state.text)) break;
    }
  }
  return state;
}

void OnEnable(State& state) {
  if (state.fileName.empty()) state.fileName = tx::kDefaultLicenseFile;
}

bool Leave(State& state, WizardSettings& settings, FileSystem& fs, WizardQuestions& questions,
           ChosenFileChecks& checks, const std::string& appData) {
  settings.SetFlag(keys::kLicenseAgreementEnabled, state.enabled);
  if (!state.enabled) return true;
  if (state.fileName.empty()) {
    questions.ShowMessage(tx::kLicenseNameMissing);
    return false;
  }
  if (!checks.CheckFileNameLength(state.fileName)) return false;
  if (!text::EqualsNoCase(option_files::ExtensionOf(state.fileName), "txt")) {
    if (!questions.AskYesNo(tx::kLicenseNotTxt)) return false;
    state.fileName += ".txt";
  }
  state.fileName = option_files::BaseName(state.fileName);
  settings.SetText(ws::kLicenseAgreementFile, state.fileName);
  settings.SetText(ws::kLicenseAgreementFileShowEveryTime,
                   state.showEveryTime >= 0 && state.showEveryTime < 2
                       ? kShowItems[state.showEveryTime]
                       : "yes");
  const std::string path = InFolder(settings.Text(ws::kSourceFolder), state.fileName);
  if (!WriteAgreement(path, state.text, fs, questions)) return false;
  WriteBackup(settings, fs, appData, state.text);
  return true;
}

}  // namespace license_page
