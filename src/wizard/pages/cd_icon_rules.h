// The CD icon dialog: the icons of the configuration folder, copying one in
// from elsewhere, and the check before the name is kept.
#pragma once

#include <string>
#include <vector>

class ChosenFileChecks;
class FileCopier;
class FileSystem;
class FolderFiles;
class OptionQuestions;
class WizardSettings;

namespace cd_icon_page {

// An empty entry (no icon), then the "*.ico" files of `folder`, sorted.
std::vector<std::string> IconChoices(const FolderFiles& files, const std::string& folder);

enum class CopyOutcome {
  kCopied,     // the file is now in the folder
  kKept,       // the author kept the folder's own file of that name
  kCancelled,  // nothing changed
};
// Copies `source` into `folder`, asking before replacing a file of that name
// and offering Retry after a failure. Unless cancelled, `iconName` becomes
// the file's name.
CopyOutcome CopyIn(const std::string& source, const std::string& folder, const FileSystem& fs,
                   FileCopier& copier, OptionQuestions& questions, std::string* iconName);

// Checks the icon in the configuration folder (an empty name passes) and
// saves it; false keeps the dialog.
bool Leave(const std::string& iconName, WizardSettings& settings, ChosenFileChecks& checks);

// The icon configured once the dialog has closed, which the options page's
// switch follows: the chosen one after OK; after Cancel the stored one,
// whatever was picked or copied in meanwhile.
std::string IconAfterDialog(bool ok, const std::string& chosen, const WizardSettings& settings);

}  // namespace cd_icon_page
