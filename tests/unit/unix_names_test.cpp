// Windows-1252 and UTF-8, and a Linux folder's names as Windows compares them.
#include "common/unix_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/code_page_1252.h"

namespace {

using Names = std::vector<std::string>;

TEST(UnixNames, ConvertBetweenWindows1252AndUtf8) {
  struct Row {
    const char* ansi;
    const char* utf8;
  };
  // The euro sign and the letters of 0x80-0x9F; an unassigned byte keeps its number.
  for (const Row& row :
       {Row{"Caf\xE9.pdf", "Caf\xC3\xA9.pdf"}, Row{"\x80", "\xE2\x82\xAC"},
        Row{"\x8A\x9F\xFF", "\xC5\xA0\xC5\xB8\xC3\xBF"}, Row{"\x81", "\xC2\x81"}}) {
    EXPECT_EQ(cp1252::ToUtf8(row.ansi), row.utf8);
    EXPECT_EQ(cp1252::FromUtf8(row.utf8), row.ansi);
  }
  // No Windows-1252 form: a Cyrillic letter; not UTF-8: cut short, overlong, a surrogate.
  for (const char* utf8 : {"\xD0\x94", "a\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    EXPECT_EQ(cp1252::FromUtf8(utf8), std::nullopt) << utf8;
  }
}

TEST(UnixNames, CaseIsComparedAsWindowsComparesIt) {
  struct Row {
    const char *a, *b;
    bool equal;
  };
  for (const Row& row :
       {Row{"caf\xE9.pdf", "CAF\xC9.PDF", true}, Row{"\x9C\x9A\x9E", "\x8C\x8A\x8E", true},
        Row{"\xFF", "\x9F", true}, Row{"\xDF", "SS", false}, Row{"\xF7", "\xD7", false},
        Row{"a", "ab", false}}) {
    EXPECT_EQ(cp1252::NamesEqual(row.a, row.b), row.equal) << row.a << " " << row.b;
  }

  const Names folder = {"A.TXT", "Caf\xC3\xA9.pdf", "README", "a.txt", "read.me", "x.pdf"};
  struct Match {
    const char* name;
    Names found;
  };
  for (const Match& row : {Match{"a.txt", {"a.txt"}}, Match{"A.txt", {"A.TXT", "a.txt"}},
                           Match{"CAF\xC9.PDF", {"Caf\xC3\xA9.pdf"}}, Match{"b.txt", {}}}) {
    EXPECT_EQ(unix_names::Matching(folder, row.name), row.found) << row.name;
  }
  for (const Match& row :
       {Match{"*.PDF", {"Caf\xC3\xA9.pdf", "x.pdf"}}, Match{"readme.*", {"README"}},
        Match{"?.pdf", {"x.pdf"}}, Match{"r*", {"README", "read.me"}}, Match{"*.*", folder}}) {
    EXPECT_EQ(unix_names::MatchingPattern(folder, row.name), row.found) << row.name;
  }
}

}  // namespace
