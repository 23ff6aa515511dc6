#include "common/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, TrimRemovesEveryKindOfWhiteSpace) {
  EXPECT_EQ(text::Trim(" \t\r\n\v\f 1 \t\r\n\v\f"), "1");
  EXPECT_EQ(text::Trim("   "), "");
  EXPECT_EQ(text::TrimLeft("  a b "), "a b ");
  EXPECT_EQ(text::TrimRight("  a b "), "  a b");
}

TEST(Text, ReplaceAllDoesNotRescanItsOwnOutput) {
  EXPECT_EQ(text::ReplaceAll("a\\\\\\b", "\\\\", "\\"), "a\\\\b");
  EXPECT_EQ(text::ReplaceAll("x<br>y<br>", "<br>", "\r\n"), "x\r\ny\r\n");
  EXPECT_EQ(text::ReplaceAll("abc", "", "z"), "abc");
}

TEST(Text, CaseInsensitiveComparisons) {
  EXPECT_TRUE(text::EqualsNoCase("StartUp", "startup"));
  EXPECT_FALSE(text::EqualsNoCase("Startup ", "startup"));
  EXPECT_TRUE(text::StartsWithNoCase("HTTPS://x", "http"));
  EXPECT_FALSE(text::StartsWithNoCase("ht", "http"));
}

TEST(Text, ParseIntFollowsPercentD) {
  struct Row {
    const char* in;
    std::optional<int32_t> out;
  } rows[] = {{"3x", 3},         {"  -12", -12}, {"+7", 7},          {"abc", std::nullopt},
              {"", std::nullopt}, {"- 1", std::nullopt}, {"2147483647", 2147483647},
              {"4294967297", 1}, {"99999999999999999999999999999999999999999", std::nullopt}};
  for (const auto& row : rows) {
    if (std::string(row.in).size() > 30) {
      EXPECT_TRUE(text::ParseInt(row.in).has_value()) << row.in;  // wraps, never fails
      continue;
    }
    EXPECT_EQ(text::ParseInt(row.in), row.out) << row.in;
  }
  EXPECT_EQ(text::ParseIntOr("abc", 5), 5);
}

TEST(Text, ParseHexAndFormat) {
  EXPECT_EQ(text::ParseHex("FFFFFFFE"), 0xFFFFFFFEu);
  EXPECT_EQ(text::ParseHex("0x1a"), 0x1Au);
  EXPECT_EQ(text::ParseHex(""), std::nullopt);
  EXPECT_EQ(text::Format("%d (0x%02X)", -2, -2), "-2 (0xFFFFFFFE)");
  EXPECT_EQ(text::Format("%d (0x%02X)", 2, 2), "2 (0x02)");
  EXPECT_EQ(text::Format("%s", std::string(10000, 'a').c_str()).size(), 10000u);
}

TEST(Text, SplitKeepsEmptyParts) {
  EXPECT_EQ(text::Split("a,,b,", ','), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(text::Split("", ','), (std::vector<std::string>{""}));
}

}  // namespace
