// The dialog framework on a real template: dispatch by table, data
// exchange, default buttons, the exception boundary and reflected colours.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/win32/dialog.h"
#include "common/win32/handles.h"
#include "resource.h"
#include "window_test_support.h"

namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kThrow = WM_APP + 2;
constexpr UINT kPassOn = WM_APP + 3;

// A tiny dialog on the properties template: two bound edits.
class TestDialog : public win32::Dialog {
 public:
  TestDialog() : Dialog(IDD_PROPERTIES) {}

  std::string name = "display name";
  std::string file = "E:\\file.txt";
  std::string nameAtInit;
  int nameChanges = 0;
  int pings = 0;
  bool endInInit = false;

 protected:
  win32::DispatchTable Table() const override {
    static const win32::MessageEntry kMessages[] = {
        win32::OnMessage(kPing, &TestDialog::OnPing),
        win32::OnMessage(kThrow, &TestDialog::OnThrow),
        win32::OnMessage(kPassOn, &TestDialog::OnPassOn),
    };
    static const win32::CommandEntry kCommands[] = {
        win32::OnCommand(IDE_PROPERTIES_NAME, &TestDialog::OnNameChanged, EN_CHANGE),
    };
    return {kMessages, kCommands};
  }
  std::vector<win32::TextBinding> TextBindings() override {
    return {{IDE_PROPERTIES_NAME, &name}, {IDE_PROPERTIES_FILE, &file}};
  }
  bool OnInit() override {
    nameAtInit = ItemText(IDE_PROPERTIES_NAME);
    name += " (seen by OnInit)";
    if (endInInit) ::PostMessageA(hwnd(), WM_COMMAND, IDOK, 0);
    return true;
  }

 private:
  INT_PTR OnPing(WPARAM wParam, LPARAM) {
    ++pings;
    return static_cast<INT_PTR>(wParam) * 2;
  }
  INT_PTR OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
  INT_PTR OnPassOn(WPARAM, LPARAM) {
    PassOn();
    return 77;
  }
  void OnNameChanged() { ++nameChanges; }
};

TEST(DialogFramework, MembersReachTheControlsAfterOnInit) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.nameAtInit, "");  // not copied before OnInit
  EXPECT_EQ(dialog.ItemText(IDE_PROPERTIES_NAME), "display name (seen by OnInit)");
  EXPECT_EQ(dialog.ItemText(IDE_PROPERTIES_FILE), "E:\\file.txt");
}

TEST(DialogFramework, AcceptCopiesControlsBackAndCloses) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  dialog.SetItemText(IDE_PROPERTIES_FILE, "F:\\other.doc");
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_EQ(dialog.file, "F:\\other.doc");
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(DialogFramework, CancelKeepsTheMembers) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  dialog.SetItemText(IDE_PROPERTIES_FILE, "F:\\other.doc");
  ::SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_EQ(dialog.file, "E:\\file.txt");
  EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(DialogFramework, TableDispatchesMessagesAndNotifications) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const int changesAfterOpen = dialog.nameChanges;
  EXPECT_EQ(::SendMessageA(dialog.hwnd(), kPing, 21, 0), 42);
  EXPECT_EQ(dialog.pings, 1);
  // (A multi-line edit does not notify changes made by WM_SETTEXT.)
  HWND name = dialog.Item(IDE_PROPERTIES_NAME);
  ::SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDE_PROPERTIES_NAME, EN_CHANGE),
                 reinterpret_cast<LPARAM>(name));
  EXPECT_EQ(dialog.nameChanges, changesAfterOpen + 1);
  // Same control, other notification: not in the table.
  ::SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDE_PROPERTIES_NAME, EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(name));
  EXPECT_EQ(dialog.nameChanges, changesAfterOpen + 1);
  // A message the table does not list gets the default processing.
  EXPECT_EQ(::SendMessageA(dialog.hwnd(), WM_APP + 9, 0, 0), 0);
  EXPECT_EQ(::SendMessageA(dialog.hwnd(), kPassOn, 0, 0), 0);
}

TEST(DialogFramework, AThrowingHandlerDoesNotEscape) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(::SendMessageA(dialog.hwnd(), kThrow, 0, 0), 0);
  EXPECT_TRUE(::IsWindow(dialog.hwnd()));
}

TEST(DialogFramework, ModalRunReturnsTheEndResult) {
  TestDialog dialog;
  dialog.endInInit = true;
  EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
  EXPECT_EQ(dialog.name, "display name (seen by OnInit)");
  EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(DialogFramework, MissingTemplateFailsCleanly) {
  class Missing : public win32::Dialog {
   public:
    Missing() : Dialog(4321) {}
  } dialog;
  EXPECT_FALSE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.RunModal(nullptr), -1);
}

TEST(DialogFramework, LayoutHelpers) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const RECT template_ = test_support::DialogUnits(dialog.hwnd(), 0, 0, 275, 135);
  const SIZE client = dialog.ClientSize();
  EXPECT_EQ(client.cx, template_.right);
  EXPECT_EQ(client.cy, template_.bottom);

  dialog.MoveItem(IDE_PROPERTIES_FILE, 10, 20, 100, 40);
  const RECT moved = test_support::ChildRect(dialog.Item(IDE_PROPERTIES_FILE));
  EXPECT_EQ(moved.left, 10);
  EXPECT_EQ(moved.top, 20);
  EXPECT_EQ(moved.right - moved.left, 100);
  EXPECT_EQ(moved.bottom - moved.top, 40);

  dialog.ShowItem(IDE_PROPERTIES_FILE, false);
  EXPECT_FALSE(::IsWindowVisible(dialog.Item(IDE_PROPERTIES_FILE)));
  dialog.SetDefaultButton(IDE_PROPERTIES_NAME);
  EXPECT_EQ(LOWORD(::SendMessageA(dialog.hwnd(), DM_GETDEFID, 0, 0)), IDE_PROPERTIES_NAME);

  dialog.CentreOnScreen();
  RECT window{};
  ::GetWindowRect(dialog.hwnd(), &window);
  EXPECT_LE(std::abs(window.left + window.right - ::GetSystemMetrics(SM_CXSCREEN)), 1);
  EXPECT_LE(std::abs(window.top + window.bottom - ::GetSystemMetrics(SM_CYSCREEN)), 1);
}

// A control that colours itself answers the reflected message; the others
// are left to the dialog's default colours.
class RedStatic : public win32::SubclassedControl {
 public:
  win32::BrushHandle brush{::CreateSolidBrush(RGB(255, 0, 0))};

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == win32::kReflectedCtlColorStatic) return reinterpret_cast<LRESULT>(brush.get());
    return Default(message, wParam, lParam);
  }
};

class ReflectingDialog : public TestDialog {
 public:
  RedStatic red;

 protected:
  std::vector<win32::ControlBinding> ControlBindings() override {
    return {{IDE_PROPERTIES_NAME, &red}};
  }
};

TEST(DialogFramework, ColourMessagesAreReflectedToControlsThatAsk) {
  ReflectingDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.red.hwnd(), dialog.Item(IDE_PROPERTIES_NAME));
  win32::WindowDc dc(dialog.hwnd());
  EXPECT_EQ(::SendMessageA(dialog.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                           reinterpret_cast<LPARAM>(dialog.Item(IDE_PROPERTIES_NAME))),
            reinterpret_cast<LRESULT>(dialog.red.brush.get()));
  EXPECT_NE(::SendMessageA(dialog.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                           reinterpret_cast<LPARAM>(dialog.Item(IDE_PROPERTIES_FILE))),
            reinterpret_cast<LRESULT>(dialog.red.brush.get()));
}

TEST(DialogFramework, ControlsAreReleasedWithTheWindow) {
  RedStatic* red = nullptr;
  {
    ReflectingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    red = &dialog.red;
    ::SendMessageA(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(red->hwnd(), nullptr);
  }
}

}  // namespace
