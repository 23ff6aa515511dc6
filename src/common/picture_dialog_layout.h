// Layout of dialogs that show a picture beside, above or below their content
// (the starter's welcome text and selection list): what the system tells a
// dialog about itself, fitting the picture, sizing the dialog around it and
// placing the picture, the content area and the button row.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/geometry.h"

namespace layout {

enum class PictureSide { kLeft, kRight, kTop, kBottom };

// Matches `name` without regard to case against the dialog's own names for
// the picture left or right of the content, "Along the top" and "Along the
// bottom". nullopt for anything else.
std::optional<PictureSide> ParsePictureSide(std::string_view name, std::string_view leftName,
                                            std::string_view rightName);

// What the system tells the dialog about itself and the screen.
struct DialogMetrics {
  int32_t captionHeight = 0;  // height of a caption bar
  int32_t frameWidth = 0;     // width of a dialog frame, used for both directions
  Size workArea;              // right and bottom edges of the work area
  Size okButton;              // client size of the default button
  int32_t cancelHeight = 0;   // client height of the other button

  // Height of the bottom row that holds the buttons.
  int32_t Gap() const { return okButton.height + 10; }
  // The client area of a captioned, framed dialog window of `window` size.
  Size ClientOf(Size window) const;
};

// A picture next to text: wider than a quarter of the work area makes it a
// third as wide; then taller than a quarter makes it a third as high. A
// picture between a quarter and a third is so enlarged.
Size FitPictureBesideContent(Size picture, Size workArea);

// The narrowest text or list column a side picture leaves room for.
inline constexpr int32_t kMinSideColumn = 300;
// How far a side column may be narrowed, in steps of 50, to keep the dialog
// within the work area; below that the picture is shrunk instead.
inline constexpr int32_t kNarrowestSideColumn = 200;
inline constexpr int32_t kBandHeight = 250;

struct PictureDialogSize {
  Size window;
  Size picture;             // the picture's size, shrunk if the dialog had to be narrowed
  int32_t columnWidth = 0;  // content column beside the picture
  int32_t bandHeight = 0;   // content band above or below the picture
};

// Sizes the dialog around a picture: the frame, caption and button row, plus
// a column beside the picture (side) or a band of 250 above or below it.
// `content` nullopt is a picture alone. With content, a dialog higher than
// the work area loses the excess rounded up to 50 pixels from the band.
//
// A side picture can make the dialog wider than the work area; the column is
// then narrowed in steps of 50 down to kNarrowestSideColumn, and if that is
// not enough the picture is shrunk to the width left over.
PictureDialogSize SizePictureDialog(const DialogMetrics& metrics, Size picture,
                                    std::optional<PictureSide> content);

struct PictureAndArea {
  Point picture;
  Rect area;  // where the content goes
};

PictureAndArea PlacePictureAndArea(PictureSide side, const PictureDialogSize& size);

// The 2-pixel sunken line above the button row.
Rect SeparatorRect(Size client, int32_t gap);

struct ButtonPair {
  Rect ok;
  Rect cancel;
};

// Two buttons right-aligned on the bottom row: the first starts 2 button
// widths and `rightMargin` from `rowWidth`; when there is no room for that
// both start at 0 and share the width.
ButtonPair PlaceButtons(const DialogMetrics& metrics, int32_t rowWidth, int32_t rightMargin,
                        int32_t clientHeight);

}  // namespace layout
