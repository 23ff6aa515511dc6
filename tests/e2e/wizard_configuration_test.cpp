// Which configuration the wizard holds, played by the real Discwright.exe:
// a remembered file that has gone, opening an existing autorun.inf, and
// starting a new configuration.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "starter_scenario.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_texts.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

constexpr const char* kAutorun =
    "[autorun]\r\n"
    "open=Vendisc.exe \"My Document.txt\"\r\n"
    "WelcomeEnabled=1\r\n"
    "WelcomeTitle=Welcome to the Test CD\r\n";

class WizardConfiguration : public WizardScenario {
 protected:
  void SetUp() override {
    WizardScenario::SetUp();
    ASSERT_TRUE(cd_.AddAutorun(kAutorun));
    ASSERT_TRUE(cd_.AddFile("My Document.txt", "the CD's document"));
  }

  // "&Open existing", `path` typed into the file dialog.
  static bool OpenThroughDialog(const Process& discwright, HWND main, const std::string& path) {
    if (!ClickButton(main, IDB_MAIN_OPEN)) return false;
    HWND dialog = WaitForWindow(discwright, "Open", kDialogClass);
    return dialog && ChooseFile(dialog, path) && WaitForWindowGone(dialog);
  }

  static bool NoMessageFor(const Process& discwright, Ms wait) {
    return !WaitForWizardMessage(discwright, wait);
  }

  static void Exit(Process& discwright, HWND main) {
    ASSERT_TRUE(PostClose(main));
    auto box = WaitForWizardMessage(discwright);
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box->window, IDYES));
    EXPECT_TRUE(discwright.WaitForExit(5s).has_value());
  }
};

// The remembered file has gone: told once, and the welcome page cannot offer
// it. Then only a file named autorun.inf is taken, and its keys are loaded.
TEST_F(WizardConfiguration, GoneFileIsToldOnceThenOnlyAnAutorunFileLoads) {
  ASSERT_TRUE(cd_.AddFile("setup.inf", "[version]\r\n"));
  const std::string gone = cd_.PathOf("old\\autorun.inf");
  ASSERT_TRUE(SetWizardValue("LastINFFile", gone));
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);

  auto box = WaitForWizardMessage(*discwright);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, wizard_texts::UnableToLoad(gone));
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  ASSERT_TRUE(AnswerMessageBox(box->window, IDOK));

  HWND frame = WaitForFrame(*discwright, wizard_texts::kWelcomeFrameTitle);
  ASSERT_NE(frame, nullptr);
  HWND page = PageHolding(frame, IDR_WELCOME_CREATE);
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(IsControlEnabled(page, IDR_WELCOME_OPEN));
  EXPECT_EQ(CheckState(page, IDR_WELCOME_CREATE), BST_CHECKED);
  ASSERT_TRUE(ClickButton(frame, IDB_FRAME_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(frame));
  EXPECT_TRUE(NoMessageFor(*discwright, 1s));

  // The path stays loaded, and remembered, though its file has gone.
  EXPECT_EQ(ControlText(main, IDE_MAIN_LAST_SAVED), gone);
  EXPECT_EQ(WindowText(main), "ZoruZaz AZ - " + gone);
  EXPECT_EQ(WizardValue("LastINFFile"), gone);
  EXPECT_EQ(WizardValue("AppShowWelcomeDialog"), "yes");

  ASSERT_TRUE(OpenThroughDialog(*discwright, main, cd_.PathOf("setup.inf")));
  box = WaitForWizardMessage(*discwright);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, wizard_texts::kOnlyAutorunFiles);
  ASSERT_TRUE(AnswerMessageBox(box->window, IDOK));
  EXPECT_EQ(WindowText(main), "ZoruZaz AZ - " + gone);
  EXPECT_EQ(WizardValue("LastINFFile"), gone);
  EXPECT_EQ(WizardValue("WelcomeTitle"), kNoValue);

  const std::string path = cd_.PathOf("autorun.inf");
  ASSERT_TRUE(OpenThroughDialog(*discwright, main, path));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(main) == "ZoruZaz AZ - " + path; }, 5s))
      << WindowText(main);
  EXPECT_TRUE(NoMessageFor(*discwright, 1s));
  EXPECT_EQ(ControlText(main, IDE_MAIN_LAST_SAVED), path);
  EXPECT_TRUE(IsControlEnabled(main, IDB_MAIN_TEST));
  EXPECT_TRUE(IsControlEnabled(main, IDB_MAIN_RECREATE));
  EXPECT_EQ(WizardValue("LastINFFile"), path);
  EXPECT_EQ(WizardValue("SourceFile"), cd_.PathOf("My Document.txt"));
  EXPECT_EQ(WizardValue("AutoRunExeName"), "Vendisc.exe");
  EXPECT_EQ(WizardValue("AutoRunExeNameEnabled"), "no");
  EXPECT_EQ(WizardValue("WelcomeEnabled"), "yes");
  EXPECT_EQ(WizardValue("WelcomeTitle"), "Welcome to the Test CD");
  Photograph(main, "wizard_main_loaded");

  Exit(*discwright, main);
}

// The remembered file is offered on the welcome page. "New Configuration"
// asks: No keeps everything, Yes forgets the file, resets the configuration
// (the wizard's own values stay) and opens the configuration wizard.
TEST_F(WizardConfiguration, NewConfigurationAsksThenResetsAndOpensTheWizard) {
  const std::string path = cd_.PathOf("autorun.inf");
  for (const auto& [name, value] :
       std::vector<std::pair<std::string, std::string>>{{"LastINFFile", path},
                                                        {"WelcomeTitle", "Old title"},
                                                        {"SourceFile", cd_.PathOf("old.txt")},
                                                        {"AutoRunExeName", "Old.exe"},
                                                        {"DoNotWarnOverwrites", "yes"},
                                                        {"TestedConfig", "yes"}})
    ASSERT_TRUE(SetWizardValue(name, value));
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  HWND frame = WaitForFrame(*discwright, wizard_texts::kWelcomeFrameTitle);
  ASSERT_NE(frame, nullptr);
  HWND page = PageHolding(frame, IDR_WELCOME_OPEN);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(IsControlEnabled(page, IDR_WELCOME_OPEN));
  EXPECT_EQ(ControlText(page, IDR_WELCOME_OPEN), wizard_texts::OpenPreviousText(path));
  EXPECT_EQ(CheckState(page, IDR_WELCOME_OPEN), BST_CHECKED);
  EXPECT_EQ(CheckState(page, IDR_WELCOME_CREATE), BST_UNCHECKED);
  EXPECT_EQ(WindowText(main), "ZoruZaz AZ - " + path);
  EXPECT_EQ(ControlText(main, IDE_MAIN_LAST_SAVED), path);
  EXPECT_TRUE(IsControlEnabled(main, IDB_MAIN_TEST));
  EXPECT_TRUE(IsControlEnabled(main, IDB_MAIN_RECREATE));

  // "Open" needs nothing more: the file is already the loaded one.
  ASSERT_TRUE(ClickButton(frame, IDB_FRAME_FINISH));
  ASSERT_TRUE(WaitForWindowGone(frame));
  EXPECT_TRUE(StaysAway(
      [&] { return WaitForFrame(*discwright, wizard_texts::kIntroductionTitle, 0s); }, 1s));

  ASSERT_TRUE(ClickButton(main, IDB_MAIN_NEW));
  auto box = WaitForWizardMessage(*discwright);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, wizard_texts::kNewConfigurationQuestion);
  EXPECT_EQ(box->buttons, (std::vector<std::string>{"&Yes", "&No"}));
  ASSERT_TRUE(AnswerMessageBox(box->window, IDNO));
  EXPECT_TRUE(StaysAway(
      [&] { return WaitForFrame(*discwright, wizard_texts::kIntroductionTitle, 0s); }, 1s));
  EXPECT_EQ(WindowText(main), "ZoruZaz AZ - " + path);
  EXPECT_EQ(ControlText(main, IDE_MAIN_LAST_SAVED), path);
  EXPECT_EQ(WizardValue("LastINFFile"), path);
  EXPECT_EQ(WizardValue("WelcomeTitle"), "Old title");
  EXPECT_EQ(WizardValue("SourceFile"), cd_.PathOf("old.txt"));

  ASSERT_TRUE(ClickButton(main, IDB_MAIN_NEW));
  box = WaitForWizardMessage(*discwright);
  ASSERT_TRUE(box);
  ASSERT_TRUE(AnswerMessageBox(box->window, IDYES));
  HWND wizard = WaitForFrame(*discwright, wizard_texts::kIntroductionTitle);
  ASSERT_NE(wizard, nullptr);
  EXPECT_EQ(WindowText(wizard), kFrameCaption);
  EXPECT_EQ(ControlText(wizard, IDT_FRAME_STEP), "Step 1 of 4");
  EXPECT_TRUE(IsControlVisible(wizard, IDB_FRAME_PREVIOUS));
  EXPECT_FALSE(IsControlEnabled(wizard, IDB_FRAME_PREVIOUS));
  EXPECT_TRUE(IsControlEnabled(wizard, IDB_FRAME_NEXT));
  EXPECT_FALSE(IsControlEnabled(wizard, IDB_FRAME_FINISH));
  EXPECT_EQ(ControlText(wizard, IDB_FRAME_FINISH), "&Finish");
  EXPECT_EQ(ControlText(main, IDE_MAIN_LAST_SAVED), "");
  EXPECT_EQ(WizardValue("LastINFFile"), "");
  EXPECT_EQ(WizardValue("WelcomeTitle"), "");
  EXPECT_EQ(WizardValue("SourceFile"), "");
  EXPECT_EQ(WizardValue("DoNotWarnOverwrites"), "yes");
  // The introduction page names the starter again and starts a new round of testing.
  EXPECT_EQ(WizardValue("AutoRunExeName"), "Vendisc.exe");
  EXPECT_EQ(WizardValue("TestedConfig"), "no");
  Photograph(wizard, "wizard_introduction");

  // Cancelled: no question about testing, and nothing loaded.
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(wizard));
  EXPECT_TRUE(NoMessageFor(*discwright, 1s));
  EXPECT_EQ(WindowText(main), "ZoruZaz AZ");
  EXPECT_FALSE(IsControlEnabled(main, IDB_MAIN_TEST));
  EXPECT_FALSE(IsControlEnabled(main, IDB_MAIN_RECREATE));

  Exit(*discwright, main);
}

}  // namespace
}  // namespace e2e
