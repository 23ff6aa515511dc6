#include "starter/background_layout.h"

#include <gtest/gtest.h>

namespace layout {
namespace {

constexpr Size kScreen{1024, 768};

TEST(BackgroundLayout, PlacesAndShrinksPictures) {
  struct Row {
    const char* own;
    const char* other;
    int32_t border;
    Size picture;
    Rect placed;
  } rows[] = {
      // One centred picture: fits its half share, or is scaled by 800 / 512.
      {"Middle, Center", "", 0, {400, 300}, {312, 234, 400, 300}},
      {"Middle, Center", "", 0, {800, 300}, {256, 288, 512, 192}},
      // Opposite corners: each a share of 512 x 384.
      {"Top, Left", "Bottom, Right", 0, {1000, 1000}, {0, 0, 383, 383}},
      {"Bottom, Right", "Top, Left", 0, {1024, 768}, {512, 384, 512, 384}},
      // Top centre next to middle left: a third of each side for both pictures.
      {"Top, Center", "Middle, Left", 0, {1000, 1000}, {384, 0, 256, 256}},
      {"Middle, Left", "Top, Center", 0, {1000, 1000}, {0, 256, 256, 256}},
      // A centre next to a left only shares the width; top and bottom share the height by half.
      {"Top, Center", "Bottom, Left", 0, {1000, 1000}, {342, 0, 340, 340}},
      // Borders: kept from the edges, and taken off the share before shrinking.
      {"Bottom, Right", "", 20, {100, 50}, {904, 698, 100, 50}},
      {"Middle, Right", "", 20, {100, 50}, {904, 359, 100, 50}},  // vertical ignores it
      {"Top, Center", "", 20, {100, 50}, {462, 20, 100, 50}},
      {"Top, Left", "", 20, {600, 100}, {20, 20, 471, 78}},
      // Stretched whatever its proportions; border ignored.
      {"FullScreen", "", 30, {10, 50}, {0, 0, 1024, 768}},
      {"fullSCREEN", "Top, Left", 0, {2000, 10}, {0, 0, 1024, 768}},
      // Case is ignored in the placement and the shares.
      {"middle, CENTER", "", 0, {400, 300}, {312, 234, 400, 300}},
      {"top, center", "MIDDLE, left", 0, {1000, 1000}, {384, 0, 256, 256}},
      // No blank after the comma: still shrunk to its share, but placed at (0, 0).
      {"Middle,Center", "", 0, {800, 300}, {0, 0, 512, 192}},
      {"Somewhere", "", 0, {800, 300}, {0, 0, 512, 192}},
      // No position: never shrunk, placed at the border.
      {"", "Top, Left", 7, {2000, 2000}, {7, 7, 2000, 2000}},
      // A border that leaves no room is ignored for shrinking, but kept when placing.
      {"Top, Left", "", 400, {1000, 1000}, {400, 400, 383, 383}},
      {"Bottom, Right", "", 300, {1000, 1000}, {341, 85, 383, 383}},
      // Only the height has no room: the width still keeps its border.
      {"Bottom, Right", "", 200, {1000, 1000}, {713, 457, 111, 111}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(PlacePicture(kScreen, r.own, r.other, r.border, r.picture), r.placed)
        << r.own << " / " << r.other << " border " << r.border;
  }
}

TEST(BackgroundLayout, BottomRightBorderIsTheDistanceFromTheCorner) {
  const Rect r = PlacePicture(kScreen, "Bottom, Right", "", 20, {100, 50});
  EXPECT_EQ(kScreen.width - r.Right(), 20);
  EXPECT_EQ(kScreen.height - r.Bottom(), 20);
}

TEST(BackgroundLayout, CloseButtonHugsTheTopRightCorner) {
  const Rect r = CloseButtonRect(1024, {40, 16});
  EXPECT_EQ(r, (Rect{964, 10, 50, 21}));
  EXPECT_EQ(r.Right(), 1014);  // W - 10
  EXPECT_EQ(r.Bottom(), 31);   // cy + 15
}

}  // namespace
}  // namespace layout
