// Creating the CD files: which files must exist, the overwrite questions,
// the copy of the starter and its failures, and a write of autorun.inf that
// never loses the previous file.
#include "wizard/cd_files.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/text.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "wizard/cd_files_texts.h"
#include "wizard/file_copier.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace texts = cd_files_texts;

// Copies inside the fake file system, or fails with a scripted code.
class FakeCopier : public FileCopier {
 public:
  explicit FakeCopier(FakeFileSystem& fs) : fs_(fs) {}
  uint32_t error = 0;
  std::vector<std::string> copies;
  uint32_t CopyReplacing(const std::string& from, const std::string& to) override {
    copies.push_back(from + " -> " + to);
    if (error != 0) return error;
    if (!fs_.FindFile(from)) return 2;
    std::string contents;
    fs_.ReadWholeFile(from, &contents);
    fs_.files[to] = contents;
    return 0;
  }

 private:
  FakeFileSystem& fs_;
};

class FakeCdFilesUi : public CdFilesUi {
 public:
  std::vector<std::string> problems;
  uint32_t lastError = 0;
  void ShowProblem(const std::string& text) override { problems.push_back(text); }
  uint32_t LastError() override { return lastError; }
};

const std::string kKitStarter = "C:\\Kit\\Vendisc.exe";
const std::string kStarter = "E:\\cd\\Vendisc.exe";
const std::string kInf = "E:\\cd\\autorun.inf";

struct Kit {
  Kit() {
    s.SetText(ws::kInstallPath, "C:\\Kit");
    s.SetText(ws::kSourceFolder, "E:\\cd\\");
    s.SetText(ws::kSourceFile, "E:\\cd\\doc.pdf");
    fs.files[kKitStarter] = "new starter";
    fs.files["E:\\cd\\doc.pdf"] = "pdf";
  }
  // "name=value" texts; a value "#n" is stored as a number.
  void Set(const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, value] : values) {
      if (!value.empty() && value[0] == '#') {
        s.SetNumber(name, std::stoi(value.substr(1)));
      } else {
        s.SetText(name, value);
      }
    }
  }
  std::vector<std::string> Asked() const { return questions.asked; }

  FakeRegistryBackend backend;
  WizardSettings s{backend};
  FakeFileSystem fs;
  FakeCopier copier{fs};
  FakeWizardQuestions questions;
  FakeCdFilesUi ui;
  CdFiles cd{s, fs, copier, questions, ui};
};

std::string Missing(const std::string& label, const std::string& path) {
  return "ask: " + texts::RequiredFileMissing(label, path) + texts::kContinueDetecting;
}
std::string NotAPicture(const std::string& label, const std::string& path) {
  return "ask: " + texts::NotAPicture(label, path) + texts::kContinueDetecting;
}

TEST(RequireFile, AddressesAndEmptyPathsPassAndAMissingFileIsTold) {
  struct Row {
    std::string path;
    bool ask;
    std::deque<bool> answers;
    bool result;
    bool told;
  };
  const std::vector<Row> rows = {
      {"", false, {}, true, false},
      {"http://x.example/a.pdf", false, {}, true, false},
      {"HTTPS://x.example", false, {}, true, false},
      {"mailto:me@x.example", false, {}, true, false},
      {"ftp.x.example\\a.zip", false, {}, true, false},
      {"E:\\cd\\doc.pdf", false, {}, true, false},
      {"e:\\CD\\DOC.PDF", true, {}, true, false},
      {"E:\\cd\\gone.pdf", false, {}, false, true},
      {"E:\\cd\\gone.pdf", true, {true}, true, true},
      {"E:\\cd\\gone.pdf", true, {false}, false, true},
  };
  for (const Row& row : rows) {
    Kit k;
    k.questions.answers = row.answers;
    EXPECT_EQ(k.cd.RequireFile(row.path, "Label", row.ask), row.result) << row.path;
    ASSERT_EQ(k.Asked().size(), row.told ? 1u : 0u) << row.path;
    if (!row.told) continue;
    const std::string message = texts::RequiredFileMissing("Label", row.path);
    EXPECT_EQ(k.Asked()[0],
              row.ask ? "ask: " + message + texts::kContinueDetecting : "show: " + message);
  }
}

TEST(CheckRequiredFiles, ChecksEveryFileOfEveryFeatureThatIsOnInOrder) {
  using Values = std::vector<std::pair<std::string, std::string>>;
  struct Row {
    const char* what;
    Values values;
    std::vector<std::string> present;  // files besides the starter and doc.pdf
    std::deque<bool> answers;
    bool result;
    std::vector<std::string> asked;
    std::vector<std::string> texts = {};  // present files that are no pictures
  };
  const std::string sub = "E:\\cd\\sub\\b.pdf";
  const std::vector<Row> rows = {
      {"nothing on", {}, {}, {}, true, {}},
      {"single file missing",
       {{ws::kSourceFile, "E:\\cd\\gone.pdf"}},
       {},
       {false},
       false,
       {Missing("Autorun File", "E:\\cd\\gone.pdf")}},
      {"several files: URL, folder, spacer skipped; doubled backslash made single",
       {{keys::kSingleFile, "no"},
        {keys::kMultiSourceFileCount, "#5"},
        {"MultiSourceFile1", "http://x.example"},
        {"MultiSourceFile2", "docs"},
        {"MultiSourceFile3", ""},
        {"MultiSourceFile4", "\\sub\\b.pdf"},
        {"MultiSourceFile5", "c.pdf"}},
       {sub},
       {true},
       true,
       {Missing("Autorun File", "E:\\cd\\c.pdf")}},
      {"several files: only the entries autorun.inf will name, however large the count",
       {{keys::kSingleFile, "no"},
        {keys::kMultiSourceFileCount, "#2147483647"},
        {"MultiSourceFile1000", "last.pdf"},
        {"MultiSourceFile1001", "beyond.pdf"}},
       {},
       {true},
       true,
       {Missing("Autorun File", "E:\\cd\\last.pdf")}},
      {"several files stop at the first No",
       {{keys::kSingleFile, "no"},
        {keys::kMultiSourceFileCount, "#2"},
        {"MultiSourceFile1", "x.pdf"},
        {"MultiSourceFile2", "y.pdf"},
        {ws::kEnableIcon, "yes"},
        {keys::kIcon, "E:\\old\\cd.ico"}},
       {},
       {false},
       false,
       {Missing("Autorun File", "E:\\cd\\x.pdf")}},
      {"every feature, each file looked for in the source folder",
       {{ws::kEnableIcon, "yes"},
        {keys::kIcon, "D:\\elsewhere\\cd.ico"},
        {keys::kShowSplashScreen, "yes"},
        {keys::kSplashScreenUseImage, "yes"},
        {keys::kSplashScreenImage, "splash.bmp"},
        {keys::kWelcomeEnabled, "yes"},
        {keys::kWelcomeUseImage, "yes"},
        {keys::kWelcomeImage, "welcome.bmp"},
        {keys::kMultiSelectUseImage, "yes"},  // single file: not checked
        {keys::kMultiSelectImage, "select.bmp"},
        {keys::kShowBackgroundWindow, "yes"},
        {ws::kBackgroundFullScreenImageFile, "full.bmp"},
        {keys::kLicenseAgreementEnabled, "yes"},
        {ws::kLicenseAgreementFile, "licence.txt"},
        {ws::kSpecifyFileOpenOptions, "yes"},
        {keys::InstallerFile(1), "<Adobe Reader>"},
        {keys::InstallerFile(2), ""},
        {keys::InstallerFile(3), "setup\\viewer.exe"}},
       {},
       {true, true, true, true, true, true},
       true,
       {Missing("Icon File", "E:\\cd\\cd.ico"),
        NotAPicture("Splash Screen Image", "E:\\cd\\splash.bmp"),
        Missing("Welcome Screen Image", "E:\\cd\\welcome.bmp"),
        Missing("Full Screen Background Image", "E:\\cd\\full.bmp"),
        Missing("License Agreement", "E:\\cd\\licence.txt"),
        Missing("Installer 3", "E:\\cd\\viewer.exe")},
       {"E:\\cd\\splash.bmp"}},
      {"features off: their files are not looked for",
       {{ws::kEnableIcon, "no"},
        {keys::kIcon, "cd.ico"},
        {keys::kShowSplashScreen, "yes"},
        {keys::kSplashScreenUseImage, "no"},
        {keys::kSplashScreenImage, "splash.bmp"},
        {keys::kWelcomeEnabled, "no"},
        {keys::kWelcomeImage, "welcome.bmp"},
        {ws::kLicenseAgreementFile, "licence.txt"}},
       {},
       {},
       true,
       {}},
      {"two background pictures, an empty one passed over; select image with several files",
       {{keys::kSingleFile, "no"},
        {keys::kMultiSourceFileCount, "#0"},
        {keys::kMultiSelectUseImage, "yes"},
        {keys::kMultiSelectImage, "select.bmp"},
        {keys::kShowBackgroundWindow, "yes"},
        {keys::kBackgroundFullScreenImage, "no"},
        {keys::BackgroundFullScreenImageFile(1), ""},
        {keys::BackgroundFullScreenImageFile(2), "two.bmp"}},
       {"E:\\cd\\select.bmp"},
       {true},
       true,
       {Missing("Background Image 2", "E:\\cd\\two.bmp")}},
      {"an icon taken from the starter, which the creation copies in",
       {{ws::kEnableIcon, "yes"}, {keys::kIcon, "vendisc.EXE"}},
       {},
       {},
       true,
       {}},
      {"a No stops every later check",
       {{ws::kEnableIcon, "yes"},
        {keys::kIcon, "cd.ico"},
        {keys::kLicenseAgreementEnabled, "yes"},
        {ws::kLicenseAgreementFile, "licence.txt"}},
       {},
       {false},
       false,
       {Missing("Icon File", "E:\\cd\\cd.ico")}},
  };
  for (const Row& row : rows) {
    Kit k;
    k.Set(row.values);
    for (const std::string& file : row.present) k.fs.files[file] = "GIF89a";
    for (const std::string& file : row.texts) k.fs.files[file] = "text, named like a picture";
    k.questions.answers = row.answers;
    EXPECT_EQ(k.cd.CheckRequiredFiles(), row.result) << row.what;
    EXPECT_EQ(k.Asked(), row.asked) << row.what;
  }
}

TEST(CopyFailureText, ChosenByTheSystemsCodeAndFilledIn) {
  struct Row {
    uint32_t code;
    const char* says;
  };
  for (const Row& row :
       {Row{32, "because the file is currently in use"},
        Row{112, "the drive you are writing the files to is full"},
        Row{5, "you do not have write permissions"}, Row{3, "you do not have write permissions"}}) {
    const std::string shown = CopyFailureText("C:\\Kit\\Vendisc.exe", "E:\\cd\\Go.exe", row.code);
    EXPECT_NE(shown.find(row.says), std::string::npos) << row.code;
    EXPECT_TRUE(
        shown.ends_with("Failed to copy\n\n\tC:\\Kit\\Vendisc.exe\n\nto\n\n\tE:\\cd\\Go.exe\n\n"
                        "Error code: " +
                        std::to_string(row.code)))
        << row.code;
  }
}

std::string Summary() { return "ask: " + texts::OverwriteSummary(kInf, kStarter); }
std::string Overwrite(const std::string& path) { return "ask: " + texts::OverwriteQuestion(path); }

TEST(CreateCdFiles, QuestionsAboutOverwritingAndWhatGetsWritten) {
  struct Row {
    const char* what;
    bool ask;
    bool queried;   // QueriedFileOverwrite before
    bool existing;  // the starter and autorun.inf are already in the folder
    std::deque<bool> answers;
    bool result;
    std::vector<std::string> asked;
    bool copied;
    bool written;
    bool doNotWarnAfter;
  };
  const std::vector<Row> rows = {
      {"fresh machine, Yes: no further questions",
       true,
       false,
       true,
       {true},
       true,
       {Summary()},
       true,
       true,
       true},
      {"fresh machine, No: one question per file",
       true,
       false,
       true,
       {false, true, true},
       true,
       {Summary(), Overwrite(kStarter), Overwrite(kInf)},
       true,
       true,
       false},
      {"fresh machine, nothing there yet",
       true,
       false,
       false,
       {false},
       true,
       {Summary()},
       true,
       true,
       false},
      {"asked before: no summary",
       true,
       true,
       true,
       {true, true},
       true,
       {Overwrite(kStarter), Overwrite(kInf)},
       true,
       true,
       false},
      {"No to the starter: nothing copied",
       true,
       true,
       true,
       {false},
       false,
       {Overwrite(kStarter)},
       false,
       false,
       false},
      {"No to autorun.inf: the starter stays copied",
       true,
       true,
       true,
       {true, false},
       false,
       {Overwrite(kStarter), Overwrite(kInf)},
       true,
       false,
       false},
      {"not asking: replaced without a word", false, false, true, {}, true, {}, true, true, false},
  };
  for (const Row& row : rows) {
    Kit k;
    k.s.SetFlag(ws::kQueriedFileOverwrite, row.queried);
    if (row.existing) {
      k.fs.files[kStarter] = "old starter";
      k.fs.files[kInf] = "old inf";
    }
    k.questions.answers = row.answers;
    EXPECT_EQ(k.cd.CreateCdFiles(row.ask), row.result) << row.what;
    EXPECT_EQ(k.Asked(), row.asked) << row.what;
    const bool copied = k.fs.files.count(kStarter) && k.fs.files[kStarter] == "new starter";
    EXPECT_EQ(copied, row.copied) << row.what;
    const bool written = k.fs.files.count(kInf) && k.fs.files[kInf].starts_with("[autorun]");
    EXPECT_EQ(written, row.written) << row.what;
    if (row.existing && !row.written) {
      EXPECT_EQ(k.fs.files[kInf], "old inf") << row.what;
    }
    EXPECT_EQ(k.s.Text(ws::kLastINFFile), row.written ? kInf : "") << row.what;
    EXPECT_EQ(k.s.Flag(ws::kDoNotWarnOverwrites), row.doNotWarnAfter) << row.what;
    // Considered once per machine, whatever the answer; not when not asking.
    EXPECT_EQ(k.s.Flag(ws::kQueriedFileOverwrite), row.queried || row.ask) << row.what;
    EXPECT_TRUE(k.ui.problems.empty()) << row.what;
  }
}

TEST(CreateCdFiles, TheSummaryIsAskedOncePerMachine) {
  Kit k;
  k.questions.answers = {false, true, true};
  EXPECT_TRUE(k.cd.CreateCdFiles(true));
  EXPECT_TRUE(k.cd.CreateCdFiles(true));
  // The second run finds both files and asks about each, but not the summary again.
  EXPECT_EQ(k.Asked(), (std::vector<std::string>{Summary(), Overwrite(kStarter), Overwrite(kInf)}));
}

TEST(CreateCdFiles, RefusalsAndFailuresWriteNothing) {
  struct Row {
    const char* what;
    std::vector<std::pair<std::string, std::string>> values;
    uint32_t copyError;
    bool halfWrites;
    bool failReplace;
    std::vector<std::string> asked;
    std::string problem;
    bool copyTried;
  };
  const std::string folderWarning = std::string("show: ") + texts::kInstallFolderWarning;
  const std::string createFailed =
      text::Format(texts::kCreateFailedFormat, kInf.c_str(), "Error code: 39");
  const std::vector<Row> rows = {
      {"missing file answered No",
       {{ws::kSourceFile, "E:\\cd\\gone.pdf"}},
       0,
       false,
       false,
       {Missing("Autorun File", "E:\\cd\\gone.pdf")},
       "",
       false},
      {"no install path",
       {{ws::kInstallPath, ""}},
       0,
       false,
       false,
       {std::string("show: ") + texts::kNoInstallPath},
       "",
       false},
      {"source folder is the kit's folder",
       {{ws::kSourceFolder, "c:\\KIT\\"}},
       0,
       false,
       false,
       {folderWarning},
       "",
       false},
      {"the kit's folder under another starter name",
       {{ws::kSourceFolder, "C:\\Kit"},
        {ws::kAutoRunExeNameEnabled, "yes"},
        {ws::kAutoRunExeName, "Go.exe"}},
       0,
       false,
       false,
       {folderWarning},
       "",
       false},
      {"a starter name that leads out of the folder",
       {{ws::kAutoRunExeNameEnabled, "yes"}, {ws::kAutoRunExeName, "sub\\..\\..\\Go.exe"}},
       0,
       false,
       false,
       {"show: " + texts::StarterOutsideFolder("sub\\..\\..\\Go.exe")},
       "",
       false},
      {"starter in use",
       {},
       32,
       false,
       false,
       {},
       CopyFailureText(kKitStarter, kStarter, 32),
       true},
      {"disk full", {}, 112, false, false, {}, CopyFailureText(kKitStarter, kStarter, 112), true},
      {"access denied", {}, 5, false, false, {}, CopyFailureText(kKitStarter, kStarter, 5), true},
      {"disk fills while writing", {}, 0, true, false, {}, createFailed, true},
      {"rename refused", {}, 0, false, true, {}, createFailed, true},
  };
  for (const Row& row : rows) {
    Kit k;
    k.s.SetFlag(ws::kDoNotWarnOverwrites, true);
    k.fs.files[kInf] = "old inf";
    k.s.SetText(ws::kLastINFFile, "E:\\before\\autorun.inf");
    k.Set(row.values);
    k.copier.error = row.copyError;
    k.ui.lastError = 39;
    k.questions.answers = {false};
    k.fs.halfWrites = row.halfWrites;
    k.fs.failReplace = row.failReplace;
    EXPECT_FALSE(k.cd.CreateCdFiles(false)) << row.what;
    EXPECT_EQ(k.Asked(), row.asked) << row.what;
    EXPECT_EQ(k.ui.problems, row.problem.empty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{row.problem})
        << row.what;
    EXPECT_EQ(k.copier.copies.size(), row.copyTried ? 1u : 0u) << row.what;
    // The previous autorun.inf is whole, no temporary file is left, and
    // LastINFFile still names the configuration it named.
    EXPECT_EQ(k.fs.files[kInf], "old inf") << row.what;
    EXPECT_EQ(k.fs.files.count(kInf + kAutorunTempSuffix), 0u) << row.what;
    EXPECT_EQ(k.s.Text(ws::kLastINFFile), "E:\\before\\autorun.inf") << row.what;
  }
}

TEST(CreateCdFiles, OffersToRemoveOnlyAnUnusedCopyOfTheKitsStarter) {
  const std::string inf = "[autorun]\r\nOPEN=Old.exe \"doc.pdf\"\r\n", kit = "new starter";
  // clang-format off
  struct Row { bool renamed; std::string copy, contents, inf; bool answer, offered; } rows[] = {
      {true, kStarter, kit, "", true, true},  // renamed to Go.exe: removed on Yes
      {true, kStarter, "the author's own program", "", true, false},
      {false, "E:\\cd\\Old.exe", kit, inf, false, true},  // named by the replaced file; No keeps it
  };
  // clang-format on
  for (const Row& row : rows) {
    Kit k;
    if (row.renamed) k.Set({{ws::kAutoRunExeNameEnabled, "yes"}, {ws::kAutoRunExeName, "Go.exe"}});
    k.fs.files[row.copy] = row.contents;
    if (!row.inf.empty()) k.fs.files[kInf] = row.inf;
    k.questions.answers = {row.answer};
    EXPECT_TRUE(k.cd.CreateCdFiles(false));
    std::vector<std::string> asked;
    if (row.offered) asked = {"ask: " + texts::RemoveOldStarter(row.copy, AutorunStarterName(k.s))};
    EXPECT_EQ(k.Asked(), asked) << row.copy;
    EXPECT_EQ(k.fs.files.count(row.copy), row.offered && row.answer ? 0u : 1u) << row.copy;
  }
}

TEST(CreateCdFiles, StarterNameAndOpenLine) {
  struct Row {
    const char* what;
    std::vector<std::pair<std::string, std::string>> values;
    std::string target;
    std::string open;
  };
  const std::vector<Row> rows = {
      {"default name", {}, kStarter, "OPEN=Vendisc.exe \"doc.pdf\""},
      {"chosen name",
       {{ws::kAutoRunExeNameEnabled, "yes"}, {ws::kAutoRunExeName, "Go.exe"}},
       "E:\\cd\\Go.exe",
       "OPEN=Go.exe \"doc.pdf\""},
      {"enabled but empty",
       {{ws::kAutoRunExeNameEnabled, "yes"}, {ws::kAutoRunExeName, ""}},
       kStarter,
       "OPEN=Vendisc.exe \"doc.pdf\""},
      {"file in a sub-folder: the bare name",
       {{ws::kSourceFile, "E:\\cd\\docs\\deep.pdf"}},
       kStarter,
       "OPEN=Vendisc.exe \"deep.pdf\""},
  };
  for (const Row& row : rows) {
    Kit k;
    k.fs.files["E:\\cd\\docs\\deep.pdf"] = "pdf";
    k.Set(row.values);
    ASSERT_TRUE(k.cd.CreateCdFiles(false)) << row.what;
    EXPECT_EQ(k.copier.copies, std::vector<std::string>{kKitStarter + " -> " + row.target})
        << row.what;
    EXPECT_TRUE(k.fs.files[kInf].starts_with("[autorun]\r\n" + row.open + "\r\n")) << row.what;
  }
}

}  // namespace
