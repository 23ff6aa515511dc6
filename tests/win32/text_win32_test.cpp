// The portable text helpers against the Windows C runtime, whose printf
// and scanf family differ from glibc's in places.
#include <gtest/gtest.h>

#include "common/text.h"

namespace {

TEST(TextOnWindows, CodeLineFormatsLikeTheHost) {
  EXPECT_EQ(text::Format("%d (0x%02X)", -2, -2), "-2 (0xFFFFFFFE)");
  EXPECT_EQ(text::Format("%d (0x%02X)", 31, 31), "31 (0x1F)");
  EXPECT_EQ(text::Format("%s\\%s", "E:\\cd", "a b.txt"), "E:\\cd\\a b.txt");
}

}  // namespace
