// The background overlay dialog and its image position dialog: settings,
// which controls they enable, and what leaving them checks and saves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/autorun_keys.h"
#include "wizard/pages/display_texts.h"

class ImageFileChecks;
class WizardQuestions;
class WizardSettings;

namespace background_page {

inline constexpr int32_t kBorderMin = 0;
inline constexpr int32_t kBorderMax = 1000;
inline constexpr int32_t kNewBorder = 40;
inline constexpr int32_t kCloseTextChars = 50;
// Borders above this are asked about.
inline constexpr int32_t kUsualBorderMax = 100;
// "Middle, center": the picture sits in the middle, a border means nothing.
inline constexpr int kMiddleCentre = 4;
// A full-screen image above this size (pixels, either way) is warned about.
inline constexpr int kFullScreenImageMaxSize = 2000;
// "After Welcome Screen (if specified)", what an empty setting means.
inline constexpr int kAfterWelcome = 2;

// Index into display_texts::kPositions of a stored position (ignoring case);
// -1 when it is none of them.
int PositionIndex(std::string_view position);

struct Picture {
  std::string file;  // full path; empty for none
  int position = 0;  // index into display_texts::kPositions
  int32_t border = kNewBorder;
};

struct State {
  bool enabled = false;
  int whenToShow = kAfterWelcome;  // index into display_texts::kBackgroundWhenItems; -1 none
  bool fullScreen = true;
  std::string fullScreenImage;  // full path; empty for none
  uint32_t colour = 0;          // 0x00BBGGRR
  Picture pictures[keys::kBackgroundPictureCount];
  bool keepOpen = true;
  bool closeButton = true;
  std::string closeText = display_texts::kDefaultCloseText;
  // Several files that the user may go on picking from: the overlay stays
  // until the selection list closes, so it neither keeps open nor closes.
  bool reselect = false;
};

State Load(const WizardSettings& settings);

struct Enabling {
  bool general;     // radios, "When to show:", "Important Information"
  bool fullScreen;  // the full-screen image, its button and label
  bool overlay;     // colour button, both "Select..." image buttons, labels
  bool picture[keys::kBackgroundPictureCount];  // position, border, position dialog
  bool border[keys::kBackgroundPictureCount];
  bool keepOpen;     // the check box and its note
  bool closeButton;  // the check box
  bool closeText;    // the text and its label
  bool operator==(const Enabling&) const = default;
};
Enabling EnablingFor(const State& state);

// Ticking "Enable this feature": the close button goes with keeping the
// overlay open, and the chosen images are checked at once.
void OnEnable(State& state, ImageFileChecks& checks);
// Ticking or unticking the close button: an empty text becomes "Close".
void OnCloseButton(State& state);
// The colour picker saves at once, whatever happens to the dialog.
void SaveColour(uint32_t colour, WizardSettings& settings);

// Checks (only when enabled) and saves; false keeps the dialog. The field
// limits are the window's to enforce before this is called.
bool Leave(const State& state, WizardSettings& settings, WizardQuestions& questions,
           ImageFileChecks& checks);

}  // namespace background_page

namespace image_position {

struct State {
  int position = 0;  // index into display_texts::kPositions
  int32_t border = background_page::kNewBorder;
};

// The border means nothing for a picture in the middle.
bool BorderEnabled(int position);
// Asks about a border above 100 and refuses a negative one; false keeps the
// dialog.
bool Leave(const State& state, WizardQuestions& questions);

}  // namespace image_position
