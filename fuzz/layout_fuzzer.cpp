// The window layout arithmetic with numbers decoded from the input. What the
// CD supplies (picture sizes, which may come from a damaged picture, the
// background border, the location names, the texts) takes any value it can
// reach; what the
// system reports (screen, work area, frame and caption, buttons, fonts) stays
// within what a screen can be.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/picture_geometry.h"
#include "fuzz_check.h"
#include "starter/background_layout.h"
#include "starter/selection_layout.h"
#include "starter/splash_layout.h"
#include "starter/welcome_layout.h"

namespace {

using layout::Size;

constexpr int32_t kMaxScreen = 32767;  // GDI coordinates stay within 16 bits

constexpr const char* kNames[] = {"Top, Left",
                                  "Top, Center",
                                  "Middle, Right",
                                  "Bottom, Right",
                                  "FullScreen",
                                  "",
                                  "Left of text",
                                  "Right of text",
                                  "Along the top",
                                  "Along the bottom",
                                  "Left of Selection List",
                                  "Right of Selection List",
                                  "Middle, Center"};

int32_t SystemNumber(FuzzedDataProvider& in) { return in.ConsumeIntegralInRange(0, kMaxScreen); }
Size SystemSize(FuzzedDataProvider& in) { return {SystemNumber(in), SystemNumber(in)}; }
// A picture's natural size is its HIMETRIC size (any 32-bit value a damaged
// file may claim, negative too) at the screen's resolution, so it stays
// within about +-2^31 x 1000 / 2540 pixels.
Size CdSize(FuzzedDataProvider& in) {
  const int32_t ppi = in.ConsumeIntegralInRange(1, 1000);
  return layout::HimetricToPixels({in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>()},
                                  ppi, ppi);
}
std::string Name(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return in.ConsumeRandomLengthString(40);
  return in.PickValueInArray(kNames);
}

layout::DialogMetrics Metrics(FuzzedDataProvider& in) {
  layout::DialogMetrics m;
  m.captionHeight = in.ConsumeIntegralInRange(0, 200);
  m.frameWidth = in.ConsumeIntegralInRange(0, 50);
  m.workArea = SystemSize(in);
  m.okButton = {in.ConsumeIntegralInRange(0, 1000), in.ConsumeIntegralInRange(0, 500)};
  m.cancelHeight = in.ConsumeIntegralInRange(0, 500);
  return m;
}

// Widths a font could give: never negative, growing with the text.
layout::TextWidthFn Widths(FuzzedDataProvider& in) {
  const int32_t perChar = in.ConsumeIntegralInRange(0, 200);
  return [perChar](std::string_view s) {
    int64_t w = static_cast<int64_t>(s.size()) * perChar;
    return static_cast<int32_t>(w > kMaxScreen * 64 ? kMaxScreen * 64 : w);
  };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0: {
      const int32_t himetric = in.ConsumeIntegral<int32_t>();
      const int32_t ppi = in.ConsumeIntegralInRange(1, 1000);
      (void)layout::HimetricToPixels(himetric, ppi);
      (void)layout::TruncatedProduct(in.ConsumeIntegral<int32_t>(),
                                     in.ConsumeFloatingPoint<double>());
      (void)layout::SingleQuotient(in.ConsumeFloatingPoint<double>(),
                                   in.ConsumeFloatingPoint<double>());
      (void)layout::ScaleSize(CdSize(in), in.ConsumeFloatingPoint<float>());
      break;
    }
    case 1: {
      const Size natural = CdSize(in);
      auto g = layout::PictureGeometry::FromNatural(natural);
      g.Scale(in.ConsumeFloatingPoint<float>());
      g.ScaleToFit(in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>());
      FUZZ_CHECK(g.natural == natural);  // scaling never changes the size at load
      break;
    }
    case 2: {
      const Size screen = SystemSize(in);
      const Size picture = CdSize(in);
      const auto fit = layout::FitSplash(screen, picture, in.ConsumeIntegralInRange(0, 50));
      // Never enlarged.
      if (picture.width >= 0) FUZZ_CHECK(fit.picture.width <= picture.width);
      if (picture.height >= 0) FUZZ_CHECK(fit.picture.height <= picture.height);
      break;
    }
    case 3: {
      const Size screen = SystemSize(in);
      const std::string own = Name(in);
      const std::string other = Name(in);
      const int32_t border = in.ConsumeIntegral<int32_t>();
      const Size picture = CdSize(in);
      const layout::Rect r = layout::PlacePicture(screen, own, other, border, picture);
      if (picture.width >= 0 && own != "FullScreen") FUZZ_CHECK(r.width <= picture.width);
      (void)layout::CloseButtonRect(screen.width, SystemSize(in));
      break;
    }
    case 4: {
      const auto m = Metrics(in);
      const Size picture = CdSize(in);
      const auto side = layout::ParsePictureSide(Name(in), "Left of text", "Right of text");
      const bool withContent = in.ConsumeBool();
      const auto size =
          layout::SizePictureDialog(m, layout::FitPictureBesideContent(picture, m.workArea),
                                    withContent ? side : std::nullopt);
      (void)layout::PlacePictureAndArea(side.value_or(layout::PictureSide::kTop), size);
      (void)layout::PlaceButtons(m, SystemNumber(in), 20, SystemNumber(in));
      break;
    }
    case 5: {
      layout::WelcomeInput w;
      w.metrics = Metrics(in);
      w.client = SystemSize(in);
      w.titleControlWidth = SystemNumber(in);
      w.titleWidth = Widths(in);
      w.titleLineHeight = in.ConsumeIntegralInRange(0, 200);
      w.useText = in.ConsumeBool();
      w.usePicture = in.ConsumeBool();
      if (in.ConsumeBool()) w.picture = CdSize(in);
      w.hasLink = in.ConsumeBool();
      w.linkTextHeight = in.ConsumeIntegralInRange(0, 200);
      const std::string location = Name(in);
      const std::string title = in.ConsumeRandomLengthString(300);
      w.location = location;
      w.title = title;
      (void)layout::LayoutWelcome(w);
      break;
    }
    case 6: {
      layout::SelectionInput s;
      s.metrics = Metrics(in);
      s.client = SystemSize(in);
      s.promptWidth = Widths(in);
      s.promptLineHeight = in.ConsumeIntegralInRange(0, 200);
      if (in.ConsumeBool()) s.picture = CdSize(in);
      s.pictureWindowFailed = in.ConsumeBool();
      const std::string location = Name(in);
      const std::string prompt = in.ConsumeRandomLengthString(300);
      s.location = location;
      s.prompt = prompt;
      (void)layout::LayoutSelection(s);
      break;
    }
    case 7: {
      const auto m = Metrics(in);
      (void)layout::FitWelcomePicture(m, CdSize(in), in.ConsumeBool());
      (void)layout::SeparatorRect(SystemSize(in), m.Gap());
      break;
    }
  }
  return 0;
}
