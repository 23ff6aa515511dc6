#include "wizard/image_step.h"

#include "common/file_system.h"
#include "common/text.h"
#include "image/image_texts.h"
#include "wizard/cd_files_texts.h"
#include "wizard/files_to_copy.h"
#include "wizard/image_step_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace image_step {

namespace {

namespace ws = wizard_settings;

std::string WithoutNote(std::string source) {
  for (const char* note :
       {cd_files_texts::kSupportFilesNote, cd_files_texts::kInstallerFilesNote}) {
    if (text::EndsWith(source, note)) source.resize(source.size() - std::string_view(note).size());
  }
  return source;
}

std::string WithoutSeparator(std::string path) {
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

std::string FolderPart(const std::string& path) {
  const size_t at = path.find_last_of("\\/");
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

// The last folder an image was saved in, unless it has gone or lies inside
// this CD folder; otherwise beside the CD folder.
std::string FolderToPropose(const std::string& last, const std::string& cdFolder,
                            const FileSystem& fs, const cd_image::ImageFileSystem& images) {
  if (!last.empty() && fs.FindFile(WithoutSeparator(last)) && !images.IsWithin(last, cdFolder))
    return last;
  return FolderPart(cd_image::ProposedImagePath(cdFolder));
}

std::string NameOf(const std::string& path) {
  const size_t at = path.find_last_of("\\/");
  return at == std::string::npos ? path : path.substr(at + 1);
}

}  // namespace

std::vector<std::string> MissingFiles(const FilesToCopyReport& report, const FileSystem& fs) {
  std::vector<std::string> missing;
  for (const FileToCopy& row : report.rows) {
    const std::string path = WithoutNote(row.source);
    if (!fs.FindFile(WithoutSeparator(path))) missing.push_back(path);
  }
  return missing;
}

void CreateCdImage(const std::string& configPath, const FileSystem& fs,
                   cd_image::ImageFileSystem& images, WizardSettings& settings, ImageStepUi& ui) {
  const FilesToCopyReport report = BuildFilesToCopy(configPath, fs, settings);
  if (const std::vector<std::string> missing = MissingFiles(report, fs); !missing.empty()) {
    ui.ShowMessage(image_step_texts::MissingFiles(missing));
    return;
  }
  const std::string cdFolder = report.folder;
  cd_image::ImagePlan plan;
  cd_image::Failure failure;
  if (!cd_image::PlanImage(images, cdFolder, &plan, &failure)) {
    ui.ShowMessage(image_texts::FailureText(failure));
    return;
  }
  if (!plan.unfit.empty() && !ui.LeaveOut(plan.unfit)) return;

  SaveStep step;
  step.folder = FolderToPropose(settings.Text(ws::kLastImageFolder), cdFolder, fs, images);
  step.fileName = NameOf(cd_image::ProposedImagePath(cdFolder));
  // The label kept is this CD folder's; another folder's name proposes its own.
  const std::string kept = settings.Text(ws::kImageVolumeLabel);
  step.label = !kept.empty() && text::EqualsNoCase(settings.Text(ws::kImageLabelFolder), cdFolder)
                   ? kept
                   : cd_image::ProposedLabel(images, cdFolder);
  step.sizeReport = image_texts::SizeReport(plan.estimatedBytes, true);
  const std::optional<SaveChoice> choice =
      ui.AskWhereToSave(step, [&](const SaveChoice& c) -> std::string {
        if (images.IsWithin(c.path, cdFolder))
          return image_texts::FailureText(
              {cd_image::FailureKind::kImageInsideFolder, c.path, 0, {}});
        return cd_image::LabelProblem(images, c.label);
      });
  if (!choice) return;
  settings.SetText(ws::kLastImageFolder, FolderPart(choice->path));
  settings.SetText(ws::kImageVolumeLabel, choice->label);
  settings.SetText(ws::kImageLabelFolder, cdFolder);

  const cd_image::BuildResult result = ui.Build(plan, *choice);
  if (result.ok()) {
    ui.ShowDone(
        image_step_texts::Created(choice->path, image_texts::SizeReport(result.imageBytes, false)));
  } else if (result.failure.kind != cd_image::FailureKind::kCancelled) {
    ui.ShowMessage(image_texts::FailureText(result.failure));
  }
}

}  // namespace image_step
