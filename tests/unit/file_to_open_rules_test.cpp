// The file-to-open page's rules: what it shows, the checks and saves of
// leaving it, in which order the warning, the copy-over step and the advice
// come, and which file types get which advice.
#include "wizard/pages/file_to_open_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/text.h"
#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "wizard/pages/file_page_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace t = file_page_texts;
using namespace file_page;

struct Wizard {
  FakeRegistryBackend backend;
  WizardSettings s{backend};
  FakeFileSystem fs;
  FakeWizardQuestions questions;
};

class RecordingUi : public FilePageUi {
 public:
  std::vector<std::string> log;
  void ShowAdvice(const Advice& advice) override { log.push_back("advice: " + advice.title); }
  void CopyResourceFiles(const std::string& from, const std::string& to) override {
    log.push_back("copy: " + from + " -> " + to);
  }
};

TEST(FileToOpenPage, LoadsTheFileNormalisedAndTheMode) {
  Wizard w;
  PageState state = LoadPage(w.s);
  EXPECT_EQ(state.path, "");
  EXPECT_TRUE(state.singleFile);  // never stored: one file
  w.s.SetText(ws::kSourceFile, "  e:/cd//docs/Guide.pdf ");
  w.s.SetText(ws::kSourceFolder, "E:\\cd\\docs\\");
  w.s.SetFlag(keys::kSingleFile, false);
  state = LoadPage(w.s);
  EXPECT_EQ(state.path, "e:\\cd\\docs\\Guide.pdf");
  EXPECT_EQ(state.previousFolder, "E:\\cd\\docs\\");
  EXPECT_FALSE(state.singleFile);
  EXPECT_TRUE(EnablingFor(true).fileSide && !EnablingFor(true).listSide);
  EXPECT_TRUE(!EnablingFor(false).fileSide && EnablingFor(false).listSide);
}

TEST(FileToOpenPage, ListLinesAreFullPathsUrlsAndSpacers) {
  Wizard w;
  // Nothing stored: an empty list when shown, one entry after the wizard.
  EXPECT_TRUE(FileListLines(w.s, kCountWhenShown).empty());
  w.s.SetText(keys::MultiSourceFile(1), "a.pdf");
  w.s.SetText(ws::kSourceFolder, "E:\\cd\\");
  EXPECT_EQ(FileListLines(w.s, kCountAfterConfigure), std::vector<std::string>{"E:\\cd\\a.pdf"});

  const std::vector<std::string> values = {"docs/Guide.pdf",        "",
                                           "HTTPS://example.com/x", "mailto:me@example.com",
                                           "ftp.example.com",       "sub\\"};
  for (size_t i = 0; i < values.size(); ++i) {
    w.s.SetText(keys::MultiSourceFile(static_cast<int>(i) + 1), values[i]);
  }
  w.s.SetNumber(keys::kMultiSourceFileCount, static_cast<int32_t>(values.size()));
  EXPECT_EQ(
      FileListLines(w.s, kCountWhenShown),
      (std::vector<std::string>{"E:\\cd\\docs\\Guide.pdf", "", "HTTPS://example.com/x",
                                "mailto:me@example.com", "ftp.example.com", "E:\\cd\\sub\\"}));
  // A count the registry should never hold is bounded both ways.
  w.s.SetNumber(keys::kMultiSourceFileCount, -4);
  EXPECT_TRUE(FileListLines(w.s, kCountAfterConfigure).empty());
  w.s.SetNumber(keys::kMultiSourceFileCount, 0x7fffffff);
  EXPECT_EQ(FileListLines(w.s, kCountWhenShown).size(), 1000u);
}

TEST(FileToOpenPage, BrowseRootAndFolderChange) {
  FakeFileSystem fs;
  fs.files["E:\\cd\\a.pdf"] = "";
  struct Browse {
    const char* field;
    const char* start;
  };
  for (const Browse& row : std::vector<Browse>{{"E:/cd/a.pdf", "E:\\cd\\a.pdf"},
                                               {"E:\\cd\\gone.pdf", ""},
                                               {"E:\\cd\\", ""},
                                               {"", ""}}) {
    EXPECT_EQ(BrowseStartFile(row.field, fs), row.start) << row.field;
  }
  struct Root {
    const char* path;
    bool root;
  };
  for (const Root& row : std::vector<Root>{{"D:\\a.pdf", true},
                                           {"D:/a.pdf", true},
                                           {"D:\\x\\a.pdf", false},
                                           {"\\\\server\\a.pdf", false}}) {
    EXPECT_EQ(IsInDriveRoot(row.path), row.root) << row.path;
  }
  struct Change {
    const char* previous;
    const char* path;
    bool changed;
  };
  for (const Change& row : std::vector<Change>{{"E:\\cd\\", "e:\\CD\\a.pdf", false},
                                               {"E:\\cd", "E:\\cd\\a.pdf", false},
                                               {"E:\\old\\", "E:\\new\\a.pdf", true},
                                               {"E:\\cd\\", "E:\\cd\\sub\\a.pdf", true},
                                               {"", "E:\\new\\a.pdf", false},
                                               {"E:\\old\\", "", false}}) {
    EXPECT_EQ(FolderChanged(row.previous, row.path), row.changed) << row.previous << row.path;
  }
}

TEST(FileToOpenPage, LeavingChecksSavesWarnsCopiesAndAdvisesInOrder) {
  struct Row {
    const char* what;
    PageState state;
    std::function<void(Wizard&)> setUp;
    std::vector<bool> answers;
    bool leaves;
    std::vector<std::string> told;
    std::vector<std::string> shown;
    // Saved values; null: left as set up.
    const char* sourceFile;
    const char* sourceFolder;
  };
  const auto none = [](Wizard&) {};
  const std::string gone = "ask: " + t::FailedToFind("E:\\cd\\gone.txt");
  const std::vector<Row> rows = {
      {"nothing chosen",
       {" ", true, "E:\\cd\\"},
       none,
       {},
       false,
       {std::string("show: ") + t::kNoFileSelected},
       {},
       nullptr,
       nullptr},
      {"missing, No",
       {"E:\\cd\\gone.txt", true, "E:\\cd\\"},
       none,
       {false},
       false,
       {gone},
       {},
       nullptr,
       nullptr},
      {"missing, Yes",
       {"E:\\cd\\gone.txt", true, "E:\\cd\\"},
       none,
       {true},
       true,
       {gone},
       {},
       "E:\\cd\\gone.txt",
       "E:\\cd\\"},
      {"the starter itself, any case",
       {"E:\\cd\\VENDISC.exe", true, "E:\\cd\\"},
       [](Wizard& w) { w.fs.files["E:\\cd\\VENDISC.exe"] = ""; },
       {},
       false,
       {std::string("show: ") + t::kStarterChosen},
       {},
       nullptr,
       nullptr},
      {"same folder, plain file",
       {"E:/cd/a.txt", true, "E:\\cd\\"},
       none,
       {},
       true,
       {},
       {},
       "E:\\cd\\a.txt",
       "E:\\cd\\"},
      {"drive root",
       {"D:\\a.txt", true, "D:\\"},
       none,
       {},
       true,
       {},
       {"advice: Warning: Source Directory"},
       "D:\\a.txt",
       "D:\\"},
      {"drive root, warning switched off",
       {"D:\\a.txt", true, "D:\\"},
       [](Wizard& w) { w.s.SetFlag(ws::kHelpRootDriveShow, false); },
       {},
       true,
       {},
       {},
       "D:\\a.txt",
       "D:\\"},
      {"new folder, then the type's advice",
       {"E:\\new\\Slides.PPT", true, "E:\\old\\"},
       none,
       {},
       true,
       {},
       {"copy: E:\\old\\ -> E:\\new\\", "advice: PowerPoint Presentations"},
       "E:\\new\\Slides.PPT",
       "E:\\new\\"},
      {"several files: the folder of the list, the field still warns and moves",
       {"D:\\a.txt", false, "E:\\cd\\"},
       [](Wizard& w) { w.s.SetText(ws::kMultiSourceFolder, "F:\\multi"); },
       {},
       true,
       {},
       {"advice: Warning: Source Directory", "copy: E:\\cd\\ -> D:\\"},
       "E:\\kept.txt",
       "F:\\multi\\"},
      {"several files, no folder and an empty field",
       {"", false, "E:\\cd\\"},
       none,
       {},
       true,
       {},
       {},
       "E:\\kept.txt",
       ""},
  };
  for (const Row& row : rows) {
    Wizard w;
    w.s.SetText(ws::kAutoRunExeName, "Vendisc.exe");
    w.s.SetText(ws::kSourceFile, "E:\\kept.txt");
    w.s.SetText(ws::kSourceFolder, "E:\\kept\\");
    w.s.SetFlag(keys::kSingleFile, !row.state.singleFile);
    for (const char* file : {"E:\\cd\\a.txt", "D:\\a.txt", "E:\\new\\Slides.PPT"}) {
      w.fs.files[file] = "";
    }
    row.setUp(w);
    w.questions.answers.assign(row.answers.begin(), row.answers.end());
    RecordingUi ui;
    EXPECT_EQ(LeavePage(row.state, w.s, w.fs, w.questions, ui), row.leaves) << row.what;
    EXPECT_EQ(w.questions.asked, row.told) << row.what;
    EXPECT_EQ(ui.log, row.shown) << row.what;
    EXPECT_EQ(w.s.Text(ws::kSourceFile), row.sourceFile ? row.sourceFile : "E:\\kept.txt")
        << row.what;
    EXPECT_EQ(w.s.Text(ws::kSourceFolder), row.sourceFolder ? row.sourceFolder : "E:\\kept\\")
        << row.what;
    // The mode is saved only by a leave that succeeds.
    EXPECT_EQ(w.s.Flag(keys::kSingleFile),
              row.leaves ? row.state.singleFile : !row.state.singleFile)
        << row.what;
  }
}

TEST(FileToOpenPage, AdviceByTypeAndViewer) {
  struct Row {
    const char* file;
    bool viewerInstaller;
    const char* title;  // null: no advice
  };
  const std::vector<Row> rows = {
      {"E:\\cd\\a.ppt", false, "PowerPoint Presentations"},
      {"E:\\cd\\a.ppt", true, "PowerPoint Presentations"},
      {"E:\\cd\\a.pps", false, "PowerPoint Presentations"},
      {"E:\\cd\\a.pps", true, nullptr},
      {"E:\\cd\\a.PDF", false, "PDF Files"},
      {"E:\\cd\\a.pdf", true, nullptr},
      {"E:\\cd\\movie.sfw", false, "Flash Files (.sfw)"},
      {"E:\\cd\\form.Cgi", false, "CGI Files (.cgi)"},
      {"E:\\cd\\a.txt", false, nullptr},
      {"E:\\cd\\a.pdf.txt", false, nullptr},
      {"E:\\cd\\README", false, nullptr},
  };
  for (const Row& row : rows) {
    Wizard w;
    w.s.SetText(ws::kSourceFile, row.file);
    w.s.SetFlag(ws::kSpecifyFileOpenOptions, row.viewerInstaller);
    const std::vector<Advice> advice = FileTypeAdvice(w.s);
    ASSERT_EQ(advice.size(), row.title ? 1u : 0u) << row.file << row.viewerInstaller;
    if (!row.title) continue;
    EXPECT_EQ(advice[0].title, row.title) << row.file;
    EXPECT_EQ(advice[0].setting, ws::kHelpFileTyleDlgShow);
    EXPECT_TRUE(advice[0].configureViewer);
    EXPECT_TRUE(text::StartsWith(advice[0].text, "The software has detected that you have "))
        << row.file;
    // Switched off by its box, it is not shown for any type.
    CloseAdvice(w.s, advice[0], true);
    EXPECT_TRUE(FileTypeAdvice(w.s).empty()) << row.file;
    CloseAdvice(w.s, advice[0], false);
    EXPECT_EQ(FileTypeAdvice(w.s), advice) << row.file;
  }
}

TEST(FileToOpenPage, RootWarningHasNoViewerAndItsOwnSwitch) {
  Wizard w;
  const Advice root = RootDriveAdvice();
  EXPECT_EQ(root.setting, ws::kHelpRootDriveShow);
  EXPECT_FALSE(root.configureViewer);
  EXPECT_NE(root.text.find("(for example, 'C:\\').  If"), std::string::npos);
  EXPECT_TRUE(text::StartsWith(root.text, "The software has detected that your source files"));
  EXPECT_TRUE(text::EndsWith(root.text, "ignore this warning.\r\n\r\n"));
  CloseAdvice(w.s, root, true);
  EXPECT_FALSE(w.s.Flag(ws::kHelpRootDriveShow));
  EXPECT_TRUE(w.s.Flag(ws::kHelpFileTyleDlgShow));
}

}  // namespace
