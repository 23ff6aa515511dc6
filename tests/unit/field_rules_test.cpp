// What number and text fields accept, and the standard prompts that refuse
// them.
#include "common/field_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

namespace {

TEST(FieldRules, PromptsCarryTheirBounds) {
  EXPECT_EQ(fields::IntegerRangePrompt(0, 99999999),
            "Please enter an integer between 0 and 99999999.");
  EXPECT_EQ(fields::IntegerRangePrompt(-5, 1000), "Please enter an integer between -5 and 1000.");
  EXPECT_EQ(fields::TextLengthPrompt(60), "Please enter no more than 60 characters.");
}

TEST(FieldRules, FormatPromptReplacesOnlyItsOwnPlaceholders) {
  struct Row {
    const char* pattern;
    const char* arg1;
    const char* arg2;
    const char* out;
  } rows[] = {
      {"%1 to %2", "a", "b", "a to b"},
      {"%2 before %1", "a", "b", "b before a"},
      {"%1-%2", "%2", "x", "%2-x"},  // an argument is not scanned again
      {"100% of %3 %", "a", "b", "100% of %3 %"},
      {"%1%1", "ab", "", "abab"},
      {"ends in %", "a", "b", "ends in %"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(fields::FormatPrompt(row.pattern, row.arg1, row.arg2), row.out) << row.pattern;
  }
}

TEST(FieldRules, NumberFieldTakesOneWholeIntegerInItsRange) {
  struct Row {
    const char* text;
    int32_t min;
    int32_t max;
    std::optional<int32_t> out;
  } rows[] = {
      {"42", 0, 100, 42},
      {"  7 ", 0, 100, 7},
      {"+5", 0, 100, 5},
      {"0", 0, 100, 0},
      {"100", 0, 100, 100},
      {"99999999", 0, 99999999, 99999999},
      {"-1", -1, 1000, -1},
      {"-1", 0, 1000, std::nullopt},
      {"101", 0, 100, std::nullopt},
      {"100000000", 0, 99999999, std::nullopt},
      {"", 0, 100, std::nullopt},
      {"   ", 0, 100, std::nullopt},
      {"12a", 0, 100, std::nullopt},
      {"1 2", 0, 100, std::nullopt},
      {"0x10", 0, 100, std::nullopt},
      {"4294967338", 0, 100, std::nullopt},  // wraps to 42 as a 32-bit number
      {"2147483647", INT32_MIN, INT32_MAX, INT32_MAX},
      {"-2147483648", INT32_MIN, INT32_MAX, INT32_MIN},
      {"2147483648", INT32_MIN, INT32_MAX, std::nullopt},
      {"-2147483649", INT32_MIN, INT32_MAX, std::nullopt},
      {"99999999999999999999", INT32_MIN, INT32_MAX, std::nullopt},
      {"+", INT32_MIN, INT32_MAX, std::nullopt},
      {"--1", INT32_MIN, INT32_MAX, std::nullopt},
      {"- 1", INT32_MIN, INT32_MAX, std::nullopt},
      {"\t-3\r\n", -5, 5, -3},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(fields::ParseNumberField(row.text, row.min, row.max), row.out)
        << "'" << row.text << "' in " << row.min << ".." << row.max;
  }
}

TEST(FieldRules, TextFieldLimit) {
  EXPECT_TRUE(fields::FitsTextField(std::string(60, 'a'), 60));
  EXPECT_FALSE(fields::FitsTextField(std::string(61, 'a'), 60));
  EXPECT_TRUE(fields::FitsTextField("", 1));
  EXPECT_TRUE(fields::FitsTextField(std::string(5000, 'a'), 0));  // no limit
}

}  // namespace
