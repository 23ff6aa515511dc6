// Size arithmetic of a loaded picture: HIMETRIC to screen pixels, shrinking by
// a factor and fitting into a box. The Win32 picture holds a PictureGeometry
// and draws at its left, top, width and height.
#pragma once

#include <cstdint>

#include "common/geometry.h"

namespace layout {

// 2540 HIMETRIC units (0.01 mm) make an inch; adding half of it rounds to the
// nearest pixel. 64-bit intermediates, so any 32-bit HIMETRIC value converts;
// a result beyond 32 bits is clamped.
int32_t HimetricToPixels(int32_t himetric, int32_t pixelsPerInch);
Size HimetricToPixels(Size himetric, int32_t pixelsPerInchX, int32_t pixelsPerInchY);

// The quotient a / b rounded to single precision, as the pictures' scale
// factors are kept. Rounded through memory so that the x87 unit of the 32-bit
// build gives the same factor as the host. A zero divisor gives NaN rather
// than a division by zero; ScaleSize leaves a size alone for it.
float SingleQuotient(double a, double b);

// `value` × `factor` in double precision, truncated toward zero (the
// "94 % of the width" limits). Rounded through memory for the same reason.
int32_t TruncatedProduct(int32_t value, double factor);

// Divides both sides by the single-precision `factor`, each truncated toward
// zero: a factor above 1 shrinks. A factor that is not a positive finite
// number would divide by zero or flip the picture, so it leaves the size as
// it is; results beyond 32 bits are clamped.
Size ScaleSize(Size size, float factor);

struct PictureGeometry {
  // Where and how large the picture is drawn, in target pixels.
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  // The size at load; never changed by scaling.
  Size natural;

  static PictureGeometry FromNatural(Size natural);

  Size CurrentSize() const { return {width, height}; }
  // Resets left and top to 0 and shrinks the current size; two calls compound.
  void Scale(float factor);
  // Shrinks to the maximum width first, then (as now scaled) to the maximum
  // height. A maximum of 0 or less cannot be fitted into and is ignored.
  void ScaleToFit(int32_t maxWidth, int32_t maxHeight);
};

}  // namespace layout
