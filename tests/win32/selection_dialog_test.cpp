// The file selection dialog and its properties dialog from the starter's own
// templates: entries, texts, the layout with and without a picture, and what
// "&Open", a double click and "&Close" hand back.
#include "starter/win32/selection_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/win32/app_message.h"
#include "common/win32/window_util.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"

namespace {

using test_support::ChildRect;
using test_support::DialogUnits;

using test_support::TestPicture;

SelectionSettings ThreeEntries() {
  SelectionSettings s;
  // Not in alphabetical order: the list must keep the CD's order.
  s.names = {"Zulu film", "Alpha manual", "Mike's spacer"};
  s.targets = {"films\\zulu.avi", "http://cd.example/alpha", ""};
  s.programLists = {"player.exe", "", ""};
  return s;
}

std::vector<std::string> ListEntries(HWND list) {
  std::vector<std::string> entries;
  const LRESULT count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string text(static_cast<size_t>(::SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
    ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    entries.push_back(text);
  }
  return entries;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The prompt's line height in the prompt's own font.
int PromptLineHeight(HWND dialog) {
  HWND prompt = ::GetDlgItem(dialog, IDT_SELECTION_PROMPT);
  HDC dc = ::GetDC(prompt);
  HGDIOBJ old =
      ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(prompt, WM_GETFONT, 0, 0)));
  TEXTMETRICA tm{};
  ::GetTextMetricsA(dc, &tm);
  ::SelectObject(dc, old);
  ::ReleaseDC(prompt, dc);
  return tm.tmHeight;
}

class SelectionDialogTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr))); }
  void TearDown() override { ::OleUninitialize(); }
};

TEST_F(SelectionDialogTest, TemplateEntriesAndLayoutWithoutPicture) {
  SelectionDialog dialog(ThreeEntries(), nullptr);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  EXPECT_EQ(win32::WindowText(window), "CD AutoRun: Please select a file");
  EXPECT_EQ(dialog.ItemText(IDT_SELECTION_PROMPT), "Please select a file from the list below:");
  EXPECT_EQ(dialog.ItemText(IDOK), "&Open");
  EXPECT_EQ(dialog.ItemText(IDCANCEL), "&Close");
  EXPECT_EQ(LOWORD(::SendMessageA(window, DM_GETDEFID, 0, 0)), IDOK);
  EXPECT_FALSE(dialog.PictureShown());

  HWND list = dialog.Item(IDL_SELECTION_FILES);
  const LONG style = ::GetWindowLongA(list, GWL_STYLE);
  EXPECT_EQ(style & LBS_SORT, 0);
  EXPECT_NE(style & LBS_NOTIFY, 0);
  EXPECT_NE(style & LBS_NOINTEGRALHEIGHT, 0);
  EXPECT_EQ(ListEntries(list),
            (std::vector<std::string>{"Zulu film", "Alpha manual", "Mike's spacer"}));
  // Each entry carries its own path.
  for (int i = 0; i < 3; ++i) {
    const auto* path =
        reinterpret_cast<const std::string*>(::SendMessageA(list, LB_GETITEMDATA, i, 0));
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(*path, ThreeEntries().targets[i]);
  }

  // The template's client area; prompt and list fill it above the buttons.
  const SIZE client = dialog.ClientSize();
  const RECT templateClient = DialogUnits(window, 0, 0, 252, 175);
  EXPECT_EQ(client.cx, templateClient.right);
  EXPECT_EQ(client.cy, templateClient.bottom);
  const RECT ok = ChildRect(dialog.Item(IDOK));
  const RECT templateOk = DialogUnits(window, 145, 156, 50, 14);
  const int gap = Height(templateOk) + 10;
  const RECT prompt = ChildRect(dialog.Item(IDT_SELECTION_PROMPT));
  const RECT listRect = ChildRect(list);
  EXPECT_EQ(prompt.left, 5);
  EXPECT_EQ(prompt.top, 5);
  EXPECT_EQ(Width(prompt), client.cx - 10);
  EXPECT_EQ(Height(prompt), PromptLineHeight(window) + 5);  // one line
  EXPECT_EQ(listRect.left, 5);
  EXPECT_EQ(listRect.top, prompt.bottom);
  EXPECT_EQ(Width(listRect), client.cx - 10);
  EXPECT_EQ(listRect.bottom, client.cy - gap - 9);
  const RECT line = ChildRect(dialog.Item(IDT_SELECTION_SEPARATOR));
  EXPECT_EQ(line.left, 5);
  EXPECT_EQ(line.top, client.cy - gap - 3);
  EXPECT_EQ(Width(line), client.cx - 10);
  EXPECT_EQ(Height(line), 2);
  // Buttons keep their template size, right-aligned on the bottom row.
  const RECT cancel = ChildRect(dialog.Item(IDCANCEL));
  EXPECT_EQ(Width(ok), Width(templateOk));
  EXPECT_EQ(ok.left, client.cx - 2 * Width(templateOk) - 10);
  EXPECT_EQ(ok.bottom, client.cy - 5);
  EXPECT_EQ(cancel.left, ok.right + 5);
  EXPECT_EQ(cancel.bottom, client.cy - 5);

  // Centred on the screen.
  RECT frame{};
  ::GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, (::GetSystemMetrics(SM_CXSCREEN) - Width(frame)) / 2);
  EXPECT_EQ(frame.top, (::GetSystemMetrics(SM_CYSCREEN) - Height(frame)) / 2);
  test_support::SaveScreenshotIfAsked(window, "selection_dialog");
}

TEST_F(SelectionDialogTest, OwnTitleAndLongPromptKeepTheListItsShare) {
  SelectionSettings s = ThreeEntries();
  s.title = "Pick a film";
  s.help = std::string(3000, 'W');
  SelectionDialog dialog(s, nullptr);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(win32::WindowText(dialog.hwnd()), "Pick a film");
  EXPECT_EQ(dialog.ItemText(IDT_SELECTION_PROMPT), s.help);
  const SIZE client = dialog.ClientSize();
  const int gap = Height(ChildRect(dialog.Item(IDOK))) + 10;
  const RECT prompt = ChildRect(dialog.Item(IDT_SELECTION_PROMPT));
  const RECT list = ChildRect(dialog.Item(IDL_SELECTION_FILES));
  EXPECT_EQ(Height(prompt), (client.cy - gap - 10) / 2 + 5);
  EXPECT_EQ(list.top, prompt.bottom);
  EXPECT_EQ(list.bottom, client.cy - gap - 9);
  EXPECT_GT(Height(list), 50);
}

TEST_F(SelectionDialogTest, PictureAlongTheTopIsNotScaled) {
  SelectionSettings s = ThreeEntries();
  s.usePicture = true;
  s.picturePath = TestPicture("sky-200x150.jpg");
  s.pictureLocation = "Along the top";
  SelectionDialog dialog(s, nullptr);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  ASSERT_TRUE(dialog.PictureShown());
  RECT frame{};
  ::GetWindowRect(window, &frame);
  const int frameW = ::GetSystemMetrics(SM_CXDLGFRAME);
  EXPECT_EQ(Width(frame), 200 + 2 * frameW);

  const RECT picture = ChildRect(dialog.PictureWindowHandle());
  EXPECT_EQ(picture.left, 0);
  EXPECT_EQ(picture.top, 0);
  EXPECT_EQ(Width(picture), 200);
  EXPECT_EQ(Height(picture), 150);
  EXPECT_NE(::GetWindowLongA(dialog.PictureWindowHandle(), GWL_STYLE) & WS_BORDER, 0);

  const RECT prompt = ChildRect(dialog.Item(IDT_SELECTION_PROMPT));
  const RECT list = ChildRect(dialog.Item(IDL_SELECTION_FILES));
  EXPECT_EQ(prompt.left, 5);
  EXPECT_EQ(prompt.top, 155);
  EXPECT_EQ(Width(prompt), 190);
  EXPECT_EQ(list.left, 5);
  EXPECT_EQ(list.top, prompt.bottom);
  EXPECT_EQ(Width(list), 190);
  EXPECT_EQ(list.bottom, 155 + 245);  // the band of 250 less 5
  // The buttons sit below the band, inside the client area.
  const SIZE client = dialog.ClientSize();
  const RECT ok = ChildRect(dialog.Item(IDOK));
  EXPECT_GT(ok.top, list.bottom);
  EXPECT_EQ(ok.bottom, client.cy - 5);
  test_support::SaveScreenshotIfAsked(window, "selection_dialog_picture_top");
}

TEST_F(SelectionDialogTest, PictureThatDoesNotLoadIsReportedAndLeftOut) {
  SelectionSettings s = ThreeEntries();
  s.usePicture = true;
  s.picturePath = TestPicture("no-such-picture.jpg");
  s.pictureLocation = "Along the top";
  test_support::MessageBoxWatcher watcher(win32::AppTitle());
  SelectionDialog dialog(s, nullptr);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(watcher.Text(),
            "Sorry, but the system was unable to load the following image:\n\n" + s.picturePath);
  EXPECT_FALSE(dialog.PictureShown());
  const SIZE client = dialog.ClientSize();
  EXPECT_EQ(client.cx, DialogUnits(dialog.hwnd(), 0, 0, 252, 175).right);
  EXPECT_EQ(ChildRect(dialog.Item(IDL_SELECTION_FILES)).left, 5);
}

// A dialog that, once open, works through a script of posted messages.
class ScriptedSelection : public SelectionDialog {
 public:
  struct Step {
    HWND (*target)(ScriptedSelection&);
    UINT message;
    WPARAM wParam;
  };
  ScriptedSelection(const SelectionSettings& s, StarterUi::OpenSelectedFn fn,
                    std::vector<Step> steps)
      : SelectionDialog(s, std::move(fn)), steps_(std::move(steps)) {}

 protected:
  bool OnInit() override {
    SelectionDialog::OnInit();
    for (const Step& step : steps_)
      ::PostMessageA(step.target(*this), step.message, step.wParam, 0);
    // Ends a script that failed to end the dialog.
    ::PostMessageA(hwnd(), WM_COMMAND, IDCANCEL, 0);
    return true;
  }

 private:
  std::vector<Step> steps_;
};

HWND ListOf(ScriptedSelection& d) { return d.Item(IDL_SELECTION_FILES); }
HWND DialogOf(ScriptedSelection& d) { return d.hwnd(); }

const ScriptedSelection::Step kOpen{DialogOf, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)};
const ScriptedSelection::Step kDoubleClick{DialogOf, WM_COMMAND,
                                           MAKEWPARAM(IDL_SELECTION_FILES, LBN_DBLCLK)};
ScriptedSelection::Step Pick(int index) {
  return {ListOf, LB_SETCURSEL, static_cast<WPARAM>(index)};
}

struct ChoiceCase {
  const char* name;
  bool reselect;
  std::vector<ScriptedSelection::Step> steps;
  std::vector<int> calls;  // indexes handed to the starter
  INT_PTR result;
};

class SelectionChoice : public SelectionDialogTest,
                        public testing::WithParamInterface<ChoiceCase> {};

TEST_P(SelectionChoice, HandsTheSelectedIndexAndEndsAsDesigned) {
  const ChoiceCase& c = GetParam();
  SelectionSettings s = ThreeEntries();
  s.reselect = c.reselect;
  std::vector<int> calls;
  ScriptedSelection* self = nullptr;
  bool enabledDuringFirstOpen = true;
  ScriptedSelection dialog(
      s,
      [&](int index) {
        calls.push_back(index);
        if (index < 0) return false;  // "no file was selected": the dialog stays
        if (!c.reselect) {
          self->DisableChoice();
          enabledDuringFirstOpen = ::IsWindowEnabled(self->Item(IDL_SELECTION_FILES)) ||
                                   ::IsWindowEnabled(self->Item(IDOK));
        }
        return true;
      },
      c.steps);
  self = &dialog;
  EXPECT_EQ(dialog.RunModal(nullptr), c.result);
  EXPECT_EQ(calls, c.calls);
  if (!c.reselect && !calls.empty() && calls.back() >= 0) {
    EXPECT_FALSE(enabledDuringFirstOpen);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SelectionChoice,
    testing::Values(
        ChoiceCase{"OpenEndsWithOk", false, {Pick(1), kOpen, Pick(2), kOpen}, {1}, IDOK},
        ChoiceCase{"DoubleClickEndsWithCancel", false, {Pick(2), kDoubleClick}, {2}, IDCANCEL},
        ChoiceCase{"NothingSelectedKeepsTheDialog", false, {kOpen, Pick(0), kOpen}, {-1, 0}, IDOK},
        ChoiceCase{
            "ReselectKeepsItOpen", true, {Pick(0), kOpen, Pick(1), kDoubleClick}, {0, 1}, IDCANCEL},
        ChoiceCase{"CloseOpensNothing", false, {Pick(0)}, {}, IDCANCEL}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

struct ControlSpec {
  int id;
  int x, y, width, height;
  const char* text;
};

TEST(SelectionPropertiesDialog, TemplateAndTexts) {
  SelectionPropertiesDialog dialog("Zulu film", "Z:\\cd\\films\\zulu.avi");
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  EXPECT_EQ(win32::WindowText(window), "Autorun File Properties");
  const RECT size = DialogUnits(window, 0, 0, 275, 135);
  EXPECT_EQ(dialog.ClientSize().cx, size.right);
  EXPECT_EQ(dialog.ClientSize().cy, size.bottom);
  EXPECT_EQ(LOWORD(::SendMessageA(window, DM_GETDEFID, 0, 0)), IDOK);
  const ControlSpec controls[] = {
      {IDOK, 218, 114, 50, 14, "&Close"},
      {IDE_PROPERTIES_NAME, 69, 24, 199, 35, "Zulu film"},
      {IDE_PROPERTIES_FILE, 69, 67, 199, 39, "Z:\\cd\\films\\zulu.avi"},
  };
  for (const ControlSpec& c : controls) {
    const RECT expected = DialogUnits(window, c.x, c.y, c.width, c.height);
    const RECT actual = ChildRect(dialog.Item(c.id));
    EXPECT_EQ(actual.left, expected.left) << c.id;
    EXPECT_EQ(actual.top, expected.top) << c.id;
    EXPECT_EQ(actual.right, expected.right) << c.id;
    EXPECT_EQ(actual.bottom, expected.bottom) << c.id;
    EXPECT_EQ(dialog.ItemText(c.id), c.text) << c.id;
  }
  std::vector<std::string> statics;
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const int id = ::GetDlgCtrlID(child);
    if (id == -1 || id == 0xFFFF) statics.push_back(win32::WindowText(child));
  }
  EXPECT_EQ(statics,
            (std::vector<std::string>{"Properties of selected file.", "Display Name:", "File:"}));
  // The boxes are copy-only: typing changes nothing.
  ::SendMessageA(dialog.Item(IDE_PROPERTIES_FILE), WM_CHAR, 'x', 1);
  EXPECT_EQ(dialog.ItemText(IDE_PROPERTIES_FILE), "Z:\\cd\\films\\zulu.avi");
  test_support::SaveScreenshotIfAsked(window, "selection_properties");
}

}  // namespace
