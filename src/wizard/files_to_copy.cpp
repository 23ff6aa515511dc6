#include "wizard/files_to_copy.h"

#include <algorithm>

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/registry_store.h"
#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "wizard/cd_files_texts.h"
#include "wizard/wizard_settings.h"

namespace {
namespace texts = cd_files_texts;
constexpr const char* kRoot = "\\";

class ReportBuilder {
 public:
  ReportBuilder(const config::ProfileSection& section, std::string folder)
      : section_(section), folder_(std::move(folder)) {}

  std::string Value(std::string_view key) const {
    const std::string* value = section_.Find(key);
    return value ? text::Trim(*value) : std::string();
  }
  bool On(std::string_view key) const { return Value(key) == "1"; }

  void Row(std::string target, std::string source) {
    rows_.push_back({std::move(target), std::move(source)});
  }
  // A file in the CD's root, when the key names one.
  void FileRow(std::string_view key, const char* note = "") {
    const std::string value = Value(key);
    if (!value.empty()) Row(kRoot, folder_ + value + note);
  }
  const std::string& folder() const { return folder_; }
  std::vector<FileToCopy> Take() { return std::move(rows_); }

 private:
  const config::ProfileSection& section_;
  std::string folder_;
  std::vector<FileToCopy> rows_;
};

// What follows the starter's name in the OPEN value, without its quotes.
std::string FileAfterStarter(const std::string& open, const std::string& starterName) {
  const std::string lower = text::ToLower(open);
  const size_t at = lower.find(text::ToLower(starterName));
  std::string file =
      text::Trim(at == std::string::npos ? std::string_view(open)
                                         : std::string_view(open).substr(at + starterName.size()));
  if (text::StartsWith(file, "\"")) file.erase(0, 1);
  if (text::EndsWith(file, "\"")) file.pop_back();
  return file;
}

void AddFilesToOpen(ReportBuilder& b, const std::string& starterName, std::string* message) {
  if (b.Value(keys::kSingleFile) != "0") {
    const std::string open = b.Value(keys::kOpen);
    if (open.empty()) {
      *message = texts::kNoOpenInReport;
      return;
    }
    b.Row(kRoot, b.folder() + FileAfterStarter(open, starterName) + texts::kSupportFilesNote);
    return;
  }
  const int32_t count = std::min(text::ParseIntOr(b.Value(keys::kMultiSourceFileCount), 0),
                                 RegistryStore::kMaxListEntries);
  for (int32_t i = 1; i <= count; ++i) {
    const std::string value = b.Value(keys::MultiSourceFile(i));
    if (value.empty() || IsUrl(value)) continue;
    const std::string source = CollapseDoubledBackslashes(b.folder() + value);
    const FilePath path(value);
    if (path.Name().empty()) {
      b.Row(value, source);  // a folder: all of it goes to the CD
    } else {
      b.Row(path.Folder(), source + texts::kSupportFilesNote);
    }
  }
}

}  // namespace

FilesToCopyReport BuildFilesToCopy(const std::string& configPath, const FileSystem& fs,
                                   const WizardSettings& settings) {
  FilesToCopyReport report;
  const FilePath config(configPath);
  report.folder = config.Folder();
  std::string contents;
  if (!fs.ReadFileHead(configPath, config::kMaxAutorunBytes, &contents)) contents.clear();
  const config::ProfileSection section = config::ProfileSection::Parse(contents, keys::kSection);
  ReportBuilder b(section, report.folder);

  const std::string starterName = AutorunStarterName(settings);
  b.Row(kRoot, report.folder + config.Name());
  b.Row(kRoot, report.folder + starterName);
  AddFilesToOpen(b, starterName, &report.message);
  b.FileRow(keys::kQUAVLicenseFile);
  b.FileRow(keys::kIconFile);
  b.FileRow(keys::kIcon);
  for (int n = 1; n <= keys::kInstallerCount; ++n) {
    b.FileRow(keys::InstallerFile(n), texts::kInstallerFilesNote);
  }
  if (b.On(keys::kSplashScreenUseImage)) b.FileRow(keys::kSplashScreenImage);
  if (b.On(keys::kShowBackgroundWindow)) {
    for (int n = 1; n <= keys::kBackgroundPictureCount; ++n) {
      b.FileRow(keys::BackgroundFullScreenImageFile(n));
    }
  }
  if (b.On(keys::kWelcomeUseImage)) b.FileRow(keys::kWelcomeImage);
  if (b.On(keys::kMultiSelectUseImage)) b.FileRow(keys::kMultiSelectImage);
  report.rows = b.Take();
  return report;
}

ReportSource SplitReportSource(const std::string& source) {
  for (const char* note : {texts::kSupportFilesNote, texts::kInstallerFilesNote}) {
    if (text::EndsWith(source, note)) {
      const size_t cut = source.size() - std::string_view(note).size();
      return {source.substr(0, cut), text::Trim(std::string_view(note))};
    }
  }
  return {source, std::string()};
}
