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
  const std::optional<int32_t> value = text::ParseWholeInt(text);
  if (!value || *value < min || *value > max) return std::nullopt;
  return value;
}

bool FitsTextField(std::string_view text, int32_t maxLength) {
  return maxLength <= 0 || text.size() <= static_cast<size_t>(maxLength);
}

}  // namespace fields
