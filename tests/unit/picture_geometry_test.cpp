#include "common/picture_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "common/picture_format.h"

namespace layout {
namespace {

TEST(PictureGeometry, HimetricRoundsToNearestPixelAndTruncatesTowardZero) {
  struct Row {
    int32_t himetric, ppi, pixels;
  } rows[] = {
      {2540, 96, 96},
      {1270, 96, 48},
      {1, 96, 0},
      {26, 96, 1},
      {40, 96, 2},
      {-2540, 96, -95},            // (-243840 + 1270) / 2540 = -95.5, truncated toward zero
      {2147483647, 96, 81164736},  // no 32-bit overflow
      {2147483647, 2147483647, std::numeric_limits<int32_t>::max()},  // clamped
  };
  for (const Row& r : rows) {
    EXPECT_EQ(HimetricToPixels(r.himetric, r.ppi), r.pixels) << r.himetric << " at " << r.ppi;
  }
  EXPECT_EQ(HimetricToPixels(Size{2540, 1270}, 96, 120), (Size{96, 60}));
}

TEST(PictureGeometry, ScaleTruncatesResetsPositionAndCompounds) {
  PictureGeometry g = PictureGeometry::FromNatural({301, 201});
  g.left = 7;
  g.top = 9;
  g.Scale(2.0f);
  EXPECT_EQ(g.left, 0);
  EXPECT_EQ(g.top, 0);
  EXPECT_EQ(g.CurrentSize(), (Size{150, 100}));
  g.Scale(2.0f);
  EXPECT_EQ(g.CurrentSize(), (Size{75, 50}));
  EXPECT_EQ(g.natural, (Size{301, 201}));
}

TEST(PictureGeometry, SingleFactorButDoubleQuotient) {
  // The factor 1000 / 341 rounded to single precision is a hair too large, so
  // 1000 divided by it is just under 341; the sizes the windows were designed
  // with (340 x 34) come from truncating that double quotient.
  EXPECT_EQ(ScaleSize({1000, 100}, SingleQuotient(1000, 341)), (Size{340, 34}));
  EXPECT_EQ(ScaleSize({300, 100}, SingleQuotient(300, 341)), (Size{341, 113}));
  EXPECT_EQ(TruncatedProduct(50, 0.94), 47);  // 46.99999... in extended precision
  EXPECT_EQ(TruncatedProduct(249, 0.94), 234);
}

TEST(PictureGeometry, ScaleIgnoresFactorsThatCannotShrink) {
  const float bad[] = {0.0f, -2.0f, std::numeric_limits<float>::infinity(),
                       std::numeric_limits<float>::quiet_NaN()};
  for (float factor : bad) {
    EXPECT_EQ(ScaleSize({40, 30}, factor), (Size{40, 30})) << factor;
  }
  // A zero divisor (1e-50 is zero in single precision) gives a factor that is
  // ignored, not a division by zero.
  for (double zero : {0.0, -0.0, 1e-50}) {
    EXPECT_TRUE(std::isnan(SingleQuotient(5, zero))) << zero;
    EXPECT_EQ(ScaleSize({40, 30}, SingleQuotient(40, zero)), (Size{40, 30}));
  }
  // A tiny factor enlarges past 32 bits: clamped, not undefined.
  EXPECT_EQ(ScaleSize({2000000000, 1}, 1e-6f).width, std::numeric_limits<int32_t>::max());
}

TEST(PictureGeometry, ScaleToFitWidthFirstThenHeight) {
  struct Row {
    Size natural;
    int32_t maxW, maxH;
    Size fitted;
  } rows[] = {
      {{400, 300}, 100, 100, {100, 75}},  // width scaled by 4, height then fits
      {{100, 400}, 100, 100, {25, 100}},  // only the height is too large
      {{300, 400}, 100, 100, {75, 99}},   // 100 x 133, then 133 / 1.33: the steps compound
      {{80, 60}, 100, 100, {80, 60}},     // never enlarged
      {{400, 300}, 0, 100, {133, 100}},   // no width limit: only the height fits
      {{400, 300}, -5, -5, {400, 300}},
  };
  for (const Row& r : rows) {
    PictureGeometry g = PictureGeometry::FromNatural(r.natural);
    g.ScaleToFit(r.maxW, r.maxH);
    EXPECT_EQ(g.CurrentSize(), r.fitted) << r.natural.width << "x" << r.natural.height;
  }
}

// The pictures the CD shows, told by their first bytes whatever their names.
TEST(PictureFormat, JudgedByTheFirstBytes) {
  using enum PictureFormat;
  // The first 34 bytes of a 40 x 30, 24-bit bitmap; the OS/2 header of an 8-bit one.
  const std::string bmp(
      "BM\x46\x0E\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x28\0\0\0\x1E\0\0\0\1\0\x18\0\0\0\0\0", 34);
  const std::string os2("BM\0\0\0\0\0\0\0\0\x1A\0\0\0\x0C\0\0\0\x02\0\x02\0\1\0\x08\0", 26);
  auto with = [&](size_t at, char byte) { return bmp.substr(0, at) + byte + bmp.substr(at + 1); };
  // clang-format off
  const std::pair<std::string, PictureFormat> rows[] = {
      {"GIF89a\x28", kGif}, {"GIF87a", kGif}, {"GIF88a", kNone}, {"\xFF\xD8\xFF\xE0", kJpeg},
      {"\x89PNG\r\n\x1A\n", kNone}, {"text named fake.jpg", kNone}, {bmp, kBmp}, {os2, kBmp},
      {bmp.substr(0, 33), kNone}, {os2.substr(0, 25), kNone},
      // Header size, planes, depth, compression (a JPEG inside), width, pixel offset refused.
      {with(14, 41), kNone}, {with(26, 2), kNone}, {with(28, 7), kNone}, {with(30, 4), kNone},
      {with(18, 0), kNone}, {with(10, 20), kNone},
  };
  // clang-format on
  for (const auto& [head, format] : rows) {
    EXPECT_EQ(PictureFormatOf(head), format) << testing::PrintToString(head);
  }
}

}  // namespace
}  // namespace layout
