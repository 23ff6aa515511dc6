// Random inputs, fixed seed: no layout function divides by zero, returns a
// negative size or fails to finish, whatever the screen, picture or text.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "starter/background_layout.h"
#include "starter/selection_layout.h"
#include "starter/splash_layout.h"
#include "starter/welcome_layout.h"

namespace layout {
namespace {

class Random {
 public:
  int32_t Between(int32_t lo, int32_t hi) {
    return std::uniform_int_distribution<int32_t>(lo, hi)(rng_);
  }
  Size AnySize(int32_t hi) { return {Between(0, hi), Between(0, hi)}; }
  template <size_t N>
  const char* Pick(const char* const (&names)[N]) {
    return names[Between(0, N - 1)];
  }

 private:
  std::mt19937 rng_{12345};
};

void ExpectNonNegative(Size s, int i) {
  EXPECT_GE(s.width, 0) << "iteration " << i;
  EXPECT_GE(s.height, 0) << "iteration " << i;
}
void ExpectNonNegative(const std::optional<Rect>& r, int i) {
  if (r) ExpectNonNegative(Size{r->width, r->height}, i);
}

constexpr const char* kPositions[] = {"",
                                      "Top, Left",
                                      "Top, Center",
                                      "Top, Right",
                                      "Middle, Left",
                                      "Middle, Center",
                                      "Middle, Right",
                                      "Bottom, Left",
                                      "Bottom, Center",
                                      "Bottom, Right",
                                      "FullScreen",
                                      "Top,Left",
                                      "x"};
constexpr const char* kLocations[] = {"Left of text",
                                      "Right of text",
                                      "Left of Selection List",
                                      "Right of Selection List",
                                      "Along the top",
                                      "Along the bottom",
                                      ""};

TEST(LayoutProperties, NoNegativeSizesForAnyScreenOrPicture) {
  Random r;
  for (int i = 0; i < 3000; ++i) {
    const Size screen = r.AnySize(3000);
    const Size picture = r.AnySize(20000);
    ExpectNonNegative(FitSplash(screen, picture, r.Between(0, 10)).picture, i);
    const Rect placed =
        PlacePicture(screen, r.Pick(kPositions), r.Pick(kPositions), r.Between(0, 5000), picture);
    ExpectNonNegative(Size{placed.width, placed.height}, i);

    DialogMetrics m;
    m.captionHeight = r.Between(0, 40);
    m.frameWidth = r.Between(0, 10);
    m.workArea = r.AnySize(2000);
    m.okButton = r.AnySize(120);
    m.cancelHeight = r.Between(0, 40);
    const std::string text(static_cast<size_t>(r.Between(0, 400)), 'w');
    const int32_t charW = r.Between(-5, 20);
    const TextWidthFn width = [charW](std::string_view s) {
      return static_cast<int32_t>(s.size()) * charW;
    };

    WelcomeInput w;
    w.metrics = m;
    w.client = r.AnySize(800);
    w.titleControlWidth = r.Between(0, 800);
    w.title = text;
    w.titleWidth = width;
    w.titleLineHeight = r.Between(0, 30);
    w.useText = r.Between(0, 1) == 1;
    w.usePicture = r.Between(0, 1) == 1;
    if (r.Between(0, 3) > 0) w.picture = picture;
    w.location = r.Pick(kLocations);
    w.hasLink = r.Between(0, 1) == 1;
    w.linkTextHeight = r.Between(0, 40);
    const WelcomeLayout wl = LayoutWelcome(w);
    if (wl.dialog) ExpectNonNegative(*wl.dialog, i);
    ExpectNonNegative(wl.picture, i);
    for (const auto& rect :
         {wl.title, wl.message, wl.link, wl.separator, wl.okButton, wl.cancelButton}) {
      ExpectNonNegative(rect, i);
    }

    SelectionInput s;
    s.metrics = m;
    s.client = r.AnySize(800);
    s.prompt = text;
    s.promptWidth = width;
    s.promptLineHeight = r.Between(0, 30);
    if (r.Between(0, 3) > 0) s.picture = picture;
    s.pictureWindowFailed = r.Between(0, 5) == 0;
    s.location = r.Pick(kLocations);
    const SelectionLayout sl = LayoutSelection(s);
    if (sl.dialog) ExpectNonNegative(*sl.dialog, i);
    ExpectNonNegative(sl.picture, i);
    for (const auto& rect :
         {sl.prompt, sl.list, std::optional<Rect>(sl.separator), std::optional<Rect>(sl.okButton),
          std::optional<Rect>(sl.cancelButton)}) {
      ExpectNonNegative(rect, i);
    }
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace layout
