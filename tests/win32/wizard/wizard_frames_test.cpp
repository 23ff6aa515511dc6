// The two page hosts on the wizard's own templates: which buttons show and
// work on which page, validation on the way forward and back, Enter and Esc,
// the nested offset, and the option frame's size and Test button.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "resource.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/wizard_frame.h"
#include "wizard/pages/win32/wizard_page.h"

namespace {

// A page that records what its frame asks and answers as told.
class ScriptedPage : public WizardPage {
 public:
  explicit ScriptedPage(std::string name, int templateId = IDD_FILES_CREATED)
      : WizardPage(templateId), name_(std::move(name)) {}
  bool leave = true;
  bool finish = true;
  bool cancel = true;
  std::vector<std::string>* log = nullptr;

  void OnSetActive() override { Log("show"); }
  bool OnKillActive() override { return Log("leave"), leave; }
  bool OnWizardFinish() override { return Log("finish"), finish; }
  bool OnQueryCancel() override { return Log("cancel"), cancel; }

 private:
  void Log(const char* what) {
    if (log) log->push_back(name_ + " " + what);
  }
  std::string name_;
};

class RecordingMain : public MainCommands {
 public:
  int tests = 0;
  void TestConfiguration(HWND) override { ++tests; }
  void ShowFilesToCopy(HWND) override {}
};

void Press(HWND frame, int id) {
  ::SendMessageA(frame, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(frame, id)));
}

std::string Text(HWND frame, int id) {
  char buffer[256] = {};
  ::GetDlgItemTextA(frame, id, buffer, sizeof buffer);
  return buffer;
}

bool Enabled(HWND frame, int id) { return ::IsWindowEnabled(::GetDlgItem(frame, id)) != FALSE; }
// Shown by its own style (the frames under test are never shown themselves).
bool Shown(HWND window) { return (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }
bool Visible(HWND frame, int id) { return Shown(::GetDlgItem(frame, id)); }

TEST(WizardFrame, StepsValidateBothWaysAndTheLastNextFinishes) {
  std::vector<std::string> log;
  ScriptedPage first("1"), second("2"), third("3");
  for (ScriptedPage* page : {&first, &second, &third}) page->log = &log;
  WizardFrame frame;
  frame.AddPage(first, "First", "topic_one");
  frame.AddPage(second, "Second", "topic_two");
  frame.AddPage(third, "Third", "topic_three");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND f = frame.hwnd();
  EXPECT_EQ(Text(f, IDT_FRAME_STEP), "Step 1 of 3");
  EXPECT_EQ(Text(f, IDT_FRAME_TITLE), "First");
  EXPECT_TRUE(Visible(f, IDB_FRAME_PREVIOUS) && Visible(f, IDB_FRAME_NEXT));
  EXPECT_FALSE(Enabled(f, IDB_FRAME_PREVIOUS));
  EXPECT_FALSE(Enabled(f, IDB_FRAME_FINISH));
  EXPECT_TRUE(Shown(first.hwnd()));
  EXPECT_FALSE(Shown(second.hwnd()));
  // The page covers the page area, inside its border.
  RECT area{}, page{};
  ::GetWindowRect(::GetDlgItem(f, IDC_FRAME_PAGE_AREA), &area);
  ::GetWindowRect(first.hwnd(), &page);
  EXPECT_TRUE(page.left > area.left && page.top > area.top && page.right < area.right &&
              page.bottom < area.bottom && page.right - page.left > (area.right - area.left) - 10);

  second.leave = false;
  Press(f, IDB_FRAME_NEXT);      // to the second page
  Press(f, IDB_FRAME_NEXT);      // refused: stays
  Press(f, IDB_FRAME_PREVIOUS);  // refused backwards too
  EXPECT_EQ(frame.currentIndex(), 1);
  EXPECT_EQ(Text(f, IDT_FRAME_STEP), "Step 2 of 3");
  EXPECT_EQ(Text(f, IDT_FRAME_TITLE), "Second");
  EXPECT_TRUE(Enabled(f, IDB_FRAME_PREVIOUS));
  second.leave = true;
  Press(f, IDB_FRAME_FINISH);  // not the last page: nothing
  Press(f, IDB_FRAME_NEXT);
  EXPECT_EQ(Text(f, IDT_FRAME_STEP), "Step 3 of 3");
  EXPECT_TRUE(Enabled(f, IDB_FRAME_FINISH));
  EXPECT_FALSE(Shown(second.hwnd()));
  third.finish = false;
  Press(f, IDB_FRAME_NEXT);  // the last page's Next is Finish, refused here
  EXPECT_TRUE(::IsWindow(f));
  third.finish = true;
  Press(f, IDB_FRAME_NEXT);
  EXPECT_FALSE(::IsWindow(f));
  EXPECT_EQ(log, (std::vector<std::string>{"1 show", "1 leave", "2 show", "2 leave", "2 leave",
                                           "2 leave", "3 show", "3 finish", "3 finish"}));
}

TEST(WizardFrame, OnePageReadsOkAndEnterAndEscAct) {
  std::vector<std::string> log;
  ScriptedPage only("only", IDD_WELCOME_PAGE);
  only.log = &log;
  only.cancel = false;
  WizardFrame frame;
  frame.AddPage(only, "Welcome", "index_help_home");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND f = frame.hwnd();
  EXPECT_FALSE(Visible(f, IDB_FRAME_PREVIOUS));
  EXPECT_FALSE(Visible(f, IDB_FRAME_NEXT));
  EXPECT_EQ(Text(f, IDB_FRAME_FINISH), "OK");
  EXPECT_TRUE(Enabled(f, IDB_FRAME_FINISH));
  EXPECT_EQ(LOWORD(::SendMessageA(f, DM_GETDEFID, 0, 0)), IDB_FRAME_FINISH);
  Press(f, IDCANCEL);  // Esc asks the page, which refuses
  EXPECT_TRUE(::IsWindow(f));
  Press(f, IDOK);  // Enter inside the page: OK
  EXPECT_FALSE(::IsWindow(f));
  EXPECT_EQ(log, (std::vector<std::string>{"only show", "only cancel", "only finish"}));
}

TEST(WizardFrame, NestedOpensOffsetFromTheTemplatePosition) {
  ScriptedPage a("a"), b("b");
  WizardFrame plain, nested;
  plain.AddPage(a, "A", "t");
  nested.AddPage(b, "B", "t");
  nested.SetNested(true);
  ASSERT_TRUE(plain.CreateModeless(nullptr));
  ASSERT_TRUE(nested.CreateModeless(nullptr));
  RECT p{}, n{};
  ::GetWindowRect(plain.hwnd(), &p);
  ::GetWindowRect(nested.hwnd(), &n);
  EXPECT_EQ(n.left - p.left, 20);
  EXPECT_EQ(n.top - p.top, 15);
}

TEST(OptionFrame, SizedFromThePageWithTestOnlyForAMainWindow) {
  for (bool withMain : {false, true}) {
    ScriptedPage page("p", IDD_INTRODUCTION);
    std::vector<std::string> log;
    page.log = &log;
    RecordingMain main;
    OptionFrame frame("splash_screen");
    frame.SetPage(page, "Splash Screen");
    if (withMain) frame.SetMain(&main);
    EXPECT_TRUE(page.hostedInOptionFrame());
    ASSERT_TRUE(frame.CreateModeless(nullptr));
    HWND f = frame.hwnd();
    RECT window{}, pageClient{};
    ::GetWindowRect(f, &window);
    ::GetClientRect(page.hwnd(), &pageClient);
    // The frame is the page's width and 25 pixels; the page then takes the
    // page area, one pixel wider than itself.
    EXPECT_EQ(window.right - window.left, pageClient.right - 1 + 25) << withMain;
    EXPECT_EQ(Text(f, IDT_OPTION_TITLE), "Splash Screen");
    EXPECT_EQ(Visible(f, IDB_OPTION_TEST), withMain);
    page.leave = false;
    Press(f, IDB_OPTION_TEST);
    Press(f, IDB_OPTION_OK);
    EXPECT_TRUE(::IsWindow(f));
    EXPECT_EQ(main.tests, 0);
    page.leave = true;
    Press(f, IDB_OPTION_TEST);
    EXPECT_EQ(main.tests, withMain ? 1 : 0);
    EXPECT_TRUE(Enabled(f, IDB_OPTION_TEST));
    Press(f, IDB_OPTION_CANCEL);  // at once, without asking the page
    EXPECT_FALSE(::IsWindow(f));
    const std::vector<std::string> expected =
        withMain ? std::vector<std::string>{"p show", "p leave", "p leave", "p leave"}
                 : std::vector<std::string>{"p show", "p leave"};
    EXPECT_EQ(log, expected) << withMain;
  }
}

}  // namespace
