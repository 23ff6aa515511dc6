// The several-files list: reading and writing it, editing it at the mark,
// what "Edit Entry" opens, the older help address, and the checks of the
// folder page and the address editor.
#include "wizard/pages/entry_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_registry_backend.h"
#include "wizard/configuration_loader.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
using namespace several_files;

struct Settings {
  FakeRegistryBackend backend;
  WizardSettings s{backend};
};

// Rows written as "name|file|force"; ">" in front marks the row.
EntryList ListOf(const std::vector<std::string>& rows) {
  EntryList list;
  int mark = EntryList::kNoMark;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    std::string row = *it;
    if (row[0] == '>') {
      row.erase(0, 1);
      mark = static_cast<int>(rows.rend() - it) - 1;
    }
    const size_t a = row.find('|');
    const size_t b = row.find('|', a + 1);
    list.Insert({row.substr(0, a), row.substr(a + 1, b - a - 1), row.substr(b + 1)});
  }
  list.SetMark(mark);
  return list;
}

std::vector<std::string> Rows(const EntryList& list) {
  std::vector<std::string> rows;
  for (size_t i = 0; i < list.rows().size(); ++i) {
    const Entry& e = list.rows()[i];
    rows.push_back((static_cast<int>(i) == list.mark() ? ">" : "") + e.name + "|" + e.file + "|" +
                   e.forceOpen);
  }
  return rows;
}

TEST(EntryList, EditingAtTheMark) {
  using Rows_ = std::vector<std::string>;
  enum Op { kInsert, kRemove, kUp, kDown };
  struct Case {
    const char* what;
    Rows_ before;
    Op op;
    bool result;
    Rows_ after;
  };
  const Entry added{"N", "n.txt", ""};
  const Case cases[] = {
      {"insert into an empty list", {}, kInsert, true, {"N|n.txt|"}},
      {"insert unmarked goes first", {"a|a|", "b|b|"}, kInsert, true, {"N|n.txt|", "a|a|", "b|b|"}},
      {"insert at the mark, which is then on the new row",
       {"a|a|", ">b|b|"},
       kInsert,
       true,
       {"a|a|", ">N|n.txt|", "b|b|"}},
      {"remove without a mark", {"a|a|"}, kRemove, false, {"a|a|"}},
      {"remove keeps the index", {">a|a|", "b|b|", "c|c|"}, kRemove, true, {">b|b|", "c|c|"}},
      {"remove the last moves up", {"a|a|", ">b|b|"}, kRemove, true, {">a|a|"}},
      {"remove the only row", {">a|a|"}, kRemove, true, {}},
      {"up swaps all three texts", {"a|a|x", ">b|b|y"}, kUp, true, {">b|b|y", "a|a|x"}},
      {"up at the top changes nothing", {">a|a|", "b|b|"}, kUp, true, {">a|a|", "b|b|"}},
      {"up without a mark", {"a|a|", "b|b|"}, kUp, false, {"a|a|", "b|b|"}},
      {"down", {">a|a|", "b|b|", "c|c|"}, kDown, true, {"b|b|", ">a|a|", "c|c|"}},
      {"down at the bottom changes nothing", {"a|a|", ">b|b|"}, kDown, true, {"a|a|", ">b|b|"}},
      {"down without a mark", {"a|a|"}, kDown, false, {"a|a|"}},
  };
  for (const Case& c : cases) {
    EntryList list = ListOf(c.before);
    ASSERT_EQ(Rows(list), c.before) << c.what;
    bool result = false;
    switch (c.op) {
      case kInsert:
        result = list.Insert(added);
        break;
      case kRemove:
        result = list.Remove();
        break;
      case kUp:
        result = list.MoveUp();
        break;
      case kDown:
        result = list.MoveDown();
        break;
    }
    EXPECT_EQ(result, c.result) << c.what;
    EXPECT_EQ(Rows(list), c.after) << c.what;
  }
}

TEST(EntryList, StopsGrowingAtTheStartersBound) {
  EntryList list;
  for (int i = 0; i < kMaxLoadedFileEntries; ++i) ASSERT_TRUE(list.Insert({}));
  EXPECT_TRUE(list.Full());
  EXPECT_FALSE(list.Insert({"one", "too.many", ""}));
  EXPECT_EQ(list.rows().size(), static_cast<size_t>(kMaxLoadedFileEntries));
}

TEST(EntryList, KindDecidesTheEditor) {
  const struct {
    const char* file;
    EntryKind kind;
  } cases[] = {
      {"http://x.com/a.htm", EntryKind::kUrl}, {"MAILTO:me@x.com", EntryKind::kUrl},
      {"ftp.x.com", EntryKind::kUrl},          {"docs\\a.pdf", EntryKind::kFile},
      {"\\sub\\Setup.EXE", EntryKind::kFile},  {"readme.txt", EntryKind::kFile},
      {"\\sub\\", EntryKind::kFolderOrSpacer}, {"\\", EntryKind::kFolderOrSpacer},
      {"", EntryKind::kFolderOrSpacer},        {"\\no_dot", EntryKind::kFolderOrSpacer},
  };
  for (const auto& c : cases) EXPECT_EQ(KindOf({"", c.file, ""}), c.kind) << c.file;
}

TEST(EntryList, LoadsAndSavesRowsInOrder) {
  Settings w;
  EntryList list;
  list.Load(w.s);  // nothing stored: no rows (the table's fallback of 1 is not used)
  EXPECT_TRUE(list.rows().empty());

  w.s.SetNumber(keys::kMultiSourceFileCount, 2);
  w.s.SetText(keys::MultiSourceFileName(1), "Guide");
  w.s.SetText(keys::MultiSourceFile(1), "docs\\guide.pdf");
  w.s.SetText(keys::MultiSourceForceOpen(1), "acro.exe,viewer.exe");
  w.s.SetText(keys::MultiSourceFile(3), "hidden by the count");
  list.SetMark(0);
  list.Load(w.s);
  EXPECT_EQ(Rows(list),
            (std::vector<std::string>{"Guide|docs\\guide.pdf|acro.exe,viewer.exe", "||"}));
  EXPECT_EQ(list.mark(), EntryList::kNoMark);

  list.SetMark(1);
  list.Remove();
  list.Remove();
  list.Save(w.s);
  EXPECT_EQ(w.s.Number(keys::kMultiSourceFileCount), 0);             // an empty list saves 0
  EXPECT_EQ(w.s.Text(keys::MultiSourceFile(1)), "docs\\guide.pdf");  // beyond the count: kept

  EntryList other = ListOf({"B|b.txt|", "|http://x.com|"});
  other.Save(w.s);
  EntryList back;
  back.Load(w.s);
  EXPECT_EQ(back.rows(), other.rows());

  // A damaged count reads no more than the bound.
  w.s.SetNumber(keys::kMultiSourceFileCount, 2000000000);
  back.Load(w.s);
  EXPECT_EQ(back.rows().size(), static_cast<size_t>(kMaxLoadedFileEntries));
  w.s.SetNumber(keys::kMultiSourceFileCount, -3);
  back.Load(w.s);
  EXPECT_TRUE(back.rows().empty());
}

TEST(EntryList, LeavingPresetsTheOpeningModeOnlyUntilItWasSaved) {
  const struct {
    bool setUp;
    bool openAll, wait, reselect;
  } cases[] = {
      {false, false, true, true},  // presets over what was stored
      {true, true, false, false},  // the saved mode stays
  };
  for (const auto& c : cases) {
    Settings w;
    w.s.SetFlag(ws::kMultiSelectSetup, c.setUp);
    w.s.SetFlag(keys::kOpenAllFiles, true);
    w.s.SetFlag(keys::kWaitForPrevious, false);
    w.s.SetFlag(keys::kMultiSelectAllowReselect, false);
    w.s.SetFlag(keys::kSingleFile, true);
    LeaveList(ListOf({"a|a.txt|"}), w.s);
    EXPECT_EQ(w.s.Flag(keys::kOpenAllFiles), c.openAll) << c.setUp;
    EXPECT_EQ(w.s.Flag(keys::kWaitForPrevious), c.wait) << c.setUp;
    EXPECT_EQ(w.s.Flag(keys::kMultiSelectAllowReselect), c.reselect) << c.setUp;
    EXPECT_FALSE(w.s.Flag(keys::kSingleFile));
    EXPECT_EQ(w.s.Number(keys::kMultiSourceFileCount), 1);
  }
}

TEST(EntryList, OldHelpAddressBecomesTheLastEntry) {
  const struct {
    const char* old;
    int countBefore;  // -1: never stored
    const char* url;
    int n;
  } cases[] = {
      {"www.example.com/help", -1, "http://www.example.com/help", 1},
      {"HTTPS://x.com", 2, "HTTPS://x.com", 3},
      {"mailto:help@x.com", 0, "mailto:help@x.com", 1},
      {"ftp.x.com", 5, "ftp.x.com", 6},
  };
  for (const auto& c : cases) {
    Settings w;
    w.s.SetText(keys::kMultiSelectHelpURL, c.old);
    if (c.countBefore >= 0) w.s.SetNumber(keys::kMultiSourceFileCount, c.countBefore);
    const std::optional<std::string> message = UpgradeHelpUrl(w.s);
    ASSERT_TRUE(message.has_value()) << c.old;
    EXPECT_EQ(*message,
              std::string("The URL feature on the dialog box has been altered so that the URL is "
                          "now in the list box.  Your settings have been updated to reflect this "
                          "- the URL has been modified to:\n\n") +
                  c.url + "\n\nPlease ensure that this is correct.");
    EXPECT_EQ(w.s.Number(keys::kMultiSourceFileCount), c.n);
    EXPECT_EQ(w.s.Text(keys::MultiSourceFile(c.n)), c.url);
    EXPECT_EQ(w.s.Text(keys::MultiSourceFileName(c.n)), c.url);
    EXPECT_EQ(w.s.Text(keys::MultiSourceForceOpen(c.n)), "");
    EXPECT_EQ(w.s.Text(keys::kMultiSelectHelpURL), "");
    EXPECT_FALSE(UpgradeHelpUrl(w.s).has_value()) << "upgraded once only";
  }
}

TEST(EntryEditors, AddressAndFolderChecks) {
  const struct {
    const char* name;
    const char* address;
    bool accepted;
    const char* nameAfter;
  } urls[] = {
      {"", "http://x.com", true, "http://x.com"},
      {"Our site", "Https://x.com", true, "Our site"},
      {"Mail", "mailto:a@b.c", true, "Mail"},
      {"Bad", "www.x.com", false, "Bad"},
      {"", "", false, ""},
  };
  for (const auto& c : urls) {
    Entry e{c.name, c.address, ""};
    const std::optional<std::string> refusal = CheckUrlEntry(e);
    EXPECT_EQ(!refusal.has_value(), c.accepted) << c.address;
    if (refusal) {
      EXPECT_EQ(*refusal,
                "Sorry, but the URL does not have the correct text at the start to identify what "
                "type of URL it is.  See help for more information.");
    }
    EXPECT_EQ(e.name, c.nameAfter) << c.address;
  }

  const struct {
    const char* typed;
    const char* saved;  // null: refused
  } folders[] = {
      {"", nullptr},          {"   ", nullptr},
      {"C:\\cd", "C:\\cd\\"}, {" c:/cd/v1.2/ ", "c:\\cd\\v1.2\\"},
      {"D:\\", "D:\\"},
  };
  for (const auto& c : folders) {
    Settings w;
    w.s.SetText(ws::kSourceFolder, "E:\\old\\");
    const std::optional<std::string> refusal = SaveSourceFolder(c.typed, w.s);
    if (c.saved == nullptr) {
      EXPECT_EQ(refusal, std::optional<std::string>("Please select a source folder.")) << c.typed;
      EXPECT_EQ(w.s.Text(ws::kSourceFolder), "E:\\old\\");
      continue;
    }
    EXPECT_FALSE(refusal.has_value()) << c.typed;
    EXPECT_EQ(w.s.Text(ws::kSourceFolder), c.saved) << c.typed;
    EXPECT_EQ(w.s.Text(ws::kMultiSourceFolder), c.saved) << c.typed;
  }
}

}  // namespace
