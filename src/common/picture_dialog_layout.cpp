#include "common/picture_dialog_layout.h"

#include <algorithm>

#include "common/picture_geometry.h"
#include "common/text.h"

namespace layout {
namespace {

constexpr int32_t kMargin = 5;
constexpr int32_t kSideExtraHeight = 10;
constexpr int32_t kBandExtraHeight = 260;
constexpr int32_t kStep = 50;

int32_t NonNegative(int32_t v) { return std::max(v, 0); }

// Rounds a positive excess up to a whole number of steps.
int32_t StepsCovering(int32_t excess) { return ((excess + kStep - 1) / kStep) * kStep; }

// Only a positive target can be shrunk to; a work area too small for any
// picture still gets a 1-pixel target rather than a division by zero.
Size ShrinkWidthTo(Size picture, int32_t target) {
  return ScaleSize(picture, SingleQuotient(picture.width, std::max(target, 1)));
}
Size ShrinkHeightTo(Size picture, int32_t target) {
  return ScaleSize(picture, SingleQuotient(picture.height, std::max(target, 1)));
}

}  // namespace

std::optional<PictureSide> ParsePictureSide(std::string_view name, std::string_view leftName,
                                            std::string_view rightName) {
  if (text::EqualsNoCase(name, leftName)) return PictureSide::kLeft;
  if (text::EqualsNoCase(name, rightName)) return PictureSide::kRight;
  if (text::EqualsNoCase(name, "Along the top")) return PictureSide::kTop;
  if (text::EqualsNoCase(name, "Along the bottom")) return PictureSide::kBottom;
  return std::nullopt;
}

Size DialogMetrics::ClientOf(Size window) const {
  return {NonNegative(window.width - 2 * frameWidth),
          NonNegative(window.height - 2 * frameWidth - captionHeight)};
}

Size FitPictureBesideContent(Size picture, Size workArea) {
  Size fitted = picture;
  if (fitted.width > workArea.width / 4) fitted = ShrinkWidthTo(fitted, workArea.width / 3);
  if (fitted.height > workArea.height / 4) fitted = ShrinkHeightTo(fitted, workArea.height / 3);
  return fitted;
}

PictureDialogSize SizePictureDialog(const DialogMetrics& metrics, Size picture,
                                    std::optional<PictureSide> content) {
  const int32_t frames = 2 * metrics.frameWidth;
  const int32_t chrome = frames + metrics.Gap() + metrics.captionHeight;
  PictureDialogSize size;
  size.picture = picture;
  size.window = {picture.width + frames, picture.height + chrome};
  if (!content) return size;

  if (*content == PictureSide::kLeft || *content == PictureSide::kRight) {
    size.columnWidth = std::max(size.window.width, kMinSideColumn);
    size.window.width += size.columnWidth;
    size.window.height += kSideExtraHeight;
    if (size.window.width > metrics.workArea.width) {
      const int32_t excess = size.window.width - metrics.workArea.width;
      size.columnWidth = std::max(size.columnWidth - StepsCovering(excess), kNarrowestSideColumn);
      size.window.width = size.picture.width + frames + size.columnWidth;
    }
    if (size.window.width > metrics.workArea.width) {
      size.picture =
          ShrinkWidthTo(size.picture, metrics.workArea.width - frames - size.columnWidth);
      size.window = {size.picture.width + frames + size.columnWidth,
                     size.picture.height + chrome + kSideExtraHeight};
    }
  } else {
    size.bandHeight = kBandHeight;
    size.window.height += kBandExtraHeight;
  }

  if (size.window.height > metrics.workArea.height) {
    const int32_t cut = StepsCovering(size.window.height - metrics.workArea.height);
    // The frame, caption and button row stay whatever the work area.
    size.window.height = std::max(size.window.height - cut, NonNegative(chrome));
    size.bandHeight = NonNegative(size.bandHeight - cut);
  }
  return size;
}

PictureAndArea PlacePictureAndArea(PictureSide side, const PictureDialogSize& size) {
  const int32_t picW = size.picture.width;
  const int32_t picH = size.picture.height;
  const int32_t colW = size.columnWidth;
  const int32_t bandH = size.bandHeight;
  PictureAndArea placed;
  switch (side) {
    case PictureSide::kLeft:
      placed = {{0, 0}, {picW + kMargin, kMargin, colW - 10, picH - 5}};
      break;
    case PictureSide::kRight:
      placed = {{colW, 0}, {kMargin, kMargin, colW - 10, picH - 5}};
      break;
    case PictureSide::kTop:
      placed = {{0, 0}, {kMargin, picH + kMargin, picW - 10, bandH - 5}};
      break;
    case PictureSide::kBottom:
      placed = {{0, bandH}, {kMargin, kMargin, picW - 10, bandH - 10}};
      break;
  }
  placed.area.width = NonNegative(placed.area.width);
  placed.area.height = NonNegative(placed.area.height);
  return placed;
}

Rect SeparatorRect(Size client, int32_t gap) {
  return {kMargin, client.height - gap - 3, NonNegative(client.width - 10), 2};
}

ButtonPair PlaceButtons(const DialogMetrics& metrics, int32_t rowWidth, int32_t rightMargin,
                        int32_t clientHeight) {
  const Size ok = metrics.okButton;
  int32_t x = rowWidth - 2 * ok.width - rightMargin;
  int32_t buttonW = ok.width;
  if (x < 0) {
    x = 0;
    buttonW = NonNegative(rowWidth / 2 - 6);
  }
  const int32_t y = clientHeight - ok.height - 5;
  return {{x, y, buttonW, ok.height}, {x + buttonW + 5, y, buttonW, metrics.cancelHeight}};
}

}  // namespace layout
