// What the CD image tells the author: why an entry stays out, why an image
// could not be made, and how large it is. Each text in one place; the wizard
// and the command-line tool show the same words.
#pragma once

#include <cstdint>
#include <string>

#include "image/cd_image.h"

namespace image_texts {

// The reason beside an entry of the list of what cannot go in.
std::string UnfitReason(const cd_image::UnfitEntry& entry);
// Why the image was not made; empty for kNone and kCancelled.
std::string FailureText(const cd_image::Failure& failure);

// "12.4 MB (12,976,128 bytes)": Windows' megabytes of 1,048,576 bytes.
std::string SizeText(uint64_t bytes);
// "12.4 MB".
std::string Megabytes(uint64_t bytes);
// "Size of the image: ..." and, above a 700 MB CD, the warning with the
// sizes of the discs.
std::string SizeReport(uint64_t bytes, bool estimated);

inline constexpr const char* kLabelEmpty = "The volume label must not be empty.";
inline constexpr const char* kLabelTooLong = "The volume label can hold at most 16 characters.";
inline constexpr const char* kLabelCharacters =
    "The volume label cannot hold any of these characters: * / : ; ? \\";

}  // namespace image_texts
