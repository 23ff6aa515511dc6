// Pictures loaded through the OLE picture loader and drawn into a memory DC,
// checked pixel by pixel.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <string>

#include "common/win32/handles.h"
#include "common/win32/picture.h"
#include "temp_folder.h"

namespace {

using test_support::TestPicture;

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }

  // Draws the picture into a 100 x 100 bitmap filled with `background` and
  // returns the colour at (x, y).
  COLORREF DrawAndRead(const win32::Picture& picture, COLORREF background, int x, int y) {
    win32::WindowDc screen(nullptr);
    HDC dc = CreateCompatibleDC(screen.get());
    win32::BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), 100, 100));
    HGDIOBJ previous = SelectObject(dc, bitmap.get());
    RECT all = {0, 0, 100, 100};
    win32::BrushHandle brush(CreateSolidBrush(background));
    FillRect(dc, &all, brush.get());
    EXPECT_TRUE(picture.Draw(dc, all));
    COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return colour;
  }
};

// JPEG colours are approximate.
bool Near(COLORREF a, COLORREF b) {
  auto close = [](int x, int y) { return x - y < 24 && y - x < 24; };
  return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
         close(GetBValue(a), GetBValue(b));
}

TEST_F(PictureTest, LoadsEachFormatAtItsPixelSizeAndDrawsWhereItIsPlaced) {
  struct Row {
    const char* file;
    COLORREF colour;
  } rows[] = {{"red-40x30.bmp", RGB(255, 0, 0)},
              {"blue-40x30.jpg", RGB(0, 0, 255)},
              {"green-40x30.gif", RGB(0, 255, 0)}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    win32::Picture picture;
    ASSERT_TRUE(picture.Load(TestPicture(row.file)));
    EXPECT_EQ(picture.Geometry().natural.width, 40);
    EXPECT_EQ(picture.Geometry().natural.height, 30);
    EXPECT_FALSE(picture.Transparent());
    picture.Geometry().left = 10;
    picture.Geometry().top = 20;
    EXPECT_TRUE(Near(DrawAndRead(picture, RGB(255, 255, 255), 12, 22), row.colour));
    EXPECT_TRUE(Near(DrawAndRead(picture, RGB(255, 255, 255), 49, 49), row.colour));
    EXPECT_EQ(DrawAndRead(picture, RGB(255, 255, 255), 5, 5), RGB(255, 255, 255));
    EXPECT_EQ(DrawAndRead(picture, RGB(255, 255, 255), 51, 51), RGB(255, 255, 255));
  }
}

TEST_F(PictureTest, ScaledPictureDrawsAtItsNewSize) {
  win32::Picture picture;
  ASSERT_TRUE(picture.Load(TestPicture("red-40x30.bmp")));
  picture.Scale(2.0f);
  EXPECT_EQ(picture.Geometry().width, 20);
  EXPECT_EQ(picture.Geometry().height, 15);
  EXPECT_EQ(DrawAndRead(picture, RGB(255, 255, 255), 19, 14), RGB(255, 0, 0));
  EXPECT_EQ(DrawAndRead(picture, RGB(255, 255, 255), 21, 16), RGB(255, 255, 255));
}

TEST_F(PictureTest, TransparentGifShowsTheWindowColourBehindItsClearPart) {
  win32::Picture picture;
  ASSERT_TRUE(picture.Load(TestPicture("transparent-40x30.gif")));
  EXPECT_TRUE(picture.Transparent());
  // The left half is clear: drawn off screen on COLOR_WINDOW, not the target's colour.
  EXPECT_EQ(DrawAndRead(picture, RGB(0, 0, 0), 5, 5), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(DrawAndRead(picture, RGB(0, 0, 0), 30, 5), RGB(0, 255, 0));
}

TEST_F(PictureTest, FailedLoadKeepsThePreviousPictureDrawable) {
  win32::Picture picture;
  win32::WindowDc screen(nullptr);
  EXPECT_FALSE(picture.Draw(screen.get(), RECT{0, 0, 1, 1}));  // nothing loaded yet
  ASSERT_TRUE(picture.Load(TestPicture("red-40x30.bmp")));
  EXPECT_FALSE(picture.Load(TestPicture("missing.gif")));
  const std::string folder = test_support::TestData("pictures");
  EXPECT_FALSE(picture.Load(folder));  // a folder is no picture
  EXPECT_EQ(picture.Path(), folder);
  EXPECT_EQ(picture.Geometry().width, 40);
  EXPECT_EQ(DrawAndRead(picture, RGB(255, 255, 255), 1, 1), RGB(255, 0, 0));
}

}  // namespace

namespace {

// A picture that loaded but cannot be drawn: scaled to nothing, or drawn into
// no device context. Drawing says so (or draws nothing) and never crashes,
// and a window showing it still paints.
TEST_F(PictureTest, PictureThatCannotBeDrawnNeverCrashes) {
  win32::Picture picture;
  ASSERT_TRUE(picture.Load(TestPicture("red-40x30.bmp")));
  picture.Scale(100000.0f);
  EXPECT_EQ(picture.Geometry().width, 0);
  EXPECT_EQ(picture.Geometry().height, 0);
  picture.Draw(nullptr, RECT{0, 0, 10, 10});
  // Nothing of the picture reaches the bitmap.
  win32::WindowDc screen(nullptr);
  HDC dc = CreateCompatibleDC(screen.get());
  win32::BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), 10, 10));
  HGDIOBJ previous = SelectObject(dc, bitmap.get());
  RECT all = {0, 0, 10, 10};
  win32::BrushHandle brush(CreateSolidBrush(RGB(255, 255, 255)));
  FillRect(dc, &all, brush.get());
  picture.Draw(dc, all);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
  SelectObject(dc, previous);
  DeleteDC(dc);

  win32::PictureWindow window;
  ASSERT_TRUE(window.Create(nullptr, 0, 0, WS_POPUP | WS_VISIBLE));
  window.AttachPicture(&picture);
  UpdateWindow(window.Handle());
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  window.Close();
}

}  // namespace
