#include "starter/welcome_layout.h"

#include <algorithm>

#include "common/picture_geometry.h"

namespace layout {
namespace {

constexpr int32_t kTitleMaxHeight = 100;
constexpr int32_t kButtonRightMargin = 20;

int32_t NonNegative(int32_t v) { return std::max(v, 0); }

// The title and message with the template's client size.
void LayoutText(const WelcomeInput& in, WelcomeLayout& out) {
  const WrappedText title = MeasureWrappedText(in.title, in.titleWidth, in.titleLineHeight,
                                               WrapWidth(in.titleControlWidth), kTitleMaxHeight);
  const int32_t gap = in.metrics.Gap();
  const int32_t caption = in.metrics.captionHeight;
  out.title = Rect{5, 5, in.titleControlWidth, title.totalHeight};
  int32_t messageH = in.client.height - title.lineHeight - title.totalHeight - gap - caption;
  if (!in.hasLink) {
    out.hideLink = true;
    messageH = in.client.height - title.totalHeight - gap - caption + 5;
  }
  out.message =
      Rect{5, title.totalHeight + 7, NonNegative(in.client.width - 10), NonNegative(messageH)};
  out.separator = SeparatorRect(in.client, gap);
}

void LayoutPicture(const WelcomeInput& in, WelcomeLayout& out) {
  const DialogMetrics& m = in.metrics;
  const Size fitted = FitWelcomePicture(m, *in.picture, in.useText);
  std::optional<PictureSide> side;
  if (in.useText) side = ParseWelcomePictureSide(in.location).value_or(PictureSide::kTop);
  const PictureDialogSize size = SizePictureDialog(m, fitted, side);
  const Size client = m.ClientOf(size.window);

  out.dialog = size.window;
  out.picture = size.picture;
  out.separator = SeparatorRect(client, m.Gap());
  const ButtonPair buttons = PlaceButtons(m, size.window.width, kButtonRightMargin, client.height);
  out.okButton = buttons.ok;
  out.cancelButton = buttons.cancel;
  if (!side) return;

  const PictureAndArea placed = PlacePictureAndArea(*side, size);
  out.picturePosition = placed.picture;
  Rect textArea = placed.area;
  if (in.hasLink) {
    const int32_t linkH = in.linkTextHeight < 15 ? 20 : in.linkTextHeight + 5;
    out.link =
        Rect{textArea.left, textArea.top + textArea.height - linkH + 5, textArea.width, linkH};
    out.hideLink = false;
    textArea.height = NonNegative(textArea.height - linkH);
  } else {
    out.hideLink = true;
  }
  out.message = textArea;
}

}  // namespace

std::optional<PictureSide> ParseWelcomePictureSide(std::string_view name) {
  return ParsePictureSide(name, "Left of text", "Right of text");
}

Size FitWelcomePicture(const DialogMetrics& metrics, Size picture, bool withText) {
  if (withText) return FitPictureBesideContent(picture, metrics.workArea);
  const int64_t chrome = static_cast<int64_t>(metrics.frameWidth) + metrics.captionHeight + 100;
  const int32_t halfW = std::max(metrics.workArea.width / 2, 1);
  const int32_t halfH = std::max(metrics.workArea.height / 2, 1);
  Size fitted = picture;
  if (fitted.width > metrics.workArea.width - chrome) {
    fitted = ScaleSize(fitted, SingleQuotient(fitted.width, halfW));
  }
  if (fitted.height > metrics.workArea.height - chrome) {
    fitted = ScaleSize(fitted, SingleQuotient(fitted.height, halfH));
  }
  return fitted;
}

WelcomeLayout LayoutWelcome(const WelcomeInput& in) {
  WelcomeLayout out;
  if (in.useText) LayoutText(in, out);
  if (!in.usePicture) return out;

  if (in.picture) LayoutPicture(in, out);
  // The title shows only in the caption once a picture was asked for.
  out.title.reset();
  out.hideTitle = true;
  if (!in.useText) {
    out.hideMessage = true;
    out.hideLink = true;
    out.hideSeparator = true;
  }
  return out;
}

}  // namespace layout
