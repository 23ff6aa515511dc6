// The welcome screen dialog: its settings, which controls it enables, and
// what leaving it checks and saves.
#pragma once

#include <cstdint>
#include <string>

class ImageFileChecks;
class WizardQuestions;
class WizardSettings;

namespace welcome_screen {

inline constexpr int32_t kTitleChars = 75;
inline constexpr int32_t kMessageChars = 900;
inline constexpr int32_t kUrlChars = 255;
// "Left of text", where a stored location that matches no item puts the image.
inline constexpr int kDefaultLocation = 1;

struct State {
  bool enabled = false;
  std::string title;
  bool useImage = false;
  std::string image;                // full path; empty for none
  int location = kDefaultLocation;  // index into display_texts::kWelcomeLocations
  bool useText = true;
  std::string message;  // lines ending in CR LF, as the edit shows them
  std::string url;
};

// Cuts the title and the message to their fields' limits.
State Load(const WizardSettings& settings);

struct Enabling {
  bool general;    // title and its label, the two "Display" check boxes
  bool imageFile;  // the image, its button and label
  bool location;   // the location list and its label
  bool text;       // message, support URL and their labels
  bool operator==(const Enabling&) const = default;
};
Enabling EnablingFor(const State& state);

// Ticking "Enable this feature" with an image checks it at once.
void OnEnable(const State& state, ImageFileChecks& checks);

// Checks (only when enabled) and saves; false keeps the dialog.
bool Leave(const State& state, WizardSettings& settings, WizardQuestions& questions,
           ImageFileChecks& checks);

}  // namespace welcome_screen
