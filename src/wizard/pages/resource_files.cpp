#include "wizard/pages/resource_files.h"

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/file_copier.h"
#include "wizard/pages/file_page_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace resource_files {
namespace {
namespace ws = wizard_settings;
namespace t = file_page_texts;

// A switch never stored is off, as its dialog shows it.
bool On(const WizardSettings& s, const char* name) { return s.ReadBool(name, false); }

// The setting names of the files in use, in the order the list shows them.
std::vector<const char*> FilesInUse(const WizardSettings& s) {
  std::vector<const char*> names;
  if (On(s, keys::kLicenseAgreementEnabled)) names.push_back(ws::kLicenseAgreementFile);
  if (On(s, ws::kEnableIcon) && !s.Text(keys::kIcon).empty()) names.push_back(keys::kIcon);
  if (On(s, ws::kSpecifyFileOpenOptions)) {
    for (int n = 1; n <= keys::kInstallerCount; ++n) names.push_back(keys::InstallerFile(n));
  }
  if (On(s, keys::kShowSplashScreen) && On(s, keys::kSplashScreenUseImage)) {
    names.push_back(keys::kSplashScreenImage);
  }
  if (On(s, keys::kShowBackgroundWindow)) {
    if (s.ReadBool(keys::kBackgroundFullScreenImage, true)) {
      names.push_back(ws::kBackgroundFullScreenImageFile);
    } else {
      for (int n = 1; n <= keys::kBackgroundPictureCount; ++n) {
        names.push_back(keys::BackgroundFullScreenImageFile(n));
      }
    }
  }
  if (On(s, keys::kWelcomeEnabled) && On(s, keys::kWelcomeUseImage)) {
    names.push_back(keys::kWelcomeImage);
  }
  return names;
}

}  // namespace

std::vector<ResourceFile> ListResourceFiles(const WizardSettings& settings, const FileSystem& fs,
                                            const std::string& previousFolder) {
  std::vector<ResourceFile> files;
  for (const char* name : FilesInUse(settings)) {
    const std::string fileName = FilePath(settings.Text(name)).Name();
    if (fileName.empty()) continue;
    const std::string source = FilePath(previousFolder + "\\" + fileName).FullPath();
    if (!fs.FindFile(source)) continue;
    bool listed = false;
    for (const ResourceFile& file : files)
      listed = listed || text::EqualsNoCase(file.source, source);
    if (listed) continue;
    files.push_back(
        {source, text::Format(t::kResourceRowFormat, fileName.c_str(), source.c_str())});
  }
  return files;
}

bool CopyResourceFiles(const std::vector<std::string>& sources, const std::string& newFolder,
                       FileCopier& copier, const FileSystem& fs, OptionQuestions& questions) {
  for (const std::string& source : sources) {
    const std::string destination = FilePath(newFolder + "\\" + FilePath(source).Name()).FullPath();
    if (text::EqualsNoCase(source, destination)) continue;
    for (;;) {
      if (fs.FindFile(destination) &&
          !questions.AskYesNo(t::OverwriteQuestion(destination, source))) {
        break;
      }
      if (copier.CopyReplacing(source, destination) == 0) break;
      if (!questions.AskRetryCancel(t::CopyFailed(source, destination))) return false;
    }
  }
  return true;
}

}  // namespace resource_files
