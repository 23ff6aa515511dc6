// The driver against a small fixture program in another process: the same
// cross-process paths (texts, list boxes, posted clicks, nested message
// boxes, geometry, screenshots) that the scenarios rely on.
#include "driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "cd_folder.h"
#include "fixture_ids.h"

namespace e2e {
namespace {

using std::chrono_literals::operator""ms;
using std::chrono_literals::operator""s;
using testing::Contains;
using testing::ElementsAre;

constexpr const char* kTitle = "ZoruZaz AZ";
constexpr const char* kFormTitle = "Fixture Form";

std::string FixtureExe() { return WindowsPath(E2E_FIXTURE_EXE); }

// Distinct colours in a 24-bit .bmp written by SaveScreenshot.
size_t DistinctColours(const std::string& bmpPath) {
  std::ifstream file(bmpPath, std::ios::binary);
  std::string data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::set<uint32_t> colours;
  for (size_t i = 54; i + 2 < data.size(); i += 3) {
    colours.insert(static_cast<uint8_t>(data[i]) | static_cast<uint8_t>(data[i + 1]) << 8 |
                   static_cast<uint8_t>(data[i + 2]) << 16);
  }
  return colours.size();
}

TEST(Driver, ReadsAndAnswersAYesNoMessageBox) {
  CdFolder folder("fixture");
  auto process = Process::Start(FixtureExe(), "\"a b.txt\" -x", folder.Path());
  ASSERT_TRUE(process);
  auto box = WaitForMessageBox(*process, kTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Open the form for \"a b.txt\" -x?");
  EXPECT_EQ(box->buttons, (std::vector<std::string>{"&Yes", "&No"}));
  EXPECT_EQ(DefaultButtonId(box->window), IDNO);
  EXPECT_THAT(VisibleWindowTitles(*process), Contains(kTitle));
  EXPECT_EQ(WaitForAnyWindow(*process, 1s), box->window);
  EXPECT_EQ(FindWindowOf(process->Pid(), kTitle, "Button"), nullptr);

  ASSERT_TRUE(AnswerMessageBox(box->window, IDNO));
  EXPECT_EQ(process->WaitForExit(), 10u);
}

TEST(Driver, TimeOutsReturnAndAHangingProcessIsKilled) {
  auto process = Process::Start(FixtureExe());
  ASSERT_TRUE(process);
  ASSERT_TRUE(WaitForMessageBox(*process, kTitle));

  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(WaitForWindow(*process, "No Such Window", "", 300ms), nullptr);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 300ms);
  EXPECT_LT(waited, 3s);

  // Still waiting for an answer: the wait gives up and ends it.
  EXPECT_EQ(process->WaitForExit(300ms), std::nullopt);
  EXPECT_FALSE(process->Running());
}

TEST(Driver, StartingAMissingProgramFails) {
  EXPECT_FALSE(Process::Start("C:\\no such folder\\nothing.exe"));
}

// The fixture's form, reached by answering "&Yes", started in a folder of its
// own with FIXTURE_NAME set.
class FormTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    auto process = Process::Start(FixtureExe(), "", folder_.Path(), {{"FIXTURE_NAME", "Grace"}});
    ASSERT_TRUE(process);
    process_.emplace(std::move(*process));
    auto box = WaitForMessageBox(*process_, kTitle);
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box->window, IDYES));
    form_ = WaitForWindow(*process_, kFormTitle, kDialogClass);
    ASSERT_NE(form_, nullptr);
  }

  CdFolder folder_{"fixture"};
  std::optional<Process> process_;
  HWND form_ = nullptr;
};

TEST_F(FormTest, ReadsTheControlsOfAnotherProcess) {
  EXPECT_EQ(WindowText(form_), kFormTitle);
  EXPECT_EQ(ControlText(form_, IDT_FOLDER), folder_.Path());
  EXPECT_EQ(ControlText(form_, IDE_NAME), "Grace");
  EXPECT_THAT(ListBoxItems(form_, IDL_ITEMS), ElementsAre("Alpha", "Beta", "Gamma", "Caf\xE9"));
  EXPECT_EQ(ListBoxSelection(form_, IDL_ITEMS), -1);
  EXPECT_EQ(FindControlByText(form_, "&More..."), Control(form_, IDB_MORE));
  EXPECT_EQ(FindControlByText(form_, "More..."), nullptr);
  EXPECT_THAT(ControlTexts(form_), Contains(std::pair<int, std::string>(IDOK, "&Done")));
  EXPECT_EQ(DefaultButtonId(form_), IDOK);
  EXPECT_TRUE(IsControlEnabled(form_, IDCANCEL));
  EXPECT_FALSE(ClickButton(form_, 999));

  ASSERT_TRUE(PressKey(form_, VK_ESCAPE));
  EXPECT_EQ(process_->WaitForExit(), 30u);
}

TEST_F(FormTest, SelectionAndEditReachTheProgram) {
  ASSERT_TRUE(SelectListBoxItem(form_, IDL_ITEMS, 1));
  EXPECT_EQ(ListBoxSelection(form_, IDL_ITEMS), 1);
  EXPECT_FALSE(SelectListBoxItem(form_, IDL_ITEMS, 9));
  ASSERT_TRUE(SetControlText(form_, IDE_NAME, "Edsger"));
  EXPECT_EQ(ControlText(form_, IDE_NAME), "Edsger");

  ASSERT_TRUE(ClickButtonByText(form_, "&Done"));
  EXPECT_EQ(process_->WaitForExit(), 20u + 2 + 100);
}

TEST_F(FormTest, PostedClickOpensANestedMessageBoxWithoutBlocking) {
  ASSERT_TRUE(ClickButton(form_, IDB_MORE));
  auto box = WaitForMessageBox(*process_, kTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "More was pressed.");
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  ASSERT_TRUE(AnswerMessageBox(box->window, IDOK));
  EXPECT_TRUE(IsWindowVisible(form_));

  ASSERT_TRUE(PressKey(form_, VK_RETURN));  // the default button, "&Done"
  EXPECT_EQ(process_->WaitForExit(), 1020u);
}

TEST_F(FormTest, GeometryFollowsTheDialogUnits) {
  // Positions as in fixture_app.rc.
  EXPECT_EQ(ControlRect(form_, IDB_MORE), DialogItemPixels(136, 38, 57, 14));
  EXPECT_EQ(ControlRect(form_, IDOK), DialogItemPixels(82, 119, 54, 14));
  const Rect client = ClientRect(form_);
  EXPECT_EQ(client.Width(), DialogItemPixels(0, 0, 200, 140).Width());
  EXPECT_EQ(client.Height(), DialogItemPixels(0, 0, 200, 140).Height());
  // DS_CENTER: the window is centred on the 1024 x 768 work area.
  const Rect window = WindowRect(form_);
  EXPECT_NEAR(window.left + window.Width() / 2, ScreenSize().width / 2, 1);
  EXPECT_NEAR(window.top + window.Height() / 2, ScreenSize().height / 2, 1);
  EXPECT_EQ(ControlRect(form_, 999), Rect{});
}

TEST_F(FormTest, ScreenshotsHaveTheSizeOfTheScreenAndOfTheWindow) {
  const std::string folder = WindowsPath(E2E_BUILD_DIR "/e2e-screenshots");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string screen = folder + "\\fixture_screen.bmp";
  const std::string window = folder + "\\fixture_form.bmp";
  ASSERT_TRUE(SaveScreenshot(screen));
  ASSERT_TRUE(SaveScreenshot(window, form_));

  auto size = BitmapFileSize(screen);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, ScreenSize().width);
  EXPECT_EQ(size->height, ScreenSize().height);
  size = BitmapFileSize(window);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, WindowRect(form_).Width());
  EXPECT_EQ(size->height, WindowRect(form_).Height());
  // Caption, face, text and list: a drawn form, not a blank grab.
  EXPECT_GT(DistinctColours(window), 3u);
  EXPECT_FALSE(BitmapFileSize(folder_.PathOf("missing.bmp")));
}

}  // namespace
}  // namespace e2e
