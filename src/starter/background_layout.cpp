#include "starter/background_layout.h"

#include <algorithm>
#include <limits>

#include "common/picture_geometry.h"
#include "common/text.h"

namespace layout {
namespace {

struct PositionParts {
  std::string_view vertical;
  std::string_view horizontal;
};

// The vertical part is the text before the first comma and the horizontal
// part the text from two characters after it, so "Top,Left" has the
// horizontal part "eft". A name without a comma has no parts.
PositionParts SplitPosition(std::string_view name) {
  const size_t comma = name.find(',');
  if (comma == std::string_view::npos) return {};
  const size_t from = std::min(comma + 2, name.size());
  return {name.substr(0, comma), name.substr(from)};
}

bool IsOneOf(std::string_view part, std::string_view a, std::string_view b) {
  return text::EqualsNoCase(part, a) || text::EqualsNoCase(part, b);
}

// A third when one part is `inner` and the other one of the two edges.
int32_t Share(int32_t extent, std::string_view ownPart, std::string_view otherPart,
              std::string_view inner, std::string_view edge1, std::string_view edge2) {
  const bool third = (text::EqualsNoCase(ownPart, inner) && IsOneOf(otherPart, edge1, edge2)) ||
                     (text::EqualsNoCase(otherPart, inner) && IsOneOf(ownPart, edge1, edge2));
  return third ? extent / 3 : extent / 2;
}

int32_t Available(int32_t share, int32_t border) {
  const int64_t available = static_cast<int64_t>(share) - 2 * static_cast<int64_t>(border);
  if (available <= 0) return std::max(share, 1);
  return static_cast<int32_t>(std::min<int64_t>(available, std::numeric_limits<int32_t>::max()));
}

int32_t Clamp32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

Size ShrinkToShare(Size screen, std::string_view own, std::string_view other, int32_t border,
                   Size picture) {
  const PositionParts ownParts = SplitPosition(own);
  const PositionParts otherParts = SplitPosition(other);
  const int32_t shareH =
      Share(screen.height, ownParts.vertical, otherParts.vertical, "Middle", "Top", "Bottom");
  const int32_t shareW =
      Share(screen.width, ownParts.horizontal, otherParts.horizontal, "Center", "Left", "Right");
  const int32_t availW = Available(shareW, border);
  const int32_t availH = Available(shareH, border);
  Size size = picture;
  if (size.width > availW) size = ScaleSize(size, SingleQuotient(size.width, availW));
  if (size.height > availH) size = ScaleSize(size, SingleQuotient(size.height, availH));
  return size;
}

}  // namespace

Rect PlacePicture(Size screen, std::string_view own, std::string_view other, int32_t border,
                  Size picture) {
  if (text::EqualsNoCase(own, "FullScreen")) return {0, 0, screen.width, screen.height};
  const Size size = own.empty() ? picture : ShrinkToShare(screen, own, other, border, picture);
  const int64_t w = size.width, h = size.height, b = border;
  const int64_t W = screen.width, H = screen.height;
  const int64_t centreX = W / 2 - w / 2;
  const int64_t rightX = W - w - b;
  // The original arithmetic halves in floating point here (and in integers for
  // the horizontal centre); both truncate toward zero.
  const int64_t middleY = static_cast<int64_t>(H * 0.5 - h * 0.5);
  const int64_t bottomY = H - h - b;

  struct Placement {
    std::string_view name;
    int64_t left;
    int64_t top;
  };
  const Placement placements[] = {
      {"Top, Left", b, b},
      {"Top, Center", centreX, b},
      {"Top, Right", rightX, b},
      {"Middle, Left", b, middleY},
      {"Middle, Center", centreX, middleY},
      {"Middle, Right", rightX, middleY},
      {"Bottom, Left", b, bottomY},
      {"Bottom, Center", centreX, bottomY},
      {"Bottom, Right", rightX, bottomY},
  };
  Point at;
  if (own.empty()) {
    at = {border, border};
  } else {
    for (const Placement& p : placements) {
      if (text::EqualsNoCase(own, p.name)) {
        at = {Clamp32(p.left), Clamp32(p.top)};
        break;
      }
    }
  }
  return {at.x, at.y, size.width, size.height};
}

Rect CloseButtonRect(int32_t screenWidth, Size text) {
  const int32_t cx = std::max(text.width, 0);
  const int32_t cy = std::max(text.height, 0);
  // left = W - cx - 20, top = 10, right = W - 10, bottom = cy + 15.
  return {screenWidth - cx - 20, 10, cx + 10, cy + 5};
}

}  // namespace layout
