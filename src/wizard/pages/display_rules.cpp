#include "wizard/pages/display_rules.h"

#include "common/file_path.h"
#include "common/text.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace display_rules {

std::string ShownImagePath(const WizardSettings& settings, const char* setting) {
  const std::string stored = settings.Text(setting);
  if (stored.empty()) return {};
  FilePath path(stored);
  path.SetFolder(FilePath(settings.Text(wizard_settings::kSourceFolder) + "\\").Folder());
  return path.FullPath();
}

int IndexOf(std::span<const char* const> items, std::string_view value) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (text::EqualsNoCase(items[i], value)) return static_cast<int>(i);
  }
  return -1;
}

std::string ItemAt(std::span<const char* const> items, int index) {
  if (index < 0 || static_cast<size_t>(index) >= items.size()) return {};
  return items[static_cast<size_t>(index)];
}

std::string TagsToLineBreaks(std::string_view stored) {
  return text::ReplaceAll(stored, "<br>", "\r\n");
}

std::string LineBreaksToTags(std::string_view shown) {
  std::string joined = text::ReplaceAll(shown, "\r\n", "<br>");
  joined = text::ReplaceAll(joined, "\r", "<br>");
  return text::ReplaceAll(joined, "\n", "<br>");
}

std::string CutTo(std::string_view value, size_t maxChars) {
  if (value.size() <= maxChars) return std::string(value);
  size_t end = maxChars;
  // A cut between CR and LF would leave a lone CR, stored as a break of its own.
  if (end > 0 && value[end - 1] == '\r' && value[end] == '\n') --end;
  return std::string(value.substr(0, end));
}

}  // namespace display_rules
