#include "common/wrapped_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace layout {
namespace {

// Every character 10 pixels wide, except 'W' (20).
int32_t FixedWidth(std::string_view s) {
  int32_t w = 0;
  for (char c : s) w += c == 'W' ? 20 : 10;
  return w;
}

// The rule as stated, one character at a time: the reference for the fast search.
int32_t LinesOneByOne(std::string_view text, const TextWidthFn& width, int32_t maxWidth) {
  int32_t lines = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t len = 1;
    while (width(text.substr(pos, len)) < maxWidth && pos + len < text.size()) ++len;
    pos += len;
    ++lines;
  }
  return lines;
}

TEST(WrappedText, BreaksCharacterByCharacter) {
  struct Row {
    const char* text;
    int32_t maxWidth, maxHeight;
    int32_t lines, total;
  } rows[] = {
      {"", 100, 100, 0, 5},  // no lines: just the padding
      {"abc", 100, 100, 1, 18},
      {"abcdefghij", 100, 100, 1, 18},   // exactly the maximum width: still one line
      {"abcdefghijk", 100, 100, 2, 31},  // the 10th character reaches 100 and stays
      {"abcdefghijk", 95, 100, 2, 31},   // 100 >= 95 on the 10th character
      {"WWWWWa", 100, 100, 2, 31},       // 5 W are 100 wide
      {"a\r\nb", 100, 100, 1, 18},       // line breaks are characters like any other
      {"abcdefghijklmnopqrstuvwxyz", 30, 200, 9, 5 + 9 * 13},
      {"abcdefghijklmnopqrstuvwxyz", 30, 50, 9, 55},  // at most the maximum height + 5
      {"abc", 0, 100, 3, 44},                         // no width: one character a line
      {"abc", -10, 100, 3, 44},
      {"abc", 100, -20, 1, 5},  // a negative maximum height counts as 0
  };
  for (const Row& r : rows) {
    const WrappedText m = MeasureWrappedText(r.text, FixedWidth, 13, r.maxWidth, r.maxHeight);
    EXPECT_EQ(m.lines, r.lines) << '"' << r.text << "\" at " << r.maxWidth;
    EXPECT_EQ(m.totalHeight, r.total) << '"' << r.text << "\" at " << r.maxWidth;
    EXPECT_EQ(m.lineHeight, 13);
  }
}

TEST(WrappedText, WrapWidthIsNinetyFourPercentTruncated) {
  EXPECT_EQ(WrapWidth(100), 94);
  EXPECT_EQ(WrapWidth(50), 47);
  EXPECT_EQ(WrapWidth(373), 350);  // 350.62
  EXPECT_EQ(WrapWidth(0), 0);
}

TEST(WrappedText, FastSearchMatchesOneByOneForGrowingWidths) {
  std::mt19937 rng(20240611);
  for (int i = 0; i < 2000; ++i) {
    // Random non-negative character widths, some zero, as a proportional font.
    std::string text(rng() % 60, ' ');
    for (char& c : text) c = static_cast<char>('a' + rng() % 26);
    const int32_t base = static_cast<int32_t>(rng() % 12);
    auto width = [base](std::string_view s) {
      int32_t w = 0;
      for (char c : s) w += (c - 'a') % 3 == 0 ? 0 : base + (c - 'a') % 7;
      return w;
    };
    const int32_t maxWidth = static_cast<int32_t>(rng() % 120) - 10;
    EXPECT_EQ(MeasureWrappedText(text, width, 10, maxWidth, 1000).lines,
              LinesOneByOne(text, width, maxWidth))
        << text << " at " << maxWidth;
  }
}

TEST(WrappedText, HugeTextsStayCheapWhateverTheCallback) {
  const std::string text(1 << 20, 'x');
  int64_t calls = 0;
  int64_t measured = 0;
  auto counting = [&](int32_t perChar) {
    return [&, perChar](std::string_view s) {
      ++calls;
      measured += static_cast<int64_t>(s.size());
      return static_cast<int32_t>(s.size()) * perChar;
    };
  };
  // Nothing ever reaches the maximum: one line, found in about 2 log n measurements.
  WrappedText m = MeasureWrappedText(text, counting(0), 13, 100, 1000);
  EXPECT_EQ(m.lines, 1);
  EXPECT_LT(calls, 64);
  EXPECT_LT(measured, 4 * static_cast<int64_t>(text.size()));

  // A width the text never fits: one character a line, a million lines, height capped.
  calls = 0;
  m = MeasureWrappedText(text, counting(10), 13, -1, 100);
  EXPECT_EQ(m.lines, 1 << 20);
  EXPECT_EQ(m.totalHeight, 105);
  EXPECT_EQ(calls, 1 << 20);

  // Negative widths from a broken callback never reach the maximum either.
  m = MeasureWrappedText(text, counting(-3), 13, 50, 100);
  EXPECT_EQ(m.lines, 1);
}

}  // namespace
}  // namespace layout
