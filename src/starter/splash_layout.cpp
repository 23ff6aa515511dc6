#include "starter/splash_layout.h"

#include <algorithm>

#include "common/picture_geometry.h"

namespace layout {

SplashFit FitSplash(Size screen, Size picture, int32_t frameWidth) {
  // A screen under 2 pixels has no half; aim at 1 pixel rather than divide by 0.
  const int32_t halfW = std::max(screen.width / 2, 1);
  const int32_t halfH = std::max(screen.height / 2, 1);
  Size fitted = picture;
  // Fitting only ever shrinks: on a screen under 200 pixels "100 less than
  // the screen" is below half of it, and a small picture would grow.
  if (fitted.width > static_cast<int64_t>(screen.width) - 100 && fitted.width > halfW) {
    fitted = ScaleSize(fitted, SingleQuotient(fitted.width, halfW));
  }
  if (fitted.height > static_cast<int64_t>(screen.height) - 100 && fitted.height > halfH) {
    fitted = ScaleSize(fitted, SingleQuotient(fitted.height, halfH));
  }
  return {fitted, {fitted.width + 2 * frameWidth, fitted.height + 2 * frameWidth}};
}

}  // namespace layout
