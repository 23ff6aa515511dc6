#include "starter/starter_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/registry_store.h"
#include "common/shell_opener.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_shell_port.h"
#include "fake_starter_ui.h"
#include "starter/command_line.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Answer = StarterUi::Answer;

namespace {

const std::string kBase = "SOFTWARE\\QUAV\\ZoruzazAZ";
constexpr RegistryRoot kHklm = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kHkcu = RegistryRoot::kCurrentUser;

// One journal holds what the user saw and what the shell was asked to open.
class StarterAppTest : public ::testing::Test {
 protected:
  StarterAppTest() {
    ui.journal = &journal;
    shell.journal = &journal;
    fs.Put("doc.pdf", "pdf");
    fs.Put("other.pdf", "pdf");
  }
  void Config(const std::string& lines) {
    fs.Put("autorun.inf", "[autorun]\r\nOPEN=Vendisc.exe \"doc.pdf\"\r\n" + lines);
  }
  void Run(const std::string& commandLine = "E:\\Vendisc.exe") {
    journal.clear();
    shell.calls.clear();
    StarterApp app(fs, shell, registry, ui);
    app.Run(commandLine);
  }
  std::vector<std::string> Seen() const { return ui.Seen(); }
  // The value as a text, up to its terminating zero.
  std::string Value(RegistryRoot root, const std::string& path, const std::string& name) const {
    if (!registry.KeyExists(root, path)) return "<no key>";
    return registry.Text(root, path, name).value_or("<none>");
  }
  std::string IsRunning() const { return Value(kHklm, kBase, "IsRunning"); }
  bool Has(const std::string& entry) const {
    return std::find(journal.begin(), journal.end(), entry) != journal.end();
  }

  std::vector<std::string> journal;
  FakeFileSystem fs;
  FakeShellPort shell;
  FakeRegistryBackend registry;
  FakeStarterUi ui;
};

TEST_F(StarterAppTest, OpensTheFileOfOpenAndClearsIsRunning) {
  Config("");
  Run();
  EXPECT_THAT(Seen(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)"));
  EXPECT_EQ(IsRunning(), "no");
  EXPECT_FALSE(Has("EventSet"));  // no window made the event, so there is none to set
}

struct BackgroundCase {
  const char* when;
  std::vector<std::string> seen;
};

class BackgroundOrderTest : public StarterAppTest,
                            public ::testing::WithParamInterface<BackgroundCase> {};

TEST_P(BackgroundOrderTest, ShowsTheOverlayAtItsStep) {
  Config(std::string("ShowBackgroundWindow=1\r\nShowSplashScreen=1\r\n"
                     "SplashScreenWhenToShow=Startup\r\nRunOneAtATime=1\r\n"
                     "WelcomeEnabled=1\r\nWelcomeTitle=Hello\r\n") +
         (GetParam().when ? std::string("BackgroundWhenToShow=") + GetParam().when + "\r\n"
                          : std::string()));
  registry.PutText(kHklm, kBase, "IsRunning", "yes");
  ui.answers = {Answer::kYes};
  Run();
  EXPECT_THAT(Seen(), ElementsAreArray(GetParam().seen));
}

const std::string kQuestion =
    "Question(A copy of this CD is already being opened - please wait for the file(s) to "
    "open.\n\nWould you like to try opening the files again anyway?)[No]->Yes";

INSTANTIATE_TEST_SUITE_P(
    Steps, BackgroundOrderTest,
    ::testing::Values(BackgroundCase{"Startup",
                                     {"Background", "Splash()", kQuestion, "Welcome(Hello)->Open",
                                      "SplashUpdate(doc.pdf)", "ShellOpen(E:\\doc.pdf|E:\\)",
                                      "SplashHide", "SplashClose", "BackgroundClose"}},
                      BackgroundCase{"beforewelcome",
                                     {"Splash()", kQuestion, "Background", "Welcome(Hello)->Open",
                                      "SplashUpdate(doc.pdf)", "ShellOpen(E:\\doc.pdf|E:\\)",
                                      "SplashHide", "SplashClose", "BackgroundClose"}},
                      BackgroundCase{"AfterWelcome",
                                     {"Splash()", kQuestion, "Welcome(Hello)->Open", "Background",
                                      "SplashUpdate(doc.pdf)", "ShellOpen(E:\\doc.pdf|E:\\)",
                                      "SplashHide", "SplashClose", "BackgroundClose"}},
                      BackgroundCase{nullptr,
                                     {"Splash()", kQuestion, "Welcome(Hello)->Open", "Background",
                                      "SplashUpdate(doc.pdf)", "ShellOpen(E:\\doc.pdf|E:\\)",
                                      "SplashHide", "SplashClose", "BackgroundClose"}},
                      BackgroundCase{
                          "Sometime",
                          {"Splash()", kQuestion, "Welcome(Hello)->Open", "SplashUpdate(doc.pdf)",
                           "Background", "ShellOpen(E:\\doc.pdf|E:\\)", "SplashHide", "SplashClose",
                           "BackgroundClose"}}));

TEST_F(StarterAppTest, AnsweringNoToTheOneAtATimeQuestionEndsAtOnce) {
  Config("RunOneAtATime=1\r\nShowSplashScreen=1\r\nSplashScreenWhenToShow=Startup\r\n");
  registry.PutText(kHklm, kBase, "IsRunning", "Yes");
  ui.answers = {Answer::kNo};
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Splash()",
                                  "Question(A copy of this CD is already being opened - please "
                                  "wait for the file(s) to open.\n\nWould you like to try "
                                  "opening the files again anyway?)[No]->No",
                                  "SplashClose"));
  EXPECT_EQ(IsRunning(), "Yes");  // not written
  EXPECT_FALSE(Has("EventSet"));
}

TEST_F(StarterAppTest, GuardMarksTheRunAndAnUnmarkedRunAsksNothing) {
  Config("RunOneAtATime=1\r\nShowSplashScreen=1\r\n");
  ui.welcomeAccepted = true;
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Splash(doc.pdf)", "ShellOpen(E:\\doc.pdf|E:\\)", "SplashHide",
                                  "SplashClose"));
  EXPECT_EQ(IsRunning(), "no");
  EXPECT_TRUE(Has("EventSet"));  // the splash made the event; the normal end sets it
}

TEST_F(StarterAppTest, CancelledWelcomeOpensNothingAndClearsIsRunning) {
  Config(
      "RunOneAtATime=1\r\nWelcomeEnabled=1\r\nWelcomeTitle=Hi\r\nWelcomeURL=http://x\r\n"
      "WelcomeUseImage=1\r\nWelcomeImage=pics\\\\logo.gif\r\n"
      "WelcomeImageLocation=Left of text\r\nWelcomeUseText=1\r\nWelcomeMessage=a<br>b\r\n");
  fs.currentDirectory = "E:\\cd\\";
  fs.Put("autorun.inf", fs.files["E:\\autorun.inf"]);
  ui.welcomeAccepted = false;
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Welcome(Hi)->Cancel"));
  EXPECT_EQ(IsRunning(), "no");
  EXPECT_EQ(ui.lastWelcome.link, "http://x");
  EXPECT_EQ(ui.lastWelcome.picturePath, "E:\\cd\\pics\\logo.gif");
  EXPECT_EQ(ui.lastWelcome.pictureLocation, "Left of text");
  EXPECT_TRUE(ui.lastWelcome.useText);
  EXPECT_EQ(ui.lastWelcome.message, "a<br>b");
}

struct LicenceCase {
  const char* showAlways;  // nullptr: key absent
  bool shownAgain;
};

class LicenceOnceTest : public StarterAppTest, public ::testing::WithParamInterface<LicenceCase> {};

TEST_P(LicenceOnceTest, SecondRunShowsTheAgreementOnlyWhenAlways) {
  Config(std::string("QUAVLicenseFile=licence.txt\r\n") +
         (GetParam().showAlways
              ? std::string("QUAVLicenseFileShowAlways=") + GetParam().showAlways + "\r\n"
              : std::string()));
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Licence(licence.txt)->Yes", "ShellOpen(E:\\doc.pdf|E:\\)"));
  EXPECT_EQ(Value(kHkcu, kBase + "\\doc.pdf", "ShownBefore"), "yes");
  Run();
  if (GetParam().shownAgain) {
    EXPECT_THAT(Seen(), ElementsAre("Licence(licence.txt)->Yes", "ShellOpen(E:\\doc.pdf|E:\\)"));
  } else {
    EXPECT_THAT(Seen(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)"));
  }
}

INSTANTIATE_TEST_SUITE_P(ShowAlways, LicenceOnceTest,
                         ::testing::Values(LicenceCase{nullptr, false}, LicenceCase{"No", false},
                                           LicenceCase{"NO", false}, LicenceCase{"", false},
                                           LicenceCase{"Yes", true}, LicenceCase{"1", true}));

TEST_F(StarterAppTest, AnotherFileToOpenIsAnotherKeySoTheAgreementShowsAgain) {
  Config("QUAVLicenseFile=licence.txt\r\n");
  fs.Put("docs\\other.pdf", "pdf");
  Run("Vendisc.exe");
  Run("Vendisc.exe /x docs\\other.pdf");
  EXPECT_THAT(Seen(),
              ElementsAre("Licence(licence.txt)->Yes", "ShellOpen(E:\\docs\\other.pdf|E:\\)"));
  EXPECT_EQ(Value(kHkcu, kBase + "\\docsother.pdf", "ShownBefore"), "yes");
}

TEST_F(StarterAppTest, RefusedAgreementOpensNothingWritesNothing) {
  Config("QUAVLicenseFile=licence.txt\r\nRunOneAtATime=1\r\n");
  ui.licenceAccepted = false;
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Licence(licence.txt)->No"));
  EXPECT_EQ(IsRunning(), "no");
  EXPECT_EQ(Value(kHkcu, kBase + "\\doc.pdf", "ShownBefore"), "<none>");
}

TEST_F(StarterAppTest, ShownBeforeFallsBackToTheBaseKey) {
  Config("QUAVLicenseFile=licence.txt\r\n");
  registry.FailCreate(kHkcu, kBase + "\\Cdocsa.pdf");
  Run("Vendisc.exe \"C:/docs;a.pdf\"");
  EXPECT_EQ(Value(kHkcu, kBase, "ShownBefore"), "yes");
}

TEST_F(StarterAppTest, ProgramListTriedInOrderThenReportedWithOr) {
  Config("QUAVForceExecuteWith=a.exe, b.exe\r\n");
  shell.failOnce = {{"a.exe", 2}, {"b.exe", 2}};
  Run();
  std::string message =
      ShellOpener::MessageFor(2, "b.exe", "\"E:\\doc.pdf\"", OpenerWording::kStarter);
  EXPECT_THAT(Seen(), ElementsAre("ShellOpenEx(a.exe|\"E:\\doc.pdf\")",
                                  "ShellOpenEx(b.exe|\"E:\\doc.pdf\")",
                                  "Error(" + message + "|a.exe -OR-  b.exe E:\\doc.pdf|2 (0x02))"));
}

TEST_F(StarterAppTest, ProgramListStopsAtTheFirstSuccess) {
  Config("QUAVForceExecuteWith=a.exe,b.exe\r\n");
  shell.failOnce = {{"a.exe", 2}};
  Run();
  EXPECT_THAT(Seen(), ElementsAre("ShellOpenEx(a.exe|\"E:\\doc.pdf\")",
                                  "ShellOpenEx(b.exe|\"E:\\doc.pdf\")"));
}

TEST(SplitProgramList, KeepsEmptyInnerPartsDropsAnEmptyLast) {
  EXPECT_THAT(SplitProgramList(" a.exe , b.exe "), ElementsAre("a.exe", "b.exe"));
  EXPECT_THAT(SplitProgramList("a.exe,,b.exe"), ElementsAre("a.exe", "", "b.exe"));
  EXPECT_THAT(SplitProgramList("a.exe, "), ElementsAre("a.exe"));
  EXPECT_THAT(SplitProgramList(",a.exe"), ElementsAre("", "a.exe"));
  EXPECT_THAT(SplitProgramList(""), ElementsAre());
}

TEST_F(StarterAppTest, UrlIsNeverJoinedAndGetsNoProgramList) {
  Config("QUAVForceExecuteWith=a.exe\r\n");
  shell.failOnce = {{"HTTP://host/page", 5}};
  Run("Vendisc.exe HTTP://host/page");
  std::string message =
      ShellOpener::MessageFor(5, "HTTP://host/page", "\"\"", OpenerWording::kStarter);
  EXPECT_THAT(Seen(), ElementsAre("ShellOpen(HTTP://host/page|E:\\)",
                                  "Error(" + message + "|HTTP://host/page|5 (0x05))"));
}

TEST_F(StarterAppTest, MissingAutorunInfIsReportedWithCodeMinusTwo) {
  fs.currentDirectory = "E:\\";
  Run("Vendisc.exe");
  EXPECT_THAT(Seen(), ElementsAre("Error(The file 'autorun.inf' could not be located - looking "
                                  "for\r\nE:\\autorun.inf.\r\nSee release documentation for "
                                  "help, or contact QUAV for support.||-2 (0xFFFFFFFE))"));
  EXPECT_EQ(IsRunning(), "no");
}

TEST_F(StarterAppTest, EmptyOpenWithAutorunInfDoesNothing) {
  fs.Put("autorun.inf", "[autorun]\r\nOPEN=\r\nRunOneAtATime=1\r\n");
  Run();
  EXPECT_THAT(Seen(), ElementsAre());
  EXPECT_EQ(IsRunning(), "no");
}

TEST_F(StarterAppTest, CommandLineFileOverridesOpen) {
  Config("");
  Run("\"E:\\Vendisc.exe\" -s \"other.pdf\"");
  EXPECT_THAT(Seen(), ElementsAre("ShellOpen(E:\\other.pdf|E:\\)"));
}

TEST_F(StarterAppTest, MissingFileShowsTheStandardDialogWithTheJoinedPath) {
  Config("");
  fs.currentDirectory = "E:\\cd";
  Run("Vendisc.exe sub\\\\gone.pdf");
  std::string message =
      ShellOpener::MessageFor(2, "E:\\cd\\sub\\gone.pdf", "\"\"", OpenerWording::kStarter);
  EXPECT_THAT(Seen(), ElementsAre("Error(" + message + "|E:\\cd\\sub\\gone.pdf|2 (0x02))"));
}

TEST_F(StarterAppTest, AuthorErrorDialogGetsTheAuthorTexts) {
  Config(
      "UserDefinedErrors=1\r\nErrorContactURL=http://help\r\nErrorContactURLTitle=\r\n"
      "ErrorText=Oops<br>call us\r\n");
  shell.failOnce = {{"E:\\doc.pdf", 31}};
  Run();
  std::string message = ShellOpener::MessageFor(31, "E:\\doc.pdf", "\"\"", OpenerWording::kStarter);
  EXPECT_THAT(Seen(),
              ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)",
                          "AuthorError(http://help|http://help|Oops\r\ncall us|31 (0x1F)\n" +
                              message + ")"));
}

TEST_F(StarterAppTest, NoViewerRunsTheInstallerAndOpensAgain) {
  Config("InstallerFileOpenOptions=NoViewer\r\nInstallerFile=setup.exe\r\n");
  fs.Put("setup.exe", "exe");
  shell.failOnce = {{"E:\\doc.pdf", 31}};
  Run();
  EXPECT_THAT(Seen(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)", "StartProcess(E:\\setup.exe|E:\\)",
                                  "ShellOpen(E:\\doc.pdf|E:\\)"));
}

TEST_F(StarterAppTest, NoViewerWithAFailedInstallerAnsweredNoShowsTheFirstError) {
  Config("InstallerFileOpenOptions=noviewer\r\nInstallerFile3=setup.exe\r\n");
  fs.Put("setup.exe", "exe");
  shell.failOnce = {{"E:\\doc.pdf", 31}, {"E:\\setup.exe", 5}};
  ui.answers = {Answer::kNo};
  Run();
  std::string installerMessage =
      ShellOpener::MessageFor(5, "E:\\setup.exe", "\"\"", OpenerWording::kStarter);
  std::string message = ShellOpener::MessageFor(31, "E:\\doc.pdf", "\"\"", OpenerWording::kStarter);
  EXPECT_THAT(Seen(),
              ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)", "StartProcess(E:\\setup.exe|E:\\)",
                          "Question(Sorry, but the system failed to install your viewer - error "
                          "was:\n\n'" +
                              installerMessage + "'\n\nWould you like to continue?)[Yes]->No",
                          "Error(" + message + "|E:\\doc.pdf|31 (0x1F))"));
}

TEST_F(StarterAppTest, PromptedInstallersAtStartUpAndAbort) {
  Config(
      "InstallerFileOpenOptions=Prompt\r\nInstallerFile=one.exe\r\n"
      "InstallerUserQuery=Install one?\r\nInstallerFile2=two.exe\r\nRunOneAtATime=1\r\n");
  fs.Put("two.exe", "exe");  // one.exe is skipped by the answer; two.exe fails to start
  shell.failOnce = {{"E:\\two.exe", 5}};
  ui.answers = {Answer::kNo, Answer::kNo};
  Run();
  ASSERT_EQ(Seen().size(), 3u);
  EXPECT_EQ(Seen()[0], "Question(Install one?)[Yes]->No");
  EXPECT_EQ(Seen()[1], "StartProcess(E:\\two.exe|E:\\)");
  EXPECT_EQ(Seen()[2],
            "Question(Sorry, but the system failed to install your viewer - error was:\n\n'" +
                ShellOpener::MessageFor(5, "E:\\two.exe", "\"\"", OpenerWording::kStarter) +
                "'\n\nWould you like to continue?)[Yes]->No");
  EXPECT_EQ(IsRunning(), "no");
}

TEST_F(StarterAppTest, SplashPerFileLingersAndHidesAfterTheOpen) {
  Config("ShowSplashScreen=1\r\nSplashScreenWhenToShow=FileLoad\r\n");
  ui.splashShowFor = 0;
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Splash(doc.pdf)", "ShellOpen(E:\\doc.pdf|E:\\)", "SplashHide",
                                  "SplashClose"));
}

TEST_F(StarterAppTest, StartupSplashWithShowForTimeStaysAndIsNotShownAgain) {
  Config("ShowSplashScreen=1\r\nSplashScreenWhenToShow=startup\r\n");
  ui.splashShowFor = 7;
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Splash()", "SplashUpdate(doc.pdf)",
                                  "ShellOpen(E:\\doc.pdf|E:\\)", "SplashClose"));
}

TEST_F(StarterAppTest, IsRunningKeyWithoutRightsNeverStopsAStart) {
  Config("RunOneAtATime=1\r\n");
  registry.denyMachine = true;
  Run();
  EXPECT_THAT(Seen(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)"));
}

TEST_F(StarterAppTest, OpenAllFilesInOrderOnlyTheLastLingers) {
  Config(
      "SingleFile=0\r\nOpenAllFiles=1\r\nMultiSourceFileCount=3\r\n"
      "MultiSourceFile1=doc.pdf\r\nMultiSourceForceOpen1=v.exe\r\n"
      "MultiSourceFile2=http://site\r\nMultiSourceFile3=\r\n");
  Run();
  EXPECT_THAT(Seen(), ElementsAre("ShellOpenEx(v.exe|\"E:\\doc.pdf\")",
                                  "ShellOpen(http://site|E:\\)", "ShellOpen(E:\\|E:\\)"));
}

// Without a splash shown per file nothing needs reading: only the last of
// "open all" lingers, and a pick from the list does not linger at all.
TEST_F(StarterAppTest, WithoutASplashOnlyTheLastOfOpenAllLingers) {
  const std::string entries =
      "SingleFile=0\r\nMultiSourceFileCount=3\r\nQUAVAutorunTimeout=3\r\n"
      "MultiSourceFile1=doc.pdf\r\nMultiSourceFile2=other.pdf\r\nMultiSourceFile3=doc.pdf\r\n";
  Config(entries + "OpenAllFiles=1\r\n");
  int64_t start = shell.nowMs;
  Run();
  EXPECT_EQ(shell.ElapsedSince(start), 3000);  // one linger of 3 s
  EXPECT_EQ(shell.Count("Sleep(100)"), 30);    // slept in slices, not spun

  start = shell.nowMs;
  Config(entries + "MultiSelectAllowReselect=1\r\n");
  ui.picks = {0, 1};
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Select(|3)", "ShellOpen(E:\\doc.pdf|E:\\)",
                                  "ShellOpen(E:\\other.pdf|E:\\)"));
  EXPECT_EQ(shell.ElapsedSince(start), 0);
}

TEST_F(StarterAppTest, PickedEntriesOpenThroughTheSelectionList) {
  Config(
      "SingleFile=0\r\nMultiSourceFileCount=2\r\nMultiSourceFile1=doc.pdf\r\n"
      "MultiSourceFileName1=Doc\r\nMultiSourceFile2=other.pdf\r\nMultiSelectTitle=Pick\r\n");
  ui.picks = {-1, 1, 0};
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Select(Pick|2)", "Message(Sorry, but no file was selected.)",
                                  "SelectDisabled", "ShellOpen(E:\\other.pdf|E:\\)"));
  EXPECT_EQ(ui.lastSelection.names[0], "Doc");
}

TEST(SeveralFilesCountTest, NegativeIsNoneAndTheCapHolds) {
  const std::pair<int32_t, int32_t> rows[] = {
      {-5, 0}, {INT32_MIN, 0}, {0, 0}, {3, 3}, {1000, 1000}, {1001, 1000}, {INT32_MAX, 1000}};
  for (const auto& [configured, used] : rows) {
    EXPECT_EQ(SeveralFilesCount(configured), used) << configured;
  }
}

// A CD may claim any count; both modes stop at the cap (or take none), and
// "open all" opens no entry past the last one written.
struct HugeCountCase {
  const char* lines;
  size_t openings;
  const char* selection;  // "" in "open all" mode
};

class SeveralFilesCountCapTest : public StarterAppTest,
                                 public ::testing::WithParamInterface<HugeCountCase> {};

TEST_P(SeveralFilesCountCapTest, TakesAtMostTheCap) {
  Config(std::string("SingleFile=0\r\nMultiSourceFile1=doc.pdf\r\n") + GetParam().lines);
  Run();
  const std::vector<std::string> seen = Seen();
  size_t openings = std::count_if(
      seen.begin(), seen.end(), [](const std::string& s) { return s.rfind("ShellOpen(", 0) == 0; });
  EXPECT_EQ(openings, GetParam().openings);
  if (*GetParam().selection) {
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), GetParam().selection);
    EXPECT_EQ(ui.lastSelection.names.size(), ui.lastSelection.targets.size());
    EXPECT_EQ(ui.lastSelection.programLists.size(), ui.lastSelection.targets.size());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SeveralFilesCountCapTest,
    ::testing::Values(HugeCountCase{"OpenAllFiles=1\r\nMultiSourceFileCount=2147483647\r\n", 1, ""},
                      HugeCountCase{"OpenAllFiles=1\r\nMultiSourceFileCount=-5\r\n", 0, ""},
                      HugeCountCase{"MultiSourceFileCount=2147483647\r\n", 0, "Select(|1000)"},
                      HugeCountCase{"MultiSourceFileCount=-5\r\n", 0, "Select(|0)"}));

TEST_F(StarterAppTest, PickedEntryUsesItsOwnProgramListOrTheCdsOne) {
  Config(
      "SingleFile=0\r\nMultiSelectAllowReselect=1\r\nQUAVForceExecuteWith=all.exe\r\n"
      "MultiSourceFileCount=2\r\nMultiSourceFile1=doc.pdf\r\nMultiSourceFile2=other.pdf\r\n"
      "MultiSourceForceOpen2=own.exe\r\n");
  ui.picks = {1, 0};
  Run();
  // With reselection nothing is disabled and both picks open.
  EXPECT_THAT(Seen(), ElementsAre("Select(|2)", "ShellOpenEx(own.exe|\"E:\\other.pdf\")",
                                  "ShellOpenEx(all.exe|\"E:\\doc.pdf\")"));
}

TEST_F(StarterAppTest, PickingASpacerOpensNothingAndEndsTheList) {
  Config(
      "SingleFile=0\r\nMultiSourceFileCount=2\r\nMultiSourceFile1=\r\n"
      "MultiSourceFileName1=----\r\nMultiSourceFile2=doc.pdf\r\n");
  ui.picks = {0, 1};
  Run();
  EXPECT_THAT(Seen(), ElementsAre("Select(|2)"));
}

struct SplitCase {
  const char* line;
  std::vector<std::string> args;
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, FollowsTheWindowsRules) {
  EXPECT_THAT(SplitCommandLine(GetParam().line), ElementsAreArray(GetParam().args));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SplitCommandLineTest,
    ::testing::Values(
        SplitCase{"prog.exe", {"prog.exe"}},
        SplitCase{"\"C:\\My Apps\\v.exe\" a  b", {"C:\\My Apps\\v.exe", "a", "b"}},
        SplitCase{"C:\\a\\\"b c\" d", {"C:\\a\\\"b", "c d"}},  // program: no escapes
        SplitCase{"p \"a b\"\tc", {"p", "a b", "c"}},
        SplitCase{"p a\\\\b", {"p", "a\\\\b"}},          // backslashes alone are literal
        SplitCase{"p a\\\"b", {"p", "a\"b"}},            // odd count: literal quote
        SplitCase{"p \"a\\\\\" b", {"p", "a\\", "b"}},   // even count: halved, quote ends
        SplitCase{"p \"a\\\\\\\"b\"", {"p", "a\\\"b"}},  // three: one backslash and a quote
        SplitCase{"p \"a\"\"\"b\"", {"p", "a\"b"}},      // third quote in a row is literal
        SplitCase{"p \"\" x", {"p", "", "x"}},
        SplitCase{"p \"unterminated arg", {"p", "unterminated arg"}}));

TEST(FileFromCommandLine, FirstArgumentThatIsNotAnOption) {
  EXPECT_EQ(FileFromCommandLine("v.exe /s -x \"my doc.pdf\" b.pdf"), "my doc.pdf");
  EXPECT_EQ(FileFromCommandLine("v.exe \"\" a.pdf"), "a.pdf");
  EXPECT_EQ(FileFromCommandLine("v.exe \"\\\"\\\"\" \"\"\" a.pdf"), "a.pdf");  // only quotes
  EXPECT_EQ(FileFromCommandLine("v.exe -x /y"), "");
  EXPECT_EQ(FileFromCommandLine("\"C:\\cd dir\\v.exe\""), "");
}

}  // namespace

// A count far beyond the list (capped at 1000) must not open the CD root once
// for every entry that is not there; a written spacer still opens it.
TEST_F(StarterAppTest, OpenAllStopsAtTheLastWrittenEntry) {
  Config(
      "SingleFile=0\r\nOpenAllFiles=1\r\nMultiSourceFileCount=2147483647\r\n"
      "MultiSourceFile1=doc.pdf\r\nMultiSourceFile2=\r\nMultiSourceFile3=other.pdf\r\n"
      "MultiSourceFile4=\r\n");
  Run();
  EXPECT_THAT(Seen(), ElementsAre("ShellOpen(E:\\doc.pdf|E:\\)", "ShellOpen(E:\\|E:\\)",
                                  "ShellOpen(E:\\other.pdf|E:\\)", "ShellOpen(E:\\|E:\\)"));
}
