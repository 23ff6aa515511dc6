#include "common/picture_geometry.h"

#include <cmath>
#include <limits>

namespace layout {
namespace {

constexpr int64_t kHimetricPerInch = 2540;

int32_t ClampToInt32(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// Truncates toward zero; values outside 32 bits (or NaN) cannot come from a
// positive factor applied to a 32-bit size except by overflow, so clamp.
int32_t TruncateToInt32(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

float RoundToSingle(float v) {
  volatile float stored = v;
  return stored;
}

// The factor is single precision, but the quotient is taken in double
// precision before truncating: 1000 / (1000 / 341 as a float) is 340.99999...
// and must give 340, where a single-precision quotient would round to 341.
int32_t Divide(int32_t value, float factor) {
  volatile double quotient = static_cast<double>(value) / static_cast<double>(factor);
  return TruncateToInt32(quotient);
}

}  // namespace

Size ScaleSize(Size size, float factor) {
  if (!std::isfinite(factor) || factor <= 0.0f) return size;
  return {Divide(size.width, factor), Divide(size.height, factor)};
}

int32_t HimetricToPixels(int32_t himetric, int32_t pixelsPerInch) {
  const int64_t scaled = static_cast<int64_t>(himetric) * pixelsPerInch + kHimetricPerInch / 2;
  return ClampToInt32(scaled / kHimetricPerInch);
}

Size HimetricToPixels(Size himetric, int32_t pixelsPerInchX, int32_t pixelsPerInchY) {
  return {HimetricToPixels(himetric.width, pixelsPerInchX),
          HimetricToPixels(himetric.height, pixelsPerInchY)};
}

float SingleQuotient(double a, double b) {
  const float divisor = static_cast<float>(b);
  if (divisor == 0.0f) return std::numeric_limits<float>::quiet_NaN();
  return RoundToSingle(static_cast<float>(a) / divisor);
}

int32_t TruncatedProduct(int32_t value, double factor) {
  volatile double product = value * factor;
  return TruncateToInt32(product);
}

PictureGeometry PictureGeometry::FromNatural(Size natural) {
  PictureGeometry g;
  g.width = natural.width;
  g.height = natural.height;
  g.natural = natural;
  return g;
}

void PictureGeometry::Scale(float factor) {
  left = 0;
  top = 0;
  const Size scaled = ScaleSize(CurrentSize(), factor);
  width = scaled.width;
  height = scaled.height;
}

void PictureGeometry::ScaleToFit(int32_t maxWidth, int32_t maxHeight) {
  if (maxWidth > 0 && width > maxWidth) Scale(SingleQuotient(width, maxWidth));
  if (maxHeight > 0 && height > maxHeight) Scale(SingleQuotient(height, maxHeight));
}

}  // namespace layout
