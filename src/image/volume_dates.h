// The image library stamps the volume, the root folder and the folders it
// makes itself with the moment the image was written, and the volume with
// the name of the system it runs on. These give the image the date of its
// newest file and the system the CD is for instead, so that the same folder
// always makes the same image, on Windows and elsewhere.
#pragma once

#include <array>
#include <cstdint>

#include "image/image_file_system.h"

namespace volume_dates {

// A directory record's date: years since 1900, month, day, hour, minute,
// second, offset from UTC in quarter hours.
using ShortDate = std::array<uint8_t, 7>;
// A volume descriptor's date: "YYYYMMDDHHMMSScc" and the offset.
using LongDate = std::array<uint8_t, 17>;

ShortDate ShortDateOf(int64_t unixSeconds);  // in UTC
LongDate LongDateOf(int64_t unixSeconds);

// Replaces, in the volume descriptors and in every directory record of both
// trees (Rock Ridge time stamps included), the library's own moment by
// `date`, and the descriptors' system identifier by Windows'. 0 or the error
// code of reading or writing the image.
uint32_t ReplaceLibraryStamps(cd_image::ImageOutput& image, int64_t date);

}  // namespace volume_dates
