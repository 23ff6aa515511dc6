// What creating the CD image from the wizard says to the author, each text
// in one place (the image's own reasons and failures are in image_texts.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/image_texts.h"

namespace image_step_texts {

inline std::string MissingFiles(const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& path : paths) list += "\n\t" + path;
  return "The CD image was not created: these files of the CD cannot be found:\n" + list +
         "\n\nPut the files back, or choose them again in the Configuration Wizard, and then "
         "create the image.";
}

// The list of what cannot go in.
inline constexpr const char* kUnfitIntro =
    "These files and folders cannot go on the CD image as Windows would read them from the CD.  "
    "Rename or move them and create the image again, or leave them out:";
inline constexpr const char* kUnfitPathColumn = "File or folder";
inline constexpr const char* kUnfitReasonColumn = "Reason";

// The save step.
inline constexpr const char* kSaveTitle = "Create CD Image";
inline constexpr const char* kImageFilter = "CD images (*.iso)|*.iso|All Files (*.*)|*.*|";
inline constexpr const char* kImageExtension = "iso";

// The progress line: the files are read into the library's store first,
// then the image is written, each against its own total.
inline std::string Progress(uint64_t done, uint64_t total, uint64_t fileBytes) {
  using image_texts::Megabytes;
  if (done <= fileBytes) {
    return "Reading the files: " + Megabytes(done) + " of " + Megabytes(fileBytes);
  }
  return "Writing the image: " + Megabytes(done - fileBytes) + " of " +
         Megabytes(total - fileBytes);
}
inline constexpr const char* kCancelling = "Cancelling ...";

// `sizeReport`: image_texts::SizeReport of the image.
inline std::string Created(const std::string& path, const std::string& sizeReport) {
  return "The CD image has been created:\n\n" + path + "\n\n" + sizeReport +
         "\n\nWindows 7 and later burn it to a CD when you open it; other systems, with your "
         "preferred CD burning software.";
}

}  // namespace image_step_texts
