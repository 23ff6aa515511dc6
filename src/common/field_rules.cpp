#include "common/field_rules.h"

#include "common/text.h"

namespace fields {

std::string FormatPrompt(std::string_view pattern, std::string_view arg1, std::string_view arg2) {
  std::string result;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && (next == '1' || next == '2')) {
      result += next == '1' ? arg1 : arg2;
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

std::string IntegerRangePrompt(int32_t min, int32_t max) {
  return FormatPrompt(kIntegerRangePrompt, text::Format("%d", min), text::Format("%d", max));
}

std::string TextLengthPrompt(int32_t maxLength) {
  return FormatPrompt(kTextLengthPrompt, text::Format("%d", maxLength));
}

std::optional<int32_t> ParseNumberField(std::string_view text, int32_t min, int32_t max) {
  // Stricter than a "%d" parse: a number that stops at a stray character or
  // wraps past 32 bits would be taken for a value the user did not type.
  const std::string trimmed = text::Trim(text);
  std::string_view digits = trimmed;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;  // past any 32-bit bound
  }
  if (negative) value = -value;
  if (value < min || value > max) return std::nullopt;
  return static_cast<int32_t>(value);
}

bool FitsTextField(std::string_view text, int32_t maxLength) {
  return maxLength <= 0 || text.size() <= static_cast<size_t>(maxLength);
}

}  // namespace fields
