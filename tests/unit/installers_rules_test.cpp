// The viewer installers dialog and the viewer-installer wizard: the mode
// table and the older number, what is enabled, default prompts, the checks
// before saving, the advice by file type and the copy into the CD folder.
#include "wizard/pages/installers_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_option_ports.h"
#include "fake_registry_backend.h"
#include "wizard/pages/options_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace tx = options_texts;
using namespace installers_page;
using Log = std::vector<std::string>;

struct Wizard {
  Wizard() { s.SetText(ws::kSourceFolder, "E:\\cd"); }
  FakeRegistryBackend backend;
  WizardSettings s{backend};
  FakeFileSystem fs;
  FakeOptionQuestions questions;
  FakeChosenFileChecks checks;
  FakeFileCopier copier;
};

const std::string kDefault = tx::kDefaultInstallerPrompt;

TEST(InstallersPage, ModeFromTheOlderNumberOrElseTheKeyword) {
  struct Row {
    std::optional<int32_t> legacy;  // nullopt: never stored
    const char* keyword;
    int mode;
  };
  const Row rows[] = {
      {std::nullopt, "", -1}, {std::nullopt, "Prompt", 0},
      {-1, "noviewer", 1},    {-1, "ALWAYS", 2},
      // The older number: 0 runs them when no viewer opens the file, else always.
      {0, "Always", 1},       {1, "Prompt", 2},
      {7, "NoViewer", 2},
      {-1, "sometimes", -1},
  };
  for (const Row& row : rows) {
    Wizard w;
    if (row.legacy) w.s.SetNumber(ws::kInstallerHowToRun, *row.legacy);
    w.s.SetText(ws::kInstallerHowToRunNew, row.keyword);
    EXPECT_EQ(ModeFromSettings(w.s), row.mode) << row.keyword;
  }
  EXPECT_STREQ(kModes[0].item, "Always Prompt user to see if Viewer should be Installed");
  EXPECT_STREQ(kModes[1].keyword, "NoViewer");
  EXPECT_STREQ(kModes[2].item, "Run Installers always before opening file(s)");
}

TEST(InstallersPage, EnablingFollowsTheSwitchTheModeAndEachSlot) {
  struct Row {
    bool enabled;
    int mode;
    std::array<const char*, 3> files;
    bool slots, modeList;
    std::array<bool, 3> prompts;
  };
  const Row rows[] = {
      {false, 0, {"a.exe", "b.msi", "c.exe"}, false, false, {false, false, false}},
      {true, 0, {"<Ignore>", "<Ignore>", "<Ignore>"}, true, false, {false, false, false}},
      {true, 0, {"a.exe", "<Ignore>", "c.exe"}, true, true, {true, false, true}},
      {true, 1, {"a.exe", "b.msi", "c.exe"}, true, true, {false, false, false}},
      {true, 2, {"<Ignore>", "b.msi", ""}, true, true, {false, false, false}},
      {true, -1, {"a.exe", "", ""}, true, true, {false, false, false}},
      {true, 0, {"", "", "c.exe"}, true, true, {false, false, true}},
  };
  for (const Row& row : rows) {
    State state;
    state.enabled = row.enabled;
    state.mode = row.mode;
    for (int i = 0; i < 3; ++i) state.files[i] = row.files[i];
    const Enabling e = ComputeEnabling(state);
    EXPECT_EQ(e.slots, row.slots);
    EXPECT_EQ(e.mode, row.modeList) << row.enabled << row.mode << row.files[0];
    EXPECT_EQ(e.prompt, row.prompts) << row.enabled << row.mode << row.files[0];
  }
}

TEST(InstallersPage, LoadsListsAndFillsDefaultPrompts) {
  Wizard w;
  w.s.SetText(keys::InstallerFile(2), "viewer.msi");
  w.s.SetText(keys::InstallerUserQuery(3), "Install?");
  State state = Load(w.s);
  EXPECT_FALSE(state.enabled);
  EXPECT_EQ(state.mode, 0);  // none stored: the first mode
  EXPECT_EQ(state.files, (std::array<std::string, 3>{"<Ignore>", "viewer.msi", "<Ignore>"}));
  FillDefaultPrompt(state, 0);
  EXPECT_EQ(state.prompts[0], "");
  state.files[0] = "a.exe";
  state.files[2] = "c.exe";
  FillDefaultPrompt(state, 0);
  EXPECT_EQ(state.prompts[0], kDefault);
  EXPECT_EQ(state.prompts[1], "");
  FillDefaultPrompts(state);
  EXPECT_EQ(state.prompts, (std::array<std::string, 3>{kDefault, kDefault, "Install?"}));
  // Ticking "Enable" tells of each refused installer, not only the first.
  FakeChosenFileChecks checks;
  checks.refused = {"E:\\cd\\a.exe", "E:\\cd\\c.exe"};
  ReportInstallerChecks(state, "E:\\cd", checks);
  EXPECT_EQ(checks.checked, (Log{"Installer 1: E:\\cd\\a.exe", "Installer 2: E:\\cd\\viewer.msi",
                                 "Installer 3: E:\\cd\\c.exe"}));
  FakeFolderFiles folder;
  folder.names = {"setup.EXE", "readme.txt", "b.msi", "A.exe"};
  EXPECT_EQ(InstallerChoices(folder, "E:\\cd"), (Log{"<Ignore>", "A.exe", "b.msi", "setup.EXE"}));
}

TEST(InstallersPage, LeavingRefusesTheStarterUncheckedFilesAndMissingPrompts) {
  struct Row {
    const char* what;
    bool enabled;
    int mode;
    std::array<const char*, 3> files;
    std::array<const char*, 3> prompts;
    const char* refusedPath;
    bool leaves;
    Log asked;
  };
  const Row rows[] = {
      {"starter as installer 2",
       true,
       1,
       {"a.exe", "START.exe", "<Ignore>"},
       {"", "", ""},
       nullptr,
       false,
       {"show: " + tx::StarterAsInstaller(2)}},
      {"default starter name too",
       true,
       1,
       {"<Ignore>", "<Ignore>", "vendisc.EXE"},
       {"", "", ""},
       nullptr,
       false,
       {"show: " + tx::StarterAsInstaller(3)}},
      {"file check refuses",
       true,
       1,
       {"a.exe", "<Ignore>", "<Ignore>"},
       {"", "", ""},
       "E:\\cd\\a.exe",
       false,
       {}},
      {"prompt of blanks in Prompt mode",
       true,
       0,
       {"a.exe", "<Ignore>", "c.exe"},
       {"Go?", "", "   "},
       nullptr,
       false,
       {"show: " + tx::PromptRequired(3)}},
      {"empty prompts in NoViewer mode",
       true,
       1,
       {"a.exe", "b.exe", "c.exe"},
       {"", "", ""},
       nullptr,
       true,
       {}},
      {"empty prompts in Always mode",
       true,
       2,
       {"a.exe", "<Ignore>", "<Ignore>"},
       {"", "", ""},
       nullptr,
       true,
       {}},
      {"disabled: no checks",
       false,
       0,
       {"START.exe", "<Ignore>", "<Ignore>"},
       {"", "", ""},
       "E:\\cd\\START.exe",
       true,
       {}},
      {"no mode",
       false,
       -1,
       {"a.exe", "<Ignore>", "<Ignore>"},
       {"", "", ""},
       nullptr,
       false,
       {std::string("show: ") + tx::kNoModeChosen}},
  };
  for (const Row& row : rows) {
    Wizard w;
    w.s.SetText(ws::kAutoRunExeName, "start.exe");
    w.s.SetNumber(ws::kInstallerHowToRun, 1);
    if (row.refusedPath) w.checks.refused.insert(row.refusedPath);
    State state;
    state.enabled = row.enabled;
    state.mode = row.mode;
    for (int i = 0; i < 3; ++i) {
      state.files[i] = row.files[i];
      state.prompts[i] = row.prompts[i];
    }
    EXPECT_EQ(Leave(state, w.s, w.questions, w.checks), row.leaves) << row.what;
    EXPECT_EQ(w.questions.asked, row.asked) << row.what;
    if (row.leaves) {
      EXPECT_EQ(w.s.Text(keys::InstallerFile(1)), row.files[0][0] == '<' ? "" : row.files[0]);
      EXPECT_EQ(w.s.Text(keys::InstallerFile(2)), row.files[1][0] == '<' ? "" : row.files[1]);
      EXPECT_EQ(w.s.Text(ws::kInstallerHowToRunNew), kModes[row.mode].keyword) << row.what;
      EXPECT_EQ(w.s.ReadNumber(ws::kInstallerHowToRun, 5), -1) << row.what;
      EXPECT_EQ(w.s.Flag(ws::kSpecifyFileOpenOptions), row.enabled) << row.what;
    } else {
      EXPECT_EQ(w.s.ReadNumber(ws::kInstallerHowToRun, 5), 1) << row.what;
    }
  }
}

TEST(ViewerInstaller, AdviceByTheOpenedFilesType) {
  const struct {
    const char* file;
    std::string text;
    bool download;
  } rows[] = {
      {"E:\\cd\\show.PPS", std::string(tx::kPowerPointAdvice) + tx::kDownloadAdvice, true},
      {"deck.ppt", std::string(tx::kPowerPointAdvice) + tx::kDownloadAdvice, true},
      {"E:\\cd.pdf\\manual.Pdf", std::string(tx::kPdfAdvice) + tx::kDownloadAdvice, true},
      {"E:\\cd.pdf\\index.html", tx::kOtherAdvice, false},
      {"", tx::kOtherAdvice, false},
  };
  for (const auto& row : rows) {
    const viewer_installer::Advice advice = viewer_installer::AdviceFor(row.file);
    EXPECT_EQ(advice.text, row.text) << row.file;
    EXPECT_EQ(advice.canDownload, row.download) << row.file;
  }
  EXPECT_EQ(viewer_installer::DownloadAddress(), "http://www.zoruzaz.example/viewers.html");
  EXPECT_STREQ(viewer_installer::ForSlot(2).file, "InstallerFile2");
  EXPECT_STREQ(viewer_installer::ForSlot(1).prompt, "InstallerUserQuery");
}

TEST(ViewerInstaller, SpecifyingCopiesIntoTheFolderAndTurnsInstallersOn) {
  const std::string target = "E:\\cd\\viewer.exe";
  const std::string exists = "ask: " + tx::InstallerCopyExists(target);
  struct Row {
    const char* what;
    std::string installer;
    bool existing;
    std::deque<bool> answers;
    uint32_t copyResult;
    bool leaves;
    int copies;
    Log asked;
  };
  const Row rows[] = {
      {"none given", "", false, {}, 0, false, 0, {std::string("show: ") + tx::kNoInstallerGiven}},
      {"a folder, no file",
       "D:\\dl\\",
       false,
       {},
       0,
       false,
       0,
       {std::string("show: ") + tx::kNoInstallerGiven}},
      {"copied in", "D:\\dl\\viewer.exe", false, {}, 0, true, 1, {}},
      {"replacing, agreed", "D:\\dl\\viewer.exe", true, {true}, 0, true, 1, {exists}},
      {"replacing, declined", "D:\\dl\\viewer.exe", true, {false}, 0, false, 0, {exists}},
      {"copy failed",
       "D:\\dl\\viewer.exe",
       false,
       {},
       112,
       false,
       1,
       {"show: " + tx::InstallerCopyFailed("D:\\dl\\viewer.exe", target)}},
      {"already the folder's file", "e:\\cd\\viewer.exe", true, {}, 0, true, 0, {}},
  };
  for (const Row& row : rows) {
    Wizard w;
    w.s.SetText(keys::InstallerUserQuery(2), "Mine?");
    if (row.existing) w.fs.files[target] = "old";
    w.questions.answers = row.answers;
    w.copier.results = {row.copyResult};
    EXPECT_EQ(viewer_installer::LeaveSpecify(row.installer, viewer_installer::ForSlot(2), w.s, w.fs,
                                             w.copier, w.questions),
              row.leaves)
        << row.what;
    EXPECT_EQ(static_cast<int>(w.copier.copies.size()), row.copies) << row.what;
    EXPECT_EQ(w.questions.asked, row.asked) << row.what;
    EXPECT_EQ(w.s.Text(keys::InstallerFile(2)), row.leaves ? "viewer.exe" : "") << row.what;
    EXPECT_EQ(w.s.Flag(ws::kSpecifyFileOpenOptions), row.leaves) << row.what;
    EXPECT_EQ(w.s.Flag(ws::kInstallerViewerOption), row.leaves) << row.what;
    EXPECT_EQ(w.s.Text(ws::kInstallerHowToRunNew), row.leaves ? "Prompt" : "") << row.what;
  }
  // Slot 1 with no prompt gets the default; a chosen mode is kept.
  Wizard w;
  w.s.SetText(ws::kInstallerHowToRunNew, "Always");
  ASSERT_TRUE(viewer_installer::LeaveSpecify("D:\\v.msi", viewer_installer::ForSlot(1), w.s, w.fs,
                                             w.copier, w.questions));
  EXPECT_EQ(w.copier.copies, (Log{"D:\\v.msi -> E:\\cd\\v.msi"}));
  EXPECT_EQ(w.s.Text(keys::InstallerUserQuery(1)), kDefault);
  EXPECT_EQ(w.s.Text(ws::kInstallerHowToRunNew), "Always");
}

}  // namespace
