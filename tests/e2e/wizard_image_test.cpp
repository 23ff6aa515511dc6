// The CD image made by the real Discwright.exe of a CD the wizard made:
// unpacked by a reader no one here wrote into the prefix's CD drive, it
// plays from there as AutoRun plays a CD; and a kill, Cancel or a full disk
// while the next image is made leave the old image or the whole new one.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <thread>

#include "cd_folder.h"
#include "image/cd_image.h"
#include "image/image_texts.h"
#include "starter/res/resource.h"
#include "starter_scenario.h"
#include "wine_unix.h"
#include "wizard/image_step_texts.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"
#include "wizard_document_scenario.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
namespace ws = wizard_settings;

constexpr const char* kSaveTitle = "Create CD Image";
constexpr const char* kLicenceText = "Terms of use\r\n\r\n1. Enjoy the CD.";
constexpr int kKills = 6;
constexpr const char* kUnresetValues[] = {ws::kQueriedFileOverwrite,
                                          ws::kDoNotWarnOverwrites,
                                          ws::kLastINFFile,
                                          ws::kSourceFolder,
                                          ws::kAppShowWelcomeDialog,
                                          ws::kLastImageFolder,
                                          ws::kImageVolumeLabel,
                                          ws::kImageLabelFolder,
                                          "SourceFile",
                                          "LicenseAgreementFileShowEveryTime"};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The entries of `folder` matching `pattern`, and with `deep` those of its
// folders: a file's contents, or "<folder>".
std::map<std::string, std::string> Tree(const std::string& folder, bool deep = true,
                                        const std::string& pattern = "*") {
  std::map<std::string, std::string> tree;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return tree;
  do {
    const std::string name = found.cFileName;
    const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    if (name == "." || name == "..") continue;
    tree[name] = isFolder ? "<folder>" : ReadAll(folder + "\\" + name);
    if (isFolder && deep)
      for (const auto& [inner, data] : Tree(folder + "\\" + name)) tree[name + "\\" + inner] = data;
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return tree;
}

class WizardImage : public WizardDocumentScenario {
 protected:
  std::span<const char* const> UnresetValues() const override { return kUnresetValues; }

  void SetUp() override {
    WizardDocumentScenario::SetUp();
    ASSERT_TRUE(images_.ok());
    // What the main window loads; "Recreate Config." makes it again.
    ASSERT_TRUE(cd_.AddAutorun("[autorun]\r\nOPEN=Vendisc.exe \"doc.vdscn\"\r\n"));
    for (const auto& [name, value] :
         std::map<std::string, std::string>{{"SourceFile", cd_.PathOf(kDocument)},
                                            {"SourceFolder", Folder()},
                                            {"LastINFFile", cd_.PathOf("autorun.inf")},
                                            {"AppShowWelcomeDialog", "no"},
                                            {"QueriedFileOverwrite", "yes"},
                                            {"DoNotWarnOverwrites", "yes"},
                                            {"LicenseAgreementEnabled", "yes"},
                                            {"LicenseAgreementFile", "licence.txt"},
                                            {"LicenseAgreementFileShowEveryTime", "Yes"},
                                            {"ShowSplashScreen", "yes"},
                                            {"SplashScreenWhenToShow", "Startup"},
                                            {"SplashScreenLine1", "Welcome to the CD"}})
      ASSERT_TRUE(SetWizardValue(name, value));
  }

  // The main window's "Which files..." link, then "Create CD Image...", then
  // `image` chosen (and replaced) in the save dialog; false when a step fails.
  static bool SaveImage(const Process& discwright, const std::string& image,
                        const std::function<void(HWND save, HWND part)>& inDialog = nullptr) {
    HWND main = WaitForMainWindow(discwright);
    HWND report = main && ClickLink(main, IDT_MAIN_FILES_LINK)
                      ? WaitForOptionFrame(discwright, wizard_texts::kFilesToCopyTitle)
                      : nullptr;
    HWND page = PageHolding(report, IDB_REPORT_CREATE_IMAGE);
    if (!page || !ClickButton(page, IDB_REPORT_CREATE_IMAGE)) return false;
    HWND save = WaitForWindow(discwright, kSaveTitle, kDialogClass);
    HWND part = ::FindWindowExA(save, nullptr, kDialogClass, nullptr);  // the label and the size
    if (!save || !Control(part, IDE_SAVE_LABEL)) return false;
    if (inDialog) inDialog(save, part);
    const bool replacing = ::GetFileAttributesA(image.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!ChooseFile(save, image)) return false;
    HWND box = nullptr;
    return !replacing || (WaitUntil([&] {
                            for (HWND w : TopLevelWindows(discwright.Pid()))
                              if (WindowText(w) == kSaveTitle && Control(w, IDYES)) box = w;
                            return box != nullptr;
                          }) &&
                          AnswerMessageBox(box, IDYES));
  }

  CdFolder images_{"images"};
};

TEST_F(WizardImage, AWizardCdsImagePlaysFromACdDriveAndAnImageIsNeverHalfMade) {
  ASSERT_EQ(::GetDriveTypeA(kCdDrive), static_cast<UINT>(DRIVE_CDROM));
  ASSERT_TRUE(cd_.AddFile("licence.txt", kLicenceText));
  ASSERT_TRUE(cd_.AddFile("Dossier \xE9t\xE9\\Caf\xE9 cr\xE8me.txt", "support file"));
  ASSERT_TRUE(cd_.AddFile("empty.txt", ""));
  std::optional<Process> discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(main, IDB_MAIN_RECREATE); }, 5s));
  ASSERT_TRUE(::DeleteFileA(cd_.PathOf("autorun.inf").c_str()));
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_RECREATE));
  ASSERT_TRUE(WaitUntil([&] { return cd_.Exists("autorun.inf") && cd_.Exists("Vendisc.exe"); }));

  // The image of the CD the wizard made, with a label of the author's.
  const std::string image = images_.PathOf("cd.iso");
  ASSERT_TRUE(SaveImage(*discwright, image, [](HWND save, HWND part) {
    EXPECT_EQ(ControlText(part, IDT_SAVE_SIZE).rfind("Size of the image: about ", 0), 0u);
    Photograph(save, "wizard_image_save");
    SetControlText(part, IDE_SAVE_LABEL, "CD");
  }));
  auto created = WaitForWizardMessage(*discwright, 30s);
  ASSERT_TRUE(created);
  EXPECT_EQ(created->text, image_step_texts::Created(
                               image, image_texts::SizeReport(ReadAll(image).size(), false)));
  discwright->Kill();

  // Unpacked by xorriso (the Joliet names, which Windows reads) into the CD
  // drive: the CD folder, name for name.
  const std::string drive = ShellQuoted(UnixPath(kCdDrive));
  const std::string empty = "chmod -R u+w " + drive + " && find " + drive + " -mindepth 1 -delete";
  ASSERT_TRUE(RunUnixScript(empty + " && xorriso -osirrox on -rockridge off -indev " +
                                ShellQuoted(UnixPath(image)) + " -extract / " + drive +
                                " >/dev/null 2>&1",
                            30000));
  const auto onDrive = Tree("R:");
  EXPECT_EQ(onDrive, Tree(cd_.Path()));

  // Played as AutoRun plays it, from the drive's root, which refuses writes.
  const std::string log = images_.PathOf("recorder.log");
  {
    WritesRefused readOnly(kCdDrive);
    ASSERT_TRUE(readOnly.ok());
    auto vendisc =
        Process::Start("R:\\Vendisc.exe", "\"doc.vdscn\"", "R:\\", {{"RECORDER_LOG", log}});
    ASSERT_TRUE(vendisc);
    EXPECT_NE(WaitForWindow(*vendisc, "CD AutoRun, please wait ...", kDialogClass), nullptr);
    HWND licence = WaitForWindow(*vendisc, kLicenceTitle, kDialogClass);
    ASSERT_NE(licence, nullptr);
    EXPECT_EQ(ControlText(licence, IDE_LICENCE_TEXT), std::string(kLicenceText) + "\r\n");
    ASSERT_TRUE(ClickButton(licence, IDOK));
    const auto starts = WaitForRecorderEntries(log, 1).Starts();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(CommandTail(starts[0].commandLine), "\"R:\\doc.vdscn\"");
    EXPECT_EQ(vendisc->WaitForExit(20s), 0u);
  }
  EXPECT_EQ(Tree("R:"), onDrive);
  EXPECT_TRUE(RunUnixScript(empty, 20000));

  // The next image, of a larger folder, over the first: what it must be is
  // the image of that folder (the same files make the same image).
  const std::string oldImage = ReadAll(image);
  std::string film(64 << 20, '\0');
  for (size_t i = 0; i < film.size(); i += 4096) film[i] = static_cast<char>(i >> 12);
  ASSERT_TRUE(cd_.AddFile("film.mpg", film));
  ::DeleteFileA(log.c_str());
  const auto port = cd_image::MakeNativeImageFileSystem();
  cd_image::ImagePlan plan;
  cd_image::Failure failure;
  ASSERT_TRUE(cd_image::PlanImage(*port, Folder(), &plan, &failure));
  ASSERT_TRUE(
      cd_image::BuildImage(*port, plan, images_.PathOf("new.iso"), "CD", nullptr, false).ok());
  const std::string newImage = ReadAll(images_.PathOf("new.iso"));
  ASSERT_TRUE(::DeleteFileA(images_.PathOf("new.iso").c_str()));
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const size_t tempBefore = Tree(temp, false, "libarchive_*").size();
  // Beside the image and in the temporary folder nothing may stay.
  auto leftOnlyAnImage = [&](const std::string& what, bool mayBeNew) {
    const std::string now = ReadAll(image);
    EXPECT_TRUE(now == oldImage || (mayBeNew && now == newImage)) << what << ": " << now.size();
    EXPECT_EQ(Tree(images_.Path(), false).size(), 1u) << what;
    EXPECT_EQ(Tree(temp, false, "libarchive_*").size(), tempBefore) << what;
  };

  // Cancel, as soon as the progress window shows: the window goes, quietly.
  discwright = StartDiscwright();
  ASSERT_TRUE(discwright && SaveImage(*discwright, image));
  HWND progress = WaitForWindow(*discwright, "Creating CD Image", kDialogClass);
  ASSERT_TRUE(ClickButton(progress, IDB_PROGRESS_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(progress, 20s));
  EXPECT_FALSE(WaitForWizardMessage(*discwright, 500ms));
  leftOnlyAnImage("cancelled", false);
  discwright->Kill();  // a Process moved over does not end the old one

  // A full disk under the image.
  {
    FullDiskLink full(image + ".tmp~");
    ASSERT_TRUE(full.ok());
    discwright = StartDiscwright();
    ASSERT_TRUE(discwright && SaveImage(*discwright, image));
    auto told = WaitForWizardMessage(*discwright, 30s);
    ASSERT_TRUE(told);
    EXPECT_EQ(told->text,
              image_texts::FailureText({cd_image::FailureKind::kDiskFull, image, 0, {}}));
    discwright->Kill();
  }
  leftOnlyAnImage("full disk", false);

  // To the end once, to know how long it takes; then killed at random moments.
  discwright = StartDiscwright();
  ASSERT_TRUE(discwright && SaveImage(*discwright, image));
  const auto saved = std::chrono::steady_clock::now();
  ASSERT_TRUE(WaitForWizardMessage(*discwright, 60s));
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - saved);
  EXPECT_TRUE(ReadAll(image) == newImage) << "the wizard's image is not the folder's image";
  discwright->Kill();
  std::mt19937 random(20240521);
  int newOnes = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    std::ofstream(image, std::ios::binary | std::ios::trunc) << oldImage;
    discwright = StartDiscwright();
    ASSERT_TRUE(discwright && SaveImage(*discwright, image));
    const auto delay = std::chrono::duration_cast<std::chrono::milliseconds>(
        took * std::uniform_real_distribution<double>(0.0, 0.8)(random));
    std::this_thread::sleep_for(delay);
    discwright->Kill();
    leftOnlyAnImage("killed after " + std::to_string(delay.count()) + " ms", true);
    newOnes += ReadAll(image) == newImage;
  }
  std::cout << "killed " << kKills << " times within " << took.count() << " ms: the new image "
            << newOnes << " times\n";
}

}  // namespace
}  // namespace e2e
