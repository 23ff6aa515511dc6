// Layout of the welcome dialog: the title and message with the template's
// size, or the dialog sized around the CD author's picture.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/geometry.h"
#include "common/picture_dialog_layout.h"
#include "common/wrapped_text.h"

namespace layout {

struct WelcomeInput {
  DialogMetrics metrics;  // the buttons are "&Open CD" and "&Cancel"
  Size client;            // client size of the dialog as the template makes it
  int32_t titleControlWidth = 0;
  std::string_view title;
  TextWidthFn titleWidth;  // the title's width in the bold font
  int32_t titleLineHeight = 0;
  bool useText = false;
  bool usePicture = false;  // configured, whether or not the picture could be shown
  // Natural pixel size of the picture to show; nullopt when there is none,
  // or it could not be loaded or its window created.
  std::optional<Size> picture;
  std::string_view location;
  bool hasLink = false;
  int32_t linkTextHeight = 0;  // measured height of the link text
};

// Where each control goes. A control whose rectangle is nullopt keeps its
// template position; the hide flags are applied last.
struct WelcomeLayout {
  std::optional<Size> dialog;  // move the dialog to (0, 0) with this size
  Size picture;                // the picture's fitted size (when shown)
  Point picturePosition;
  std::optional<Rect> title;
  std::optional<Rect> message;
  std::optional<Rect> link;
  std::optional<Rect> separator;
  std::optional<Rect> okButton;
  std::optional<Rect> cancelButton;
  bool hideTitle = false;
  bool hideMessage = false;
  bool hideLink = false;
  bool hideSeparator = false;
};

// "Left of text", "Right of text", "Along the top", "Along the bottom".
std::optional<PictureSide> ParseWelcomePictureSide(std::string_view name);

// Fits a picture shown with text (quarter/third of the work area) or alone
// (shrunk to half the work area when within 100 pixels of it).
Size FitWelcomePicture(const DialogMetrics& metrics, Size picture, bool withText);

// With text and a picture at an unrecognised location the message would get
// no area at all; it is laid out as "Along the top" instead, the band the
// dialog reserves below the picture.
WelcomeLayout LayoutWelcome(const WelcomeInput& in);

}  // namespace layout
