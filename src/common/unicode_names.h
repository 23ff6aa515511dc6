// Names as Joliet and Windows see them: UTF-8 decoded and encoded, their
// length in UTF-16 units, and the case folding Windows compares names with
// (the scripts CD folders are named in; other letters compare as they are).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace unicode_names {

// nullopt when `utf8` is not well-formed UTF-8 (a Unix name in another
// encoding, which no Windows name can be).
std::optional<std::u32string> Decode(std::string_view utf8);
std::string Encode(std::u32string_view text);
size_t Utf16Length(std::u32string_view text);
char32_t ToUpper(char32_t c);
std::u32string ToUpper(std::u32string_view text);

}  // namespace unicode_names
