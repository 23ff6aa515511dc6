// How the starter opens the several files: all in order, or one the CD user
// picks from a selection list (with its title, help text and image).
#pragma once

#include <functional>
#include <string>

class WizardQuestions;
class WizardSettings;

namespace several_files {

inline constexpr int kOpenAll = 0;
inline constexpr int kSelectOne = 1;
// Title and help text of the selection list.
inline constexpr int kMaxSelectionText = 256;

struct OpenMode {
  int action = kSelectOne;  // the "Action:" index
  bool waitForPrevious = false;
  bool allowReselect = true;
  std::string title;
  std::string help;
  bool useImage = false;
  std::string image;
  int location = 1;  // the "Location:" index
};

OpenMode LoadOpenMode(const WizardSettings& settings);

struct OpenModeEnabling {
  bool waitForPrevious;
  bool allowReselect;
  bool selectionTexts;  // title, help text, their labels and the image check box
  bool image;           // the image, its location and "Select Image..."
};
OpenModeEnabling EnablingFor(const OpenMode& mode);
const char* Explanation(int action);

// Checks the image the author chose (the file name length warning, that it
// exists and is a picture the CD can show); false keeps the page. The window
// passes the wizard's own check.
using FileCheck = std::function<bool(const std::string& path)>;

// Leaving the page (also each change of "Action:" and Finish): an image to
// show must be chosen and pass its check, or the page stays (the author has
// been told why); then everything is saved and the mode counts as set up.
// The image only counts while the CD user picks: opening all shows none.
bool SaveOpenMode(const OpenMode& mode, WizardSettings& settings, WizardQuestions& questions,
                  const FileCheck& checkImage);

}  // namespace several_files
