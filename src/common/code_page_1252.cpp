#include "common/code_page_1252.h"

#include <cstdint>

#include "common/unicode_names.h"

namespace cp1252 {
namespace {

// The characters of the bytes 0x80 to 0x9F; the rest are Latin-1's own.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOf(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

std::string ToUtf8(std::string_view ansi) {
  std::u32string text;
  text.reserve(ansi.size());
  for (char c : ansi) text += CharacterOf(static_cast<unsigned char>(c));
  return unicode_names::Encode(text);
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
  const std::optional<std::u32string> text = unicode_names::Decode(utf8);
  if (!text) return std::nullopt;
  std::string out;
  out.reserve(text->size());
  for (char32_t c : *text) {
    const std::optional<unsigned char> byte = ByteOf(c);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

// Windows' case folding of the character, where its capital has a byte too.
char ToUpper(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b < 0x80) return b >= 'a' && b <= 'z' ? static_cast<char>(b - 0x20) : c;
  const std::optional<unsigned char> upper = ByteOf(unicode_names::ToUpper(CharacterOf(b)));
  return upper ? static_cast<char>(*upper) : c;
}

std::string ToUpper(std::string_view ansi) {
  std::string out(ansi);
  for (char& c : out) c = ToUpper(c);
  return out;
}

bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (ToUpper(a[i]) != ToUpper(b[i])) return false;
  }
  return true;
}

}  // namespace cp1252
