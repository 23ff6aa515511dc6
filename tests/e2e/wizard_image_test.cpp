// The CD image made by the real Discwright.exe: of a CD the wizard made,
// unpacked by a reader no one here wrote into the prefix's CD drive and
// played from there as AutoRun plays a CD; and what a kill, Cancel or a full
// disk leave behind while an image is made.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
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
namespace tx = image_step_texts;

constexpr const char* kSaveTitle = "Create CD Image";
constexpr const char* kProgressTitle = "Creating CD Image";
constexpr const char* kSplashTitle = "CD AutoRun, please wait ...";
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
  if (!in) return "(no file)";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file and folder below `folder`: a file's contents, or "<folder>".
void Tree(const std::string& folder, const std::string& prefix,
          std::map<std::string, std::string>* tree) {
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      (*tree)[prefix + name] = "<folder>";
      Tree(path, prefix + name + "\\", tree);
    } else {
      (*tree)[prefix + name] = ReadAll(path);
    }
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
}
std::map<std::string, std::string> Tree(const std::string& folder) {
  std::map<std::string, std::string> tree;
  Tree(folder, "", &tree);
  return tree;
}

// The names in a folder matching `pattern`.
std::vector<std::string> Names(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
      names.push_back(found.cFileName);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return names;
}

// A control of the save dialog's own part (a child dialog of the dialog).
HWND SavePart(HWND save, int id) {
  for (HWND child = ::GetWindow(save, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (ClassName(child) == kDialogClass && Control(child, id)) return child;
  return nullptr;
}

class WizardImage : public WizardDocumentScenario {
 protected:
  std::span<const char* const> UnresetValues() const override { return kUnresetValues; }

  void SetUp() override {
    WizardDocumentScenario::SetUp();
    ASSERT_TRUE(images_.ok());
    // The configuration the main window loads; the wizard makes it again.
    ASSERT_TRUE(
        cd_.AddAutorun(std::string("[autorun]\r\nOPEN=Vendisc.exe \"") + kDocument + "\"\r\n"));
    for (const auto& [name, value] :
         std::map<std::string, std::string>{{"SourceFile", cd_.PathOf(kDocument)},
                                            {"SourceFolder", Folder()},
                                            {"LastINFFile", cd_.PathOf("autorun.inf")},
                                            {"AppShowWelcomeDialog", "no"},
                                            {"QueriedFileOverwrite", "yes"},
                                            {"DoNotWarnOverwrites", "yes"}})
      ASSERT_TRUE(SetWizardValue(name, value));
  }

  // "Recreate Config.": the wizard makes the CD files.
  void CreateCdFiles(HWND main) {
    ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(main, IDB_MAIN_RECREATE); }, 5s));
    ::DeleteFileA(cd_.PathOf("autorun.inf").c_str());
    ASSERT_TRUE(ClickButton(main, IDB_MAIN_RECREATE));
    ASSERT_TRUE(
        WaitUntil([&] { return cd_.Exists("autorun.inf") && cd_.Exists("Vendisc.exe"); }, 10s));
  }

  // From the main window to the save step: the files-to-copy report and its
  // "Create CD Image..." button. The save dialog, or null.
  static HWND OpenSaveStep(const Process& discwright, HWND main, HWND* report) {
    if (!ClickLink(main, IDT_MAIN_FILES_LINK)) return nullptr;
    *report = WaitForOptionFrame(discwright, wizard_texts::kFilesToCopyTitle);
    HWND page = PageHolding(*report, IDB_REPORT_CREATE_IMAGE);
    if (!page || !ClickButton(page, IDB_REPORT_CREATE_IMAGE)) return nullptr;
    return WaitForWindow(discwright, kSaveTitle, kDialogClass);
  }

  // Chooses `image` in the save dialog, replacing one that is there.
  static bool Save(const Process& discwright, HWND save, const std::string& image) {
    const bool replacing = ::GetFileAttributesA(image.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!ChooseFile(save, image)) return false;
    if (!replacing) return true;
    HWND box = nullptr;
    WaitUntil([&] {
      for (HWND window : TopLevelWindows(discwright.Pid()))
        if (window != save && WindowText(window) == kSaveTitle && Control(window, IDYES))
          box = window;
      return box != nullptr;
    });
    return box && AnswerMessageBox(box, IDYES);
  }

  static void Exit(Process& discwright, HWND report, HWND main) {
    ASSERT_TRUE(ClickButton(report, IDB_OPTION_OK));
    ASSERT_TRUE(WaitForWindowGone(report));
    ASSERT_TRUE(PostClose(main));
    AnswerWizard(discwright, wizard_texts::kExitQuestion, IDYES);
    EXPECT_TRUE(discwright.WaitForExit(5s).has_value());
  }

  // Empties the CD drive from the Unix side (what a reader unpacked is read-only).
  static bool EmptyDrive() {
    const std::string drive = UnixPath(kCdDrive);
    return !drive.empty() && RunUnixScript("chmod -R u+w " + ShellQuoted(drive) + " && find " +
                                               ShellQuoted(drive) + " -mindepth 1 -delete",
                                           20000);
  }

  CdFolder images_{"images"};
};

// The CD the wizard made goes into an image; xorriso unpacks the image's
// Joliet tree (the names Windows reads) into the CD drive, where it holds the
// CD folder exactly; played from the drive's root, the CD shows its splash
// and its licence and opens its document, and nothing is written to the drive.
TEST_F(WizardImage, TheImageOfAWizardCdPlaysFromACdDrive) {
  ASSERT_EQ(::GetDriveTypeA(kCdDrive), static_cast<UINT>(DRIVE_CDROM));
  ASSERT_TRUE(cd_.AddFile("licence.txt", kLicenceText));
  ASSERT_TRUE(cd_.AddFile("Dossier \xE9t\xE9\\Caf\xE9 cr\xE8me.txt", "support file"));
  ASSERT_TRUE(cd_.AddFile("empty.txt", ""));
  for (const auto& [name, value] :
       std::map<std::string, std::string>{{"LicenseAgreementEnabled", "yes"},
                                          {"LicenseAgreementFile", "licence.txt"},
                                          {"LicenseAgreementFileShowEveryTime", "Yes"},
                                          {"ShowSplashScreen", "yes"},
                                          {"SplashScreenWhenToShow", "Startup"},
                                          {"SplashScreenLine1", "Welcome to the CD"}})
    ASSERT_TRUE(SetWizardValue(name, value));
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  CreateCdFiles(main);

  HWND report = nullptr;
  HWND save = OpenSaveStep(*discwright, main, &report);
  ASSERT_NE(save, nullptr);
  // Beside the CD folder, named and labelled after it, with its size.
  HWND part = SavePart(save, IDE_SAVE_LABEL);
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(ControlText(part, IDE_SAVE_LABEL),
            cd_image::ProposedLabel(*cd_image::MakeNativeImageFileSystem(), Folder()));
  EXPECT_EQ(ControlText(part, IDT_SAVE_SIZE).rfind("Size of the image: about ", 0), 0u)
      << ControlText(part, IDT_SAVE_SIZE);
  Photograph(save, "wizard_image_save");
  // Inside the CD folder it is refused and the dialog stays.
  ASSERT_TRUE(SetControlText(part, IDE_SAVE_LABEL, "SUMMER CD"));
  ASSERT_TRUE(ChooseFile(save, cd_.PathOf("inside.iso")));
  auto refused = WaitForWizardMessage(*discwright);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->text,
            image_texts::FailureText(
                {cd_image::FailureKind::kImageInsideFolder, cd_.PathOf("inside.iso"), 0, {}}));
  ASSERT_TRUE(AnswerMessageBox(refused->window, IDOK));
  const std::string image = images_.PathOf("summer.iso");
  ASSERT_TRUE(Save(*discwright, save, image));
  auto created = WaitForWizardMessage(*discwright, 30s);
  ASSERT_TRUE(created);
  EXPECT_EQ(created->text, tx::Created(image, image_texts::SizeText(ReadAll(image).size())));
  ASSERT_TRUE(AnswerMessageBox(created->window, IDOK));
  EXPECT_EQ(WizardValue(ws::kImageVolumeLabel), "SUMMER CD");
  EXPECT_EQ(WizardValue(ws::kLastImageFolder), images_.Path() + "\\");
  EXPECT_FALSE(cd_.Exists("inside.iso"));
  Exit(*discwright, report, main);

  // Unpacked by xorriso into the CD drive: the CD folder, name for name.
  ASSERT_TRUE(EmptyDrive());
  ASSERT_TRUE(RunUnixScript("xorriso -osirrox on -rockridge off -indev " +
                                ShellQuoted(UnixPath(image)) + " -extract / " +
                                ShellQuoted(UnixPath(kCdDrive)) + " >/dev/null 2>&1",
                            30000));
  const auto onDrive = Tree("R:");
  EXPECT_EQ(onDrive, Tree(cd_.Path()));

  // Played as AutoRun plays it, from the drive's root; nothing may be
  // written to the drive meanwhile.
  const std::string log = images_.PathOf("recorder.log");
  {
    WritesRefused readOnly(kCdDrive);
    ASSERT_TRUE(readOnly.ok());
    auto vendisc = Process::Start("R:\\Vendisc.exe", std::string("\"") + kDocument + "\"", "R:\\",
                                  {{"RECORDER_LOG", log}});
    ASSERT_TRUE(vendisc);
    EXPECT_NE(WaitForWindow(*vendisc, kSplashTitle, kDialogClass), nullptr);
    HWND licence = WaitForWindow(*vendisc, kLicenceTitle, kDialogClass);
    ASSERT_NE(licence, nullptr);
    EXPECT_EQ(ControlText(licence, IDE_LICENCE_TEXT), std::string(kLicenceText) + "\r\n");
    ASSERT_TRUE(ClickButton(licence, IDOK));
    std::vector<std::string> opened;
    for (const auto& entry : WaitForRecorderEntries(log, 1).Starts())
      opened.push_back(CommandTail(entry.commandLine));
    EXPECT_EQ(opened, std::vector<std::string>{std::string("\"R:\\") + kDocument + "\""});
    EXPECT_EQ(vendisc->WaitForExit(20s), 0u);
  }
  EXPECT_EQ(Tree("R:"), onDrive);
  EXPECT_TRUE(EmptyDrive());
}

// Killed at random moments, cancelled, or on a full disk while it makes an
// image over an older one, Discwright leaves either the old image or the
// whole new one (byte for byte the image of the folder: the same files make
// the same image) and nothing else, beside the image or in the temporary
// folder.
TEST_F(WizardImage, AKillCancelOrFullDiskLeavesTheOldImageOrTheWholeNewOne) {
  const std::string image = images_.PathOf("cd.iso");
  const auto port = cd_image::MakeNativeImageFileSystem();
  auto makeImage = [&](const std::string& path) {
    cd_image::ImagePlan plan;
    cd_image::Failure failure;
    EXPECT_TRUE(cd_image::PlanImage(*port, Folder(), &plan, &failure));
    return cd_image::BuildImage(*port, plan, path, "CD", nullptr, false).ok();
  };
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  CreateCdFiles(main);
  ASSERT_TRUE(PostClose(main));
  AnswerWizard(*discwright, wizard_texts::kExitQuestion, IDYES);
  ASSERT_TRUE(discwright->WaitForExit(5s).has_value());
  ASSERT_TRUE(makeImage(image));
  const std::string oldImage = ReadAll(image);
  // A large file, so that making the image takes a while.
  std::string film(64 << 20, '\0');
  for (size_t i = 0; i < film.size(); i += 4096) film[i] = static_cast<char>(i >> 12);
  ASSERT_TRUE(cd_.AddFile("film.mpg", film));
  ASSERT_TRUE(SetWizardValue(ws::kImageVolumeLabel, "CD"));
  ASSERT_TRUE(SetWizardValue(ws::kImageLabelFolder, Folder()));
  ASSERT_TRUE(makeImage(images_.PathOf("new.iso")));
  const std::string newImage = ReadAll(images_.PathOf("new.iso"));
  ASSERT_TRUE(::DeleteFileA(images_.PathOf("new.iso").c_str()));
  char tempFolder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, tempFolder);
  const size_t tempBefore = Names(std::string(tempFolder) + "libarchive_*").size();

  // Up to the moment the image is being made; the progress window.
  auto startImage = [&](std::optional<Process>& process, HWND* report) -> bool {
    process = StartDiscwright();
    if (!process) return false;
    HWND main = WaitForMainWindow(*process);
    HWND save = main ? OpenSaveStep(*process, main, report) : nullptr;
    return save && Save(*process, save, image);
  };
  auto leftOnlyAnImage = [&](const std::string& what, bool mayBeNew) {
    const std::string now = ReadAll(image);
    EXPECT_TRUE(now == oldImage || (mayBeNew && now == newImage))
        << what << ": an image of " << now.size() << " bytes";
    EXPECT_EQ(Names(images_.PathOf("*")), std::vector<std::string>{"cd.iso"}) << what;
    EXPECT_EQ(Names(std::string(tempFolder) + "libarchive_*").size(), tempBefore) << what;
  };

  // Cancel, as soon as the progress window shows.
  std::optional<Process> process;
  HWND report = nullptr;
  ASSERT_TRUE(startImage(process, &report));
  HWND progress = WaitForWindow(*process, kProgressTitle, kDialogClass);
  ASSERT_NE(progress, nullptr);
  ASSERT_TRUE(ClickButton(progress, IDB_PROGRESS_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(progress, 20s));
  EXPECT_FALSE(WaitForWizardMessage(*process, 500ms)) << "Cancel is told nothing";
  leftOnlyAnImage("cancelled", false);
  process->Kill();

  // A full disk under the image: told, and nothing changes.
  {
    FullDiskLink full(image + ".tmp~");
    ASSERT_TRUE(full.ok());
    ASSERT_TRUE(startImage(process, &report));
    auto told = WaitForWizardMessage(*process, 30s);
    ASSERT_TRUE(told);
    EXPECT_EQ(told->text,
              image_texts::FailureText({cd_image::FailureKind::kDiskFull, image, 0, {}}));
    AnswerMessageBox(told->window, IDOK);
    process->Kill();
  }
  leftOnlyAnImage("full disk", false);

  // One image to the end: how long it takes.
  ASSERT_TRUE(startImage(process, &report));
  const auto saved = std::chrono::steady_clock::now();
  auto created = WaitForWizardMessage(*process, 60s);
  ASSERT_TRUE(created);
  const auto took = std::chrono::steady_clock::now() - saved;
  EXPECT_TRUE(ReadAll(image) == newImage) << "the wizard's image differs from the folder's image";
  process->Kill();
  ASSERT_TRUE(::DeleteFileA(image.c_str()));
  ASSERT_TRUE(makeImage(image));  // the old one back, over the new one's name

  std::mt19937 random(20240521);
  int newAfterKill = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    std::ofstream(image, std::ios::binary | std::ios::trunc) << oldImage;
    ASSERT_TRUE(startImage(process, &report));
    const auto delay = std::chrono::duration_cast<std::chrono::milliseconds>(took) *
                       std::uniform_real_distribution<double>(0.0, 0.8)(random);
    std::this_thread::sleep_for(delay);
    process->Kill();
    leftOnlyAnImage("killed after " + std::to_string(delay.count()) + " ms", true);
    if (ReadAll(image) == newImage) ++newAfterKill;
  }
  std::cout << "killed " << kKills << " times within "
            << std::chrono::duration_cast<std::chrono::milliseconds>(took).count()
            << " ms: the new image " << newAfterKill << " times\n";
}

}  // namespace
}  // namespace e2e
