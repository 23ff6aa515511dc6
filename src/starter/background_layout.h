// Where the background overlay draws its pictures, and its close button.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/geometry.h"

namespace layout {

// The picture's rectangle on a screen of `screen` size, for a picture of
// natural size `picture` at position name `own` ("Top, Left" ... "Bottom,
// Right", "FullScreen"; case ignored), sharing the screen with a picture at
// `other` (empty when there is none) and keeping `border` pixels from the
// edges. The picture is shrunk to its share of the screen (half, or a third
// where a middle or centred picture meets one at an edge), never enlarged.
//
// A border so large that it leaves no room in the share (available size 0 or
// less) would give no meaningful shrink factor: the border is then ignored
// for shrinking in that direction and the picture fits the share itself. The
// placement still keeps the configured border, as the author asked.
Rect PlacePicture(Size screen, std::string_view own, std::string_view other, int32_t border,
                  Size picture);

// The close button in the top-right corner, 10 pixels from the top and
// right edges, 10 pixels wider and 5 higher than its measured text.
Rect CloseButtonRect(int32_t screenWidth, Size text);

}  // namespace layout
