// Telling the pictures the CD can show by their first bytes.
#include "common/picture_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fake_file_system.h"

namespace {

void Append(std::string& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A bitmap's first bytes: its file header, then the picture header of
// `headerSize` bytes (12: the OS/2 one with 16-bit sizes).
std::string Bitmap(uint32_t headerSize, int32_t width, int32_t height, uint32_t planes,
                   uint32_t bits, uint32_t compression = 0, uint32_t pixelsAt = 0) {
  std::string bytes = "BM";
  Append(bytes, 1000, 4);
  Append(bytes, 0, 4);
  Append(bytes, pixelsAt ? pixelsAt : 14 + headerSize, 4);
  Append(bytes, headerSize, 4);
  const int size = headerSize == 12 ? 2 : 4;
  Append(bytes, static_cast<uint32_t>(width), size);
  Append(bytes, static_cast<uint32_t>(height), size);
  Append(bytes, planes, 2);
  Append(bytes, bits, 2);
  Append(bytes, compression, 4);
  return bytes;
}

TEST(PictureFormat, JudgedByTheFirstBytes) {
  using enum PictureFormat;
  const struct {
    std::string head;
    PictureFormat format;
  } rows[] = {
      {"GIF89a\x28\x00", kGif},
      {"GIF87a", kGif},
      {"GIF88a", kNone},
      {"\xFF\xD8\xFF\xE0", kJpeg},
      {"\xFF\xD8", kNone},
      {"\x89PNG\r\n\x1A\n", kNone},
      {"a text file renamed fake.jpg", kNone},
      {"", kNone},
      {"BM", kNone},
      {Bitmap(40, 40, 30, 1, 24), kBmp},
      {Bitmap(124, 2, -2, 1, 32, 3), kBmp},  // top down, with bit masks
      {Bitmap(12, 2, 2, 1, 8), kBmp},
      {Bitmap(12, 2, 2, 1, 8).substr(0, 25), kNone},
      {Bitmap(41, 2, 2, 1, 24), kNone},
      {Bitmap(40, 2, 2, 2, 24), kNone},
      {Bitmap(40, 2, 2, 1, 7), kNone},
      {Bitmap(40, 2, 2, 1, 24, 4), kNone},  // a JPEG inside
      {Bitmap(40, 0, 2, 1, 24), kNone},
      {Bitmap(40, 2, 2, 1, 24, 0, 20), kNone},  // pixels inside the header
  };
  for (const auto& row : rows) {
    EXPECT_EQ(PictureFormatOf(row.head), row.format) << testing::PrintToString(row.head);
  }
  FakeFileSystem fs;
  fs.files["E:\\cd\\photo.jpg"] = "GIF89a and the rest of a GIF";
  EXPECT_EQ(PictureFileFormat(fs, "E:\\cd\\photo.jpg"), kGif);
  EXPECT_FALSE(IsShowablePicture(fs, "E:\\cd\\gone.gif"));
}

}  // namespace
