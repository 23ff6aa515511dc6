// The starter's error and licence dialogs from its own templates: sizes,
// controls, texts and the layout done when they open.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "common/win32/hyperlink_static.h"
#include "common/win32/window_util.h"
#include "resource.h"
#include "starter/win32/error_dialogs.h"
#include "starter/win32/licence_dialog.h"
#include "window_test_support.h"

namespace {

using test_support::ChildRect;
using test_support::DialogUnits;

struct TemplateControl {
  int id;
  int x, y, width, height;
  const char* text;  // nullptr: not checked
};

void ExpectClientSize(HWND dialog, int widthUnits, int heightUnits) {
  const RECT expected = DialogUnits(dialog, 0, 0, widthUnits, heightUnits);
  const SIZE client = win32::ClientSize(dialog);
  EXPECT_EQ(client.cx, expected.right);
  EXPECT_EQ(client.cy, expected.bottom);
}

void ExpectControls(HWND dialog, std::initializer_list<TemplateControl> controls) {
  for (const TemplateControl& item : controls) {
    HWND control = ::GetDlgItem(dialog, item.id);
    ASSERT_NE(control, nullptr) << item.id;
    const RECT expected = DialogUnits(dialog, item.x, item.y, item.width, item.height);
    const RECT actual = ChildRect(control);
    EXPECT_EQ(actual.left, expected.left) << item.id;
    EXPECT_EQ(actual.top, expected.top) << item.id;
    EXPECT_EQ(actual.right, expected.right) << item.id;
    EXPECT_EQ(actual.bottom, expected.bottom) << item.id;
    if (item.text) {
      EXPECT_EQ(win32::WindowText(control), item.text) << item.id;
    }
  }
}

// The static texts without an id, in template order.
std::vector<std::string> UnnamedTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const int id = ::GetDlgCtrlID(child);
    if (id == -1 || id == 0xFFFF) {
      texts.push_back(win32::WindowText(child));
    }
  }
  return texts;
}

void ExpectSeparator(HWND dialog, int id, int bottomGap) {
  const SIZE client = win32::ClientSize(dialog);
  const RECT line = ChildRect(::GetDlgItem(dialog, id));
  EXPECT_EQ(line.left, 5);
  EXPECT_EQ(line.top, client.cy - bottomGap);
  EXPECT_EQ(line.right - line.left, client.cx - 10);
  EXPECT_EQ(line.bottom - line.top, 2);
}

void ExpectMargins(HWND edit) {
  const LRESULT margins = ::SendMessageA(edit, EM_GETMARGINS, 0, 0);
  EXPECT_EQ(LOWORD(margins), 3);
  EXPECT_EQ(HIWORD(margins), 3);
}

TEST(ErrorDialog, TemplateAndTexts) {
  ErrorDialog dialog(
      {"The file could not be found.\r\nSecond line.", "E:\\docs\\missing.pdf", "2 (0x02)"});
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  EXPECT_EQ(win32::WindowText(window), "Error Opening File");
  ExpectClientSize(window, 253, 206);
  ExpectControls(
      window,
      {
          {IDE_ERROR_MESSAGE, 4, 16, 245, 95, "The file could not be found.\r\nSecond line."},
          {IDE_ERROR_FILE, 50, 121, 199, 20, "E:\\docs\\missing.pdf"},
          {IDE_ERROR_CODE, 50, 146, 35, 12, "2 (0x02)"},
          {IDT_ERROR_LINK, 50, 165, 122, 9, "More information about this error code"},
          {IDOK, 199, 188, 50, 14, "&Close"},
      });
  EXPECT_EQ(UnnamedTexts(window),
            (std::vector<std::string>{
                "We are very sorry, but it was not possible to open the file, as outlined below:",
                "File:", "Error code:"}));
  EXPECT_EQ(LOWORD(::SendMessageA(window, DM_GETDEFID, 0, 0)), IDOK);
  ExpectSeparator(window, IDT_ERROR_SEPARATOR, 40);
  ExpectMargins(dialog.Item(IDE_ERROR_MESSAGE));
  EXPECT_EQ(dialog.link().target(), "http://www.zoruzaz.example/prod_quav_err.html");
  test_support::SaveScreenshotIfAsked(window, "error_dialog");
}

TEST(ErrorDialog, MessageBoxRefusesTyping) {
  ErrorDialog dialog({"message", "file", "code"});
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ::SendMessageA(dialog.Item(IDE_ERROR_MESSAGE), WM_CHAR, 'x', 1);
  EXPECT_EQ(dialog.ItemText(IDE_ERROR_MESSAGE), "message");
}

TEST(ErrorDialog, CloseEndsTheModalRun) {
  class Closing : public ErrorDialog {
   public:
    using ErrorDialog::ErrorDialog;

   protected:
    bool OnInit() override {
      ErrorDialog::OnInit();
      ::PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      return true;
    }
  } dialog({"m", "f", "c"});
  EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
}

TEST(CustomErrorDialog, TemplateAndTexts) {
  CustomErrorDialog dialog({"mailto:help@example.com", "Contact the CD's author",
                            "Sorry, this CD could not start.<br>Please call us.",
                            "2: The system cannot find the file specified."});
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  EXPECT_EQ(win32::WindowText(window), "Error Opening File");
  ExpectClientSize(window, 265, 218);
  ExpectControls(window, {
                             {IDT_CUSTOM_ERROR_LINK, 4, 4, 257, 13, "Contact the CD's author"},
                             {IDE_CUSTOM_ERROR_TEXT, 4, 19, 257, 102,
                              "Sorry, this CD could not start.\r\nPlease call us."},
                             {IDT_CUSTOM_ERROR_CODE, 24, 139, 237, 48,
                              "2: The system cannot find the file specified."},
                             {IDOK, 211, 200, 50, 14, "&Close"},
                         });
  EXPECT_EQ(UnnamedTexts(window),
            (std::vector<std::string>{"The system returned the following code / message:"}));
  ExpectSeparator(window, IDT_CUSTOM_ERROR_SEPARATOR, 38);
  ExpectMargins(dialog.Item(IDE_CUSTOM_ERROR_TEXT));
  EXPECT_EQ(dialog.link().target(), "mailto:help@example.com");
  test_support::SaveScreenshotIfAsked(window, "custom_error_dialog");
}

TEST(CustomErrorDialog, EmptyLinkTextShowsTheUrl) {
  CustomErrorDialog dialog({"http://cd.example/help", "", "a<br>b<br><br>c", "-2"});
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.ItemText(IDT_CUSTOM_ERROR_LINK), "http://cd.example/help");
  EXPECT_EQ(dialog.ItemText(IDE_CUSTOM_ERROR_TEXT), "a\r\nb\r\n\r\nc");
}

class LicenceDialogTest : public testing::Test {
 protected:
  void TearDown() override { std::remove(path_.c_str()); }
  std::string WriteFile(const std::string& contents) {
    std::ofstream(path_, std::ios::binary) << contents;
    return path_;
  }
  std::string path_ = "licence_dialog_test.txt";
};

TEST_F(LicenceDialogTest, TemplateAndBoldHeading) {
  LicenceDialog dialog({WriteFile("first line\r\nsecond line\r\nthird line\r\n")});
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  EXPECT_EQ(win32::WindowText(window), "License Agreement");
  ExpectClientSize(window, 329, 255);
  ExpectControls(window, {
                             {IDCANCEL, 272, 234, 50, 14, "&No"},
                             {IDOK, 214, 234, 50, 14, "&Yes"},
                             {IDE_LICENCE_TEXT, 21, 44, 301, 161, nullptr},
                             {IDT_LICENCE_HEADING, 7, 7, 315, 9, "License Agreement"},
                         });
  EXPECT_EQ(UnnamedTexts(window),
            (std::vector<std::string>{
                "Do you accept all the terms of the preceding License Agreement?  If you choose "
                "No, opening of CD will close.  To run the files on this CD, you must accept "
                "this agreement.",
                "Please read the following important License Agreement before continuing.  Use "
                "the scroll bar, or press the Page Down key to view the rest of the agreement."}));
  // Enter means "&No".
  EXPECT_EQ(LOWORD(::SendMessageA(window, DM_GETDEFID, 0, 0)), IDCANCEL);
  LOGFONTA heading{};
  ::GetObjectA(
      reinterpret_cast<HFONT>(::SendMessageA(dialog.Item(IDT_LICENCE_HEADING), WM_GETFONT, 0, 0)),
      sizeof(heading), &heading);
  EXPECT_EQ(heading.lfWeight, FW_BOLD);
  test_support::SaveScreenshotIfAsked(window, "licence_dialog");
}

TEST_F(LicenceDialogTest, AgreementTexts) {
  struct Case {
    const char* name;
    std::string fileName;  // empty: the test file with `contents`
    std::string contents;
    std::string shown;
  };
  const Case cases[] = {
      {"three lines", "", "one\ntwo\nthree", "one\r\ntwo\r\nthree\r\n"},
      {"empty file", "", "", ""},
      {"missing file", "no such licence.txt", "",
       "Failed to open the license agreement file no such licence.txt"},
  };
  for (const Case& c : cases) {
    const std::string fileName = c.fileName.empty() ? WriteFile(c.contents) : c.fileName;
    LicenceDialog dialog({fileName});
    ASSERT_TRUE(dialog.CreateModeless(nullptr)) << c.name;
    EXPECT_EQ(dialog.ItemText(IDE_LICENCE_TEXT), c.shown) << c.name;
    ::SendMessageA(dialog.Item(IDE_LICENCE_TEXT), WM_CHAR, 'x', 1);
    EXPECT_EQ(dialog.ItemText(IDE_LICENCE_TEXT), c.shown) << c.name;
  }
}

// Runs the dialog modally and, once it is up, sends it `message`.
INT_PTR AnswerLicence(UINT message, WPARAM wParam) {
  class Answered : public LicenceDialog {
   public:
    Answered(UINT message, WPARAM wParam)
        : LicenceDialog({"absent.txt"}), message_(message), wParam_(wParam) {}

   protected:
    bool OnInit() override {
      LicenceDialog::OnInit();
      ::PostMessageA(hwnd(), message_, wParam_, 0);
      return true;
    }

   private:
    UINT message_;
    WPARAM wParam_;
  } dialog(message, wParam);
  return dialog.RunModal(nullptr);
}

TEST_F(LicenceDialogTest, Answers) {
  EXPECT_EQ(AnswerLicence(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)), IDOK);
  EXPECT_EQ(AnswerLicence(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)), IDCANCEL);
  EXPECT_EQ(AnswerLicence(WM_CLOSE, 0), IDCANCEL);
  EXPECT_EQ(AnswerLicence(WM_SYSCOMMAND, SC_CLOSE), IDCANCEL);
}

}  // namespace
