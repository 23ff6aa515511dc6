// What the image chooser says: its filters, labels and messages, each once.
#pragma once

namespace image_chooser_texts {

inline constexpr const char* kTitle = "Select an Image";

// The filter list, in its order. The patterns are read from between the
// brackets, so a filter's text is also its definition.
inline constexpr const char* kFilters[] = {
    "GIF and JPG images (*.gif, *.jpg, *.jpeg)",
    "GIF images (*.gif)",
    "JPG images (*.jpg, *.jpeg)",
    "Bitmaps (*.bmp)",
    "All Files (*.*)",
};

// The file-open dialog of "&Copy in image" ("|" separates the parts).
inline constexpr const char* kCopyInFilter =
    "GIF and JPG images (*.gif, *.jpg, *.jpeg)|*.gif; *.jpg; *.jpeg|GIF images (*.gif)|*.gif|"
    "JPG images (*.jpg, *.jpeg)|*.jpg; *.jpeg|Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*|";

inline constexpr const char* kUnconfigured = "<Do not configure this option>";
// A row beginning with this shows no picture.
inline constexpr const char* kNoImagePrefix = "<Do ";

inline constexpr const char* kFolderFormat = "Files in: %s";
inline constexpr const char* kRecommendationFormat =
    "Average recommended maximum size:\n%d x %d pixels";
inline constexpr const char* kNotAvailable = "n/a";
inline constexpr const char* kSizeFormat = "%d";
inline constexpr const char* kLoading = "Loading image information...";

inline constexpr const char* kLargeWarningFormat =
    "> Image is larger than average maximum size of %d x %d pixels, and may take too long to "
    "load on some machines.  Try resizing.\r\n";
inline constexpr const char* kTransparentWarning =
    "> Image is a 'transparent image'.  Transparent images take longer to display than non "
    "Transparent images.  Change to non Transparent.\r\n";
inline constexpr const char* kSeeHelp = "> See help for more information.";

inline constexpr const char* kLoadFailedMessage =
    "Sorry, but failed to load the image. Check that it is a valid image type.";
inline constexpr const char* kLoadFailedWarning =
    "File is not an image, or the file format is not recognised, or the file is corrupt.";
// A file that is no GIF, JPEG or BMP by its contents, even where this machine
// could show it (a PNG under some systems).
inline constexpr const char* kNotAPictureWarning =
    "File is not a GIF, JPEG or BMP picture, whatever its name says: the CD cannot show it.  "
    "Save it as GIF, JPEG or BMP.";

// The label CheckChosenFile names the image by.
inline constexpr const char* kCheckLabel = "Image";

inline constexpr const char* kCopyFailedFormat =
    "Failed to copy\n\n%s\n\nto\n\n%s\n\nCheck that you have write access to the folder, that the "
    "destination file is not set to readonly, is not being used, and that there is sufficient "
    "space on the disk.\n\nTo try again, press 'Retry', to cancel the whole operation, press "
    "'Cancel'.";

// The folder chooser.
inline constexpr const char* kFolderDialogTitle = "Choose folder";
inline constexpr const char* kFolderDialogSelect = "Select";
// Over the folder tree, which otherwise leaves an empty band there.
inline constexpr const char* kFolderDialogPrompt =
    "Choose the folder that holds the files of your CD, then press 'Select'.";
inline constexpr const char* kFolderDialogPattern = "*..........*";

}  // namespace image_chooser_texts
