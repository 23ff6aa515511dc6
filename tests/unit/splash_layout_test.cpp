#include "starter/splash_layout.h"

#include <gtest/gtest.h>

namespace layout {
namespace {

TEST(SplashLayout, FitsPictureToHalfTheScreenOnlyWhenNearlyAsLarge) {
  struct Row {
    Size screen, picture, fitted;
  } rows[] = {
      {{1024, 768}, {1000, 500}, {512, 256}},  // scaled by 1000 / 512
      {{1024, 768}, {900, 700}, {493, 384}},   // width kept (900 <= 924), height by 700 / 384
      {{1024, 768}, {924, 668}, {924, 668}},   // exactly at the limits: own size
      {{1024, 768}, {925, 100}, {512, 55}},   {{1024, 768}, {10, 10}, {10, 10}},  // never enlarged
      {{1, 1}, {300, 200}, {1, 0}},  // no half of a 1-pixel screen: a 1-pixel target
      {{83, 27756}, {33, -1000}, {33, -1000}},  // a screen under 200: a small picture stays
  };
  for (const Row& r : rows) {
    const SplashFit fit = FitSplash(r.screen, r.picture, 3);
    EXPECT_EQ(fit.picture, r.fitted) << r.picture.width << "x" << r.picture.height;
    EXPECT_EQ(fit.window, (Size{r.fitted.width + 6, r.fitted.height + 6}));
  }
}

}  // namespace
}  // namespace layout
