// The main window's decisions: title, the refresh from LastINFFile, the
// welcome page's choice, new configuration, the introduction page's check.
#include "wizard/main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
using namespace main_window;

struct Wizard {
  FakeRegistryBackend backend;
  WizardSettings s{backend};
  FakeFileSystem fs;
  FakeWizardQuestions questions;
};

const std::string kInf = "E:\\cd\\autorun.inf";
const std::string kNoOpen = std::string("show: ") + wizard_texts::kNoOpenSection;

TEST(MainWindow, TitleVersionAndInstallation) {
  EXPECT_EQ(WindowTitle(""), "ZoruZaz AZ");
  EXPECT_EQ(WindowTitle(kInf), "ZoruZaz AZ - E:\\cd\\autorun.inf");
  EXPECT_EQ(VersionText(), "Version 4.07");
  Wizard w;
  EXPECT_FALSE(KitInstalled(w.s));
  w.s.SetText(ws::kInstallPath, "C:\\Kit");
  EXPECT_TRUE(KitInstalled(w.s));
  EXPECT_EQ(InitialOpenFile(kInf), kInf);
  EXPECT_EQ(InitialOpenFile("E:\\cd\\"), "");
  EXPECT_EQ(InitialOpenFile(""), "");
}

TEST(MainWindow, RefreshReadsTheOpenLineAndWritesTheLastFileBack) {
  struct Row {
    const char* what;
    const char* file;  // contents of autorun.inf; null: no file
    const char* fileToOpen;
    std::vector<std::string> told;
  };
  const std::string gone = "show: " + wizard_texts::UnableToLoad(kInf);
  const std::vector<Row> rows = {
      {"quoted name with blanks",
       "[autorun]\r\nopen = Vendisc.exe  \"My File.pdf\" \r\n",
       "My File.pdf",
       {}},
      // Without a blank the value is kept whole, and nothing is told.
      {"starter alone", "[autorun]\r\nopen=Vendisc.exe\r\n", "Vendisc.exe", {}},
      {"no open key", "[autorun]\r\nicon=a.ico\r\n", "", {kNoOpen}},
      {"blank open value", "[autorun]\r\nOPEN=   \r\n", "", {kNoOpen}},
      {"other section only", "[other]\r\nopen=x.exe y\r\n", "", {kNoOpen}},
      {"file gone", nullptr, "", {gone}},
  };
  for (const Row& row : rows) {
    Wizard w;
    if (row.file) w.fs.files[kInf] = row.file;
    w.s.SetText(ws::kLastINFFile, "old");
    const Display d = RefreshFromLastConfig(kInf, w.fs, w.s, w.questions);
    EXPECT_EQ(d.shownPath, kInf) << row.what;
    EXPECT_EQ(d.fileToOpen, row.fileToOpen) << row.what;
    EXPECT_EQ(w.questions.asked, row.told) << row.what;
    EXPECT_EQ(w.s.Text(ws::kLastINFFile), kInf) << row.what;
  }
  // An empty path shows nothing and still clears LastINFFile.
  Wizard w;
  w.s.SetText(ws::kLastINFFile, kInf);
  const Display d = RefreshFromLastConfig("", w.fs, w.s, w.questions);
  EXPECT_EQ(d.shownPath, "");
  EXPECT_TRUE(w.questions.asked.empty());
  EXPECT_EQ(w.s.Text(ws::kLastINFFile), "");
}

TEST(MainWindow, WelcomeOffersThePreviousConfigurationOnlyWhenItExists) {
  Wizard w;
  w.fs.files[kInf] = "[autorun]\r\n";
  const WelcomeChoice found = WelcomeChoiceFor(kInf, w.fs);
  EXPECT_TRUE(found.openEnabled);
  EXPECT_TRUE(found.chooseOpen);
  EXPECT_EQ(found.openText, "Open 'E:\\cd\\autorun.inf'");
  for (const std::string& last : {std::string(), std::string("E:\\gone\\autorun.inf")}) {
    const WelcomeChoice none = WelcomeChoiceFor(last, w.fs);
    EXPECT_FALSE(none.openEnabled) << last;
    EXPECT_FALSE(none.chooseOpen) << last;
    EXPECT_EQ(none.openText, "") << last;
  }
}

TEST(MainWindow, NewConfigurationAsksFirstAndKeepsTheWizardsOwnValues) {
  Wizard w;
  w.s.SetText(keys::kWelcomeTitle, "Hello");
  w.s.SetFlag(ws::kDoNotWarnOverwrites, true);
  w.questions.answers = {false, true};
  EXPECT_FALSE(StartNewConfiguration(w.s, w.questions));
  EXPECT_EQ(w.s.Text(keys::kWelcomeTitle), "Hello");
  EXPECT_TRUE(StartNewConfiguration(w.s, w.questions));
  EXPECT_EQ(w.s.Text(keys::kWelcomeTitle), "");
  EXPECT_TRUE(w.s.Flag(ws::kDoNotWarnOverwrites));
  const std::string question = std::string("ask: ") + wizard_texts::kNewConfigurationQuestion;
  EXPECT_EQ(w.questions.asked, (std::vector<std::string>{question, question}));
}

TEST(MainWindow, IntroductionChecksTheRegistryAndStartsANewTestRound) {
  Wizard w;
  w.s.SetFlag(ws::kTestedConfig, true);
  ASSERT_TRUE(PrepareIntroduction(w.s));
  EXPECT_EQ(w.s.Text(ws::kRegTest), "RegTest");
  EXPECT_FALSE(w.s.Flag(ws::kTestedConfig));
  EXPECT_EQ(w.s.Text(ws::kAutoRunExeName), "Vendisc.exe");
  EXPECT_TRUE(OfferTestAfterWizard(true, w.s));
  EXPECT_FALSE(OfferTestAfterWizard(false, w.s));
  w.s.SetText(ws::kAutoRunExeName, "Start.exe");
  w.s.SetFlag(ws::kTestedConfig, true);
  EXPECT_FALSE(OfferTestAfterWizard(true, w.s));
  ASSERT_TRUE(PrepareIntroduction(w.s));
  EXPECT_EQ(w.s.Text(ws::kAutoRunExeName), "Start.exe");

  // A user who may not write: nothing is reset, and the caller is told.
  Wizard limited;
  limited.s.SetFlag(ws::kTestedConfig, true);
  limited.backend.denyWrites = true;
  EXPECT_FALSE(PrepareIntroduction(limited.s));
  EXPECT_TRUE(limited.s.Flag(ws::kTestedConfig));
  // ...even when an earlier run, allowed to write, left its test value behind.
  limited.backend.denyWrites = false;
  ASSERT_TRUE(limited.s.SetText(ws::kRegTest, "RegTest"));
  limited.backend.denyWrites = true;
  EXPECT_FALSE(PrepareIntroduction(limited.s));
  EXPECT_TRUE(limited.s.Flag(ws::kTestedConfig));
}

}  // namespace
