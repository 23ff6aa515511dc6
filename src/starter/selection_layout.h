// Layout of the file selection dialog: prompt and list with the template's
// size, or the dialog sized around the CD author's picture.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "common/picture_dialog_layout.h"
#include "common/wrapped_text.h"

namespace layout {

struct SelectionInput {
  DialogMetrics metrics;  // the buttons are "&Open" and "&Close"
  Size client;            // client size of the dialog as the template makes it
  std::string_view prompt;
  TextWidthFn promptWidth;  // the prompt's width in the prompt control's font
  int32_t promptLineHeight = 0;
  // Natural pixel size of the loaded picture; nullopt without one.
  std::optional<Size> picture;
  // The picture loaded but its window could not be created: prompt and list
  // keep their template positions and the dialog its size.
  bool pictureWindowFailed = false;
  std::string_view location;
};

struct SelectionLayout {
  std::optional<Size> dialog;  // move the dialog to (0, 0) with this size
  Size picture;                // the picture's fitted size (when shown)
  Point picturePosition;
  std::optional<Rect> prompt;  // nullopt: template position
  std::optional<Rect> list;
  Rect separator;
  Rect okButton;
  Rect cancelButton;
};

// "Left of Selection List", "Right of Selection List", "Along the top",
// "Along the bottom".
std::optional<PictureSide> ParseSelectionPictureSide(std::string_view name);

// A picture at an unrecognised location would leave the list no area at all;
// it is laid out as "Along the top", with the list in the band below.
SelectionLayout LayoutSelection(const SelectionInput& in);

}  // namespace layout

// The file the properties of a selection entry show: a URL or an empty path
// as configured, anything else joined to the current directory.
std::string SelectionEntryFile(std::string_view path, std::string_view currentDirectory);
