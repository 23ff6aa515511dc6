// The additional-options page: its table as data, the "Used" column, and
// what leaving the page does with and without a test in progress.
#include "wizard/pages/options_page_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "wizard/help_topics.h"
#include "wizard/pages/options_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
using namespace options_page;

struct Wizard {
  FakeRegistryBackend backend;
  WizardSettings s{backend};
  FakeWizardQuestions questions;
};

TEST(OptionsPage, RowsInOrderWithTheirSettingAndTopic) {
  struct Expected {
    const char* name;
    const char* usedFrom;
    const char* topic;
    OptionDialog dialog;
  };
  const Expected expected[] = {
      {"Splash Screen", "ShowSplashScreen", "splash_screen", OptionDialog::kSplash},
      {"Welcome Screen", "WelcomeEnabled", "welcome_message", OptionDialog::kWelcome},
      {"License Agreement", "LicenseAgreementEnabled", "license_agreement", OptionDialog::kLicense},
      {"Screen Background", "ShowBackgroundWindow", "overlay_background",
       OptionDialog::kBackground},
      {"Install Viewer(s)", "SpecifyFileOpenOptions", "autorun_installers",
       OptionDialog::kInstallers},
      {"Force Open With", "ForceExecuteOption", "force_open_with", OptionDialog::kForceOpen},
      {"Error Message", "UserDefinedErrors", "error_message", OptionDialog::kErrorMessage},
      {"Change file name", "AutoRunExeNameEnabled", "quav_autorun_exe", OptionDialog::kStarterName},
  };
  ASSERT_EQ(Rows().size(), std::size(expected));
  const std::set<std::string> topics(help_topics::All().begin(), help_topics::All().end());
  for (size_t i = 0; i < Rows().size(); ++i) {
    const OptionRow& row = Rows()[i];
    EXPECT_STREQ(row.name, expected[i].name);
    EXPECT_STREQ(row.usedFrom, expected[i].usedFrom) << row.name;
    EXPECT_STREQ(row.helpTopic, expected[i].topic) << row.name;
    EXPECT_EQ(row.dialog, expected[i].dialog) << row.name;
    EXPECT_TRUE(topics.count(row.helpTopic)) << row.name;
    // Every row's flag is one the settings table knows, so absent reads false.
    EXPECT_NE(FindSetting(row.usedFrom), nullptr) << row.name;
    EXPECT_GT(std::string(row.longDescription).size(), std::string(row.description).size());
  }
  EXPECT_STREQ(Rows()[kInstallViewersRow].name, "Install Viewer(s)");
  EXPECT_STREQ(Rows()[7].description, "Change Vendisc.exe name");
  EXPECT_STREQ(Rows()[4].longDescription,
               "Get the software to install up to 3 viewers on the machine.");
}

TEST(OptionsPage, UsedFollowsEachRowsFlag) {
  Wizard w;
  for (const OptionRow& row : Rows()) EXPECT_STREQ(UsedText(row, w.s), "No") << row.name;
  for (const OptionRow& row : Rows()) {
    w.s.SetFlag(row.usedFrom, true);
    EXPECT_STREQ(UsedText(row, w.s), "Yes") << row.name;
    w.s.SetFlag(row.usedFrom, false);
    EXPECT_STREQ(UsedText(row, w.s), "No") << row.name;
  }
  // A switch never stored reads as off, as its dialog shows it, even where
  // the writer's own fallback is on (the welcome screen with a message).
  w.s.SetText(keys::kWelcomeMessage, "Hello");
  w.backend.RemoveValue(RegistryRoot::kLocalMachine, kRegistryBasePath, keys::kWelcomeEnabled);
  EXPECT_STREQ(UsedText(Rows()[1], w.s), "No");
}

TEST(OptionsPage, SwitchesAndTheRetiredOptionNotice) {
  Wizard w;
  EXPECT_FALSE(LoadSwitches(w.s).enableIcon);
  EXPECT_FALSE(LoadSwitches(w.s).doNotWarnOverwrites);
  EXPECT_FALSE(StartupNotice(w.s));
  w.s.SetFlag(ws::kEnableIcon, true);
  w.s.SetFlag(ws::kDoNotWarnOverwrites, true);
  w.s.SetFlag(keys::kRunOneAtATime, true);
  EXPECT_TRUE(LoadSwitches(w.s).enableIcon);
  EXPECT_TRUE(LoadSwitches(w.s).doNotWarnOverwrites);
  EXPECT_EQ(StartupNotice(w.s), std::string(options_texts::kRunOneAtATimeUpgraded));
}

TEST(OptionsPage, LeavingSavesTheSwitchesAndCreatesTheFilesUnlessTesting) {
  struct Row {
    const char* what;
    bool testing;
    bool doNotWarn;
    bool created;  // what creating the files answers
    bool goOn;     // the answer to the continue question
    bool leaves;
    int creates;  // -1: not created; else the ask flag handed in (0/1)
    bool askedToGoOn;
  };
  const Row rows[] = {
      {"test in progress: no files", true, false, false, false, true, -1, false},
      {"created, asking before overwrites", false, false, true, false, true, 1, false},
      {"created, without asking", false, true, true, false, true, 0, false},
      {"failed, go on anyway", false, false, false, true, true, 1, true},
      {"failed, stay", false, true, false, false, false, 0, true},
  };
  for (const Row& row : rows) {
    Wizard w;
    w.questions.answers = {row.goOn};
    int creates = -1;
    const bool left = Leave({true, row.doNotWarn}, row.testing, w.s, w.questions, [&](bool ask) {
      creates = ask ? 1 : 0;
      return row.created;
    });
    EXPECT_EQ(left, row.leaves) << row.what;
    EXPECT_EQ(creates, row.creates) << row.what;
    EXPECT_TRUE(w.s.Flag(ws::kEnableIcon)) << row.what;
    EXPECT_EQ(w.s.Flag(ws::kDoNotWarnOverwrites), row.doNotWarn) << row.what;
    const std::vector<std::string> asked =
        row.askedToGoOn
            ? std::vector<std::string>{std::string("ask: ") + options_texts::kErrorsContinue}
            : std::vector<std::string>{};
    EXPECT_EQ(w.questions.asked, asked) << row.what;
  }
}

}  // namespace
