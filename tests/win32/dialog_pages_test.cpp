// What pages build on, on the framework tests' own template: every kind of
// binding, the checks when a dialog is accepted, notifications, and a base
// class's table that a derived table extends.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/win32/app_message.h"
#include "common/win32/data_exchange.h"
#include "common/win32/dialog.h"
#include "framework_test_ids.h"
#include "window_test_support.h"

namespace {

constexpr const char* kItems[] = {"Alpha", "Beta", "Gamma"};
constexpr const char* kRangePrompt = "Please enter an integer between -5 and 100.";
constexpr const char* kLengthPrompt = "Please enter no more than 10 characters.";

class FrameworkDialog : public win32::BoundDialog {
 public:
  FrameworkDialog() : BoundDialog(IDD_FRAMEWORK) {}

  std::string text = "seven";
  int32_t number = 42;
  bool enabled = true;
  int radio = 2;  // the third button, past the push button among the radios' ids
  int comboIndex = 1;
  std::string comboText = "Gamma";
  std::string editable = "typed";
  int listIndex = 2;

  auto Members() const {
    return std::tuple(text, number, enabled, radio, comboIndex, comboText, editable, listIndex);
  }
  LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendDlgItemMessageA(hwnd(), id, message, wParam, lParam);
  }
  bool Checked(int id) { return ::IsDlgButtonChecked(hwnd(), id) == BST_CHECKED; }

  std::vector<win32::Binding> Bindings() override {
    return {win32::BindText(IDE_FRAMEWORK_TEXT, &text, 10),
            win32::BindNumber(IDE_FRAMEWORK_NUMBER, &number, -5, 100),
            win32::BindCheck(IDX_FRAMEWORK_ENABLED, &enabled),
            win32::BindRadio(IDR_FRAMEWORK_FIRST, IDR_FRAMEWORK_THIRD, &radio),
            win32::BindComboIndex(IDC_FRAMEWORK_INDEX, &comboIndex),
            win32::BindComboText(IDC_FRAMEWORK_TEXT, &comboText),
            win32::BindComboText(IDC_FRAMEWORK_EDITABLE, &editable),
            win32::BindListIndex(IDL_FRAMEWORK_LIST, &listIndex)};
  }

 protected:
  bool OnInit() override {
    for (const char* item : kItems) {
      const LPARAM itemText = reinterpret_cast<LPARAM>(item);
      for (int id : {IDC_FRAMEWORK_INDEX, IDC_FRAMEWORK_TEXT, IDC_FRAMEWORK_EDITABLE}) {
        Send(id, CB_ADDSTRING, 0, itemText);
      }
      Send(IDL_FRAMEWORK_LIST, LB_ADDSTRING, 0, itemText);
    }
    return true;
  }
};

TEST(DialogBindings, MembersGoInOnOpenAndComeBackOnOk) {
  FrameworkDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.ItemText(IDE_FRAMEWORK_TEXT), "seven");
  EXPECT_EQ(dialog.Send(IDE_FRAMEWORK_TEXT, EM_GETLIMITTEXT), 10);
  EXPECT_EQ(dialog.ItemText(IDE_FRAMEWORK_NUMBER), "42");
  EXPECT_TRUE(dialog.Checked(IDX_FRAMEWORK_ENABLED));
  EXPECT_FALSE(dialog.Checked(IDR_FRAMEWORK_FIRST) || dialog.Checked(IDR_FRAMEWORK_SECOND));
  EXPECT_TRUE(dialog.Checked(IDR_FRAMEWORK_THIRD));
  EXPECT_EQ(dialog.Send(IDC_FRAMEWORK_INDEX, CB_GETCURSEL), 1);
  EXPECT_EQ(dialog.Send(IDC_FRAMEWORK_TEXT, CB_GETCURSEL), 2);
  EXPECT_EQ(dialog.ItemText(IDC_FRAMEWORK_EDITABLE), "typed");
  EXPECT_EQ(dialog.Send(IDL_FRAMEWORK_LIST, LB_GETCURSEL), 2);

  dialog.SetItemText(IDE_FRAMEWORK_TEXT, "changed");
  dialog.SetItemText(IDE_FRAMEWORK_NUMBER, " -5 ");
  ::CheckDlgButton(dialog.hwnd(), IDX_FRAMEWORK_ENABLED, BST_UNCHECKED);
  ::CheckDlgButton(dialog.hwnd(), IDR_FRAMEWORK_THIRD, BST_UNCHECKED);
  ::CheckDlgButton(dialog.hwnd(), IDR_FRAMEWORK_SECOND, BST_CHECKED);
  dialog.Send(IDC_FRAMEWORK_INDEX, CB_SETCURSEL, 2);
  dialog.Send(IDC_FRAMEWORK_TEXT, CB_SETCURSEL, 0);
  dialog.SetItemText(IDC_FRAMEWORK_EDITABLE, "free text");
  dialog.Send(IDL_FRAMEWORK_LIST, LB_SETCURSEL, 0);
  ::SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_EQ(dialog.hwnd(), nullptr);
  EXPECT_EQ(dialog.Members(), std::tuple("changed", -5, false, 1, 2, "Alpha", "free text", 0));
}

// Shown again later: values that match no button or item select nothing,
// and nothing selected reads back as -1 or empty.
TEST(DialogBindings, NoSelectionRoundTrips) {
  FrameworkDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  dialog.radio = -1;
  dialog.comboIndex = -1;
  dialog.comboText = "Delta";
  dialog.listIndex = -1;
  dialog.CopyToControls();
  ASSERT_TRUE(dialog.CopyFromControls());
  EXPECT_EQ(std::tuple(dialog.radio, dialog.comboIndex, dialog.comboText, dialog.listIndex),
            std::tuple(-1, -1, "", -1));

  dialog.comboText = "beta";  // items are matched as the combo box matches them
  dialog.CopyToControls();
  ASSERT_TRUE(dialog.CopyFromControls());
  EXPECT_EQ(dialog.comboText, "Beta");
}

TEST(DialogBindings, RefusalsNameTheFirstBadControlAndItsPrompt) {
  FrameworkDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const std::vector<win32::Binding> bindings = dialog.Bindings();
  struct Row {
    const char* text;
    const char* number;
    int refusedId;  // 0: accepted
    const char* prompt;
  } rows[] = {
      {"0123456789", "100", 0, ""},  // both at their limits
      {"0123456789", "-6", IDE_FRAMEWORK_NUMBER, kRangePrompt},
      {"0123456789", "12abc", IDE_FRAMEWORK_NUMBER, kRangePrompt},
      {"0123456789A", "42", IDE_FRAMEWORK_TEXT, kLengthPrompt},
      {"0123456789A", "abc", IDE_FRAMEWORK_TEXT, kLengthPrompt},  // bound first
  };
  for (const Row& row : rows) {
    dialog.SetItemText(IDE_FRAMEWORK_TEXT, row.text);
    // The edit's limit holds back typing only, not a text set by the program.
    ASSERT_EQ(dialog.ItemText(IDE_FRAMEWORK_TEXT), row.text);
    dialog.SetItemText(IDE_FRAMEWORK_NUMBER, row.number);
    std::string prompt;
    const win32::Binding* refused = win32::FindRefusal(dialog.hwnd(), bindings, &prompt);
    EXPECT_EQ(refused ? refused->id : 0, row.refusedId) << row.text << " / " << row.number;
    EXPECT_EQ(prompt, row.prompt) << row.text << " / " << row.number;
  }
}

TEST(DialogBindings, RefusedOkShowsThePromptAndChangesNothing) {
  win32::SetAppMessageStyle("ZoruZaz AZ", MB_ICONEXCLAMATION);
  FrameworkDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const auto before = dialog.Members();
  dialog.SetItemText(IDE_FRAMEWORK_TEXT, "changed");
  ::CheckDlgButton(dialog.hwnd(), IDX_FRAMEWORK_ENABLED, BST_UNCHECKED);
  dialog.SetItemText(IDE_FRAMEWORK_NUMBER, "1000");
  ::SetFocus(dialog.Item(IDE_FRAMEWORK_TEXT));
  {
    test_support::MessageBoxWatcher watcher(win32::AppTitle());
    ::SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(watcher.Text(), kRangePrompt);
  }
  ASSERT_TRUE(::IsWindow(dialog.hwnd()));
  EXPECT_EQ(dialog.Members(), before);
  EXPECT_EQ(::GetFocus(), dialog.Item(IDE_FRAMEWORK_NUMBER));
  DWORD start = 1;
  DWORD end = 0;
  dialog.Send(IDE_FRAMEWORK_NUMBER, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
              reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 4u);

  // Corrected, the same OK saves everything and closes.
  dialog.SetItemText(IDE_FRAMEWORK_NUMBER, "100");
  ::SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_EQ(dialog.hwnd(), nullptr);
  EXPECT_EQ(dialog.text, "changed");
  EXPECT_EQ(dialog.number, 100);
  EXPECT_FALSE(dialog.enabled);
}

constexpr UINT kWho = WM_APP + 1;       // in both tables
constexpr UINT kBaseOnly = WM_APP + 2;  // in the base table only

// A base that every page extends: its table is reached through the page's.
class PageBase : public win32::Dialog {
 public:
  PageBase() : Dialog(IDD_FRAMEWORK) {}
  int baseClicks = 0;

 protected:
  static const win32::DispatchTable& PageTable() {
    static const win32::MessageEntry kMessages[] = {
        win32::OnMessage(kWho, &PageBase::AnswerBase),
        win32::OnMessage(kBaseOnly, &PageBase::AnswerBase),
    };
    static const win32::CommandEntry kCommands[] = {
        win32::OnCommand(IDB_FRAMEWORK_BETWEEN, &PageBase::OnBetween),
    };
    static const win32::NotifyEntry kNotifications[] = {
        win32::OnNotify(IDL_FRAMEWORK_LIST, NM_CLICK, &PageBase::NotifiedBase),
        win32::OnNotify(IDL_FRAMEWORK_LIST, NM_RETURN, &PageBase::NotifiedBase),
    };
    static const win32::DispatchTable kTable{kMessages, kCommands, kNotifications};
    return kTable;
  }
  win32::DispatchTable Table() const override { return PageTable(); }

 private:
  INT_PTR AnswerBase(WPARAM, LPARAM) { return 1; }
  void OnBetween() { ++baseClicks; }
  INT_PTR NotifiedBase(NMHDR*) { return 10; }
};

class Page : public PageBase {
 public:
  const NMHDR* seen = nullptr;

 protected:
  win32::DispatchTable Table() const override {
    static const win32::MessageEntry kMessages[] = {win32::OnMessage(kWho, &Page::AnswerPage)};
    static const win32::NotifyEntry kNotifications[] = {
        win32::OnNotify(IDL_FRAMEWORK_LIST, NM_CLICK, &Page::NotifiedPage),
        win32::OnNotify(IDL_FRAMEWORK_LIST, NM_DBLCLK, &Page::NotifiedPage),
    };
    return {.messages = kMessages, .notifications = kNotifications, .base = &PageTable()};
  }

 private:
  INT_PTR AnswerPage(WPARAM, LPARAM) { return 2; }
  INT_PTR NotifiedPage(NMHDR* header) {
    seen = header;
    return 20;
  }
};

TEST(DialogDispatch, PageEntriesComeFirstThenTheBaseTable) {
  Page page;
  ASSERT_TRUE(page.CreateModeless(nullptr));
  HWND window = page.hwnd();
  EXPECT_EQ(::SendMessageA(window, kWho, 0, 0), 2);
  EXPECT_EQ(::SendMessageA(window, kBaseOnly, 0, 0), 1);
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDB_FRAMEWORK_BETWEEN, BN_CLICKED),
                 reinterpret_cast<LPARAM>(page.Item(IDB_FRAMEWORK_BETWEEN)));
  EXPECT_EQ(page.baseClicks, 1);

  // A notification's result is what SendMessage returns to its sender.
  struct Row {
    int id;
    UINT code;
    LRESULT result;
    bool seenByPage;
  } rows[] = {
      {IDL_FRAMEWORK_LIST, NM_CLICK, 20, true},    // in both tables
      {IDL_FRAMEWORK_LIST, NM_DBLCLK, 20, true},   // the page's own
      {IDL_FRAMEWORK_LIST, NM_RETURN, 10, false},  // the base's only
      {IDL_FRAMEWORK_LIST, NM_RCLICK, 0, false},   // in neither
      {IDC_FRAMEWORK_INDEX, NM_CLICK, 0, false},   // another control
  };
  for (const Row& row : rows) {
    page.seen = nullptr;
    NMHDR header{page.Item(row.id), static_cast<UINT_PTR>(row.id), row.code};
    EXPECT_EQ(::SendMessageA(window, WM_NOTIFY, row.id, reinterpret_cast<LPARAM>(&header)),
              row.result)
        << row.id << " " << static_cast<int>(row.code);
    EXPECT_EQ(page.seen == &header, row.seenByPage) << row.id << " " << static_cast<int>(row.code);
  }

  // IDOK and IDCANCEL, in neither table, keep their defaults.
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_EQ(page.hwnd(), nullptr);
}

}  // namespace
