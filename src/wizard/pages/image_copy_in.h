// "Copy in image": copying a picture from elsewhere into the source folder,
// asking before an overwrite and offering to retry a failed copy.
#pragma once

#include <string>

class OptionQuestions;
class FileCopier;
class FileSystem;

namespace image_chooser {

enum class CopyInOutcome {
  kCopied,
  kKeptExisting,  // the file was there already and is used as it is
  kCancelled,     // a failed copy was cancelled: nothing changes
};

struct CopyInResult {
  CopyInOutcome outcome;
  std::string name;  // the image's file name in the folder (not when cancelled)
};

// Copies `source` to its file name in `folder` (ending in "\").
CopyInResult CopyInImage(const std::string& source, const std::string& folder, const FileSystem& fs,
                         FileCopier& copier, OptionQuestions& questions);

}  // namespace image_chooser
