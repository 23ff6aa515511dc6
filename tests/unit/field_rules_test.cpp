// What number and text fields accept, and the standard prompts that refuse
// them.
#include "common/field_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(FieldRules, PromptsCarryTheirBounds) {
  EXPECT_EQ(fields::IntegerRangePrompt(-5, 99999999),
            "Please enter an integer between -5 and 99999999.");
  EXPECT_EQ(fields::TextLengthPrompt(60), "Please enter no more than 60 characters.");
  // One pass: an argument holding "%2" is not replaced again; other '%' stay.
  EXPECT_EQ(fields::FormatPrompt("%2 > %1", "%2", "b"), "b > %2");
  EXPECT_EQ(fields::FormatPrompt("100% of %3 %", "a", "b"), "100% of %3 %");
}

TEST(FieldRules, NumberFieldTakesOneWholeIntegerInItsRange) {
  constexpr int32_t kMin = INT32_MIN;
  constexpr int32_t kMax = INT32_MAX;
  struct Row {
    const char* text;
    int32_t min;
    int32_t max;
    int32_t out;
  } taken[] = {{"42", 0, 100, 42},
               {"\t-3\r\n", -5, 5, -3},
               {"+5", 0, 100, 5},
               {"100", 0, 100, 100},
               {"-1", -1, 100, -1},
               {"2147483647", kMin, kMax, kMax},
               {"-2147483648", kMin, kMax, kMin}};
  for (const Row& row : taken) {
    EXPECT_EQ(fields::ParseNumberField(row.text, row.min, row.max), row.out)
        << "'" << row.text << "' in " << row.min << ".." << row.max;
  }
  // "4294967338" would read as 42 if it wrapped past 32 bits.
  for (const char* text : {"-1", "101", "", "12a", "1 2", "- 1", "+", "4294967338"}) {
    EXPECT_EQ(fields::ParseNumberField(text, 0, 100), std::nullopt) << "'" << text << "'";
  }
  for (const char* text : {"2147483648", "-2147483649"}) {
    EXPECT_EQ(fields::ParseNumberField(text, kMin, kMax), std::nullopt) << text;
  }
}

TEST(FieldRules, TextFieldLimit) {
  EXPECT_TRUE(fields::FitsTextField(std::string(60, 'a'), 60));
  EXPECT_FALSE(fields::FitsTextField(std::string(61, 'a'), 60));
  EXPECT_TRUE(fields::FitsTextField(std::string(5000, 'a'), 0));  // no limit
}

}  // namespace
