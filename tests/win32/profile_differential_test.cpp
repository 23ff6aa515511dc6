// The portable [autorun] reader against the system's own profile reader:
// every file of the corpus is written to disk and each key is read both ways.
// Where the system's answer is known to differ from the rules the kit follows,
// the row records both answers and says why we keep ours.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "config/autorun_config.h"
#include "temp_folder.h"

using namespace std::string_literals;

namespace {

struct Difference {
  std::string key;
  std::string ours;
  std::string system;
  const char* why;
};

struct Case {
  const char* name;
  std::string contents;
  std::vector<std::string> keys;
  std::vector<Difference> differences = {};
};

std::string Repeat(char c, size_t n) { return std::string(n, c); }

std::string Garbage(size_t size, unsigned seed) {
  std::string out(size, '\0');
  for (auto& c : out) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 16);
  }
  return out;
}

std::vector<Case> Corpus() {
  const std::string x4999 = Repeat('x', 4999);
  const std::string x6000 = Repeat('x', 6000);
  return {
      {"wizard_file",
       "[autorun]\r\nOPEN=Vendisc.exe \"my file.doc\"\r\nShowSplashScreen=1\r\n"
       "SplashScreenWhenToShow=Startup\r\nicon=cd.ico\r\n",
       {"OPEN", "Open", "ShowSplashScreen", "SplashScreenWhenToShow", "icon", "Missing"}},
      {"lf_only", "[autorun]\nOPEN=a.exe\nicon=b.ico\n", {"open", "icon"}},
      {"lone_cr_only", "[autorun]\rOPEN=a.exe\ricon=b.ico\r", {"open", "icon"}},
      {"cr_lf_cr_mixed",
       "[autorun]\r\nOPEN=a.exe\rIcon=b.ico\r\nRunOneAtATime=1\r\n",
       {"OPEN", "Icon", "RunOneAtATime"}},
      {"double_quotes",
       "[autorun]\r\nA=\"my file.doc\"\r\nB=\"\"\r\nC=\" padded \"\r\n",
       {"A", "B", "C"}},
      {"single_quotes", "[autorun]\r\nA='my file.doc'\r\nB=''\r\nC='it''s'\r\n", {"A", "B", "C"}},
      {"unbalanced_quotes",
       "[autorun]\r\nA=\"abc\r\nB=abc\"\r\nC='abc\"\r\nD=\"abc'\r\nE=\"\r\nF='\r\n",
       {"A", "B", "C", "D", "E", "F"}},
      {"quotes_inside",
       "[autorun]\r\nA=a \"b\" c\r\nB=\"a\" \"b\"\r\nC=Vendisc.exe \"x.doc\"\r\nD=\"x.doc\" \r\n",
       {"A", "B", "C", "D"}},
      {"blanks_and_tabs",
       "[autorun]\r\n  OPEN \t=\t  a b.exe  \t\r\n\tIcon\t=\tx.ico\r\nFlag= 1 \r\n",
       {"Open", "icon", "Flag"}},
      {"duplicate_keys", "[autorun]\r\nOPEN=first\r\nopen=second\r\nOPEN=third\r\n", {"OPEN"}},
      {"mixed_case",
       "[AutoRun]\r\noPeN=x.exe\r\nSHOWSPLASHSCREEN=1\r\n",
       {"OPEN", "ShowSplashScreen"}},
      {"line_without_equals", "[autorun]\r\nOPEN\r\nOPEN=x.exe\r\nlonely\r\n", {"OPEN", "lonely"}},
      {"equals_in_value", "[autorun]\r\nA=a=b\r\nB==x\r\nC= = \r\n", {"A", "B", "C"}},
      {"long_value", "[autorun]\r\nA=" + x6000 + "\r\nB=after\r\n", {"A", "B"}},
      {"long_quoted_value", "[autorun]\r\nA=\"" + x6000 + "\"\r\n", {"A"}},
      {"quoted_value_filling_the_buffer",
       "[autorun]\r\nA=\"" + x4999 + "\"\r\n",
       {"A"},
       {{"A", x4999, x4999.substr(1),
         "the quotes go before the cut, so a quoted value of 4999 characters keeps all "
         "of them; the system drops its last character"}}},
      {"value_at_the_limit",
       "[autorun]\r\nA=" + Repeat('a', 4998) + "\r\nB=" + Repeat('b', 4999) +
           "\r\nC=" + Repeat('c', 5000) + "\r\n",
       {"A", "B", "C"}},
      {"empty_file", "", {"OPEN"}},
      {"no_section", "OPEN=x.exe\r\nicon=y.ico\r\n", {"OPEN", "icon"}},
      {"keys_before_section", "OPEN=early\r\n[autorun]\r\nicon=y.ico\r\n", {"OPEN", "icon"}},
      {"several_sections",
       "[other]\r\nOPEN=other\r\n[autorun]\r\nOPEN=right\r\n[third]\r\nicon=third\r\n",
       {"OPEN", "icon"}},
      {"repeated_autorun_section",
       "[autorun]\r\nOPEN=first\r\n[other]\r\nicon=other\r\n[AUTORUN]\r\nOPEN=second\r\n"
       "icon=later\r\nRunOneAtATime=1\r\n",
       {"OPEN", "icon", "RunOneAtATime"}},
      {"comments",
       "; made by hand\r\n[autorun]\r\n;OPEN=commented\r\nOPEN=x.exe ; trailing\r\n"
       "# hash\r\nicon=y.ico\r\n",
       {"OPEN", "icon"}},
      {"blanks_inside_brackets", "[ autorun ]\r\nOPEN=x.exe\r\n", {"OPEN"}},
      {"blanks_around_brackets", "   [autorun]   \r\nOPEN=x.exe\r\n", {"OPEN"}},
      {"text_after_bracket", "[autorun] ; the CD\r\nOPEN=x.exe\r\n", {"OPEN"}},
      {"section_without_bracket",
       "[autorun\r\nOPEN=x.exe\r\n[autorun]\r\nicon=y.ico\r\n",
       {"OPEN", "icon"}},
      {"similar_names", "[autorun2]\r\nOPEN=no\r\n[autorun]\r\nOPENX=no\r\nOPE=no\r\n", {"OPEN"}},
      {"empty_values", "[autorun]\r\nOPEN=\r\nicon=   \r\nFlag=\t\r\n", {"OPEN", "icon", "Flag"}},
      {"nul_in_value", "[autorun]\r\nOPEN=ab\0cd\r\nicon=y.ico\r\n"s, {"OPEN", "icon"}},
      {"nul_in_name", "[autorun]\r\nOP\0EN=x\r\nicon=y.ico\r\n"s, {"OPEN", "icon"}},
      {"binary_garbage",
       Garbage(4096, 7) + "\r\n[autorun]\r\nOPEN=x.exe\r\n" + Garbage(4096, 9),
       {"OPEN"}},
      {"utf8_bom", "\xEF\xBB\xBF[autorun]\r\nOPEN=x.exe\r\n", {"OPEN"}},
      {"ctrl_z_at_end", "[autorun]\r\nOPEN=x.exe\x1A", {"OPEN"}},
      {"key_with_blank_inside",
       "[autorun]\r\nOpen File=a\r\nOpen  File=b\r\n",
       {"Open File", "Open  File"}},
      {"blank_lines", "\r\n\r\n   \r\n[autorun]\r\n\r\n\t\r\nOPEN=x.exe\r\n", {"OPEN"}},
      {"cr_only_before_last_lf",
       "[autorun]\rOPEN=a.exe\ricon=b.ico\nRunOneAtATime=1\n",
       {"OPEN", "icon", "RunOneAtATime"}},
      {"tab_and_nul_in_section",
       "[\tautorun\t]\r\nOPEN=x.exe\r\n[autorun\0junk]\r\nicon=y\r\n"s,
       {"OPEN", "icon"}},
      {"high_bytes_in_value", "[autorun]\r\nOPEN=Caf\xE9 \xA9 \x80\xFF.exe\r\n", {"OPEN"}},
      {"non_ascii_key_case", "[autorun]\r\n\xC4rger=1\r\n", {"\xE4rger", "\xC4rger"}},
      {"only_nul_bytes", std::string(64, '\0'), {"OPEN"}},
      {"no_final_newline", "[autorun]\r\nOPEN=x.exe", {"OPEN"}},
      {"large_file",
       "[autorun]\r\n" +
           [] {
             std::string lines;
             for (int i = 0; i < 100000; ++i) lines += "Key" + std::to_string(i) + "=value\r\n";
             return lines;
           }() +
           "OPEN=last.exe\r\n",
       {"OPEN", "Key99999"}},
  };
}

std::string SystemRead(const std::string& file, const std::string& key) {
  std::vector<char> buffer(config::kValueBufferSize, '\0');
  DWORD n = GetPrivateProfileStringA("autorun", key.c_str(), "", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), file.c_str());
  return std::string(buffer.data(), n);
}

TEST(ProfileDifferential, CorpusAgreesWithTheSystemExceptWhereRecorded) {
  test_support::TempFolder folder("vendisc_profile");
  ASSERT_TRUE(folder.ok());
  std::vector<Case> corpus = Corpus();
  ASSERT_GE(corpus.size(), 30u);
  for (const Case& c : corpus) {
    // One file per case: the system caches profile files by name and time.
    const std::string file = folder.PathOf(std::string(c.name) + ".inf");
    ASSERT_TRUE(folder.AddFile(std::string(c.name) + ".inf", c.contents)) << file;
    for (const std::string& key : c.keys) {
      std::string ours = config::ReadProfileString(c.contents, "autorun", key);
      std::string system = SystemRead(file, key);
      const Difference* difference = nullptr;
      for (const auto& d : c.differences) {
        if (d.key == key) difference = &d;
      }
      if (difference) {
        EXPECT_EQ(ours, difference->ours) << c.name << " / " << key;
        EXPECT_EQ(system, difference->system) << c.name << " / " << key;
      } else {
        EXPECT_EQ(ours, system) << c.name << " / " << key;
      }
    }
  }
}

}  // namespace
