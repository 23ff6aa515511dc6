#include "common/picture_format.h"

#include <cstdint>

#include "common/file_system.h"

namespace {

// Little-endian fields of a bitmap's headers.
uint32_t Field(std::string_view bytes, size_t offset, size_t size) {
  uint32_t value = 0;
  for (size_t i = size; i-- > 0;)
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kCoreHeaderBytes = 12;  // the OS/2 header: 16-bit sizes

bool IsBitmap(std::string_view head) {
  if (head.size() < kFileHeaderBytes + kCoreHeaderBytes || head.substr(0, 2) != "BM") return false;
  const uint32_t headerSize = Field(head, 14, 4);
  if (Field(head, 10, 4) < kFileHeaderBytes + headerSize) return false;  // where the pixels start
  int32_t width, height;
  uint32_t planes, bits;
  if (headerSize == kCoreHeaderBytes) {
    width = static_cast<int32_t>(Field(head, 18, 2));
    height = static_cast<int32_t>(Field(head, 20, 2));
    planes = Field(head, 22, 2);
    bits = Field(head, 24, 2);
  } else {
    // The Windows headers (version 3, its two extensions, 4 and 5) begin alike.
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124) {
      return false;
    }
    if (head.size() < kPictureHeadBytes) return false;
    width = static_cast<int32_t>(Field(head, 18, 4));
    height = static_cast<int32_t>(Field(head, 22, 4));  // negative: rows stored top down
    planes = Field(head, 26, 2);
    bits = Field(head, 28, 2);
    // Plain, run-length coded or with bit masks; a JPEG or PNG inside a
    // bitmap is not read.
    if (Field(head, 30, 4) > 3) return false;
  }
  const bool knownDepth =
      bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
  return width > 0 && height != 0 && planes == 1 && knownDepth;
}

}  // namespace

PictureFormat PictureFormatOf(std::string_view head) {
  if (head.substr(0, 6) == "GIF87a" || head.substr(0, 6) == "GIF89a") return PictureFormat::kGif;
  if (head.substr(0, 3) == "\xFF\xD8\xFF") return PictureFormat::kJpeg;
  if (IsBitmap(head)) return PictureFormat::kBmp;
  return PictureFormat::kNone;
}

PictureFormat PictureFileFormat(const FileSystem& fs, const std::string& path) {
  std::string head;
  if (!fs.ReadFileHead(path, kPictureHeadBytes, &head)) return PictureFormat::kNone;
  return PictureFormatOf(head);
}
