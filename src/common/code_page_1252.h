// The kit's 8-bit text is Windows-1252 (the ANSI code page of Western
// Windows). On a system whose names are UTF-8 the two are converted here, and
// names are compared as Windows compares them: without regard to case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cp1252 {

// Every byte has a character: the five bytes Windows-1252 leaves unassigned
// become the control characters of the same number, as Windows converts them.
std::string ToUtf8(std::string_view ansi);
// Nullopt when the text is not valid UTF-8 or holds a character that
// Windows-1252 has no byte for.
std::optional<std::string> FromUtf8(std::string_view utf8);

// The upper case of a character as Windows upper-cases file names, for the
// letters Windows-1252 holds in both cases (a-z, the accented letters, š, œ,
// ž and ÿ); every other byte is its own upper case.
char ToUpper(char c);
std::string ToUpper(std::string_view ansi);
bool NamesEqual(std::string_view a, std::string_view b);

}  // namespace cp1252
