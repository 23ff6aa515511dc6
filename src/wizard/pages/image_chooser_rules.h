// What the image chooser decides, apart from its controls: the filter to
// start on, the rows a filter lists, the row to select, what it says about
// the selected image, the preview's place and the chosen image on OK.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/geometry.h"

class FolderLister;
class WizardSettings;

namespace image_chooser {

// The filter texts, in their order.
std::vector<std::string> Filters();

// The search of the chooser's lists: the first entry beginning with
// `prefix` (ignoring case), looked for from the second entry on and the
// first entry last; -1 when none does. An empty prefix matches any entry.
int FindByPrefix(const std::vector<std::string>& entries, std::string_view prefix);

// The patterns of a filter: the text between its first "(" and the ")"
// after it, split at "," and trimmed. None without brackets.
std::vector<std::string> FilterPatterns(std::string_view filter);

// "C:\cd\photo.gif" or "photo.gif" -> "photo.gif".
std::string ImageName(std::string_view image);
// The text after the name's last ".", lower-cased (empty without one).
std::string ImageExtension(std::string_view image);

// The filter to show an image with: the filter whose text begins with the
// image's extension ("gif" -> "GIF images (*.gif)"); failing that, the one
// whose patterns take the extension (a ".jpeg" or ".bmp" image would
// otherwise not be listed, and another row would stand selected in its
// place); -1 without an extension or a filter for it.
int FilterForImage(std::string_view image);

// The filter selected when the chooser opens: the last one used, then the
// image's own if it has one; the first filter when neither is known.
int InitialFilter(std::string_view lastFilter, std::string_view image);

// The source folder setting as a folder ending in "\" (empty when unset).
std::string SourceFolderOf(std::string_view sourceFolderSetting);
// "Files in: <folder>".
std::string FolderText(std::string_view folder);

// The rows a filter lists: the unconfigured entry first when allowed, then
// every file (not folders, "." or "..") the patterns find in `folder`, each
// once, sorted ignoring case.
std::vector<std::string> ListRows(const FolderLister& lister, const std::string& folder,
                                  std::string_view filter, bool allowUnconfigured);

// The row selected after filling: the remembered one (-1 if out of range),
// replaced by the first row matching the image's name as FindByPrefix
// finds it; an empty name searches nothing.
int RowToSelect(const std::vector<std::string>& rows, int remembered, std::string_view imageName);

// No row, or the unconfigured entry: nothing to load or preview.
bool RowShowsNoImage(std::string_view row);

// What the chooser shows about the selected image.
struct ImageReport {
  std::string width;
  std::string height;
  std::string warnings;
  friend bool operator==(const ImageReport&, const ImageReport&) = default;
};
struct ImageFacts {
  int width = 0;  // natural size in pixels
  int height = 0;
  bool transparent = false;
};
// Shown while an image loads.
ImageReport LoadingReport();
// Nothing selected: the sizes unknown and no warnings.
ImageReport EmptyReport();
ImageReport DescribeImage(const ImageFacts& facts, int maxWidth, int maxHeight);
ImageReport UnreadableReport();
// A file the CD could not show: no GIF, JPEG or BMP by its first bytes.
ImageReport NotAPictureReport();
std::string Recommendation(int maxWidth, int maxHeight);

// The image on OK: the row's file in the folder, or empty for no row or the
// unconfigured entry.
std::string ChosenImage(std::string_view row, const std::string& folder);

// The preview area, in the page's pixels: 10 pixels right of the file list,
// level with the filter list's top, as wide as the page's rest less 10
// pixels, as high as the filter list and the file list together plus 5.
layout::Rect PreviewArea(const layout::Rect& filterList, const layout::Rect& fileList,
                         int pageWidth);

// The chooser's remembered settings.
bool PreviewOn(const WizardSettings& settings);
void SetPreviewOn(WizardSettings& settings, bool on);
std::string LastFilter(const WizardSettings& settings);
void SetLastFilter(WizardSettings& settings, const std::string& filter);
std::string SourceFolder(const WizardSettings& settings);

}  // namespace image_chooser
