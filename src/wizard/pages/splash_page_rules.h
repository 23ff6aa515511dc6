// The splash screen dialog: its settings, which controls it enables, the
// font it describes and offers, and what leaving it checks and saves.
#pragma once

#include <cstdint>
#include <string>

#include "config/autorun_keys.h"

class ImageFileChecks;
class WizardQuestions;
class WizardSettings;

namespace splash_page {

inline constexpr int32_t kLineChars = 60;
inline constexpr int32_t kMaxSeconds = 99999999;
// The font dialog's size when none is stored, in points.
inline constexpr int32_t kUnsetFontPoints = 100;

struct State {
  bool enabled = false;
  int whenToShow = 0;  // index into display_texts::kSplashWhenItems
  int32_t seconds = 0;
  bool useImage = true;
  std::string image;  // full path; empty for none
  std::string lines[keys::kSplashLineCount];
};

State Load(const WizardSettings& settings);

// Which groups of controls are enabled.
struct Enabling {
  bool general;  // when to show, seconds, the two radios, "Help ..."
  bool image;    // the image, its button and labels
  bool text;     // the three lines, the font controls and their labels
  bool operator==(const Enabling&) const = default;
};
Enabling EnablingFor(const State& state);

// Ticking "Enable this feature" in image mode tells the author at once when
// the image is missing.
void OnEnable(const State& state, ImageFileChecks& checks);

// "Windows default", or "Font: Arial; Size: 12pt; Weight: 700; Italic: False; ".
std::string FontDescription(const WizardSettings& settings);

// What the font dialog starts with: the stored face, weight and italic flag,
// and a height in device units for `pixelsPerInch`.
struct FontPreset {
  std::string face;
  int32_t weight = 0;
  bool italic = false;
  int32_t height = 0;
};
FontPreset FontDialogPreset(const WizardSettings& settings, int pixelsPerInch);
// -(points x pixels per inch / 72), rounded to the nearest device unit.
int32_t FontHeightForPoints(int32_t points, int pixelsPerInch);

// What the author chose in the font dialog.
struct FontChoice {
  std::string face;
  int32_t weight = 0;
  bool italic = false;
  int32_t pointTenths = 0;  // the dialog's size, in tenths of a point
};
// Saves the four font values at once (not on the page's OK). A choice
// without a face name saves nothing and tells the author; false then.
bool SaveFont(const FontChoice& choice, WizardSettings& settings, WizardQuestions& questions);

// Checks and saves; false keeps the dialog (the author has been told why).
// The field limits are the window's to enforce before this is called.
bool Leave(const State& state, WizardSettings& settings, WizardQuestions& questions,
           ImageFileChecks& checks);

}  // namespace splash_page
