// What a dialog field accepts: whole numbers within a range, texts up to a
// length. A refused field is answered with one of the standard prompts below,
// the one place these texts live.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fields {

inline constexpr const char* kIntegerRangePrompt = "Please enter an integer between %1 and %2.";
inline constexpr const char* kTextLengthPrompt = "Please enter no more than %1 characters.";

// Puts `arg1` for "%1" and `arg2` for "%2" in one pass, so an argument that
// itself holds "%2" stays as it is. Any other '%' is kept.
std::string FormatPrompt(std::string_view pattern, std::string_view arg1,
                         std::string_view arg2 = {});

// The standard prompts with their bounds filled in.
std::string IntegerRangePrompt(int32_t min, int32_t max);
std::string TextLengthPrompt(int32_t maxLength);

// The number a field holds: one whole integer (white space around it
// allowed) within min..max, both included; nullopt otherwise.
std::optional<int32_t> ParseNumberField(std::string_view text, int32_t min, int32_t max);

// Whether a text fits a field of `maxLength` characters (0: no limit).
bool FitsTextField(std::string_view text, int32_t maxLength);

}  // namespace fields
