// Discwright's start, its welcome page, its help and its exit, played by the
// real Discwright.exe as an author would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "starter_scenario.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_texts.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

class WizardStartUp : public WizardScenario {};

// The exit question, answered; false when it did not come as it should.
bool AnswerExitQuestion(const Process& discwright, int answer) {
  auto box = WaitForWizardMessage(discwright);
  if (!box) return false;
  EXPECT_EQ(box->text, wizard_texts::kExitQuestion);
  EXPECT_EQ(box->buttons, (std::vector<std::string>{"&Yes", "&No"}));
  return AnswerMessageBox(box->window, answer);
}

// A first run: nothing loaded, the welcome page offers only "create", and
// unticking its box and cancelling is remembered; every way out asks first.
TEST_F(WizardStartUp, FirstRunOffersOnlyCreateAndRemembersNotToShowAgain) {
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  HWND frame = WaitForFrame(*discwright, wizard_texts::kWelcomeFrameTitle);
  ASSERT_NE(frame, nullptr);

  EXPECT_EQ(WindowText(main), "ZoruZaz AZ");
  EXPECT_EQ(ControlText(main, IDE_MAIN_LAST_SAVED), "");
  EXPECT_FALSE(IsControlEnabled(main, IDB_MAIN_TEST));
  EXPECT_FALSE(IsControlEnabled(main, IDB_MAIN_RECREATE));
  EXPECT_TRUE(IsControlEnabled(main, IDB_MAIN_OPEN));

  // A one-page frame: no Previous or Next, and Finish reads "OK".
  EXPECT_EQ(WindowText(frame), kFrameCaption);
  EXPECT_EQ(ControlText(frame, IDT_FRAME_STEP), "Step 1 of 1");
  EXPECT_EQ(ControlText(frame, IDB_FRAME_FINISH), "OK");
  EXPECT_TRUE(IsControlEnabled(frame, IDB_FRAME_FINISH));
  EXPECT_FALSE(IsControlVisible(frame, IDB_FRAME_PREVIOUS));
  EXPECT_FALSE(IsControlVisible(frame, IDB_FRAME_NEXT));
  HWND page = PageHolding(frame, IDR_WELCOME_CREATE);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(IsControlEnabled(page, IDR_WELCOME_CREATE));
  EXPECT_EQ(CheckState(page, IDR_WELCOME_CREATE), BST_CHECKED);
  EXPECT_FALSE(IsControlEnabled(page, IDR_WELCOME_OPEN));
  EXPECT_EQ(CheckState(page, IDR_WELCOME_OPEN), BST_UNCHECKED);
  EXPECT_EQ(CheckState(page, IDX_WELCOME_SHOW), BST_CHECKED);
  Photograph(frame, "wizard_welcome");

  ASSERT_TRUE(ClickButton(page, IDX_WELCOME_SHOW));
  ASSERT_TRUE(WaitUntil([&] { return CheckState(page, IDX_WELCOME_SHOW) == BST_UNCHECKED; }));
  ASSERT_TRUE(ClickButton(frame, IDB_FRAME_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(frame));
  EXPECT_TRUE(WaitUntil([] { return WizardValue("AppShowWelcomeDialog") == "no"; }, 3s));
  // Cancel with "create" chosen starts no wizard.
  EXPECT_TRUE(StaysAway(
      [&] { return WaitForFrame(*discwright, wizard_texts::kIntroductionTitle, 0s); }, 1s));

  // "&Close", Escape and the close box all ask; No keeps the window.
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_CLOSE));
  ASSERT_TRUE(AnswerExitQuestion(*discwright, IDNO));
  ASSERT_TRUE(PressKey(main, VK_ESCAPE));
  ASSERT_TRUE(AnswerExitQuestion(*discwright, IDNO));
  EXPECT_TRUE(::IsWindowVisible(main));
  ASSERT_TRUE(PostClose(main));
  ASSERT_TRUE(AnswerExitQuestion(*discwright, IDNO));
  EXPECT_TRUE(::IsWindowVisible(main));
  EXPECT_TRUE(discwright->Running());
  ASSERT_TRUE(PostClose(main));
  ASSERT_TRUE(AnswerExitQuestion(*discwright, IDYES));
  EXPECT_TRUE(discwright->WaitForExit(5s).has_value());

  // The next start keeps the welcome page away.
  auto second = StartDiscwright();
  ASSERT_TRUE(second);
  HWND secondMain = WaitForMainWindow(*second);
  ASSERT_NE(secondMain, nullptr);
  EXPECT_TRUE(StaysAway([&] { return WaitForFrame(*second, wizard_texts::kWelcomeFrameTitle, 0s); },
                        1500ms));
  // A start while one runs ends at once and brings the running one to the front.
  ::ShowWindow(secondMain, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(secondMain) != FALSE; }));
  auto third = StartDiscwright();
  ASSERT_TRUE(third);
  EXPECT_TRUE(third->WaitForExit(10s).has_value());
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == secondMain; }));
  EXPECT_FALSE(::IsIconic(secondMain));
  ASSERT_TRUE(PressKey(secondMain, VK_ESCAPE));
  ASSERT_TRUE(AnswerExitQuestion(*second, IDYES));
  EXPECT_TRUE(second->WaitForExit(5s).has_value());
}

// Without the installer's InstallPath (no value, or an empty one) the wizard
// only says so and ends.
TEST_F(WizardStartUp, WithoutInstallPathOnlyTellsAndEnds) {
  for (const bool present : {false, true}) {
    SCOPED_TRACE(present ? "empty InstallPath" : "no InstallPath");
    if (present)
      ASSERT_TRUE(SetWizardValue("InstallPath", ""));
    else
      DeleteWizardValue("InstallPath");
    auto discwright = StartDiscwright();
    ASSERT_TRUE(discwright);
    auto box = WaitForWizardMessage(*discwright);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, wizard_texts::kNotInstalled);
    EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
    EXPECT_THAT(TopLevelWindows(discwright->Pid()), ElementsAre(box->window));
    ASSERT_TRUE(AnswerMessageBox(box->window, IDOK));
    bool sawMain = false;
    WaitUntil([&] {
      sawMain = sawMain || FindMainWindow(discwright->Pid()) != nullptr;
      return !discwright->Running();
    });
    EXPECT_FALSE(sawMain);
    EXPECT_TRUE(discwright->WaitForExit(1s).has_value());
  }
}

// F1 on the welcome page, F1 on the wizard's first page, F1 in the main
// window and "Help Home Page" all open the help home page; OK with "create"
// on the welcome page starts the configuration wizard.
TEST_F(WizardStartUp, HelpKeysAndButtonOpenTheHelpHomePage) {
  const std::string home = "\"" + HelpPage("index_help_home") + "\"";
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  HWND welcome = WaitForFrame(*discwright, wizard_texts::kWelcomeFrameTitle);
  ASSERT_NE(welcome, nullptr);
  ASSERT_TRUE(PressHelpKey(welcome));
  EXPECT_THAT(WaitForHelpPages(1), ElementsAre(home));

  ASSERT_TRUE(ClickButton(welcome, IDB_FRAME_FINISH));
  HWND wizard = WaitForFrame(*discwright, wizard_texts::kIntroductionTitle);
  ASSERT_NE(wizard, nullptr);
  EXPECT_FALSE(::IsWindow(welcome) && ::IsWindowVisible(welcome));
  ASSERT_TRUE(PressHelpKey(wizard));
  EXPECT_THAT(WaitForHelpPages(2), ElementsAre(home, home));
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(wizard));
  // Written once the welcome page's wizard is over, OK or not.
  EXPECT_TRUE(WaitUntil([] { return WizardValue("AppShowWelcomeDialog") == "yes"; }, 3s));

  ASSERT_TRUE(PressHelpKey(main));
  EXPECT_THAT(WaitForHelpPages(3), ElementsAre(home, home, home));
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_HELP_HOME));
  EXPECT_THAT(WaitForHelpPages(4), ElementsAre(home, home, home, home));

  ASSERT_TRUE(PostClose(main));
  ASSERT_TRUE(AnswerExitQuestion(*discwright, IDYES));
  EXPECT_TRUE(discwright->WaitForExit(5s).has_value());
}

}  // namespace
}  // namespace e2e
