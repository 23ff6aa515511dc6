// The image chooser's rules: the filter it starts on, the rows a filter
// lists, the row it selects, what it says about an image, the preview's
// place, the chosen image, its remembered settings and "Copy in image".
#include "wizard/pages/image_chooser_rules.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "fake_file_system.h"
#include "fake_option_ports.h"
#include "fake_registry_backend.h"
#include "wizard/file_copier.h"
#include "wizard/pages/folder_lister.h"
#include "wizard/pages/image_chooser_texts.h"
#include "wizard/pages/image_copy_in.h"
#include "wizard/pages/resource_files.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
using namespace image_chooser;
using Rows = std::vector<std::string>;

constexpr const char* kUnconfigured = "<Do not configure this option>";

// Answers each search pattern with the entries a file search would report.
class CannedLister : public FolderLister {
 public:
  std::map<std::string, std::vector<FolderEntry>> results;
  mutable std::vector<std::string> searched;
  std::vector<FolderEntry> Find(const std::string& pattern) const override {
    searched.push_back(pattern);
    auto found = results.find(pattern);
    return found == results.end() ? std::vector<FolderEntry>{} : found->second;
  }
};

TEST(ImageChooser, PrefixSearchStartsAfterTheFirstEntryAndWrapsRound) {
  const Rows abc{"apple.gif", "Apple.jpg", "banana.bmp"};
  struct Row {
    Rows entries;
    const char* prefix;
    int expected;
  } rows[] = {
      {abc, "apple", 1},      // the second entry comes before the first
      {abc, "APPLE.GIF", 0},  // the first entry is looked at last, case ignored
      {abc, "ban", 2},       {abc, "cherry", -1},
      {abc, "", 1},  // an empty text matches the first entry looked at
      {{"only.gif"}, "", 0}, {{"only.gif"}, "only", 0},
      {{}, "", -1},          {abc, "apple.gif.", -1},  // a longer text than the entry never matches
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FindByPrefix(row.entries, row.prefix), row.expected) << row.prefix;
  }
}

TEST(ImageChooser, PatternsComeFromBetweenTheFirstBrackets) {
  struct Row {
    const char* filter;
    Rows expected;
  } rows[] = {
      {"GIF and JPG images (*.gif, *.jpg, *.jpeg)", {"*.gif", "*.jpg", "*.jpeg"}},
      {"All Files (*.*)", {"*.*"}},
      {"Odd (  *.a ,*.b  ) and (*.c)", {"*.a", "*.b"}},
      {"No brackets", {}},
      {"Unclosed (*.gif", {}},
      {"Empty ()", {}},
  };
  for (const Row& row : rows) EXPECT_EQ(FilterPatterns(row.filter), row.expected) << row.filter;
}

TEST(ImageChooser, StartingFilterComesFromTheLastFilterThenTheImage) {
  struct Row {
    const char* lastFilter;
    const char* image;
    int expected;
  } rows[] = {
      {"", "", 0},                 // first showing: the first filter
      {"Bitmaps (*.bmp)", "", 3},  // the last one used
      {"GIF and JPG images (*.gif, *.jpg, *.jpeg)", "", 0},
      {"Gone (*.xyz)", "", 0},                     // a filter no longer offered
      {"Bitmaps (*.bmp)", "C:\\cd\\logo.GIF", 1},  // the image's own wins
      {"", "photo.jpg", 2},
      {"", "photo.JPEG", 2},  // found by its patterns, not its name
      {"", "C:\\cd\\back.bmp", 3},
      {"", "scan.png", 4},  // only "All Files" lists it
      {"Bitmaps (*.bmp)", "C:\\cd.v2\\noextension", 3},
      {"", "a.all", 4},  // the filter's name begins with it
  };
  for (const Row& row : rows) {
    EXPECT_EQ(InitialFilter(row.lastFilter, row.image), row.expected)
        << row.lastFilter << " / " << row.image;
  }
}

TEST(ImageChooser, RowsAreTheFolderFilesOfTheFilterSortedEachOnce) {
  CannedLister lister;
  lister.results["E:\\cd\\*.gif"] = {
      {".", true}, {"..", true}, {"b.gif", false}, {"pics.gif", true}, {"A.gif", false}};
  lister.results["E:\\cd\\*.jpg"] = {{"c.jpg", false}, {"B.GIF", false}};  // a short-name match
  lister.results["E:\\cd\\*.jpeg"] = {{"a.jpeg", false}};
  lister.results["E:\\cd\\*.*"] = {{".", true},      {"..", true},     {"autorun.inf", false},
                                   {"sub", true},    {"b.gif", false}, {"Zed.bmp", false},
                                   {"a.jpeg", false}};
  const std::string gifAndJpg = "GIF and JPG images (*.gif, *.jpg, *.jpeg)";
  struct Row {
    std::string filter;
    bool allowUnconfigured;
    Rows expected;
  } rows[] = {
      {gifAndJpg, false, {"A.gif", "a.jpeg", "b.gif", "c.jpg"}},
      {gifAndJpg, true, {kUnconfigured, "A.gif", "a.jpeg", "b.gif", "c.jpg"}},
      {"All Files (*.*)", false, {"a.jpeg", "autorun.inf", "b.gif", "Zed.bmp"}},
      {"Bitmaps (*.bmp)", true, {kUnconfigured}},  // nothing found: only the entry
      {"Bitmaps (*.bmp)", false, {}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ListRows(lister, "E:\\cd\\", row.filter, row.allowUnconfigured), row.expected)
        << row.filter;
  }
  lister.searched.clear();
  ListRows(lister, "E:\\cd\\", gifAndJpg, false);
  EXPECT_EQ(lister.searched, (Rows{"E:\\cd\\*.gif", "E:\\cd\\*.jpg", "E:\\cd\\*.jpeg"}));
}

TEST(ImageChooser, SelectedRowIsTheImagesElseTheRememberedOne) {
  const Rows files{"a.gif", "b.gif", "c.jpg"};
  const Rows withEntry{kUnconfigured, "a.gif", "b.gif"};
  struct Row {
    Rows rows;
    int remembered;
    const char* image;
    int expected;
  } rows[] = {
      {files, 0, "c.jpg", 2},     {files, 2, "A.GIF", 0},  // the image wins over the remembered row
      {files, 1, "gone.gif", 1},                           // not listed: the remembered row stays
      {files, 5, "gone.gif", -1},  // a remembered row that is no longer there
      {files, 0, "", 0},           // no image: nothing is searched
      {withEntry, 0, "", 0},       // ... so "<Do not configure this option>" stays chosen
      {withEntry, 2, "", 2},       // ... and a refill keeps the author's pick
      {withEntry, 0, "b.gif", 2}, {withEntry, 0, "gone.gif", 0}, {{}, 0, "a.gif", -1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(RowToSelect(row.rows, row.remembered, row.image), row.expected) << row.image;
  }
}

TEST(ImageChooser, ImageReportNamesSizeAndWarnings) {
  const std::string large =
      "> Image is larger than average maximum size of 1000 x 1000 pixels, and may take too long "
      "to load on some machines.  Try resizing.\r\n";
  const std::string transparent =
      "> Image is a 'transparent image'.  Transparent images take longer to display than non "
      "Transparent images.  Change to non Transparent.\r\n";
  const std::string seeHelp = "> See help for more information.";
  struct Row {
    ImageFacts facts;
    int maxWidth, maxHeight;
    ImageReport expected;
  } rows[] = {
      {{40, 30, false}, 1000, 1000, {"40", "30", ""}},
      {{1000, 1000, false}, 1000, 1000, {"1000", "1000", ""}},  // at the limit: no warning
      {{1200, 800, false}, 1000, 1000, {"1200", "800", large + seeHelp}},
      {{800, 1001, false}, 1000, 1000, {"800", "1001", large + seeHelp}},
      {{1200, 800, false}, 2000, 2000, {"1200", "800", ""}},  // the full-screen image
      {{40, 30, true}, 1000, 1000, {"40", "30", transparent + seeHelp}},
      {{1200, 800, true}, 1000, 1000, {"1200", "800", large + transparent + seeHelp}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DescribeImage(row.facts, row.maxWidth, row.maxHeight), row.expected)
        << row.facts.width << "x" << row.facts.height;
  }
  EXPECT_EQ(DescribeImage({2500, 10, false}, 2000, 2000).warnings.substr(0, 62),
            "> Image is larger than average maximum size of 2000 x 2000 pix");
  EXPECT_EQ(LoadingReport(), (ImageReport{"n/a", "n/a", "Loading image information..."}));
  EXPECT_EQ(UnreadableReport().width, "n/a");
  EXPECT_EQ(Recommendation(1000, 1000), "Average recommended maximum size:\n1000 x 1000 pixels");
}

TEST(ImageChooser, RowsWithoutAnImageAndTheChosenImage) {
  struct Row {
    const char* row;
    bool showsNoImage;
    const char* chosen;
  } rows[] = {
      {"photo.gif", false, "E:\\cd\\photo.gif"},
      {"README", false, "E:\\cd\\README"},  // no "." and still a file
      {"", true, ""},
      {kUnconfigured, true, ""},
      {"<do not configure this option>", false, ""},  // OK compares without case
      {"<Do something else>", true, "E:\\cd\\<Do something else>"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(RowShowsNoImage(row.row), row.showsNoImage) << row.row;
    EXPECT_EQ(ChosenImage(row.row, "E:\\cd\\"), row.chosen) << row.row;
  }
}

TEST(ImageChooser, FolderAndImageNames) {
  EXPECT_EQ(SourceFolderOf("E:\\cd\\"), "E:\\cd\\");
  EXPECT_EQ(SourceFolderOf("E:\\cd.v2"), "E:\\cd.v2\\");  // a "." in a folder's name
  EXPECT_EQ(SourceFolderOf(""), "");
  EXPECT_EQ(FolderText("E:\\cd\\"), "Files in: E:\\cd\\");
  EXPECT_EQ(ImageName("E:\\cd\\pics/Logo.GIF"), "Logo.GIF");
  EXPECT_EQ(ImageName("logo.gif"), "logo.gif");
  EXPECT_EQ(ImageExtension("E:\\x.y\\Logo.JPEG"), "jpeg");
  EXPECT_EQ(ImageExtension("E:\\x.y\\logo"), "");
}

TEST(ImageChooser, PreviewAreaSitsRightOfTheList) {
  // Filter 60,51 (200 x 21), list 6,78 (219 x 163), page 560 wide.
  const layout::Rect area = PreviewArea({60, 51, 200, 21}, {6, 78, 219, 163}, 560);
  EXPECT_EQ(area, (layout::Rect{235, 51, 315, 189}));
  EXPECT_EQ(PreviewArea({0, 0, 10, 10}, {0, 10, 500, 10}, 400).width, 0);
}

TEST(ImageChooser, RemembersPreviewAndFilter) {
  FakeRegistryBackend registry;
  WizardSettings settings(registry);
  EXPECT_TRUE(PreviewOn(settings));  // on until the author turns it off
  EXPECT_EQ(LastFilter(settings), "");
  SetPreviewOn(settings, false);
  SetLastFilter(settings, "Bitmaps (*.bmp)");
  settings.SetText(wizard_settings::kSourceFolder, "E:\\cd\\");
  EXPECT_FALSE(PreviewOn(settings));
  EXPECT_EQ(settings.Store().ReadString(wizard_settings::kPeviewImages), "no");
  EXPECT_EQ(LastFilter(settings), "Bitmaps (*.bmp)");
  EXPECT_EQ(SourceFolder(settings), "E:\\cd\\");
  // A new configuration keeps the author's chooser settings.
  ASSERT_TRUE(ResetConfiguration(settings));
  EXPECT_FALSE(PreviewOn(settings));
  EXPECT_EQ(LastFilter(settings), "Bitmaps (*.bmp)");
}

TEST(ImageCopyIn, AsksBeforeOverwritingAndRetriesFailures) {
  const std::string source = "D:\\art\\logo.gif";
  const std::string target = "E:\\cd\\logo.gif";
  const std::string overwrite =
      "ask: Do you want to overwrite\n\nE:\\cd\\logo.gif\n\nwith\n\nD:\\art\\logo.gif";
  const std::string failed =
      "retry: Failed to copy\n\nD:\\art\\logo.gif\n\nto\n\nE:\\cd\\logo.gif\n\nCheck that you "
      "have write access to the folder, that the destination file is not set to readonly, is not "
      "being used, and that there is sufficient space on the disk.\n\nTo try again, press "
      "'Retry', to cancel the whole operation, press 'Cancel'.";
  struct Row {
    const char* what;
    bool targetExists;
    std::deque<uint32_t> copyResults;
    std::deque<bool> answers;
    CopyInOutcome outcome;
    Rows asked;
    int copies;
  } rows[] = {
      {"new file", false, {}, {}, CopyInOutcome::kCopied, {}, 1},
      {"overwrite: yes", true, {}, {true}, CopyInOutcome::kCopied, {overwrite}, 1},
      {"overwrite: no keeps the file",
       true,
       {},
       {false},
       CopyInOutcome::kKeptExisting,
       {overwrite},
       0},
      {"failure, retry, success", false, {32}, {true}, CopyInOutcome::kCopied, {failed}, 2},
      {"failure, cancel", false, {112}, {false}, CopyInOutcome::kCancelled, {failed}, 1},
      // A retry asks about the overwrite again.
      {"retry asks again",
       true,
       {5},
       {true, true, false},
       CopyInOutcome::kKeptExisting,
       {overwrite, failed, overwrite},
       1},
  };
  for (const Row& row : rows) {
    FakeFileSystem fs;
    if (row.targetExists) fs.files[target] = "old";
    FakeFileCopier copier;
    copier.results = row.copyResults;
    FakeOptionQuestions questions;
    questions.answers = row.answers;
    const CopyInResult result = CopyInImage(source, "E:\\cd\\", fs, copier, questions);
    EXPECT_EQ(result.outcome, row.outcome) << row.what;
    EXPECT_EQ(result.name, row.outcome == CopyInOutcome::kCancelled ? "" : "logo.gif") << row.what;
    EXPECT_EQ(questions.asked, row.asked) << row.what;
    EXPECT_EQ(static_cast<int>(copier.copies.size()), row.copies) << row.what;
  }
}

TEST(ImageCopyIn, AFileAlreadyInTheFolderIsNotCopiedOntoItself) {
  FakeFileSystem fs;
  fs.files["E:\\cd\\logo.gif"] = "gif";
  FakeFileCopier copier;
  FakeOptionQuestions questions;
  const CopyInResult result = CopyInImage("e:\\CD\\logo.gif", "E:\\cd\\", fs, copier, questions);
  EXPECT_EQ(result.outcome, CopyInOutcome::kKeptExisting);
  EXPECT_EQ(result.name, "logo.gif");
  EXPECT_TRUE(copier.copies.empty());
  EXPECT_TRUE(questions.asked.empty());
}

}  // namespace
