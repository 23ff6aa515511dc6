#include "wizard/pages/image_chooser_rules.h"

#include <algorithm>

#include "common/file_path.h"
#include "common/text.h"
#include "wizard/pages/folder_lister.h"
#include "wizard/pages/image_chooser_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace image_chooser {
namespace {
namespace t = image_chooser_texts;
namespace ws = wizard_settings;

constexpr int kPreviewGap = 10;
constexpr int kPreviewExtraHeight = 5;

bool PatternTakesExtension(std::string_view pattern, std::string_view extension) {
  return pattern == "*.*" || text::EqualsNoCase(pattern, "*." + std::string(extension));
}

}  // namespace

std::vector<std::string> Filters() { return {std::begin(t::kFilters), std::end(t::kFilters)}; }

int FindByPrefix(const std::vector<std::string>& entries, std::string_view prefix) {
  const int count = static_cast<int>(entries.size());
  for (int step = 1; step <= count; ++step) {
    const int index = step % count;
    if (text::StartsWithNoCase(entries[static_cast<size_t>(index)], prefix)) return index;
  }
  return -1;
}

std::vector<std::string> FilterPatterns(std::string_view filter) {
  const size_t open = filter.find('(');
  if (open == std::string_view::npos) return {};
  const size_t close = filter.find(')', open + 1);
  if (close == std::string_view::npos) return {};
  std::vector<std::string> patterns;
  for (const std::string& piece : text::Split(filter.substr(open + 1, close - open - 1), ',')) {
    std::string pattern = text::Trim(piece);
    if (!pattern.empty()) patterns.push_back(pattern);
  }
  return patterns;
}

std::string ImageName(std::string_view image) {
  const size_t slash = image.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? image : image.substr(slash + 1));
}

std::string ImageExtension(std::string_view image) {
  const std::string name = ImageName(image);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : text::ToLower(name.substr(dot + 1));
}

int FilterForImage(std::string_view image) {
  const std::string extension = ImageExtension(image);
  if (extension.empty()) return -1;
  const std::vector<std::string> filters = Filters();
  const int byName = FindByPrefix(filters, extension);
  if (byName >= 0) return byName;
  const int count = static_cast<int>(filters.size());
  for (int step = 1; step <= count; ++step) {
    const int index = step % count;
    for (const std::string& pattern : FilterPatterns(filters[static_cast<size_t>(index)])) {
      if (PatternTakesExtension(pattern, extension)) return index;
    }
  }
  return -1;
}

int InitialFilter(std::string_view lastFilter, std::string_view image) {
  // An empty text would match the second filter; a first showing starts on the first.
  int index = lastFilter.empty() ? -1 : FindByPrefix(Filters(), lastFilter);
  if (index < 0) index = 0;
  const int forImage = FilterForImage(image);
  return forImage >= 0 ? forImage : index;
}

std::string SourceFolderOf(std::string_view sourceFolderSetting) {
  const std::string folder = text::Trim(sourceFolderSetting);
  if (folder.empty()) return {};
  // The setting ends in "\"; one added to a folder without it names it as a
  // folder even when its last part has a ".".
  return FilePath(text::EndsWith(folder, "\\") ? folder : folder + "\\").Folder();
}

std::string FolderText(std::string_view folder) {
  return text::Format(t::kFolderFormat, std::string(folder).c_str());
}

std::vector<std::string> ListRows(const FolderLister& lister, const std::string& folder,
                                  std::string_view filter, bool allowUnconfigured) {
  std::vector<std::string> names;
  for (const std::string& pattern : FilterPatterns(filter)) {
    for (const FolderEntry& entry : lister.Find(folder + pattern)) {
      if (entry.folder || entry.name == "." || entry.name == ".." || entry.name.empty()) continue;
      const bool listed = std::any_of(names.begin(), names.end(), [&](const std::string& name) {
        return text::EqualsNoCase(name, entry.name);
      });
      if (!listed) names.push_back(entry.name);
    }
  }
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return text::CompareNoCase(a, b) < 0;
  });
  if (allowUnconfigured) names.insert(names.begin(), t::kUnconfigured);
  return names;
}

int RowToSelect(const std::vector<std::string>& rows, int remembered, std::string_view imageName) {
  // No image configured: a name search would match any file and OK would
  // then configure one the author never chose; the remembered row (at first
  // the top one, "<Do not configure this option>" where offered) stays.
  const int found = imageName.empty() ? -1 : FindByPrefix(rows, imageName);
  if (found >= 0) return found;
  return remembered >= 0 && remembered < static_cast<int>(rows.size()) ? remembered : -1;
}

bool RowShowsNoImage(std::string_view row) {
  return row.empty() || text::StartsWith(row, t::kNoImagePrefix);
}

ImageReport LoadingReport() { return {t::kNotAvailable, t::kNotAvailable, t::kLoading}; }

ImageReport EmptyReport() { return {t::kNotAvailable, t::kNotAvailable, ""}; }

ImageReport DescribeImage(const ImageFacts& facts, int maxWidth, int maxHeight) {
  ImageReport report{text::Format(t::kSizeFormat, facts.width),
                     text::Format(t::kSizeFormat, facts.height), ""};
  if (maxWidth < facts.width || maxHeight < facts.height) {
    report.warnings += text::Format(t::kLargeWarningFormat, maxWidth, maxHeight);
  }
  if (facts.transparent) report.warnings += t::kTransparentWarning;
  if (!report.warnings.empty()) report.warnings += t::kSeeHelp;
  return report;
}

ImageReport UnreadableReport() {
  return {t::kNotAvailable, t::kNotAvailable, t::kLoadFailedWarning};
}

ImageReport NotAPictureReport() {
  return {t::kNotAvailable, t::kNotAvailable, t::kNotAPictureWarning};
}

std::string Recommendation(int maxWidth, int maxHeight) {
  return text::Format(t::kRecommendationFormat, maxWidth, maxHeight);
}

std::string ChosenImage(std::string_view row, const std::string& folder) {
  if (row.empty() || text::EqualsNoCase(row, t::kUnconfigured)) return {};
  // Joined as they stand: a name without a "." must not turn into a folder.
  return folder + std::string(row);
}

layout::Rect PreviewArea(const layout::Rect& filterList, const layout::Rect& fileList,
                         int pageWidth) {
  const int left = fileList.Right() + kPreviewGap;
  return {left, filterList.top, std::max(0, pageWidth - left - kPreviewGap),
          filterList.height + fileList.height + kPreviewExtraHeight};
}

bool PreviewOn(const WizardSettings& settings) { return settings.Flag(ws::kPeviewImages); }
void SetPreviewOn(WizardSettings& settings, bool on) { settings.SetFlag(ws::kPeviewImages, on); }
std::string LastFilter(const WizardSettings& settings) {
  return settings.Text(ws::kLastImageFilter);
}
void SetLastFilter(WizardSettings& settings, const std::string& filter) {
  settings.SetText(ws::kLastImageFilter, filter);
}
std::string SourceFolder(const WizardSettings& settings) {
  return SourceFolderOf(settings.Text(ws::kSourceFolder));
}

}  // namespace image_chooser
