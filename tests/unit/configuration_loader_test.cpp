// Loading autorun.inf into the wizard's settings, the OPEN value cut, and
// which files the wizard opens as configurations.
#include "wizard/configuration_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/text.h"
#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "wizard/open_value.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

// Flags as "yes"/"no", numbers in decimal, by the table's kind.
void Put(WizardSettings& s, const std::string& name, const std::string& value) {
  const SettingEntry* setting = FindSetting(name);
  ASSERT_NE(setting, nullptr) << name;
  if (setting->kind == SettingKind::kNumber) {
    s.SetNumber(name, text::ParseIntOr(value, -12345));
  } else {
    s.SetText(name, value);
  }
}

std::string Get(const WizardSettings& s, const std::string& name) {
  const SettingEntry* setting = FindSetting(name);
  if (setting == nullptr) return "<unknown " + name + ">";
  switch (setting->kind) {
    case SettingKind::kFlag:
      return s.Flag(name) ? "yes" : "no";
    case SettingKind::kNumber:
      return text::Format("%d", s.Number(name));
    case SettingKind::kText:
      break;
  }
  return s.Text(name);
}

const char* const kPath = "E:\\cd\\autorun.inf";

struct LoadRow {
  const char* what;
  const char* body;  // the lines after "[autorun]"
  Values before;
  Values after;
  std::vector<std::string> told;  // "show: ..." in order
};

const std::string kNoOpen = std::string("show: ") + wizard_texts::kNoOpenSection;
const std::string kForeign = std::string("show: ") + wizard_texts::kNotConfiguredByUs;

// clang-format off
const LoadRow kLoadRows[] = {
    {"quoted name with blanks", "OPEN=Vendisc.exe \"my file.doc\"", {{"AutoRunExeNameEnabled", "yes"}},
     {{"SourceFile", "E:\\cd\\my file.doc"}, {"AutoRunExeName", "Vendisc.exe"},
      {"AutoRunExeNameEnabled", "no"}, {"LastINFFile", kPath}, {"SourceFolder", "E:\\cd\\"},
      {"MultiSourceFolder", "E:\\cd\\"}}, {}},
    {"starter name in another case", "open = VENDISC.EXE   \"a.pdf\" ", {},
     {{"SourceFile", "E:\\cd\\a.pdf"}, {"AutoRunExeName", "VENDISC.EXE"},
      {"AutoRunExeNameEnabled", "no"}}, {}},
    {"own starter name, folder replaced", "OPEN=Start.exe \"docs\\a.pdf\"", {},
     {{"SourceFile", "E:\\cd\\a.pdf"}, {"AutoRunExeName", "Start.exe"},
      {"AutoRunExeNameEnabled", "yes"}}, {}},
    {"name alone", "OPEN=a.pdf", {{"AutoRunExeName", "old.exe"}, {"AutoRunExeNameEnabled", "yes"}},
     {{"SourceFile", "E:\\cd\\a.pdf"}, {"AutoRunExeName", "old.exe"},
      {"AutoRunExeNameEnabled", "yes"}}, {kForeign}},
    {"no OPEN keeps the file to open, in this folder", "SingleFile=1",
     {{"SourceFile", "D:\\old\\doc.pdf"}}, {{"SourceFile", "E:\\cd\\doc.pdf"}}, {kNoOpen}},
    {"an empty file name and no earlier file store no folder", "OPEN=Vendisc.exe \"\"",
     {{"SourceFile", ""}}, {{"SourceFile", ""}}, {}},
    {"no SingleFile leaves the several-files values", "OPEN=V.exe \"a.doc\"",
     {{"SingleFile", "no"}, {"OpenAllFiles", "yes"}, {"MultiSourceFileCount", "5"},
      {"MultiSelectTitle", "T"}, {"MultiSourceFile1", "x.doc"}},
     {{"SingleFile", "yes"}, {"OpenAllFiles", "yes"}, {"MultiSourceFileCount", "5"},
      {"MultiSelectTitle", "T"}, {"MultiSourceFile1", "x.doc"}}, {}},
    {"SingleFile 1 still reads the several-files keys", "OPEN=V.exe \"a.doc\"\r\nSingleFile=1",
     {{"OpenAllFiles", "yes"}, {"MultiSelectTitle", "T"}},
     {{"SingleFile", "yes"}, {"OpenAllFiles", "no"}, {"MultiSelectTitle", ""},
      {"MultiSourceFileCount", "0"}}, {}},
    {"count 3 copies exactly three entries",
     "OPEN=V.exe \"a.doc\"\r\nSingleFile=0\r\nOpenAllFiles=1\r\nMultiSourceFileCount=3\r\n"
     "MultiSourceFile1=a.doc\r\nMultiSourceFileName1=A\r\nMultiSourceForceOpen1=w.exe\r\n"
     "MultiSourceFile2=sub\\\r\nMultiSourceFile3=http://x.com\r\nMultiSourceFile4=d.doc",
     {{"MultiSourceFile4", "old4"}, {"MultiSourceFileName2", "stale"}, {"MultiSelectImage", "k.jpg"}},
     {{"SingleFile", "no"}, {"OpenAllFiles", "yes"}, {"WaitForPrevious", "no"},
      {"MultiSourceFileCount", "3"}, {"MultiSourceFile1", "a.doc"}, {"MultiSourceFileName1", "A"},
      {"MultiSourceForceOpen1", "w.exe"}, {"MultiSourceFile2", "sub\\"},
      {"MultiSourceFileName2", ""}, {"MultiSourceFile3", "http://x.com"},
      {"MultiSourceFile4", "old4"}, {"MultiSelectImage", "k.jpg"}}, {}},
    {"list image made a full path",
     "OPEN=V.exe \"a.doc\"\r\nSingleFile=0\r\nMultiSelectUseImage=1\r\nMultiSelectImage=l.gif\r\n"
     "MultiSelectImageLocation=Along the top\r\nMultiSelectHelpURL=www.x.com\r\nMultiSourceFileCount=abc",
     {}, {{"MultiSelectImage", "E:\\cd\\l.gif"}, {"MultiSelectImageLocation", "Along the top"},
          {"MultiSelectHelpURL", "www.x.com"}, {"MultiSourceFileCount", "0"}}, {}},
    {"a huge count is held to what the starter takes",
     "OPEN=V.exe \"a.doc\"\r\nSingleFile=0\r\nMultiSourceFileCount=2000000000", {},
     {{"MultiSourceFileCount", "1000"}}, {}},
    {"splash image made a full path, bare icon kept",
     "OPEN=V.exe \"a.doc\"\r\nShowSplashScreen=1\r\nSplashScreenUseImage=1\r\n"
     "SplashScreenImageShowForSecs=5\r\nSplashScreenWhenToShow=Startup\r\n"
     "SplashScreenImage=s.jpg\r\nicon=cd.ico\r\niconfile=C:\\src\\cd.ico",
     {{"SplashScreenLine1", "kept"}},
     {{"ShowSplashScreen", "yes"}, {"SplashScreenUseImage", "yes"},
      {"SplashScreenImage", "E:\\cd\\s.jpg"}, {"SplashScreenImageShowForSecs", "5"},
      {"SplashScreenWhenToShow", "Startup"}, {"SplashScreenLine1", "kept"}, {"icon", "cd.ico"},
      {"iconfile", "C:\\src\\cd.ico"}, {"EnableIcon", "yes"}}, {}},
    {"splash text: numbers as %d, italic when non-zero",
     "OPEN=V.exe \"a.doc\"\r\nShowSplashScreen=yes\r\nSplashScreenUseImage=0\r\n"
     "SplashScreenLine1=  Opening <FILE_NAME>  \r\nSplashFontName=Arial\r\nSplashFontWeight=700x\r\n"
     "SplashFontItalic=2\r\nSplashFontHeight=abc",
     {{"SplashScreenImage", "old.jpg"}, {"SplashFontHeight", "9"}},
     {{"ShowSplashScreen", "yes"}, {"SplashScreenUseImage", "no"},
      {"SplashScreenLine1", "Opening <FILE_NAME>"}, {"SplashFontName", "Arial"},
      {"SplashFontWeight", "700"}, {"SplashFontItalic", "yes"}, {"SplashFontHeight", "0"},
      {"SplashScreenImage", "old.jpg"}}, {}},
    {"a feature off keeps its details", "OPEN=V.exe \"a.doc\"\r\nShowSplashScreen= 0 \r\nicon=",
     {{"ShowSplashScreen", "yes"}, {"SplashScreenLine1", "kept"}, {"EnableIcon", "yes"},
      {"icon", "old.ico"}, {"UserDefinedErrors", "yes"}, {"ErrorText", "kept"}},
     {{"ShowSplashScreen", "no"}, {"SplashScreenLine1", "kept"}, {"EnableIcon", "no"},
      {"icon", "old.ico"}, {"UserDefinedErrors", "no"}, {"ErrorText", "kept"},
      {"RunOneAtATime", "no"}, {"WelcomeEnabled", "no"}}, {}},
    {"agreement flag 1 alone is not above \"1\"", "OPEN=V.exe \"a.doc\"\r\nLicenseAgreementEnabled=1",
     {{"LicenseAgreementFile", "old.txt"}, {"LicenseAgreementFileShowEveryTime", "No"}},
     {{"LicenseAgreementEnabled", "no"}, {"LicenseAgreementFile", "old.txt"},
      {"LicenseAgreementFileShowEveryTime", "No"}}, {}},
    {"agreement flag above \"1\"", "OPEN=V.exe \"a.doc\"\r\nLicenseAgreementEnabled=Yes",
     {{"LicenseAgreementFile", "old.txt"}},
     {{"LicenseAgreementEnabled", "yes"}, {"LicenseAgreementFile", ""}}, {}},
    {"agreement flag 10", "OPEN=V.exe \"a.doc\"\r\nLicenseAgreementEnabled=10", {},
     {{"LicenseAgreementEnabled", "yes"}}, {}},
    {"agreement flag 0", "OPEN=V.exe \"a.doc\"\r\nLicenseAgreementEnabled=0", {},
     {{"LicenseAgreementEnabled", "no"}}, {}},
    {"installers with their keyword",
     "OPEN=V.exe \"a.doc\"\r\nInstallerFileOpenOptions=Prompt\r\nInstallerFile2=v.exe\r\n"
     "InstallerUserQuery2=Install?",
     {{"InstallerFile", "old.exe"}, {"InstallerHowToRun", "0"}},
     {{"SpecifyFileOpenOptions", "yes"}, {"InstallerViewerOption", "yes"},
      {"InstallerHowToRunNew", "Prompt"}, {"InstallerFile", ""}, {"InstallerFile2", "v.exe"},
      {"InstallerUserQuery2", "Install?"}, {"InstallerHowToRun", "0"}}, {}},
    {"older file: always run", "OPEN=V.exe \"a.doc\"\r\nInstallerFile=v.exe\r\nInstallerFileAlwaysRun=1",
     {{"InstallerHowToRunNew", "Prompt"}, {"InstallerHowToRun", "0"}},
     {{"InstallerHowToRunNew", "Prompt"}, {"InstallerHowToRun", "1"}}, {}},
    {"older file: on failure", "OPEN=V.exe \"a.doc\"\r\nInstallerFile3=v.exe", {},
     {{"InstallerHowToRun", "0"}, {"InstallerFile3", "v.exe"}}, {}},
    {"no installer files", "OPEN=V.exe \"a.doc\"\r\nInstallerFileOpenOptions=Always",
     {{"InstallerFile", "old.exe"}, {"InstallerHowToRunNew", "Prompt"}, {"SpecifyFileOpenOptions", "yes"}},
     {{"SpecifyFileOpenOptions", "no"}, {"InstallerViewerOption", "no"}, {"InstallerFile", "old.exe"},
      {"InstallerHowToRunNew", "Prompt"}}, {}},
    {"no force open keeps the programs", "OPEN=V.exe \"a.doc\"", {{"ForceExecuteWith", "w.exe"}},
     {{"ForceExecuteOption", "no"}, {"ForceExecuteWith", "w.exe"}}, {}},
    {"full-screen background picture",
     "OPEN=V.exe \"a.doc\"\r\nShowBackgroundWindow=1\r\nBackgroundWhenToShow=Startup\r\n"
     "BackgroundFullScreenImage=1\r\nBackgroundFullScreenImageFile1=bg.jpg\r\n"
     "BackgroundFullScreenImageFileMode1=FullScreen\r\nBackgroundWindowLeaveOpenUntilFileClosed=0",
     {{"BackgroundFullScreenImageFile1", "old1.jpg"}, {"BackgroundWindowColour", "255"},
      {"BackgroundHaveCloseButton", "yes"}, {"BackgroundCloseButtonText", "old"}},
     {{"BackgroundFullScreenImage", "yes"}, {"BackgroundWhenToShow", "Startup"},
      {"BackgroundFullScreenImageFile", "E:\\cd\\bg.jpg"},
      {"BackgroundFullScreenImageFileMode", "FullScreen"},
      {"BackgroundFullScreenImageFile1", "old1.jpg"}, {"BackgroundWindowColour", "255"},
      {"BackgroundWindowLeaveOpenUntilFileClosed", "no"}, {"BackgroundHaveCloseButton", "no"},
      {"BackgroundCloseButtonText", ""}}, {}},
    {"welcome text only keeps the picture",
     "OPEN=V.exe \"a.doc\"\r\nWelcomeEnabled=1\r\nWelcomeUseText=1\r\nWelcomeMessage=M",
     {{"WelcomeImage", "old.bmp"}},
     {{"WelcomeUseImage", "no"}, {"WelcomeImage", "old.bmp"}, {"WelcomeMessage", "M"}}, {}},
    {"no section at all", "", {{"SourceFile", "C:\\x\\a.doc"}},
     {{"SourceFile", "E:\\cd\\a.doc"}, {"SingleFile", "yes"}, {"EnableIcon", "no"}}, {kNoOpen}},
};
// clang-format on

TEST(LoadConfiguration, CopiesTheFileAsTheRulesSay) {
  for (const LoadRow& row : kLoadRows) {
    SCOPED_TRACE(row.what);
    FakeRegistryBackend backend;
    WizardSettings s(backend);
    for (const auto& [name, value] : row.before) Put(s, name, value);
    FakeFileSystem fs;
    fs.files[kPath] = std::string("[autorun]\r\n") + row.body + "\r\n";
    FakeWizardQuestions questions;
    EXPECT_TRUE(LoadConfiguration(kPath, fs, s, questions));
    for (const auto& [name, value] : row.after) EXPECT_EQ(Get(s, name), value) << name;
    EXPECT_EQ(questions.asked, row.told);
  }
}

TEST(LoadConfiguration, AMissingFileLoadsNothingWhateverTheAnswer) {
  for (bool answer : {true, false}) {
    FakeRegistryBackend backend;
    WizardSettings s(backend);
    FakeFileSystem fs;
    FakeWizardQuestions questions;
    questions.answers = {answer};
    EXPECT_EQ(LoadConfiguration("E:\\gone\\autorun.inf", fs, s, questions), answer);
    EXPECT_EQ(questions.asked,
              std::vector<std::string>{"ask: Sorry, but the system was unable to load "
                                       "'E:\\gone\\autorun.inf'.\n\nIf you continue, your "
                                       "configuration may not be as you expect it.\n\nContinue?"});
    EXPECT_TRUE(backend.ValueNames(RegistryRoot::kLocalMachine, kRegistryBasePath).empty());
  }
  // No path: nothing to do, nothing asked.
  FakeRegistryBackend backend;
  WizardSettings s(backend);
  FakeFileSystem fs;
  FakeWizardQuestions questions;
  EXPECT_TRUE(LoadConfiguration("", fs, s, questions));
  EXPECT_TRUE(questions.asked.empty());
}

TEST(OpenValue, CutsTheStarterNameAndTheFileToOpen) {
  struct Row {
    const char* value;
    bool hasBlank;
    const char* starter;
    const char* file;
  };
  const Row rows[] = {
      {"Vendisc.exe \"my file.doc\"", true, "Vendisc.exe", "my file.doc"},
      {"  start.exe    \"a.pdf\"  ", true, "start.exe", "a.pdf"},
      {"start.exe a b.pdf", true, "start.exe", "a b.pdf"},
      {"start.exe \"\"", true, "start.exe", ""},
      {"start.exe \"", true, "start.exe", ""},
      {"start.exe \"a\"b\"", true, "start.exe", "a\"b"},
      {"start.exe \"\"a.doc\"\"", true, "start.exe", "\"a.doc\""},
      {"Vendisc.exe", false, "", "Vendisc.exe"},
      {"\"a.doc\"", false, "", "\"a.doc\""},
      {"", false, "", ""},
  };
  for (const Row& row : rows) {
    OpenValueParts parts = SplitOpenValue(row.value);
    EXPECT_EQ(parts.hasBlank, row.hasBlank) << row.value;
    EXPECT_EQ(parts.starterName, row.starter) << row.value;
    EXPECT_EQ(parts.fileToOpen, row.file) << row.value;
    EXPECT_EQ(FileToOpenFromOpenValue(row.value), row.file) << row.value;
  }
}

TEST(OpenExisting, OpensOnlyPathsNamingAutorunInf) {
  const std::pair<const char*, bool> rows[] = {
      {"C:\\cd\\autorun.inf", true},
      {"C:\\CD\\AUTORUN.INF", true},
      {"C:\\cd\\myautorun.inf", true},
      {"C:\\autorun.inf.bak", true},
      {"C:\\cd\\autorun.ini", false},
      {"C:\\autorun\\setup.inf", false},
      {"", false},
  };
  for (const auto& [path, accepted] : rows) EXPECT_EQ(IsAutorunFilePath(path), accepted) << path;
}

}  // namespace
