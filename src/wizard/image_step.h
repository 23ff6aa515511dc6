// Creating the CD image from the wizard: every file of the files-to-copy
// report must be there, what cannot go on the CD is listed, the save step
// proposes where and under which label, and the image is made under a
// progress window. The windows are behind a port; the decisions are here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "image/cd_image.h"

class FileSystem;
class WizardSettings;
struct FilesToCopyReport;

namespace image_step {

struct SaveStep {
  std::string folder;      // where the save dialog starts
  std::string fileName;    // "<CD folder name>.iso"
  std::string label;       // the volume label proposed
  std::string sizeReport;  // the estimated size, with the warning above a 700 MB CD
};

struct SaveChoice {
  std::string path;
  std::string label;
};

// Why a choice cannot be taken (the dialog then stays open); empty when it can.
using SaveCheck = std::function<std::string(const SaveChoice&)>;

class ImageStepUi {
 public:
  virtual ~ImageStepUi() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  // The image is made: news, not a warning.
  virtual void ShowDone(const std::string& text) { ShowMessage(text); }
  // The list of what cannot go in: true when the author goes on without it.
  virtual bool LeaveOut(const std::vector<cd_image::UnfitEntry>& unfit) = 0;
  virtual std::optional<SaveChoice> AskWhereToSave(const SaveStep& step,
                                                   const SaveCheck& check) = 0;
  // Makes the image under the progress window, which can cancel it.
  virtual cd_image::BuildResult Build(const cd_image::ImagePlan& plan,
                                      const SaveChoice& choice) = 0;
};

// The report's files and folders that are not on disk, as the report names them.
std::vector<std::string> MissingFiles(const FilesToCopyReport& report, const FileSystem& fs);

// The whole step, for the configuration at `configPath`.
void CreateCdImage(const std::string& configPath, const FileSystem& fs,
                   cd_image::ImageFileSystem& images, WizardSettings& settings, ImageStepUi& ui);

}  // namespace image_step
