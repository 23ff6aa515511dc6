// The text the licence agreement dialog shows for an agreement file.
#pragma once

#include <cstddef>
#include <string>

namespace licence_text {

inline constexpr const char* kOpenFailed = "Failed to open the license agreement file ";

// The text box gets at most this much of the file: enough for any real
// agreement, small enough that a huge or wrong file cannot exhaust memory.
inline constexpr size_t kMaxTextBytes = 4 * 1024 * 1024;
// Longer lines are broken (after their last blank, if any): a word-wrapping
// text box lays out a line of megabytes for minutes.
inline constexpr size_t kMaxLineChars = 1024;

// Every line of the file followed by "\r\n" (the last one too; an empty
// file gives an empty text), read as a text file: a line ends at LF with an
// optional CR before it, and Ctrl+Z ends the file. NUL bytes, which would
// cut the text box's text short, are dropped. Reading stops after
// `maxBytes`. A file that cannot be opened gives kOpenFailed + the name.
std::string ReadLicenceText(const std::string& fileName, size_t maxBytes = kMaxTextBytes);

}  // namespace licence_text
