#include "image/image_texts.h"

#include "common/text.h"

namespace image_texts {

namespace {

constexpr const char* kOldImageKept =
    "\n\nNo image was made; an image already at that place is unchanged.";

std::string WithCode(const std::string& message, uint32_t code) {
  return message + text::Format("\n\nError code: %u", static_cast<unsigned>(code));
}

std::string Thousands(uint64_t value) {
  std::string digits = std::to_string(value);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}

}  // namespace

std::string UnfitReason(const cd_image::UnfitEntry& entry) {
  using cd_image::Unfit;
  switch (entry.reason) {
    case Unfit::kNameTooLong:
      return "The name is longer than 64 characters.";
    case Unfit::kBadName:
      return "The name holds \\ / : * ? \" < > | or ends in a dot or a blank: Windows refuses it.";
    case Unfit::kCaseClash:
      return "It differs only in case from '" + entry.other + "', which goes on the CD.";
    case Unfit::kTooDeep:
      return "It would be a 9th level: a CD holds 8 levels of folders, its root included.";
    case Unfit::kPathTooLong:
      return "Its path on the CD is longer than 255 characters.";
    case Unfit::kTooLarge:
      return "The file is 4 GB or larger.";
    case Unfit::kNotAFile:
      return "It is neither a file nor a folder.";
    case Unfit::kUnlistable:
      return "The folder cannot be read.";
  }
  return {};
}

std::string FailureText(const cd_image::Failure& f) {
  using cd_image::FailureKind;
  switch (f.kind) {
    case FailureKind::kNone:
    case FailureKind::kCancelled:
      return {};
    case FailureKind::kNoFolder:
      return WithCode("The CD folder cannot be read:\n\n" + f.path, f.code);
    case FailureKind::kBadLabel:
      return f.detail;
    case FailureKind::kImageInsideFolder:
      return "The CD image cannot be saved inside the folder it is made of:\n\n" + f.path +
             "\n\nChoose a place outside that folder.";
    case FailureKind::kCannotReplace:
      return WithCode("The CD image cannot be saved here:\n\n" + f.path +
                          "\n\nAn image of that name may be open in another program, or be "
                          "read-only." +
                          kOldImageKept,
                      f.code);
    case FailureKind::kCannotRead:
      return WithCode("A file of the CD folder cannot be read:\n\n" + f.path +
                          "\n\nIt may be open in another program." + kOldImageKept,
                      f.code);
    case FailureKind::kFileChanged:
      return "A file of the CD folder changed while the image was made:\n\n" + f.path +
             "\n\nTry again when no program is writing to the folder." + kOldImageKept;
    case FailureKind::kCannotWrite:
      return WithCode("The CD image cannot be written:\n\n" + f.path + kOldImageKept, f.code);
    case FailureKind::kDiskFull:
      return "The disk that holds the CD image is full:\n\n" + f.path +
             "\n\nWhile it is made, the image needs free space of about twice its size there.  "
             "Free some space and try again." +
             kOldImageKept;
    case FailureKind::kLibrary:
      return "The CD image could not be made:\n\n" + f.detail + kOldImageKept;
  }
  return {};
}

std::string Megabytes(uint64_t bytes) {
  return text::Format("%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
}

std::string SizeText(uint64_t bytes) {
  return Megabytes(bytes) + " (" + Thousands(bytes) + " bytes)";
}

std::string SizeReport(uint64_t bytes, bool estimated) {
  std::string report =
      std::string(estimated ? "Size of the image: about " : "Size of the image: ") +
      SizeText(bytes) + ".";
  if (bytes > cd_image::kCd700Bytes) {
    report += text::Format(
        "\nWarning: this is more than a 700 MB CD holds (%s bytes).  A 650 MB CD holds %s "
        "bytes, a 4.7 GB DVD %s bytes.",
        Thousands(cd_image::kCd700Bytes).c_str(), Thousands(cd_image::kCd650Bytes).c_str(),
        Thousands(cd_image::kDvdBytes).c_str());
  }
  return report;
}

}  // namespace image_texts
