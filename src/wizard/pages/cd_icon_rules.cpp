#include "wizard/pages/cd_icon_rules.h"

#include <algorithm>

#include "common/file_system.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/file_copier.h"
#include "wizard/pages/option_files.h"
#include "wizard/pages/option_ports.h"
#include "wizard/pages/options_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace cd_icon_page {

namespace tx = options_texts;

std::vector<std::string> IconChoices(const FolderFiles& files, const std::string& folder) {
  std::vector<std::string> icons = files.List(folder, "*.ico");
  std::sort(icons.begin(), icons.end(), [](const std::string& a, const std::string& b) {
    return text::CompareNoCase(a, b) < 0;
  });
  icons.insert(icons.begin(), std::string());
  return icons;
}

CopyOutcome CopyIn(const std::string& source, const std::string& folder, const FileSystem& fs,
                   FileCopier& copier, OptionQuestions& questions, std::string* iconName) {
  const std::string name = option_files::BaseName(source);
  const std::string destination = option_files::InFolder(folder, name);
  // An icon picked from the folder itself is already there: copying a file
  // onto itself can only fail.
  const bool same = text::EqualsNoCase(destination, source);
  if (same ||
      (fs.FindFile(destination) && !questions.AskYesNo(tx::IconOverwrite(destination, source)))) {
    *iconName = name;
    return CopyOutcome::kKept;
  }
  while (copier.CopyReplacing(source, destination) != 0) {
    if (!questions.AskRetryCancel(tx::IconCopyFailed(source, destination))) {
      return CopyOutcome::kCancelled;
    }
  }
  *iconName = name;
  return CopyOutcome::kCopied;
}

bool Leave(const std::string& iconName, WizardSettings& settings, ChosenFileChecks& checks) {
  if (!iconName.empty()) {
    const std::string path =
        option_files::InFolder(settings.Text(wizard_settings::kSourceFolder), iconName);
    if (!checks.CheckChosenFile(path, tx::kIconLabel)) return false;
  }
  settings.SetText(keys::kIcon, iconName);
  return true;
}

std::string IconAfterDialog(bool ok, const std::string& chosen, const WizardSettings& settings) {
  return ok ? chosen : settings.Text(keys::kIcon);
}

}  // namespace cd_icon_page
