#include "common/wrapped_text.h"

#include <algorithm>
#include <limits>

#include "common/picture_geometry.h"

namespace layout {
namespace {

constexpr double kWrapShare = 0.94;
constexpr int32_t kTextPadding = 5;

// Length of the line that starts at the beginning of `rest`: the shortest
// prefix at least `maxWidth` wide, or all of `rest`.
size_t LineLength(std::string_view rest, const TextWidthFn& width, int32_t maxWidth) {
  auto reaches = [&](size_t len) { return width(rest.substr(0, len)) >= maxWidth; };
  if (reaches(1) || rest.size() == 1) return 1;
  // Invariant: the prefix of length `narrow` is narrower than the maximum.
  size_t narrow = 1;
  size_t wide = 2;
  while (true) {
    if (wide >= rest.size()) {
      if (!reaches(rest.size())) return rest.size();
      wide = rest.size();
      break;
    }
    if (reaches(wide)) break;
    narrow = wide;
    wide = wide * 2;
  }
  while (wide - narrow > 1) {
    const size_t mid = narrow + (wide - narrow) / 2;
    if (reaches(mid)) {
      wide = mid;
    } else {
      narrow = mid;
    }
  }
  return wide;
}

}  // namespace

int32_t WrapWidth(int32_t boxWidth) { return TruncatedProduct(boxWidth, kWrapShare); }

WrappedText MeasureWrappedText(std::string_view text, const TextWidthFn& width, int32_t lineHeight,
                               int32_t maxWidth, int32_t maxHeight) {
  int64_t lines = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    pos += LineLength(text.substr(pos), width, maxWidth);
    ++lines;
  }
  const int64_t lineH = std::max(lineHeight, 0);
  const int64_t textH = std::min<int64_t>(lines * lineH, std::max(maxHeight, 0));
  WrappedText result;
  result.lines =
      static_cast<int32_t>(std::min<int64_t>(lines, std::numeric_limits<int32_t>::max()));
  result.lineHeight = static_cast<int32_t>(lineH);
  result.totalHeight = static_cast<int32_t>(
      std::min<int64_t>(textH + kTextPadding, std::numeric_limits<int32_t>::max()));
  return result;
}

}  // namespace layout
