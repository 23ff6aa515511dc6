// The image chooser on its own template over a real source folder: the rows
// of each filter, the sizes and warnings of the selected picture, the
// preview, double-click as OK; the folder chooser's answer and the colour
// swatch's colour as painted.
#include "wizard/pages/win32/image_chooser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/text.h"
#include "common/win32/handles.h"
#include "common/win32/win32_file_system.h"
#include "config/autorun_keys.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"
#include "wizard/cd_files_texts.h"
#include "wizard/pages/image_chooser_texts.h"
#include "wizard/pages/win32/cd_icon_page.h"
#include "wizard/pages/win32/colour_swatch.h"
#include "wizard/pages/win32/file_to_open_page.h"
#include "wizard/pages/win32/folder_dialog.h"
#include "wizard/pages/win32/image_chooser_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/several_folder_page.h"
#include "wizard/pages/win32/viewer_installer_wizard.h"
#include "wizard/pages/win32/win32_folder_lister.h"
#include "wizard/win32/win32_file_copier.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
using Rows = std::vector<std::string>;
using test_support::TestPicture;

// A 24-bit bitmap of one colour: a picture of any size without a data file.
std::string SolidBitmap(int width, int height, COLORREF colour) {
  const int stride = ((width * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
  std::string data(reinterpret_cast<const char*>(&file), sizeof(file));
  data.append(reinterpret_cast<const char*>(&info), sizeof(info));
  std::string row(static_cast<size_t>(stride), '\0');
  for (int x = 0; x < width; ++x) {
    row[static_cast<size_t>(x) * 3] = static_cast<char>(GetBValue(colour));
    row[static_cast<size_t>(x) * 3 + 1] = static_cast<char>(GetGValue(colour));
    row[static_cast<size_t>(x) * 3 + 2] = static_cast<char>(GetRValue(colour));
  }
  for (int y = 0; y < height; ++y) data += row;
  return data;
}

std::string Text(HWND window, int id) {
  char buffer[1024] = {};
  ::GetDlgItemTextA(window, id, buffer, sizeof buffer);
  return buffer;
}

class ImageChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    // A short path: the chosen file is checked against the length warning.
    ASSERT_TRUE(cd.ok());
    for (const char* name :
         {"green-40x30.gif", "transparent-40x30.gif", "blue-40x30.jpg", "red-40x30.bmp"}) {
      ASSERT_TRUE(cd.AddCopy(name, TestPicture(name)));
    }
    ASSERT_TRUE(cd.AddFile("big-1200x10.bmp", SolidBitmap(1200, 10, RGB(0, 0, 255))));
    ASSERT_TRUE(cd.AddFile("notes.txt", "not a picture"));
    ASSERT_TRUE(cd.AddCopy("photo.png", TestPicture("green-40x30.png")));
    ASSERT_TRUE(cd.AddFile("pics.gif\\inside.gif", "a folder that looks like an image"));
    settings.SetText(ws::kSourceFolder, cd.Path() + "\\");
    settings.Store().WriteString(ws::kLastImageFilter, "");
    settings.SetFlag(ws::kPeviewImages, true);
  }
  void TearDown() override { ::OleUninitialize(); }

  void Open(const std::string& image, bool allowUnconfigured = false) {
    choice.image = image;
    choice.allowUnconfigured = allowUnconfigured;
    frame.SetPage(page, "Select an Image");
    ASSERT_TRUE(frame.CreateModeless(nullptr));
  }
  void ChooseFilter(int index) {
    ::SendDlgItemMessageA(page.hwnd(), IDC_IMAGE_FILTER, CB_SETCURSEL, index, 0);
    ::SendMessageA(page.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_IMAGE_FILTER, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page.hwnd(), IDC_IMAGE_FILTER)));
  }
  void ChooseRow(const std::string& row) {
    HWND list = ::GetDlgItem(page.hwnd(), IDL_IMAGE_FILES);
    const LRESULT index = ::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(row.c_str()));
    ASSERT_NE(index, LB_ERR) << row;
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(page.hwnd(), WM_COMMAND, MAKEWPARAM(IDL_IMAGE_FILES, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
  }
  std::string SelectedRow() const {
    const int index = page.SelectedRow();
    return index < 0 ? "" : page.Rows()[static_cast<size_t>(index)];
  }
  // The colour the preview shows at its middle, read back from the screen.
  COLORREF PreviewMiddle() {
    ::ShowWindow(frame.hwnd(), SW_SHOWNA);
    ::UpdateWindow(frame.hwnd());
    test_support::PumpPending();
    RECT client{};
    ::GetClientRect(page.Preview().Handle(), &client);
    win32::WindowDc dc(page.Preview().Handle());
    return ::GetPixel(dc.get(), client.right / 2, client.bottom / 2);
  }

  WizardApp app;
  WizardSettings settings{app.Registry()};
  test_support::TempFolder cd{"img", "C:"};
  Win32FolderLister lister;
  Win32FileSystem fs;
  Win32FileCopier copier;
  ImageChoice choice;
  ImageChooserPage page{choice, settings, lister, fs, copier};
  OptionFrame frame{"select_image"};
};

TEST_F(ImageChooserTest, ListsEachFiltersFilesAndDescribesTheSelectedPicture) {
  Open("D:\\elsewhere\\green-40x30.gif");
  HWND p = page.hwnd();
  EXPECT_EQ(Text(frame.hwnd(), IDT_OPTION_TITLE), "Select an Image");
  EXPECT_EQ(Text(p, IDT_IMAGE_FOLDER), "Files in: " + cd.Path() + "\\");
  // A GIF image starts on the GIF filter, with its own row selected.
  EXPECT_EQ(Text(p, IDC_IMAGE_FILTER), "GIF images (*.gif)");
  EXPECT_EQ(page.Rows(), (Rows{"green-40x30.gif", "transparent-40x30.gif"}));
  EXPECT_EQ(SelectedRow(), "green-40x30.gif");
  EXPECT_EQ(Text(p, IDE_IMAGE_WIDTH), "40");
  EXPECT_EQ(Text(p, IDE_IMAGE_HEIGHT), "30");
  EXPECT_EQ(Text(p, IDE_IMAGE_WARNINGS), "");
  EXPECT_EQ(Text(p, IDT_IMAGE_RECOMMENDED),
            "Average recommended maximum size:\n1000 x 1000 pixels");
  EXPECT_EQ(settings.Text(ws::kLastImageFilter), "GIF images (*.gif)");
  EXPECT_EQ(PreviewMiddle(), RGB(0, 255, 0));
  test_support::SaveScreenshotIfAsked(frame.hwnd(), "image_chooser");
  EXPECT_THAT(test_support::ClippedControls(frame.hwnd()), ::testing::IsEmpty());

  struct Row {
    int filter;
    Rows rows;
  } rows[] = {
      {0, {"blue-40x30.jpg", "green-40x30.gif", "transparent-40x30.gif"}},
      {2, {"blue-40x30.jpg"}},
      {3, {"big-1200x10.bmp", "red-40x30.bmp"}},
      {4,
       {"big-1200x10.bmp", "blue-40x30.jpg", "green-40x30.gif", "notes.txt", "photo.png",
        "red-40x30.bmp", "transparent-40x30.gif"}},
  };
  for (const Row& row : rows) {
    ChooseFilter(row.filter);
    EXPECT_EQ(page.Rows(), row.rows) << row.filter;
  }
  EXPECT_EQ(settings.Text(ws::kLastImageFilter), "All Files (*.*)");

  // Wider than the recommendation: the warning names it.
  ChooseRow("big-1200x10.bmp");
  EXPECT_EQ(Text(p, IDE_IMAGE_WIDTH), "1200");
  EXPECT_EQ(Text(p, IDE_IMAGE_HEIGHT), "10");
  // (The warnings' exact wording is the unit tests' business.)
  EXPECT_EQ(Text(p, IDE_IMAGE_WARNINGS)
                .find("> Image is larger than average maximum size of 1000 x 1000 pixels"),
            0u);
  // Shrunk to fit the preview: the middle is the picture's blue.
  EXPECT_EQ(PreviewMiddle(), RGB(0, 0, 255));
  test_support::SaveScreenshotIfAsked(frame.hwnd(), "image_chooser_large");

  // Not a picture the CD can show, whatever this machine loads (a PNG): the
  // message, the warning in its place, and OK refuses it.
  for (const char* row : {"photo.png", "notes.txt"}) {
    test_support::MessageBoxWatcher box(wizard_texts::kTitle);
    ChooseRow(row);
    EXPECT_EQ(box.Text(),
              "Sorry, but failed to load the image. Check that it is a valid image type.");
  }
  EXPECT_EQ(Text(p, IDE_IMAGE_WIDTH), "n/a");
  EXPECT_EQ(Text(p, IDE_IMAGE_WARNINGS), image_chooser_texts::kNotAPictureWarning);
  {
    test_support::MessageBoxWatcher refused(wizard_texts::kTitle);
    EXPECT_FALSE(page.OnKillActive());
    EXPECT_EQ(refused.Text(), cd_files_texts::NotAPicture("Image", cd.PathOf("notes.txt")));
  }

  ChooseRow("transparent-40x30.gif");
  EXPECT_NE(Text(p, IDE_IMAGE_WARNINGS).find("> Image is a 'transparent image'."),
            std::string::npos);

  // Without the preview the sizes still show, but the preview is empty.
  ChooseRow("red-40x30.bmp");
  ::CheckDlgButton(p, IDX_IMAGE_PREVIEW, BST_UNCHECKED);
  ::SendMessageA(p, WM_COMMAND, MAKEWPARAM(IDX_IMAGE_PREVIEW, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(p, IDX_IMAGE_PREVIEW)));
  EXPECT_EQ(Text(p, IDE_IMAGE_WIDTH), "40");
  const COLORREF empty = PreviewMiddle();
  EXPECT_TRUE(empty == RGB(255, 255, 255) || empty == RGB(187, 187, 187)) << std::hex << empty;
}

TEST_F(ImageChooserTest, DoubleClickAcceptsTheRowAsAFullPath) {
  Open("", true);
  EXPECT_EQ(Text(page.hwnd(), IDC_IMAGE_FILTER), "GIF and JPG images (*.gif, *.jpg, *.jpeg)");
  ASSERT_EQ(page.Rows().front(), "<Do not configure this option>");
  ChooseRow("blue-40x30.jpg");
  ::CheckDlgButton(page.hwnd(), IDX_IMAGE_PREVIEW, BST_UNCHECKED);
  HWND list = ::GetDlgItem(page.hwnd(), IDL_IMAGE_FILES);
  ::SendMessageA(page.hwnd(), WM_COMMAND, MAKEWPARAM(IDL_IMAGE_FILES, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
  test_support::PumpPending();
  EXPECT_FALSE(::IsWindow(frame.hwnd()));  // the frame's OK closed it
  EXPECT_EQ(choice.image, cd.PathOf("blue-40x30.jpg"));
  EXPECT_FALSE(settings.Flag(ws::kPeviewImages));
}

// With every file listed, opening selects a row the author did not pick: a
// text there is told by the warnings, not by a message over no window.
TEST_F(ImageChooserTest, OpeningOnAFileThatIsNoPictureShowsNoMessage) {
  settings.Store().WriteString(ws::kLastImageFilter, "All Files (*.*)");
  test_support::MessageBoxWatcher box(wizard_texts::kTitle);
  Open("notes.txt");
  EXPECT_EQ(Text(page.hwnd(), IDE_IMAGE_WARNINGS), image_chooser_texts::kNotAPictureWarning);
  EXPECT_EQ(box.Text(), "");
}

TEST_F(ImageChooserTest, CopyingInSelectsTheCopyUnderItsFilter) {
  test_support::TempFolder art{"art", "C:"};
  ASSERT_TRUE(art.AddCopy("sky.jpeg", TestPicture("sky-200x150.jpg")));
  Open("green-40x30.gif");
  page.CopyIn(art.PathOf("sky.jpeg"));
  EXPECT_TRUE(cd.Exists("sky.jpeg"));
  EXPECT_EQ(Text(page.hwnd(), IDC_IMAGE_FILTER), "JPG images (*.jpg, *.jpeg)");
  EXPECT_EQ(SelectedRow(), "sky.jpeg");
  EXPECT_EQ(Text(page.hwnd(), IDE_IMAGE_WIDTH), "200");
}

// Presses a button of the option frame this thread opens next, from a timer
// that its modal loop runs.
class FramePresser {
 public:
  explicit FramePresser(int button) {
    button_ = button;
    timer_ = ::SetTimer(nullptr, 0, 50, &FramePresser::Tick);
  }
  ~FramePresser() { ::KillTimer(nullptr, timer_); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND frame = ::GetActiveWindow();
    if (!frame || !::GetDlgItem(frame, IDB_OPTION_OK)) return;
    ::PostMessageA(frame, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(frame, button_)));
  }
  static inline int button_ = 0;
  UINT_PTR timer_;
};

TEST_F(ImageChooserTest, ChooseImageKeepsTheImageOnCancelAndTakesTheRowOnOk) {
  ImageChoice chosen;
  chosen.image = "red-40x30.bmp";
  {
    FramePresser cancel(IDB_OPTION_CANCEL);
    EXPECT_FALSE(ChooseImage(nullptr, chosen));
  }
  EXPECT_EQ(chosen.image, "red-40x30.bmp");
  {
    FramePresser ok(IDB_OPTION_OK);
    EXPECT_TRUE(ChooseImage(nullptr, chosen));
  }
  EXPECT_EQ(chosen.image, cd.PathOf("red-40x30.bmp"));
  EXPECT_EQ(settings.Text(ws::kLastImageFilter), "Bitmaps (*.bmp)");
}

TEST(FolderDialog, SelectGivesTheFolderShownFirst) {
  ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
  test_support::TempFolder folder{"folder", "C:"};
  ASSERT_TRUE(folder.ok());
  char previous[MAX_PATH] = {};
  ::GetCurrentDirectoryA(sizeof previous, previous);
  ASSERT_TRUE(::SetCurrentDirectoryA(folder.Path().c_str()));
  std::string chosen;  // no folder given: the current directory
  INT_PTR result;
  {
    test_support::MessageBoxWatcher select("Choose folder");
    result = CFolderDialog(chosen).DoModal(nullptr);
  }
  ::SetCurrentDirectoryA(previous);
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(::lstrcmpiA(chosen.c_str(), folder.Path().c_str()) == 0) << chosen;
  ::OleUninitialize();
}

// Notes where the dialog this thread opens starts and closes it; the folder
// chooser, which prompts, is answered with "Select".
class StartWatcher : public test_support::ModalWatcher {
 public:
  std::string folder;
  bool prompt = false;

 private:
  void Answer(HWND dialog) override {
    prompt = ::FindWindowExA(dialog, nullptr, "Static", image_chooser_texts::kFolderDialogPrompt);
    char shown[MAX_PATH] = {};
    if (!prompt)
      ::SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(shown));
    folder = shown;
    ::PostMessageA(dialog, WM_COMMAND, prompt ? IDOK : IDCANCEL, 0);
  }
};

// The pages' file dialogs and the folder chooser start in the CD's folder,
// not in the current directory (the kit's own folder when installed).
TEST_F(ImageChooserTest, TheDialogsOfThePagesStartInTheCdFolder) {
  settings.SetText(ws::kSourceFile, "");
  FileToOpenPage file;
  CdIconPage icon;
  ViewerSpecifyPage installer(viewer_installer::ForSlot(1));
  FolderPage folder;
  const std::pair<WizardPage*, int> rows[] = {{&page, IDB_IMAGE_COPY_IN},
                                              {&file, IDB_FILE_BROWSE},
                                              {&icon, IDB_ICON_COPY_IN},
                                              {&installer, IDB_VIEWER_BROWSE},
                                              {&folder, IDB_SEVERAL_BROWSE}};
  for (const auto& [shown, button] : rows) {
    OptionFrame host("help");
    host.SetPage(*shown, "Start");
    ASSERT_TRUE(host.CreateModeless(nullptr));
    StartWatcher watcher;
    ::SendMessageA(shown->hwnd(), WM_COMMAND, button, 0);
    // "Select" puts where the chooser started in the page.
    const std::string start =
        watcher.prompt ? Text(shown->hwnd(), IDE_SEVERAL_FOLDER) : watcher.folder;
    EXPECT_EQ(text::ToLower(start), text::ToLower(cd.Path())) << button;
    EXPECT_EQ(watcher.prompt, shown == &folder) << button;
    ::DestroyWindow(host.hwnd());
  }
}

TEST(ColourSwatch, ShowsTheButtonFaceUntilAColourIsSet) {
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60, nullptr,
                                  nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  HWND control = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 40, 30, parent,
                                   nullptr, nullptr, nullptr);
  {
    ColourSwatch swatch;
    ASSERT_TRUE(swatch.Attach(control));
    auto painted = [&] {
      ::InvalidateRect(control, nullptr, TRUE);
      ::UpdateWindow(control);
      win32::WindowDc dc(control);
      return ::GetPixel(dc.get(), 20, 15);
    };
    EXPECT_EQ(painted(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(swatch.UsesSystemColour());
    swatch.SetColour(RGB(10, 120, 200));
    EXPECT_EQ(swatch.Colour(), RGB(10, 120, 200));
    EXPECT_EQ(painted(), RGB(10, 120, 200));
    swatch.SetColour(RGB(200, 30, 40));
    EXPECT_EQ(painted(), RGB(200, 30, 40));
  }
  ::DestroyWindow(parent);
}

}  // namespace
