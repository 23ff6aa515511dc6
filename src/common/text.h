// Text helpers. Text is std::string holding 8-bit ANSI bytes; this header is
// the one place where trimming, replacing, case-insensitive comparison,
// "%d"-style parsing and printf-style formatting live.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// White space as the C library's isspace() sees it in the "C" locale:
// blank, tab, CR, LF, vertical tab, form feed.
bool IsSpace(char c);

std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string Trim(std::string_view s);

// Replaces every occurrence of `from` (non-empty) by `to`, scanning left to
// right once; text produced by a replacement is not scanned again.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

// ASCII case folding only: the profile and keyword rules compare that way.
char ToLower(char c);
std::string ToLower(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Orders like strcmp over the lower-cased bytes (as unsigned characters):
// negative, zero or positive.
int CompareNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view s, std::string_view prefix);
bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);

// Parses like sscanf("%d"): leading white space skipped, an optional sign,
// then digits up to the first non-digit. No number: nullopt. Values that do
// not fit wrap like a 32-bit signed integer (as the C library does on the
// platforms the kit runs on), so huge numbers never fail loudly.
std::optional<int32_t> ParseInt(std::string_view s);
// The same, returning `fallback` when the text does not begin with a number.
int32_t ParseIntOr(std::string_view s, int32_t fallback);

// Parses like sscanf("%X") into an unsigned 32-bit number: leading white
// space, optional "0x", hexadecimal digits; nullopt without a digit.
std::optional<uint32_t> ParseHex(std::string_view s);

// printf-style formatting into a std::string; no fixed buffer.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Splits at every `sep`. Empty parts are kept.
std::vector<std::string> Split(std::string_view s, char sep);

}  // namespace text
