// What the display option dialogs share: the checks of a chosen image, how an
// image setting is shown, keyword lists looked up without regard to case, and
// the "<br>" form in which a multi-line text is stored.
#pragma once

#include <span>
#include <string>
#include <string_view>

class WizardSettings;

// The checks of an image the author has chosen; each tells the author why it
// refuses. An empty name passes both.
class ImageFileChecks {
 public:
  virtual ~ImageFileChecks() = default;
  // Only that the file exists and is a picture the CD can show.
  virtual bool RequireFile(const std::string& path, const std::string& label) = 0;
  // The name length warning, then that the file exists and is such a picture.
  virtual bool CheckChosenFile(const std::string& path, const std::string& label) = 0;
};

namespace display_rules {

// An image setting as the dialogs show it: the stored file name placed in the
// configuration folder (SourceFolder), or empty when none is stored.
std::string ShownImagePath(const WizardSettings& settings, const char* setting);

// The index of `value` among `items`, compared without regard to case; -1
// when none matches.
int IndexOf(std::span<const char* const> items, std::string_view value);
// The item at `index`, or empty for an index outside the list (no selection).
std::string ItemAt(std::span<const char* const> items, int index);

// A stored text's "<br>" tags as CR LF line breaks, and back: CR LF pairs,
// then lone CRs, then lone LFs become "<br>", so the stored text is one line.
std::string TagsToLineBreaks(std::string_view stored);
std::string LineBreaksToTags(std::string_view shown);

// At most `maxChars` characters of `value`; a CR LF pair is never split.
std::string CutTo(std::string_view value, size_t maxChars);

}  // namespace display_rules
