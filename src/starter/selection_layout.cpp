#include "starter/selection_layout.h"

#include <algorithm>

#include "common/shell_opener.h"
#include "config/autorun_config.h"

namespace layout {
namespace {

constexpr int32_t kButtonRightMargin = 10;

int32_t NonNegative(int32_t v) { return std::max(v, 0); }

// Prompt and list fill the template's client area.
void LayoutWithoutPicture(const SelectionInput& in, SelectionLayout& out) {
  const int32_t gap = in.metrics.Gap();
  const int32_t width = NonNegative(in.client.width - 10);
  const int32_t promptH = MeasureWrappedText(in.prompt, in.promptWidth, in.promptLineHeight,
                                             WrapWidth(width), (in.client.height - gap - 10) / 2)
                              .totalHeight;
  out.prompt = Rect{5, 5, width, promptH};
  out.list = Rect{5, promptH + 5, width, NonNegative(in.client.height - promptH - gap - 14)};
}

// Returns the client size of the resized dialog.
Size LayoutWithPicture(const SelectionInput& in, SelectionLayout& out) {
  const DialogMetrics& m = in.metrics;
  const Size fitted = FitPictureBesideContent(*in.picture, m.workArea);
  const PictureSide side = ParseSelectionPictureSide(in.location).value_or(PictureSide::kTop);
  const PictureDialogSize size = SizePictureDialog(m, fitted, side);
  out.dialog = size.window;
  out.picture = size.picture;

  const PictureAndArea placed = PlacePictureAndArea(side, size);
  out.picturePosition = placed.picture;
  const Rect area = placed.area;
  int32_t promptH = MeasureWrappedText(in.prompt, in.promptWidth, in.promptLineHeight,
                                       WrapWidth(area.width), area.height / 2)
                        .totalHeight;
  if (side == PictureSide::kLeft || side == PictureSide::kRight) {
    promptH = std::min(promptH, size.picture.height / 2);
  }
  out.prompt = Rect{area.left, area.top, area.width, promptH};
  out.list = Rect{area.left, area.top + promptH, area.width, NonNegative(area.height - promptH)};
  return m.ClientOf(size.window);
}

}  // namespace

std::optional<PictureSide> ParseSelectionPictureSide(std::string_view name) {
  return ParsePictureSide(name, "Left of Selection List", "Right of Selection List");
}

SelectionLayout LayoutSelection(const SelectionInput& in) {
  SelectionLayout out;
  Size client = in.client;
  if (in.picture && in.pictureWindowFailed) {
    out.picture = FitPictureBesideContent(*in.picture, in.metrics.workArea);
  } else if (in.picture) {
    client = LayoutWithPicture(in, out);
  } else {
    LayoutWithoutPicture(in, out);
  }
  out.separator = SeparatorRect(client, in.metrics.Gap());
  const ButtonPair buttons =
      PlaceButtons(in.metrics, client.width, kButtonRightMargin, client.height);
  out.okButton = buttons.ok;
  out.cancelButton = buttons.cancel;
  return out;
}

}  // namespace layout

std::string SelectionEntryFile(std::string_view path, std::string_view currentDirectory) {
  if (path.empty() || IsUrl(path)) return std::string(path);
  return config::JoinToFolder(currentDirectory, path);
}
