// Measuring a text broken into lines character by character (no word wrap),
// as the starter's welcome title and selection prompt are.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace layout {

// Width in pixels of a piece of text in the font being measured.
using TextWidthFn = std::function<int32_t(std::string_view)>;

struct WrappedText {
  int32_t lines = 0;
  int32_t lineHeight = 0;
  int32_t totalHeight = 0;  // lines × lineHeight, at most the maximum height, plus 5
};

// The maximum width these texts wrap at: 94 % of the box, truncated.
int32_t WrapWidth(int32_t boxWidth);

// A line starts with the next character and takes further characters while
// its width is less than `maxWidth` and characters remain, so every line but
// the last is at least `maxWidth` wide (the character that reaches it stays).
// Line breaks in the text get no special treatment. `lineHeight` is the
// font's text height, also for an empty text.
//
// The line's end is found by doubling and then halving the prefix length
// rather than by adding one character at a time; as text never gets narrower
// when a character is added, the result is the same, and a long text costs
// O(n log n) character measurements instead of O(n²). Each line takes at
// least one character, so any callback ends. A negative line height or
// maximum height counts as 0.
WrappedText MeasureWrappedText(std::string_view text, const TextWidthFn& width, int32_t lineHeight,
                               int32_t maxWidth, int32_t maxHeight);

}  // namespace layout
