// The CD image of a CD folder: ISO 9660 with Joliet (the names Windows shows)
// and Rock Ridge (for other systems), the folder's contents as the CD's root.
//
//   ImagePlan plan;
//   Failure failure;
//   if (!PlanImage(fs, folder, &plan, &failure)) ...   // FailureText(failure)
//   for (const UnfitEntry& e : plan.unfit) ...         // UnfitText(e): left out if the author goes
//   on BuildResult r = BuildImage(fs, plan, "D:\\CDs\\MyCD.iso", "MYCD", progress, cancel);
//
// Every text that goes in or comes out is native text (the ANSI code page on
// Windows, UTF-8 elsewhere). Two runs over the same files with the same dates
// give the same image byte for byte.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "image/image_file_system.h"

namespace cd_image {

// Capacities, in bytes (2048-byte sectors), that the image's size is told against.
inline constexpr uint64_t kCd650Bytes = 333000ull * 2048;  // 681,984,000
inline constexpr uint64_t kCd700Bytes = 360000ull * 2048;  // 737,280,000
inline constexpr uint64_t kDvdBytes = 2295104ull * 2048;   // 4,700,372,992
// Joliet's limits, as Windows reads a CD.
inline constexpr size_t kMaxNameChars = 64;               // UTF-16 units of one name
inline constexpr size_t kMaxPathChars = 255;              // "D:\" + this + the end fits MAX_PATH
inline constexpr int kMaxFolderDepth = 7;                 // folders below the root (8 levels)
inline constexpr uint64_t kMaxFileBytes = 0xFFFFFFFFull;  // one extent
inline constexpr size_t kMaxLabelChars = 16;              // UTF-16 units of the Joliet label
inline constexpr size_t kMaxLabelBytes = 32;              // of the label in UTF-8

// Why an entry cannot go on the image as Windows would read it.
enum class Unfit {
  kNameTooLong,  // more than kMaxNameChars
  kBadName,      // a character Windows refuses in names, or a trailing dot or blank
  kCaseClash,    // differs only in case from another name of its folder
  kTooDeep,      // in more than kMaxFolderDepth folders
  kPathTooLong,  // more than kMaxPathChars
  kTooLarge,     // 4 GiB or more
  kNotAFile,     // neither a file nor a folder (a link to a folder, a device)
  kUnlistable,   // a folder that cannot be read
};

struct UnfitEntry {
  std::string path;  // relative to the CD folder, native text and separators
  Unfit reason = Unfit::kBadName;
  std::string other;  // kCaseClash: the name that goes in instead
  bool operator==(const UnfitEntry&) const = default;
};

// One entry that goes in; internal names are UTF-8 with "/".
struct ImageEntry {
  std::string path;
  bool folder = false;
  uint64_t size = 0;
  int64_t modified = 0;     // for a folder: the newest file inside it
  bool executable = false;  // a program by its name or by the folder's mark
};

struct ImagePlan {
  std::string folder;               // the CD folder, native
  std::vector<ImageEntry> entries;  // in the order they go in, each folder first
  std::vector<UnfitEntry> unfit;    // in the same order; left out of the image
  uint64_t fileBytes = 0;           // of the files that go in
  int64_t newest = 0;               // the newest file's date: the volume's dates
  uint64_t estimatedBytes = 0;      // the image's size, near enough to show
};

enum class FailureKind {
  kNone,
  kNoFolder,           // the CD folder cannot be read
  kBadLabel,           // see LabelProblem
  kImageInsideFolder,  // the image would contain itself
  kCannotReplace,      // the old image cannot be replaced (in use, read-only)
  kCannotRead,         // a file of the folder
  kFileChanged,        // a file's size changed while it was read
  kCannotWrite,        // the image or the library's temporary file
  kDiskFull,
  kLibrary,  // the library refused; `detail` says why
  kCancelled,
};

struct Failure {
  FailureKind kind = FailureKind::kNone;
  std::string path;   // native
  uint32_t code = 0;  // the system's error code, when there is one
  std::string detail;
};

// Walks the CD folder. False only when the folder itself cannot be read.
// The kit's own temporary files ("*.tmp~", and "X.tmp" beside X) stay out.
bool PlanImage(ImageFileSystem& fs, const std::string& folder, ImagePlan* plan, Failure* failure);

// Called now and then from the building thread: bytes done of the total.
using ProgressFunction = std::function<void(uint64_t done, uint64_t total)>;

struct BuildResult {
  Failure failure;
  uint64_t imageBytes = 0;
  bool ok() const { return failure.kind == FailureKind::kNone; }
};

// Writes the image of what the plan holds to `imagePath`: beside it first
// (with the library's temporary file), renamed over it at the end. On
// failure or cancel the old image, if any, is as it was and nothing else
// remains. Runs on the caller's thread; `cancel` may be set from another.
BuildResult BuildImage(ImageFileSystem& fs, const ImagePlan& plan, const std::string& imagePath,
                       const std::string& label, const ProgressFunction& progress,
                       const std::atomic<bool>& cancel);

// "<folder name>.iso" beside the folder (never inside it).
std::string ProposedImagePath(const std::string& folder);
// The folder's name in capitals, cut to what a label holds.
std::string ProposedLabel(const ImageFileSystem& fs, const std::string& folder);
// Empty when `label` can be the volume's label, otherwise why not.
std::string LabelProblem(const ImageFileSystem& fs, const std::string& label);

}  // namespace cd_image
