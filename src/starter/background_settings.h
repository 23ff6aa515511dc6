// The background overlay's settings, read once from autorun.inf when the
// overlay is made, and the overlay's fixed texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class AutorunConfig;

namespace background {

inline constexpr const char* kWindowText = "CD AutoRun";
inline constexpr const char* kFailedToLoad = "Failed to load: ";  // followed by the path
inline constexpr const char* kCloseButtonWindowText = "CloseButton";
inline constexpr const char* kDefaultCloseText = "Close";
inline constexpr const char* kCloseButtonFace = "Arial";
inline constexpr int kCloseButtonPoints = 10;
inline constexpr int kCloseButtonId = 1025;

// Colours as the GDI keeps them: red in the low byte.
inline constexpr uint32_t kBlack = 0;
inline constexpr uint32_t kWhite = 0xFFFFFF;

struct PictureSetting {
  std::string path;      // full path; empty: no picture
  std::string position;  // "Top, Left" ... "Bottom, Right", "FullScreen"
  int32_t border = 0;    // pixels kept from the screen edges
};

struct Settings {
  uint32_t colour = kBlack;
  std::array<PictureSetting, 2> pictures;
  bool hasCloseButton = false;
  std::string closeButtonText;  // as configured; see CloseButtonCaption
};

// The colour of BackgroundWindowColour: a "%d" number taken as the colour
// value; empty is black, text that does not begin with a number is white.
uint32_t ColourFromValue(const std::string& value);

// What the close button says: its configured text, or "Close" when empty.
std::string CloseButtonCaption(const std::string& configured);

Settings ReadSettings(const AutorunConfig& config);

}  // namespace background
