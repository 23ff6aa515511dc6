// Which pictures the CD can show, judged by a file's first bytes rather than
// its name: the starter's picture loader reads GIF, JPEG and BMP files on
// Windows and nothing else, whatever a file is called (a PNG renamed .jpg, or
// a text file, fails on the CD with a technical error).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class FileSystem;

enum class PictureFormat { kNone, kGif, kJpeg, kBmp };

// The most first bytes PictureFormatOf looks at.
inline constexpr size_t kPictureHeadBytes = 34;

// GIF: "GIF87a" or "GIF89a". JPEG: FF D8 FF. BMP: "BM" with a header the
// loader takes (a known header size, one plane, a bit depth and compression
// it reads, a size that is not zero). Anything else, or too few bytes, is kNone.
PictureFormat PictureFormatOf(std::string_view head);

// The format of the file at `path`; kNone when it cannot be read.
PictureFormat PictureFileFormat(const FileSystem& fs, const std::string& path);
inline bool IsShowablePicture(const FileSystem& fs, const std::string& path) {
  return PictureFileFormat(fs, path) != PictureFormat::kNone;
}
