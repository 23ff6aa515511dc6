#include "cli/cd_folder.h"

#include <set>

#include "cli/cli_host.h"
#include "cli/cli_texts.h"
#include "common/file_path.h"
#include "common/file_system.h"
#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "image/cd_image.h"
#include "image/image_texts.h"
#include "wizard/cd_files.h"
#include "wizard/configuration_loader.h"
#include "wizard/test_run.h"
#include "wizard/wizard_texts.h"

namespace {

namespace t = cli_texts;

// The checks' answers: every file is looked for, and each one looked for is kept.
class LookingUi : public CdFilesUi {
 public:
  struct Looked {
    std::string path, label;
    bool found;
    bool notAPicture = false;  // found, and then judged by its content
  };
  void ShowProblem(const std::string&) override {}
  uint32_t LastError() override { return 0; }
  void FileLookedFor(const std::string& path, const std::string& label, bool found) override {
    looked.push_back({path, label, found});
  }
  void NotAPictureFound(const std::string& path, const std::string& label) override {
    looked.push_back({path, label, true, true});
  }
  std::vector<Looked> looked;
};

// Loading's messages as one line each.
std::string LoadProblem(const std::string& message) {
  if (message == wizard_texts::kNoOpenSection) return t::kNoOpenLine;
  if (message == wizard_texts::kNotConfiguredByUs) return t::kNotOurs;
  return text::ReplaceAll(message, "\n", " ");
}

}  // namespace

bool CdFolder::Open(const std::string& argument, std::string* reason) {
  const std::string path = host_.FromArgument(argument);
  const char* problem = nullptr;
  switch (path.empty() ? CliHost::Kind::kMissing : host_.Examine(path)) {
    case CliHost::Kind::kFolder:
      break;
    case CliHost::Kind::kMissing:
      problem = t::kNoFolder;
      break;
    case CliHost::Kind::kFile:
      problem = t::kNotAFolder;
      break;
    case CliHost::Kind::kUnreadable:
      problem = t::kUnreadableFolder;
      break;
  }
  if (problem) {
    *reason = text::Format(problem, argument.c_str());
    return false;
  }
  // The "\" first, so that a last part with a "." stays part of the folder.
  folder_ = FilePath(path + "\\").Folder();
  configFile_ = folder_ + keys::kFileName;
  FileSystem& fs = host_.Files();
  std::string contents;
  if (!fs.FindFile(configFile_)) {
    *reason = text::Format(t::kNoAutorun, argument.c_str());
    return false;
  }
  if (!fs.ReadFileHead(configFile_, config::kMaxAutorunBytes, &contents)) {
    *reason = text::Format(t::kUnreadableAutorun, host_.Shown(configFile_).c_str());
    return false;
  }
  AnsweringQuestions questions(false);
  LoadConfiguration(configFile_, fs, settings_, questions);
  loadMessages_ = questions.shown;
  return true;
}

std::string CdFolder::Relative(const std::string& path) const {
  return text::StartsWithNoCase(path, folder_) ? path.substr(folder_.size()) : path;
}

std::vector<CdProblem> CdFolder::Check(bool starterNeeded) {
  std::vector<CdProblem> problems;
  for (const std::string& message : loadMessages_) {
    problems.push_back({keys::kFileName, LoadProblem(message)});
  }

  AnsweringQuestions goOn(true);
  LookingUi ui;
  CdFiles cdFiles(settings_, host_.Files(), host_.Copier(), goOn, ui);
  cdFiles.CheckRequiredFiles();
  std::set<std::string> toldLong;
  for (const LookingUi::Looked& file : ui.looked) {
    const std::string name = Relative(file.path);
    if (file.notAPicture) {
      problems.push_back({name, text::Format(t::kNotAPicture, file.label.c_str())});
      continue;
    }
    if (!file.found) {
      problems.push_back({name, text::Format(t::kMissingFile, file.label.c_str())});
    }
    // The name the CD writer is given is the one on the CD.
    if (name.size() > kLongestSafePath && toldLong.insert(name).second) {
      problems.push_back({name, text::Format(t::kLongName, static_cast<int>(name.size()),
                                             static_cast<int>(kLongestSafePath))});
    }
  }

  const CdFilePaths paths = CdFilePathsFor(settings_);
  if (LeavesFolder(paths.starterName)) {
    problems.push_back({paths.starterName, t::kStarterLeavesFolder});
  } else if (starterNeeded && !host_.Files().FindFile(paths.starterTarget)) {
    problems.push_back({paths.starterName, t::kStarterMissing});
  }
  ImageProblems(&problems);
  return problems;
}

void CdFolder::ImageProblems(std::vector<CdProblem>* problems) {
  std::string native = host_.Shown(folder_);
  cd_image::ImagePlan plan;
  cd_image::Failure failure;
  const bool planned = cd_image::PlanImage(host_.Images(), native, &plan, &failure);
  if (native.size() > 3) native.pop_back();  // the last separator, but a root's
  if (!planned) {
    problems->push_back({native, t::kUnreadableImageFolder, true});
    return;
  }
  // Names differing only in case are among these: the walk compares them
  // as Windows does, whatever the script.
  for (const cd_image::UnfitEntry& entry : plan.unfit) {
    problems->push_back({entry.path, t::kNotOnImage + image_texts::UnfitReason(entry), true});
  }
  if (plan.estimatedBytes > cd_image::kCd700Bytes) {
    problems->push_back(
        {native,
         text::Format(t::kLargerThanCd, image_texts::SizeText(plan.estimatedBytes).c_str(),
                      image_texts::SizeText(cd_image::kCd700Bytes).c_str()),
         true});
  }
}
