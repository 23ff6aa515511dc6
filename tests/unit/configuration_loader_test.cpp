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

struct Wizard {
  FakeRegistryBackend backend;
  WizardSettings s{backend};
  FakeFileSystem fs;
  FakeWizardQuestions questions;
};

// "Name=value|Name=value" as pairs.
std::vector<std::pair<std::string, std::string>> Pairs(const std::string& list) {
  std::vector<std::pair<std::string, std::string>> pairs;
  if (list.empty()) return pairs;
  for (const std::string& item : text::Split(list, '|')) {
    size_t equals = item.find('=');
    pairs.emplace_back(item.substr(0, equals), item.substr(equals + 1));
  }
  return pairs;
}

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
  if (setting->kind == SettingKind::kFlag) return s.Flag(name) ? "yes" : "no";
  if (setting->kind == SettingKind::kNumber) return text::Format("%d", s.Number(name));
  return s.Text(name);
}

const char* const kPath = "E:\\cd\\autorun.inf";

struct LoadRow {
  const char* what;
  std::string body;  // the lines after "[autorun]", '|' for a line break
  const char* before;
  const char* after;
  std::vector<std::string> told = {};  // "show: ..." in order
};

const std::string kNoOpen = std::string("show: ") + wizard_texts::kNoOpenSection;
const std::string kForeign = std::string("show: ") + wizard_texts::kNotConfiguredByUs;
const std::string kOpenA = "OPEN=V.exe \"a.doc\"";

// clang-format off
const LoadRow kLoadRows[] = {
    {"quoted name with blanks", "OPEN=Vendisc.exe \"my file.doc\"", "AutoRunExeNameEnabled=yes",
     "SourceFile=E:\\cd\\my file.doc|AutoRunExeName=Vendisc.exe|AutoRunExeNameEnabled=no|"
     "LastINFFile=E:\\cd\\autorun.inf|SourceFolder=E:\\cd\\|MultiSourceFolder=E:\\cd\\"},
    {"starter name in another case", "open = VENDISC.EXE   \"a.pdf\" ", "",
     "SourceFile=E:\\cd\\a.pdf|AutoRunExeName=VENDISC.EXE|AutoRunExeNameEnabled=no"},
    {"own starter name, folder replaced", "OPEN=Start.exe \"docs\\a.pdf\"", "",
     "SourceFile=E:\\cd\\a.pdf|AutoRunExeName=Start.exe|AutoRunExeNameEnabled=yes"},
    {"name alone: no starter", "OPEN=a.pdf", "AutoRunExeName=old.exe|AutoRunExeNameEnabled=yes",
     "SourceFile=E:\\cd\\a.pdf|AutoRunExeName=|AutoRunExeNameEnabled=no", {kForeign}},
    {"no OPEN: no file to open", "SingleFile=1",
     "SourceFile=D:\\old\\doc.pdf|AutoRunExeName=old.exe|AutoRunExeNameEnabled=yes",
     "SourceFile=|AutoRunExeNameEnabled=no", {kNoOpen}},
    {"an empty file name (several files): no file to open", "OPEN=Vendisc.exe \"\"",
     "SourceFile=D:\\old\\doc.pdf", "SourceFile="},
    {"a name without a dot: no file to open", "OPEN=Vendisc.exe \"README\"",
     "SourceFile=D:\\old\\doc.pdf", "SourceFile="},
    {"no SingleFile leaves the several-files values", kOpenA,
     "SingleFile=no|OpenAllFiles=yes|MultiSourceFileCount=5|MultiSelectTitle=T|"
     "MultiSourceFile1=x.doc|MultiSelectSetup=no",
     "SingleFile=yes|OpenAllFiles=yes|MultiSourceFileCount=5|MultiSelectTitle=T|"
     "MultiSourceFile1=x.doc|MultiSelectSetup=no"},
    {"SingleFile 1 still reads the several-files keys", kOpenA + "|SingleFile=1",
     "OpenAllFiles=yes|MultiSelectTitle=T",
     "SingleFile=yes|OpenAllFiles=no|MultiSelectTitle=|MultiSourceFileCount=0"},
    {"count 3 copies exactly three entries",
     kOpenA + "|SingleFile=0|OpenAllFiles=1|MultiSourceFileCount=3|MultiSourceFile1=a.doc|"
     "MultiSourceFileName1=A|MultiSourceForceOpen1=w.exe|MultiSourceFile2=sub\\|"
     "MultiSourceFile3=http://x.com|MultiSourceFile4=d.doc",
     "MultiSourceFile4=old4|MultiSourceFileName2=stale|MultiSelectImage=k.jpg",
     "SingleFile=no|OpenAllFiles=yes|WaitForPrevious=no|MultiSelectSetup=yes|MultiSourceFileCount=3|"
     "MultiSourceFile1=a.doc|MultiSourceFileName1=A|MultiSourceForceOpen1=w.exe|"
     "MultiSourceFile2=sub\\|MultiSourceFileName2=|MultiSourceFile3=http://x.com|"
     "MultiSourceFile4=old4|MultiSelectImage=k.jpg"},
    {"list image made a full path",
     kOpenA + "|SingleFile=0|MultiSelectUseImage=1|MultiSelectImage=l.gif|"
     "MultiSelectImageLocation=Along the top|MultiSelectHelpURL=www.x.com|MultiSourceFileCount=abc",
     "", "MultiSelectImage=E:\\cd\\l.gif|MultiSelectImageLocation=Along the top|"
     "MultiSelectHelpURL=www.x.com|MultiSourceFileCount=0"},
    {"a huge count is held to what the starter takes",
     kOpenA + "|SingleFile=0|MultiSourceFileCount=2000000000", "", "MultiSourceFileCount=1000"},
    {"a negative count, or one past the number range, is no entries",
     kOpenA + "|SingleFile=0|MultiSourceFileCount=2147483648", "MultiSourceFileCount=4",
     "MultiSourceFileCount=0"},
    {"splash image made a full path, bare icon kept",
     kOpenA + "|ShowSplashScreen=1|SplashScreenUseImage=1|SplashScreenImageShowForSecs=5|"
     "SplashScreenWhenToShow=Startup|SplashScreenImage=s.jpg|icon=cd.ico|iconfile=C:\\src\\cd.ico",
     "SplashScreenLine1=kept",
     "ShowSplashScreen=yes|SplashScreenUseImage=yes|SplashScreenImage=E:\\cd\\s.jpg|"
     "SplashScreenImageShowForSecs=5|SplashScreenWhenToShow=Startup|SplashScreenLine1=kept|"
     "icon=cd.ico|iconfile=C:\\src\\cd.ico|EnableIcon=yes"},
    {"splash text: numbers as %d, italic when non-zero",
     kOpenA + "|ShowSplashScreen=yes|SplashScreenUseImage=0|"
     "SplashScreenLine1=  Opening <FILE_NAME>  |SplashFontName=Arial|SplashFontWeight=700x|"
     "SplashFontItalic=2|SplashFontHeight=abc",
     "SplashScreenImage=old.jpg|SplashFontHeight=9",
     "ShowSplashScreen=yes|SplashScreenUseImage=no|SplashScreenLine1=Opening <FILE_NAME>|"
     "SplashFontName=Arial|SplashFontWeight=700|SplashFontItalic=yes|SplashFontHeight=0|"
     "SplashScreenImage=old.jpg"},
    {"a feature off keeps its details", kOpenA + "|ShowSplashScreen= 0 |icon=",
     "ShowSplashScreen=yes|SplashScreenLine1=kept|EnableIcon=yes|icon=old.ico|"
     "UserDefinedErrors=yes|ErrorText=kept",
     "ShowSplashScreen=no|SplashScreenLine1=kept|EnableIcon=no|icon=old.ico|UserDefinedErrors=no|"
     "ErrorText=kept|RunOneAtATime=no|WelcomeEnabled=no"},
    {"agreement flag 1 alone is not above \"1\"", kOpenA + "|LicenseAgreementEnabled=1",
     "LicenseAgreementFile=old.txt|LicenseAgreementFileShowEveryTime=No",
     "LicenseAgreementEnabled=no|LicenseAgreementFile=old.txt|"
     "LicenseAgreementFileShowEveryTime=No"},
    {"agreement flag above \"1\"", kOpenA + "|LicenseAgreementEnabled=Yes",
     "LicenseAgreementFile=old.txt", "LicenseAgreementEnabled=yes|LicenseAgreementFile="},
    {"agreement flag 10", kOpenA + "|LicenseAgreementEnabled=10", "",
     "LicenseAgreementEnabled=yes"},
    {"agreement flag 0", kOpenA + "|LicenseAgreementEnabled=0", "", "LicenseAgreementEnabled=no"},
    {"installers with their keyword",
     kOpenA + "|InstallerFileOpenOptions=Prompt|InstallerFile2=v.exe|InstallerUserQuery2=Install?",
     "InstallerFile=old.exe|InstallerHowToRun=0",
     "SpecifyFileOpenOptions=yes|InstallerViewerOption=yes|InstallerHowToRunNew=Prompt|"
     "InstallerFile=|InstallerFile2=v.exe|InstallerUserQuery2=Install?|InstallerHowToRun=-1"},
    {"older file: always run", kOpenA + "|InstallerFile=v.exe|InstallerFileAlwaysRun=1",
     "InstallerHowToRunNew=Prompt|InstallerHowToRun=0",
     "InstallerHowToRunNew=|InstallerHowToRun=1"},
    {"older file: on failure", kOpenA + "|InstallerFile3=v.exe", "InstallerHowToRunNew=Always",
     "InstallerHowToRun=0|InstallerHowToRunNew=|InstallerFile3=v.exe"},
    {"no installer files", kOpenA + "|InstallerFileOpenOptions=Always",
     "InstallerFile=old.exe|InstallerHowToRunNew=Prompt|SpecifyFileOpenOptions=yes",
     "SpecifyFileOpenOptions=no|InstallerViewerOption=no|InstallerFile=old.exe|"
     "InstallerHowToRunNew=Prompt"},
    {"no force open keeps the programs", kOpenA, "ForceExecuteWith=w.exe",
     "ForceExecuteOption=no|ForceExecuteWith=w.exe"},
    {"full-screen background picture",
     kOpenA + "|ShowBackgroundWindow=1|BackgroundWhenToShow=Startup|BackgroundFullScreenImage=1|"
     "BackgroundFullScreenImageFile1=bg.jpg|BackgroundFullScreenImageFileMode1=FullScreen|"
     "BackgroundWindowLeaveOpenUntilFileClosed=0",
     "BackgroundFullScreenImageFile1=old1.jpg|BackgroundWindowColour=255|"
     "BackgroundHaveCloseButton=yes|BackgroundCloseButtonText=old",
     "BackgroundFullScreenImage=yes|BackgroundWhenToShow=Startup|"
     "BackgroundFullScreenImageFile=E:\\cd\\bg.jpg|BackgroundFullScreenImageFileMode=FullScreen|"
     "BackgroundFullScreenImageFile1=old1.jpg|BackgroundWindowColour=255|"
     "BackgroundWindowLeaveOpenUntilFileClosed=no|BackgroundHaveCloseButton=no|"
     "BackgroundCloseButtonText="},
    {"welcome text only keeps the picture",
     kOpenA + "|WelcomeEnabled=1|WelcomeUseText=1|WelcomeMessage=M",
     "WelcomeImage=old.bmp", "WelcomeUseImage=no|WelcomeImage=old.bmp|WelcomeMessage=M"},
    {"no section at all", "", "SourceFile=C:\\x\\a.doc",
     "SourceFile=|SingleFile=yes|EnableIcon=no", {kNoOpen}},
};
// clang-format on

TEST(LoadConfiguration, CopiesTheFileAsTheRulesSay) {
  for (const LoadRow& row : kLoadRows) {
    SCOPED_TRACE(row.what);
    Wizard w;
    for (const auto& [name, value] : Pairs(row.before)) Put(w.s, name, value);
    w.fs.files[kPath] = "[autorun]\r\n" + text::ReplaceAll(row.body, "|", "\r\n") + "\r\n";
    EXPECT_TRUE(LoadConfiguration(kPath, w.fs, w.s, w.questions));
    for (const auto& [name, value] : Pairs(row.after)) EXPECT_EQ(Get(w.s, name), value) << name;
    EXPECT_EQ(w.questions.asked, row.told);
  }
}

TEST(LoadConfiguration, AMissingFileLoadsNothingWhateverTheAnswer) {
  for (bool answer : {true, false}) {
    Wizard w;
    w.questions.answers = {answer};
    EXPECT_EQ(LoadConfiguration("E:\\gone\\autorun.inf", w.fs, w.s, w.questions), answer);
    EXPECT_EQ(w.questions.asked,
              std::vector<std::string>{"ask: Sorry, but the system was unable to load "
                                       "'E:\\gone\\autorun.inf'.\n\nIf you continue, your "
                                       "configuration may not be as you expect it.\n\nContinue?"});
    EXPECT_TRUE(w.backend.ValueNames(RegistryRoot::kLocalMachine, kRegistryBasePath).empty());
  }
  Wizard w;  // no path: nothing to do, nothing asked
  EXPECT_TRUE(LoadConfiguration("", w.fs, w.s, w.questions));
  EXPECT_TRUE(w.questions.asked.empty());
}

TEST(OpenValue, CutsTheStarterNameAndTheFileToOpen) {
  struct Row {
    const char *value, *starter, *file;
    bool hasBlank;
  };
  // clang-format off
  const Row rows[] = {
      {"Vendisc.exe \"my file.doc\"", "Vendisc.exe", "my file.doc", true},
      {"  start.exe    \"a.pdf\"  ", "start.exe", "a.pdf", true},
      {"start.exe a b.pdf", "start.exe", "a b.pdf", true},
      {"start.exe \"\"", "start.exe", "", true},
      {"start.exe \"", "start.exe", "", true}, {"start.exe \"a\"b\"", "start.exe", "a\"b", true},
      {"start.exe \"\"a.doc\"\"", "start.exe", "\"a.doc\"", true},
      {"Vendisc.exe", "", "Vendisc.exe", false}, {"\"a.doc\"", "", "\"a.doc\"", false},
      {"", "", "", false},
  };
  // clang-format on
  for (const Row& row : rows) {
    OpenValueParts parts = SplitOpenValue(row.value);
    EXPECT_EQ(parts.hasBlank, row.hasBlank) << row.value;
    EXPECT_EQ(parts.starterName, row.starter) << row.value;
    EXPECT_EQ(parts.fileToOpen, row.file) << row.value;
    EXPECT_EQ(FileToOpenFromOpenValue(row.value), row.file) << row.value;
  }
}

TEST(OpenExisting, OpensOnlyPathsNamingAutorunInf) {
  // clang-format off
  const std::pair<const char*, bool> rows[] = {
      {"C:\\cd\\autorun.inf", true}, {"C:\\CD\\AUTORUN.INF", true},
      {"C:\\cd\\myautorun.inf", true}, {"C:\\autorun.inf.bak", true},
      {"C:\\cd\\autorun.ini", false},
      {"C:\\autorun\\setup.inf", false}, {"", false}};
  // clang-format on
  for (const auto& [path, accepted] : rows) EXPECT_EQ(IsAutorunFilePath(path), accepted) << path;
}

}  // namespace
