// Fitting the splash picture to the screen.
#pragma once

#include <cstdint>

#include "common/geometry.h"

namespace layout {

struct SplashFit {
  Size picture;  // the picture's size after fitting
  Size window;   // the frame around it: the picture plus the frame on each side
};

// A picture wider than the screen less 100 pixels is shrunk to half the
// screen's width; then one taller than the screen less 100 to half its
// height. Pictures are never enlarged.
SplashFit FitSplash(Size screen, Size picture, int32_t frameWidth);

}  // namespace layout
