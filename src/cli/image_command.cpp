#include "cli/image_command.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "cli/cd_folder.h"
#include "cli/cli_arguments.h"
#include "cli/cli_host.h"
#include "cli/cli_texts.h"
#include "cli/cli_tool.h"
#include "common/text.h"
#include "image/cd_image.h"
#include "image/image_texts.h"
#include "wizard/files_to_copy.h"
#include "wizard/image_step.h"
#include "wizard/image_step_texts.h"

namespace image_command {

namespace {

namespace t = cli_texts;
using cd_image::FailureKind;

// A failure of the image in one line of plain words.
std::string FailureLine(const cd_image::Failure& f, CliHost& host) {
  const std::string words = t::ErrorInWords(host.WindowsCode(f.code));
  switch (f.kind) {
    case FailureKind::kNone:
    case FailureKind::kCancelled:
      return {};
    case FailureKind::kNoFolder:
      return text::Format(t::kUnreadableFolder, f.path.c_str());
    case FailureKind::kBadLabel:
      return f.detail;
    case FailureKind::kImageInsideFolder:
      return text::Format(t::kInsideFolder, f.path.c_str());
    case FailureKind::kCannotReplace:
    case FailureKind::kCannotWrite:
      return text::Format(t::kImageCannotWrite, f.path.c_str(), words.c_str());
    case FailureKind::kCannotRead:
      return text::Format(t::kImageCannotRead, f.path.c_str(), words.c_str());
    case FailureKind::kFileChanged:
      return text::Format(t::kImageFileChanged, f.path.c_str());
    case FailureKind::kDiskFull:
      return text::Format(t::kImageDiskFull, f.path.c_str());
    case FailureKind::kLibrary:
      return text::Format(t::kImageLibrary, f.detail.c_str());
  }
  return {};
}

// The progress window's texts on one line of a terminal, rewritten in
// place at each thousandth of the work; nothing when standard error is no
// terminal, so that a script's log holds no rewritten lines.
class ProgressLine {
 public:
  ProgressLine(CliHost& host, uint64_t fileBytes)
      : host_(host), fileBytes_(fileBytes), shown_(host.ErrorIsTerminal()) {}
  ~ProgressLine() {
    if (width_ > 0) host_.WriteErrorNow("\r" + std::string(width_, ' ') + "\r");
  }

  void Show(uint64_t done, uint64_t total) {
    if (!shown_ || total == 0 || done > total) return;
    const int step = static_cast<int>(done * 1000 / total);
    if (step == step_) return;
    step_ = step;
    std::string line = image_step_texts::Progress(done, total, fileBytes_);
    line += text::Format(" (%d%%)", step / 10);
    const size_t width = line.size();
    if (width < width_) line += std::string(width_ - width, ' ');
    width_ = std::max(width_, width);
    host_.WriteErrorNow("\r" + line);
  }

 private:
  CliHost& host_;
  const uint64_t fileBytes_;
  const bool shown_;
  int step_ = -1;
  size_t width_ = 0;
};

std::string FolderOf(const std::string& path) {
  const size_t at = path.find_last_of("\\/");
  if (at == std::string::npos) return path;
  // A root keeps its separator.
  return path.substr(0, at == 0 || (at == 2 && path[1] == ':') ? at + 1 : at);
}

}  // namespace

int Run(const Invocation& invocation, CliRun& run) {
  CliHost& host = run.host;
  CdFolder folder(host);
  std::string reason;
  if (!folder.Open(invocation.operand, &reason)) {
    run.Error(reason);
    return kCliUsage;
  }
  cd_image::ImageFileSystem& images = host.Images();
  const std::string cdFolder = host.Shown(folder.Folder());
  const bool yes = invocation.Has(kYes);

  // What the save step refuses is a usage error here.
  const std::string given = invocation.Value(kOutput);
  const std::string image = host.NativeFromArgument(given);
  if (image.empty() || host.ExamineNative(FolderOf(image)) != CliHost::Kind::kFolder) {
    run.Error(
        text::Format(t::kNoOutputFolder, image.empty() ? given.c_str() : FolderOf(image).c_str()));
    return kCliUsage;
  }
  if (images.IsWithin(image, cdFolder)) {
    run.Error(text::Format(t::kInsideFolder, image.c_str()));
    return kCliUsage;
  }
  const std::string label =
      invocation.Has(kLabel) ? invocation.Value(kLabel) : cd_image::ProposedLabel(images, cdFolder);
  if (const std::string problem = cd_image::LabelProblem(images, label); !problem.empty()) {
    run.Error(text::Format(t::kBadLabel, label.c_str(), problem.c_str()));
    return kCliUsage;
  }

  // Every file of the report, as the wizard's image step wants them.
  const FilesToCopyReport report =
      BuildFilesToCopy(folder.ConfigFile(), host.Files(), folder.Settings());
  const std::vector<std::string> missing = image_step::MissingFiles(report, host.Files());
  for (const std::string& path : missing) {
    run.Error(text::Format(t::kMissingForImage, host.Shown(folder.Relative(path)).c_str()));
  }
  if (!missing.empty()) {
    run.Error(text::Format(t::kMissingStop, static_cast<int>(missing.size())));
    return kCliProblems;
  }

  cd_image::ImagePlan plan;
  cd_image::Failure failure;
  if (!cd_image::PlanImage(images, cdFolder, &plan, &failure)) {
    run.Error(FailureLine(failure, host));
    return kCliUsage;
  }
  for (const cd_image::UnfitEntry& entry : plan.unfit) {
    const std::string line = entry.path + ": " + image_texts::UnfitReason(entry);
    run.Error(yes ? text::Format(t::kLeftOut, line.c_str()) : line);
  }
  bool refused = false;
  if (!plan.unfit.empty() && !yes) {
    run.Error(text::Format(t::kUnfitStop, static_cast<int>(plan.unfit.size())));
    refused = true;
  }
  if (host.ExamineNative(image) == CliHost::Kind::kFile && !yes) {
    run.Error(text::Format(t::kImageExists, image.c_str()));
    refused = true;
  }
  if (refused) {
    run.Error(t::kNoImageMade);
    return kCliProblems;
  }

  cd_image::BuildResult result;
  {
    ProgressLine progress(host, plan.fileBytes);
    const std::atomic<bool> cancel = false;
    result = cd_image::BuildImage(
        images, plan, image, label,
        [&progress](uint64_t done, uint64_t total) { progress.Show(done, total); }, cancel);
  }
  if (!result.ok()) {
    run.Error(FailureLine(result.failure, host));
    run.Error(t::kNoImageMade);
    return kCliProblems;
  }
  run.out += text::Format(t::kImageCreated, image.c_str()) + "\n" +
             image_texts::SizeReport(result.imageBytes, false) + "\n";
  return plan.unfit.empty() ? kCliOk : kCliProblems;
}

}  // namespace image_command
