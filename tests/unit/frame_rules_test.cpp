// The page hosts' rules: buttons by page, and the option frame's layout.
#include "wizard/pages/frame_rules.h"

#include <gtest/gtest.h>

namespace frame_rules {
namespace {

TEST(FrameRules, ButtonsByPage) {
  struct Row {
    int32_t index, count;
    const char* step;
    bool prevNext, previous, finish, ok, nextFinishes;
  };
  const Row rows[] = {
      {0, 1, "Step 1 of 1", false, false, true, true, true},
      {0, 4, "Step 1 of 4", true, false, false, false, false},
      {1, 4, "Step 2 of 4", true, true, false, false, false},
      {3, 4, "Step 4 of 4", true, true, true, false, true},
      {2, 3, "Step 3 of 3", true, true, true, false, true},
  };
  for (const Row& r : rows) {
    const WizardButtons b = ButtonsFor(r.index, r.count);
    EXPECT_EQ(b.stepText, r.step);
    EXPECT_EQ(b.showPrevNext, r.prevNext) << r.step;
    EXPECT_EQ(b.previousEnabled, r.previous) << r.step;
    EXPECT_EQ(b.finishEnabled, r.finish) << r.step;
    EXPECT_EQ(b.finishIsOk, r.ok) << r.step;
    EXPECT_EQ(NextFinishes(r.index, r.count), r.nextFinishes) << r.step;
  }
}

TEST(FrameRules, OptionFrameSizesItselfFromThePage) {
  const layout::Size page{300, 200};
  EXPECT_EQ(OptionFrameWindowSize(page), (layout::Size{325, 306}));
  const OptionFrameLayout out = LayOutOptionFrame(page, {319, 278}, {75, 23});
  EXPECT_EQ(out.pageArea, (layout::Rect{10, 30, 301, 204}));
  EXPECT_EQ(out.separator, (layout::Rect{5, 243, 309, 2}));
  EXPECT_EQ(out.test, (layout::Rect{44, 250, 110, 23}));
  EXPECT_EQ(out.ok, (layout::Rect{159, 250, 75, 23}));
  EXPECT_EQ(out.cancel, (layout::Rect{239, 250, 75, 23}));
  EXPECT_EQ(out.webLink, (layout::Rect{10, 253, 160, 15}));
  EXPECT_EQ(out.title, (layout::Rect{10, 10, 199, 15}));
  EXPECT_EQ(out.helpLink, (layout::Rect{199, 10, 110, 15}));
}

}  // namespace
}  // namespace frame_rules
