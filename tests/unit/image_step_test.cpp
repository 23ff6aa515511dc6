// Creating the CD image from the wizard, over fakes: what is checked before
// the save step, what the save step proposes and remembers, and what the
// author is told.
#include "wizard/image_step.h"

#include <gtest/gtest.h>

#include <map>

#include "common/text.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "image/image_texts.h"
#include "wizard/image_step_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {

using namespace cd_image;
using image_step::SaveChoice;
using image_step::SaveStep;
namespace ws = wizard_settings;

const std::string kCd = "E:\\cds\\Summer\\";

// Folders as listings of names; a name ending in "\" is a folder.
class FakeImages : public ImageFileSystem {
 public:
  std::map<std::string, std::vector<std::string>> folders;
  std::string Utf8FromNative(const std::string& s) const override { return s; }
  std::string NativeFromUtf8(const std::string& s) const override {
    return text::ReplaceAll(s, "/", "\\");
  }
  uint32_t List(const std::string&, const std::string& relative,
                std::vector<FolderItem>* items) override {
    for (std::string name : folders[relative]) {
      const bool folder = name.back() == '\\';
      if (folder) name.pop_back();
      items->push_back({name, folder ? ItemKind::kFolder : ItemKind::kFile, 10, 1000, false});
    }
    return 0;
  }
  std::unique_ptr<ImageInput> OpenInput(const std::string&, const std::string&,
                                        uint32_t*) override {
    return nullptr;
  }
  std::unique_ptr<ImageOutput> CreateOutput(const std::string&, uint32_t*) override {
    return nullptr;
  }
  bool IsWithin(const std::string& path, const std::string& folder) const override {
    return text::StartsWithNoCase(path, folder);
  }
  std::unique_ptr<LibraryScope> PrepareLibrary(const std::string&) override { return nullptr; }
  bool IsDiskFull(uint32_t) const override { return false; }
};

class RecordingUi : public image_step::ImageStepUi {
 public:
  std::vector<std::string> shown;
  std::vector<UnfitEntry> listed;
  bool leaveOut = true;
  std::optional<SaveStep> step;
  std::vector<SaveChoice> tries;  // the author's choices, in order, until one passes
  std::vector<std::string> refusals;
  std::optional<SaveChoice> built;
  BuildResult result;

  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  bool LeaveOut(const std::vector<UnfitEntry>& unfit) override {
    listed = unfit;
    return leaveOut;
  }
  std::optional<SaveChoice> AskWhereToSave(const SaveStep& s,
                                           const image_step::SaveCheck& check) override {
    step = s;
    for (const SaveChoice& choice : tries) {
      const std::string problem = check(choice);
      if (problem.empty()) return choice;
      refusals.push_back(problem);
    }
    return std::nullopt;
  }
  BuildResult Build(const ImagePlan&, const SaveChoice& choice) override {
    built = choice;
    return result;
  }
};

class ImageStep : public testing::Test {
 protected:
  void SetUp() override {
    fs_.files[kCd + "autorun.inf"] =
        "[autorun]\r\nOPEN=Vendisc.exe \"Film.avi\"\r\nicon=cd.ico\r\n";
    for (const char* name : {"Vendisc.exe", "Film.avi", "cd.ico"}) fs_.files[kCd + name] = "x";
    images_.folders[""] = {"autorun.inf", "Vendisc.exe", "Film.avi", "cd.ico"};
  }
  void Run() { image_step::CreateCdImage(kCd + "autorun.inf", fs_, images_, settings_, ui_); }

  FakeFileSystem fs_;
  FakeImages images_;
  FakeRegistryBackend registry_;
  WizardSettings settings_{registry_};
  RecordingUi ui_;
};

// A file of the report that is missing is told; what cannot go in is listed,
// and declining to leave it out makes nothing either.
TEST_F(ImageStep, NothingIsMadeWithAFileMissingOrWhenTheAuthorDeclines) {
  fs_.files.erase(kCd + "cd.ico");
  Run();
  EXPECT_EQ(ui_.shown, std::vector<std::string>{image_step_texts::MissingFiles({kCd + "cd.ico"})});
  fs_.files[kCd + "cd.ico"] = "x";
  images_.folders[""].push_back("a?.txt");
  ui_ = RecordingUi();
  ui_.leaveOut = false;
  Run();
  EXPECT_EQ(ui_.listed, (std::vector<UnfitEntry>{{"a?.txt", Unfit::kBadName, ""}}));
  EXPECT_FALSE(ui_.step);
  EXPECT_TRUE(ui_.shown.empty());
}

// The first image is proposed beside the CD folder and labelled after it;
// inside the folder or with a bad label the choice is refused; the folder
// and the label are remembered, the label for this CD folder only.
TEST_F(ImageStep, TheSaveStepProposesAndRemembers) {
  ui_.tries = {{kCd + "in.iso", "SUMMER"}, {"E:\\isos\\s.iso", ""}, {"E:\\isos\\s.iso", "SUN"}};
  ui_.result.imageBytes = 2048;
  Run();
  ASSERT_TRUE(ui_.step);
  EXPECT_EQ(ui_.step->folder, "E:\\cds\\");
  EXPECT_EQ(ui_.step->fileName, "Summer.iso");
  EXPECT_EQ(ui_.step->label, "SUMMER");
  EXPECT_EQ(text::StartsWith(ui_.step->sizeReport, "Size of the image: about "), true);
  EXPECT_EQ(ui_.refusals,
            (std::vector<std::string>{
                image_texts::FailureText({FailureKind::kImageInsideFolder, kCd + "in.iso", 0, {}}),
                image_texts::kLabelEmpty}));
  ASSERT_TRUE(ui_.built);
  EXPECT_EQ(ui_.built->path, "E:\\isos\\s.iso");
  EXPECT_EQ(ui_.shown, std::vector<std::string>{image_step_texts::Created(
                           "E:\\isos\\s.iso", image_texts::SizeReport(2048, false))});

  // Again: the last folder, when it is there, and the label kept for this folder.
  fs_.files["E:\\isos"] = "";
  ui_ = RecordingUi();
  ui_.result.failure = {FailureKind::kCancelled, {}, 0, {}};
  ui_.tries = {{"E:\\isos\\s.iso", "SUN"}};
  Run();
  EXPECT_EQ(ui_.step->folder, "E:\\isos\\");
  EXPECT_EQ(ui_.step->label, "SUN");
  EXPECT_TRUE(ui_.shown.empty()) << "a cancelled image is told nothing";

  // Another CD folder proposes its own label.
  settings_.SetText(ws::kImageLabelFolder, "E:\\cds\\Winter\\");
  ui_ = RecordingUi();
  Run();
  EXPECT_EQ(ui_.step->label, "SUMMER");
}

}  // namespace
