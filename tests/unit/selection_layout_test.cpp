#include "starter/selection_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace layout {
namespace {

int32_t TenPerChar(std::string_view s) { return static_cast<int32_t>(s.size()) * 10; }

SelectionInput Input() {
  SelectionInput in;
  in.metrics.captionHeight = 18;
  in.metrics.frameWidth = 3;
  in.metrics.workArea = {1024, 768};
  in.metrics.okButton = {75, 23};  // gap 33
  in.metrics.cancelHeight = 23;
  in.client = {378, 308};
  in.prompt = "Please select a file from the list below:";  // 41 characters
  in.promptWidth = TenPerChar;
  in.promptLineHeight = 13;
  return in;
}

TEST(SelectionLayout, PictureAlongTheTopIsNotScaled) {
  SelectionInput in = Input();
  in.picture = Size{200, 150};  // 200 <= 256, 150 <= 192
  in.location = "Along the top";
  const SelectionLayout out = LayoutSelection(in);
  EXPECT_EQ(out.picture, (Size{200, 150}));
  EXPECT_EQ(out.dialog, (Size{206, 150 + 6 + 18 + 33 + 260}));
  EXPECT_EQ(out.picturePosition, (Point{0, 0}));
  // Wraps at 178: 18 + 18 + 5 characters, 3 lines.
  EXPECT_EQ(out.prompt, (Rect{5, 155, 190, 44}));
  EXPECT_EQ(out.list, (Rect{5, 199, 190, 245 - 44}));
  // Client 200 x 443.
  EXPECT_EQ(out.separator, (Rect{5, 407, 190, 2}));
  EXPECT_EQ(out.okButton, (Rect{40, 415, 75, 23}));
  EXPECT_EQ(out.cancelButton, (Rect{120, 415, 75, 23}));
}

TEST(SelectionLayout, LongPromptTakesAtMostHalfTheAreaPlusFive) {
  const std::string longPrompt(5000, 'x');
  SelectionInput in = Input();
  in.prompt = longPrompt;
  in.picture = Size{200, 150};
  in.location = "along the TOP";
  SelectionLayout out = LayoutSelection(in);
  EXPECT_EQ(out.prompt->height, 245 / 2 + 5);
  EXPECT_EQ(out.list, (Rect{5, 155 + 127, 190, 245 - 127}));

  // Beside the list the prompt is also limited to half the picture's height.
  in.picture = Size{100, 100};
  in.location = "Left of Selection List";
  out = LayoutSelection(in);
  EXPECT_EQ(out.dialog, (Size{406, 100 + 6 + 18 + 33 + 10}));
  EXPECT_EQ(out.prompt, (Rect{105, 5, 290, 50}));  // not 95 / 2 + 5 = 52
  EXPECT_EQ(out.list, (Rect{105, 55, 290, 45}));
}

TEST(SelectionLayout, PictureAndListByLocation) {
  struct Row {
    const char* location;
    Point picture;
    Rect area;  // prompt and list together
  } rows[] = {
      {"Left of Selection List", {0, 0}, {105, 5, 290, 95}},
      {"Right of Selection List", {300, 0}, {5, 5, 290, 95}},
      {"Along the top", {0, 0}, {5, 105, 90, 245}},
      {"Along the bottom", {0, 250}, {5, 5, 90, 240}},
      {"Left of text", {0, 0}, {5, 105, 90, 245}},  // another dialog's name: along the top
  };
  for (const Row& r : rows) {
    SelectionInput in = Input();
    in.picture = Size{100, 100};
    in.location = r.location;
    const SelectionLayout out = LayoutSelection(in);
    EXPECT_EQ(out.picturePosition, r.picture) << r.location;
    EXPECT_EQ(out.prompt->left, r.area.left) << r.location;
    EXPECT_EQ(out.prompt->top, r.area.top) << r.location;
    EXPECT_EQ(out.list->width, r.area.width) << r.location;
    EXPECT_EQ(out.list->Bottom(), r.area.Bottom()) << r.location;
  }
}

TEST(SelectionLayout, WithoutPictureFillsTheTemplate) {
  SelectionInput in = Input();
  in.prompt = "Pick one";
  const SelectionLayout out = LayoutSelection(in);
  EXPECT_FALSE(out.dialog);
  EXPECT_EQ(out.prompt, (Rect{5, 5, 368, 18}));
  EXPECT_EQ(out.list, (Rect{5, 23, 368, 308 - 18 - 33 - 14}));
  EXPECT_EQ(out.separator, (Rect{5, 272, 368, 2}));
  EXPECT_EQ(out.okButton, (Rect{218, 280, 75, 23}));
  EXPECT_EQ(out.cancelButton, (Rect{298, 280, 75, 23}));
}

TEST(SelectionLayout, PictureWindowFailureKeepsTemplatePositions) {
  SelectionInput in = Input();
  in.picture = Size{200, 150};
  in.pictureWindowFailed = true;
  const SelectionLayout out = LayoutSelection(in);
  EXPECT_FALSE(out.dialog);
  EXPECT_FALSE(out.prompt);
  EXPECT_FALSE(out.list);
  EXPECT_EQ(out.separator, (Rect{5, 272, 368, 2}));
}

TEST(SelectionLayout, NarrowDialogSharesTheButtonRow) {
  SelectionInput in = Input();
  in.picture = Size{50, 50};
  in.location = "Along the top";
  const SelectionLayout out = LayoutSelection(in);
  EXPECT_EQ(out.okButton.left, 0);
  EXPECT_EQ(out.okButton.width, 50 / 2 - 6);
  EXPECT_EQ(out.cancelButton.left, 19 + 5);
}

TEST(SelectionLayout, SideListTooWideNarrowsTheColumn) {
  SelectionInput in = Input();
  in.metrics.workArea = {380, 768};
  in.picture = Size{90, 90};
  in.location = "Right of Selection List";
  const SelectionLayout out = LayoutSelection(in);
  EXPECT_EQ(out.dialog->width, 346);
  EXPECT_EQ(out.picturePosition, (Point{250, 0}));
  EXPECT_EQ(out.list->width, 240);
}

}  // namespace
}  // namespace layout

TEST(SelectionEntryFileTest, JoinsOnlyFilesToTheCurrentDirectory) {
  const std::pair<const char*, const char*> rows[] = {
      {"", ""},
      {"http://cd.example/a", "http://cd.example/a"},
      {"mailto:me@example.com", "mailto:me@example.com"},
      {"docs\\a.pdf", "E:\\docs\\a.pdf"},
      {"docs\\\\a.pdf", "E:\\docs\\a.pdf"},
  };
  for (const auto& [path, shown] : rows) EXPECT_EQ(SelectionEntryFile(path, "E:\\"), shown) << path;
}
