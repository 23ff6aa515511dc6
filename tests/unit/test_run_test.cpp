// Checking a chosen file and the test run: the length warning, the
// agreement flag reset, the caching question, and the starter started from
// the source folder with five seconds of message handling after it.
#include "wizard/test_run.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "common/agreement_key.h"
#include "common/shell_opener.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "fake_file_system.h"
#include "fake_opener_ui.h"
#include "fake_registry_backend.h"
#include "fake_shell_port.h"
#include "fake_starter_ui.h"
#include "fake_wizard_questions.h"
#include "starter/starter_app.h"
#include "wizard/cd_files.h"
#include "wizard/cd_files_texts.h"
#include "wizard/file_copier.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace texts = cd_files_texts;

class ScriptedLengthWarning : public LengthWarningUi {
 public:
  LengthWarningAnswer answer;
  int shown = 0;
  LengthWarningAnswer ShowLengthWarning() override {
    ++shown;
    return answer;
  }
};

class NoCopier : public FileCopier {
 public:
  uint32_t CopyReplacing(const std::string&, const std::string&) override { return 5; }
};
class NoCdFilesUi : public CdFilesUi {
 public:
  void ShowProblem(const std::string&) override {}
  uint32_t LastError() override { return 0; }
};

TEST(CheckFileNameLength, SixtyCharactersPassAndTheWarningDecides) {
  const std::string sixty = "E:\\" + std::string(53, 'a') + ".pdf";
  const std::string sixtyOne = "E:\\" + std::string(54, 'a') + ".pdf";
  ASSERT_EQ(sixty.size(), 60u);
  struct Row {
    std::string path;
    bool warningOn;
    LengthWarningAnswer answer;
    bool result;
    bool shown;
    bool warningOnAfter;
  };
  const std::vector<Row> rows = {
      {sixty, true, {}, true, false, true},
      {sixtyOne, false, {}, true, false, false},
      {sixtyOne, true, {true, false}, true, true, true},
      {sixtyOne, true, {true, true}, true, true, false},
      // Ticked but cancelled: the file is refused and the warning stays on.
      {sixtyOne, true, {false, true}, false, true, true},
      {sixtyOne, true, {false, false}, false, true, true},
  };
  for (const Row& row : rows) {
    FakeRegistryBackend backend;
    WizardSettings settings(backend);
    settings.SetFlag(ws::kFileNameTooLongShowWarning, row.warningOn);
    ScriptedLengthWarning ui;
    ui.answer = row.answer;
    EXPECT_EQ(CheckFileNameLength(settings, row.path, ui), row.result) << row.path.size();
    EXPECT_EQ(ui.shown, row.shown ? 1 : 0);
    EXPECT_EQ(settings.Flag(ws::kFileNameTooLongShowWarning), row.warningOnAfter);
  }
  // Never stored: the warning is on.
  FakeRegistryBackend backend;
  WizardSettings settings(backend);
  ScriptedLengthWarning ui;
  EXPECT_FALSE(CheckFileNameLength(settings, sixtyOne, ui));
}

TEST(CheckChosenFile, TheLengthWarningFirstThenTheFileWithoutContinuing) {
  struct Row {
    std::string path;
    bool cancelWarning;
    bool result;
    std::vector<std::string> told;
  };
  const std::string longMissing = "E:\\" + std::string(60, 'b') + ".bmp";
  const std::vector<Row> rows = {
      {"E:\\cd\\a.bmp", false, true, {}},
      {"", false, true, {}},
      {"E:\\cd\\gone.bmp",
       false,
       false,
       {"show: " + texts::RequiredFileMissing("Image", "E:\\cd\\gone.bmp")}},
      {longMissing, true, false, {}},
      {longMissing, false, false, {"show: " + texts::RequiredFileMissing("Image", longMissing)}},
  };
  for (const Row& row : rows) {
    FakeRegistryBackend backend;
    WizardSettings settings(backend);
    FakeFileSystem fs;
    fs.files["E:\\cd\\a.bmp"] = "bmp";
    NoCopier copier;
    FakeWizardQuestions questions;
    NoCdFilesUi cdUi;
    CdFiles cdFiles(settings, fs, copier, questions, cdUi);
    ScriptedLengthWarning ui;
    ui.answer.ok = !row.cancelWarning;
    EXPECT_EQ(CheckChosenFile(settings, cdFiles, ui, row.path, "Image"), row.result) << row.path;
    EXPECT_EQ(questions.asked, row.told) << row.path;
  }
}

// For one file, its name as the starter always kept it; otherwise the
// agreement's own name and contents.
TEST(AgreementKeyPath, OneFileByItsNameOtherwiseByTheAgreement) {
  FakeFileSystem fs;
  fs.files["E:\\cd\\licence.txt"] = "Terms";
  auto key = [&](const char* root, std::string file) {
    return AgreementKeyPath(fs, {root, std::move(file), "licence.txt"});
  };
  const std::string base = std::string(kRegistryBasePath) + "\\";
  EXPECT_EQ(key("E:\\cd", "E:\\d/e:f;My.pdf"), base + "EdefMy.pdf");
  EXPECT_EQ(key("E:\\cd", std::string("a.pdf\0x", 7)), base + "a.pdf");
  // No file (several), or nothing left of its name: the agreement's key.
  EXPECT_EQ(key("E:\\cd\\", ""), key("E:\\cd", "\\:;/"));
  EXPECT_TRUE(key("E:\\cd", "").starts_with(base + "<licence.txt>"));
}

// The window's part of the test run, in one log with the shell's calls.
class FakeTestRunUi : public TestRunUi {
 public:
  explicit FakeTestRunUi(std::vector<std::string>* log, FakeFileSystem& fs) : log_(log), fs_(fs) {}
  bool createResult = true;
  bool CreateCdFiles(bool ask) override {
    log_->push_back(ask ? "create(ask)" : "create(no questions)");
    return createResult;
  }
  bool SetCurrentDirectory(const std::string& folder) override {
    log_->push_back("cd " + folder);
    fs_.currentDirectory = folder;
    return true;
  }
  void EnableTestButton(bool enabled) override {
    log_->push_back(enabled ? "button on" : "button off");
  }
  void ShowTestResult(const std::string& errorText) override {
    log_->push_back("result: " + errorText);
  }

 private:
  std::vector<std::string>* log_;
  FakeFileSystem& fs_;
};

struct TestRun {
  TestRun() {
    settings.SetText(ws::kSourceFolder, "E:\\cd\\");
    settings.SetText(ws::kSourceFile, "E:\\cd\\doc.pdf");
    settings.SetFlag(ws::kWarnedAboutCaching, true);
    fs.files["E:\\cd\\Vendisc.exe"] = "MZ";
  }
  bool Run() {
    shell.calls.clear();
    return TestConfiguration(settings, fs, registry, questions, opener, ui);
  }
  // The log without the pumps and sleeps of the linger.
  std::vector<std::string> Actions() const {
    std::vector<std::string> actions;
    for (const std::string& entry : shell.calls) {
      if (entry != "Pump" && !entry.starts_with("Sleep")) actions.push_back(entry);
    }
    return actions;
  }

  FakeRegistryBackend registry;
  WizardSettings settings{registry};
  FakeFileSystem fs;
  FakeShellPort shell;
  FakeOpenerUi openerUi{&shell.calls};
  ShellOpener opener{shell, openerUi, fs, OpenerWording::kWizard};
  FakeWizardQuestions questions;
  FakeTestRunUi ui{&shell.calls, fs};
};

TEST(TestConfiguration, StartsTheStarterFromTheSourceFolderAndLingers) {
  TestRun t;
  const int64_t start = t.shell.nowMs;
  EXPECT_TRUE(t.Run());
  EXPECT_EQ(t.Actions(), (std::vector<std::string>{"create(ask)", "cd E:\\cd\\", "button off",
                                                   "StartProcess(E:\\cd\\Vendisc.exe|E:\\cd\\)",
                                                   "Close(process)", "button on"}));
  // Five seconds of handling window messages after the start, in slices.
  EXPECT_GE(t.shell.ElapsedSince(start), 4000);
  EXPECT_LE(t.shell.ElapsedSince(start), 5100);
  int pumps = 0;
  for (const std::string& entry : t.shell.calls) pumps += entry == "Pump";
  EXPECT_GE(pumps, 40);
  EXPECT_TRUE(t.settings.Flag(ws::kTestedConfig));
  EXPECT_TRUE(t.questions.asked.empty());
}

TEST(TestConfiguration, StopsOrReportsWithoutStarting) {
  struct Row {
    const char* what;
    bool doNotWarn;
    bool created;
    bool starterThere;
    std::vector<std::string> actions;
    bool tested;
  };
  const std::string missing = "result: " + texts::StarterMissing("E:\\cd\\Go.exe");
  const std::vector<Row> rows = {
      {"creation refused", false, false, true, {"create(ask)"}, false},
      {"creation refused, no questions", true, false, true, {"create(no questions)"}, false},
      {"starter not there", true, true, false, {"create(no questions)", missing}, false},
  };
  for (const Row& row : rows) {
    TestRun t;
    t.settings.SetFlag(ws::kDoNotWarnOverwrites, row.doNotWarn);
    t.settings.SetFlag(ws::kAutoRunExeNameEnabled, true);
    t.settings.SetText(ws::kAutoRunExeName, "Go.exe");
    if (row.starterThere) t.fs.files["E:\\cd\\Go.exe"] = "MZ";
    t.ui.createResult = row.created;
    EXPECT_FALSE(t.Run()) << row.what;
    EXPECT_EQ(t.Actions(), row.actions) << row.what;
    EXPECT_EQ(t.settings.Flag(ws::kTestedConfig), row.tested) << row.what;
  }
}

TEST(TestConfiguration, AFailedStartIsReportedWithTheOpenersCodeAndMessage) {
  TestRun t;
  t.shell.startOk = false;
  t.shell.startError = 5;
  EXPECT_FALSE(t.Run());
  const std::string message = t.opener.Message();
  EXPECT_FALSE(message.empty());
  const std::string result =
      "result: " + text::Format(texts::kAutoplayFailedFormat, 5, message.c_str());
  EXPECT_EQ(t.Actions(), (std::vector<std::string>{"create(ask)", "cd E:\\cd\\", "button off",
                                                   "StartProcess(E:\\cd\\Vendisc.exe|E:\\cd\\)",
                                                   result, "button on"}));
  EXPECT_TRUE(
      result.starts_with("result: Failed to Autoplay the CD, for the following reason:"
                         "\n\nError Code: 5\nError Message: "));
  EXPECT_TRUE(t.settings.Flag(ws::kTestedConfig));
}

TEST(TestConfiguration, AgreementResetAndCachingQuestions) {
  const std::string reset = std::string("ask: ") + texts::kResetAgreementQuestion;
  const std::string caching = std::string("ask: ") + texts::kCachingQuestion;
  const std::string key = "SOFTWARE\\QUAV\\ZoruzazAZ\\doc.pdf";
  struct Row {
    const char* what;
    bool licence;
    const char* showEveryTime;
    bool warnedAboutCaching;
    std::deque<bool> answers;
    std::vector<std::string> asked;
    const char* shownBefore;  // null: not written
    bool warnedAfter;
  };
  const std::vector<Row> rows = {
      {"first time only, Yes", true, "No", true, {true}, {reset}, "no", true},
      {"first time only, No", true, "no", true, {false}, {reset}, nullptr, true},
      {"every time: no offer", true, "yes", true, {}, {}, nullptr, true},
      {"no agreement: no offer", false, "no", true, {}, {}, nullptr, true},
      {"caching: warn again", false, "", false, {true}, {caching}, nullptr, false},
      {"caching: do not warn again", false, "", false, {false}, {caching}, nullptr, true},
      {"both, in order", true, "NO", false, {true, true}, {reset, caching}, "no", false},
  };
  for (const Row& row : rows) {
    TestRun t;
    t.registry.PutText(RegistryRoot::kCurrentUser, key, "ShownBefore", "yes");
    t.settings.SetFlag(keys::kLicenseAgreementEnabled, row.licence);
    t.settings.SetText(ws::kLicenseAgreementFileShowEveryTime, row.showEveryTime);
    t.settings.SetFlag(ws::kWarnedAboutCaching, row.warnedAboutCaching);
    t.questions.answers = row.answers;
    EXPECT_TRUE(t.Run()) << row.what;
    EXPECT_EQ(t.questions.asked, row.asked) << row.what;
    EXPECT_EQ(t.registry.Text(RegistryRoot::kCurrentUser, key, "ShownBefore"),
              row.shownBefore ? row.shownBefore : "yes")
        << row.what;
    EXPECT_EQ(t.settings.Flag(ws::kWarnedAboutCaching), row.warnedAfter) << row.what;
  }
  // The flag of another file to open is left alone.
  TestRun t;
  const std::string other = "SOFTWARE\\QUAV\\ZoruzazAZ\\other.pdf";
  t.registry.PutText(RegistryRoot::kCurrentUser, other, "ShownBefore", "yes");
  t.settings.SetFlag(keys::kLicenseAgreementEnabled, true);
  t.settings.SetText(ws::kLicenseAgreementFileShowEveryTime, "no");
  t.Run();
  EXPECT_EQ(t.registry.Text(RegistryRoot::kCurrentUser, other, "ShownBefore"), "yes");
  EXPECT_EQ(t.registry.Text(RegistryRoot::kCurrentUser, key, "ShownBefore"), "no");
}

// A several-files CD (OPEN=Vendisc.exe ""): what the starter keeps, however
// it is started, is what the test run clears.
TEST(TestConfiguration, ResetShowsASeveralFilesCdItsAgreementAgain) {
  TestRun t;
  t.settings.SetFlag(keys::kSingleFile, false);
  t.settings.SetText(ws::kSourceFile, "");
  t.settings.SetFlag(keys::kLicenseAgreementEnabled, true);
  t.settings.SetText(ws::kLicenseAgreementFile, "licence.txt");
  t.settings.SetText(ws::kLicenseAgreementFileShowEveryTime, "No");
  t.fs.files["E:\\cd\\autorun.inf"] = BuildAutorunText(t.settings);
  t.fs.files["E:\\cd\\licence.txt"] = "Terms";
  auto shown = [&t](const char* commandLine) {
    FakeStarterUi ui;
    t.fs.currentDirectory = "E:\\cd";
    StarterApp(t.fs, t.shell, t.registry, ui).Run(commandLine);
    return !ui.Seen().empty() && ui.Seen()[0] == "Licence(licence.txt)->Yes";
  };
  EXPECT_TRUE(shown("E:\\cd\\Vendisc.exe \"\""));
  EXPECT_FALSE(shown("E:\\cd\\Vendisc.exe"));
  t.fs.files["E:\\cd\\licence.txt"] = "Other terms";  // another CD
  EXPECT_TRUE(shown("E:\\cd\\Vendisc.exe \"\""));
  t.questions.answers = {true};
  t.Run();
  EXPECT_TRUE(shown("E:\\cd\\Vendisc.exe"));
}

}  // namespace
