// The 32-bit build computes floating point on the x87 unit; the layout's
// truncated sizes must come out as on the host.
#include <gtest/gtest.h>

#include "common/picture_geometry.h"
#include "starter/splash_layout.h"

namespace layout {
namespace {

TEST(LayoutPrecision, TruncatedSizesMatchTheHost) {
  EXPECT_EQ(ScaleSize({1000, 100}, SingleQuotient(1000, 341)), (Size{340, 34}));
  EXPECT_EQ(ScaleSize({300, 100}, SingleQuotient(300, 341)), (Size{341, 113}));
  EXPECT_EQ(TruncatedProduct(50, 0.94), 47);
  EXPECT_EQ(FitSplash({1024, 768}, {900, 700}, 3).picture, (Size{493, 384}));
}

}  // namespace
}  // namespace layout
