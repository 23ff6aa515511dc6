// Choosing an image of the source folder (or copying one in), with a preview
// and warnings, in its own option frame: the one way every page picks an image.
#pragma once

#include <windows.h>

#include <string>

struct ImageChoice {
  // In: the image configured now (a path or a bare name). Out, after OK: the
  // full path of the chosen image, or empty for "<Do not configure this option>".
  std::string image;
  // Offer "<Do not configure this option>" at the top of the list.
  bool allowUnconfigured = false;
  // Above this size (pixels) the image is warned about as large.
  int maxWidth = 1000;
  int maxHeight = 1000;
};

// True when the author pressed OK (and the chosen image passed its checks).
bool ChooseImage(HWND owner, ImageChoice& choice);
