// The behaviour option dialogs' rules: the licence agreement and its files,
// the error message, forcing the opening program, the starter's name and
// the CD icon.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_option_ports.h"
#include "fake_registry_backend.h"
#include "wizard/pages/behaviour_page_rules.h"
#include "wizard/pages/cd_icon_rules.h"
#include "wizard/pages/license_page_rules.h"
#include "wizard/pages/option_files.h"
#include "wizard/pages/options_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace tx = options_texts;
using Log = std::vector<std::string>;

struct Wizard {
  Wizard() {
    s.SetText(ws::kSourceFolder, "E:\\cd");
    s.SetText(ws::kInstallPath, "C:\\Kit");
  }
  FakeRegistryBackend backend;
  WizardSettings s{backend};
  FakeFileSystem fs;
  FakeOptionQuestions questions;
  FakeChosenFileChecks checks;
  FakeFileCopier copier;
  FakeFolderFiles folder;
};

const std::string kAgreement = "E:\\cd\\euagl_cd_license.txt";
const std::string kBackup = "C:\\Kit\\BackupLicenseAgreement.txt";
const std::string kAppData = "C:\\Users\\me\\AppData";
const std::string kUserBackup = kAppData + "\\QUAV\\ZoruZaz AZ\\BackupLicenseAgreement.txt";

TEST(OptionFiles, PathsAndLineByLineReading) {
  EXPECT_EQ(option_files::InFolder("E:\\cd", "a.txt"), "E:\\cd\\a.txt");
  EXPECT_EQ(option_files::InFolder("E:\\cd\\", "a.txt"), "E:\\cd\\a.txt");
  EXPECT_EQ(option_files::InFolder("", "a.txt"), "a.txt");
  EXPECT_EQ(option_files::BaseName("E:\\cd/x\\a.txt"), "a.txt");
  EXPECT_EQ(option_files::ExtensionOf("a.b.TXT"), "TXT");
  EXPECT_EQ(option_files::ExtensionOf("name."), "");
  EXPECT_EQ(option_files::ExtensionOf("name"), "");
  const struct {
    const char* file;
    const char* shown;
  } rows[] = {
      {"", ""},
      {"one", "one\r\n"},
      {"one\r\ntwo\r\n", "one\r\ntwo\r\n"},
      {"one\ntwo", "one\r\ntwo\r\n"},
      {"one\n\nthree\n", "one\r\n\r\nthree\r\n"},
  };
  for (const auto& row : rows) {
    FakeFileSystem fs;
    fs.files["E:\\t.txt"] = row.file;
    std::string shown = "old";
    ASSERT_TRUE(option_files::ReadTextLines(fs, "E:\\t.txt", &shown));
    EXPECT_EQ(shown, row.shown) << row.file;
  }
  FakeFileSystem fs;
  std::string shown;
  EXPECT_FALSE(option_files::ReadTextLines(fs, "E:\\none.txt", &shown));
}

TEST(LicensePage, LoadsDefaultsTheFolderFileOrElseTheBackup) {
  struct Row {
    const char* what;
    const char* fileName;  // stored; null: never stored
    const char* show;
    const char* inFolder;  // contents; null: no file
    const char* backup;
    std::string expectName;
    int expectShow;
    std::string expectText;
  };
  const Row rows[] = {
      {"fresh", nullptr, nullptr, nullptr, nullptr, "euagl_cd_license.txt", 0, ""},
      {"folder file wins", "terms.txt", "No", "mine", "old", "terms.txt", 1, "mine\r\n"},
      {"missing file: backup", "terms.txt", "no", nullptr, "old\n", "terms.txt", 1, "old\r\n"},
      {"empty file: backup", "", "yes", "", "old", "euagl_cd_license.txt", 0, "old\r\n"},
      {"odd show text selects none", "t.txt", "maybe", nullptr, nullptr, "t.txt", -1, ""},
  };
  for (const Row& row : rows) {
    Wizard w;
    if (row.fileName) w.s.SetText(ws::kLicenseAgreementFile, row.fileName);
    if (row.show) w.s.SetText(ws::kLicenseAgreementFileShowEveryTime, row.show);
    const std::string name = row.fileName && *row.fileName ? row.fileName : "euagl_cd_license.txt";
    if (row.inFolder) w.fs.files["E:\\cd\\" + name] = row.inFolder;
    if (row.backup) w.fs.files[kBackup] = row.backup;
    const license_page::State state = license_page::Load(w.s, w.fs, kAppData);
    EXPECT_FALSE(state.enabled) << row.what;
    EXPECT_EQ(state.fileName, row.expectName) << row.what;
    EXPECT_EQ(state.showEveryTime, row.expectShow) << row.what;
    EXPECT_EQ(state.text, row.expectText) << row.what;
  }
  Wizard w;  // the user's own copy is read first
  w.fs.files[kBackup] = "kit's";
  w.fs.files[kUserBackup] = "mine";
  EXPECT_EQ(license_page::Load(w.s, w.fs, kAppData).text, "mine\r\n");
  license_page::State cleared;
  license_page::OnEnable(cleared);
  EXPECT_EQ(cleared.fileName, "euagl_cd_license.txt");
}

TEST(LicensePage, LeavingValidatesTheNameAndWritesBothCopies) {
  const std::string exists = "ask: " + tx::FileExistsOverwrite(kAgreement);
  struct Row {
    const char* what;
    bool enabled;
    std::string name;
    std::deque<bool> answers;
    bool existing;
    bool refuseLength;
    bool leaves;
    std::string savedName;  // empty: not saved
    Log asked;
    bool written;  // the folder copy holds the new text
  };
  const Row rows[] = {
      {"disabled saves only the switch", false, "", {}, false, false, true, "", {}, false},
      {"empty name",
       true,
       "",
       {},
       false,
       false,
       false,
       "",
       {std::string("show: ") + tx::kLicenseNameMissing},
       false},
      {"length warning cancelled",
       true,
       "euagl_cd_license.txt",
       {},
       false,
       true,
       false,
       "",
       {},
       false},
      {"not txt, declined",
       true,
       "euagl_cd_license",
       {false},
       false,
       false,
       false,
       "",
       {std::string("ask: ") + tx::kLicenseNotTxt},
       false},
      {"not txt, extended",
       true,
       "euagl_cd_license",
       {true},
       false,
       false,
       true,
       "euagl_cd_license.txt",
       {std::string("ask: ") + tx::kLicenseNotTxt},
       true},
      {"upper-case TXT, folders dropped",
       true,
       "D:\\x\\euagl_cd_license.TXT",
       {},
       false,
       false,
       true,
       "euagl_cd_license.TXT",
       {},
       true},
      {"existing, overwritten",
       true,
       "euagl_cd_license.txt",
       {true},
       true,
       false,
       true,
       "euagl_cd_license.txt",
       {exists},
       true},
      {"existing, kept",
       true,
       "euagl_cd_license.txt",
       {false},
       true,
       false,
       true,
       "euagl_cd_license.txt",
       {exists},
       false},
  };
  for (const Row& row : rows) {
    Wizard w;
    if (row.existing) w.fs.files[kAgreement] = "before";
    if (row.refuseLength) w.checks.refused.insert(row.name);
    w.questions.answers = row.answers;
    license_page::State state{row.enabled, row.name, 1, "Terms\r\nMore"};
    EXPECT_EQ(license_page::Leave(state, w.s, w.fs, w.questions, w.checks, kAppData), row.leaves)
        << row.what;
    EXPECT_EQ(w.s.Flag(keys::kLicenseAgreementEnabled), row.enabled) << row.what;
    EXPECT_EQ(w.s.Text(ws::kLicenseAgreementFile), row.savedName) << row.what;
    EXPECT_EQ(w.questions.asked, row.asked) << row.what;
    std::string folderCopy, backup;
    w.fs.ReadWholeFile(kAgreement, &folderCopy);
    EXPECT_EQ(folderCopy == "Terms\r\nMore", row.written) << row.what;
    if (!row.savedName.empty()) {
      EXPECT_EQ(w.s.Text(ws::kLicenseAgreementFileShowEveryTime), "No") << row.what;
      // The backup is written whether or not the folder's file was replaced.
      EXPECT_TRUE(w.fs.ReadWholeFile(kBackup, &backup)) << row.what;
      EXPECT_EQ(backup, "Terms\r\nMore") << row.what;
    }
  }
}

TEST(LicensePage, AFailedWriteKeepsThePreviousTextAndTheDialog) {
  struct Row {
    const char* what;
    bool existing;
    bool failReplace;
    std::string message;
  };
  const Row rows[] = {
      {"new file not created", false, false, tx::FailedToCreate(kAgreement)},
      {"existing file not opened", true, false, tx::FailedToOpenForWriting(kAgreement)},
      {"rename failed", true, true, tx::FailedToSave(kAgreement)},
  };
  for (const Row& row : rows) {
    Wizard w;
    if (row.existing) w.fs.files[kAgreement] = "before";
    if (row.failReplace) {
      w.fs.failReplace = true;
    } else {
      w.fs.failWrites.insert(kAgreement + ".tmp");
    }
    license_page::State state{true, "euagl_cd_license.txt", -1, "new"};
    EXPECT_FALSE(license_page::Leave(state, w.s, w.fs, w.questions, w.checks, kAppData))
        << row.what;
    EXPECT_EQ(w.questions.asked.back(), "show: " + row.message) << row.what;
    EXPECT_EQ(w.fs.files.count(kAgreement + ".tmp"), 0u) << row.what;
    std::string kept;
    EXPECT_EQ(w.fs.ReadWholeFile(kAgreement, &kept), row.existing) << row.what;
    if (row.existing) {
      EXPECT_EQ(kept, "before") << row.what;
    }
    EXPECT_EQ(w.s.Text(ws::kLicenseAgreementFileShowEveryTime), "yes") << row.what;
  }
  // A kit folder that cannot be written: the backup goes to the user's own
  // folder, made first; written in the kit's, it removes the user's older
  // copy (read first). A failure there does not matter either.
  const std::string userFolder = kAppData + "\\QUAV\\ZoruZaz AZ";
  for (const bool kitWritable : {false, true}) {
    for (const bool folderMade : {true, false}) {
      Wizard w;
      w.fs.files[kUserBackup] = "older";
      if (!kitWritable) w.fs.failWrites.insert(kBackup + ".tmp");
      if (!folderMade) w.fs.failFolders.insert(userFolder);
      license_page::State state{true, "euagl_cd_license.txt", 0, "new"};
      EXPECT_TRUE(license_page::Leave(state, w.s, w.fs, w.questions, w.checks, kAppData));
      EXPECT_TRUE(w.questions.asked.empty());
      EXPECT_EQ(w.fs.files.count(kBackup), kitWritable ? 1u : 0u);
      const bool moved = !kitWritable && folderMade;
      EXPECT_EQ(w.fs.files.count(kUserBackup) ? w.fs.files[kUserBackup] : "(none)",
                kitWritable ? "(none)"
                : moved     ? "new"
                            : "older");
      EXPECT_EQ(w.fs.folders.count(userFolder), moved ? 1u : 0u);
    }
  }
}

TEST(ErrorMessagePage, LineBreaksBothWays) {
  const struct {
    const char* shown;
    const char* stored;
  } rows[] = {
      {"one\r\ntwo", "one<br>two"}, {"one\rtwo\nthree", "one<br>two<br>three"},
      {"a\n\rb", "a<br><br>b"},     {"\r\n\r\n", "<br><br>"},
      {"plain", "plain"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(error_message_page::ToStored(row.shown), row.stored) << row.shown;
  }
  EXPECT_EQ(error_message_page::FromStored("one<br>two<br>"), "one\r\ntwo\r\n");
  Wizard w;
  w.s.SetText(keys::kErrorText, "a<br>b");
  EXPECT_EQ(error_message_page::Load(w.s).text, "a\r\nb");
}

TEST(ErrorMessagePage, LeavingCompletesTheLinkAndAsksAboutItsPrefix) {
  const std::string prefixQuestion = std::string("ask: ") + tx::kUrlPrefixQuestion;
  struct Row {
    const char* what;
    bool enabled;
    std::string url, title;
    std::deque<bool> answers;
    bool leaves;
    std::string savedUrl, savedTitle;
    Log asked;
  };
  const Row rows[] = {
      {"title copied into url",
       true,
       "",
       "http://a.example",
       {},
       true,
       "http://a.example",
       "http://a.example",
       {std::string("show: ") + tx::kUrlUpdated}},
      {"url copied into title",
       true,
       "https://a.example",
       "",
       {},
       true,
       "https://a.example",
       "https://a.example",
       {std::string("show: ") + tx::kUrlTitleUpdated}},
      {"upper-case MAILTO passes",
       true,
       "MAILTO:me@a.example",
       "Me",
       {},
       true,
       "MAILTO:me@a.example",
       "Me",
       {}},
      {"no prefix, continue",
       true,
       "www.a.example",
       "A",
       {true},
       true,
       "www.a.example",
       "A",
       {prefixQuestion}},
      {"no prefix, stay", true, "www.a.example", "A", {false}, false, "", "", {prefixQuestion}},
      {"disabled saves as typed", false, "www.a.example", "", {}, true, "www.a.example", "", {}},
      {"both empty", true, "", "", {}, true, "", "", {}},
  };
  for (const Row& row : rows) {
    Wizard w;
    w.questions.answers = row.answers;
    error_message_page::State state{row.enabled, "Sorry\r\nCall us", row.url, row.title};
    EXPECT_EQ(error_message_page::Leave(state, w.s, w.questions), row.leaves) << row.what;
    EXPECT_EQ(w.questions.asked, row.asked) << row.what;
    EXPECT_EQ(w.s.Text(keys::kErrorContactURL), row.savedUrl) << row.what;
    EXPECT_EQ(w.s.Text(keys::kErrorContactURLTitle), row.savedTitle) << row.what;
    EXPECT_EQ(w.s.Text(keys::kErrorText), row.leaves ? "Sorry<br>Call us" : "") << row.what;
    EXPECT_EQ(w.s.Flag(keys::kUserDefinedErrors), row.leaves && row.enabled) << row.what;
  }
}

TEST(ForceOpenPage, SavesBothAsTheyStand) {
  Wizard w;
  force_open_page::Save({true, "viewer.exe, other.exe"}, w.s);
  const force_open_page::State state = force_open_page::Load(w.s);
  EXPECT_TRUE(state.enabled);
  EXPECT_EQ(state.programs, "viewer.exe, other.exe");
}

TEST(StarterNamePage, SpacesRefusedAndExeProposed) {
  EXPECT_EQ(starter_name_page::ExeProposal("start"), "start.exe");
  EXPECT_EQ(starter_name_page::ExeProposal("start."), "start.exe");
  EXPECT_EQ(starter_name_page::ExeProposal("start..."), "start.exe");
  EXPECT_EQ(starter_name_page::ExeProposal("a..b.com"), "a.b.com.exe");
  struct Row {
    const char* what;
    std::string name;
    std::deque<bool> answers;
    bool leaves;
    std::string saved;
    Log asked;
  };
  const Row rows[] = {
      {"exe kept", "Start.EXE", {}, true, "Start.EXE", {}},
      {"space inside",
       "my start.exe",
       {},
       false,
       "",
       {std::string("show: ") + tx::kStarterNameSpace}},
      {"space first", " start.exe", {}, false, "", {std::string("show: ") + tx::kStarterNameSpace}},
      {"no extension, taken",
       "start",
       {true},
       true,
       "start.exe",
       {"ask: " + tx::StarterNameNeedsExe("start.exe")}},
      {"ending in a dot, taken",
       "start.",
       {true},
       true,
       "start.exe",
       {"ask: " + tx::StarterNameNeedsExe("start.exe")}},
      {"other extension, declined",
       "start.com",
       {false},
       false,
       "",
       {"ask: " + tx::StarterNameNeedsExe("start.com.exe")}},
  };
  for (const Row& row : rows) {
    Wizard w;
    w.questions.answers = row.answers;
    starter_name_page::State state{true, row.name};
    EXPECT_EQ(starter_name_page::Leave(state, w.s, w.questions), row.leaves) << row.what;
    EXPECT_EQ(w.s.Text(ws::kAutoRunExeName), row.saved) << row.what;
    EXPECT_EQ(w.s.Flag(ws::kAutoRunExeNameEnabled), row.leaves) << row.what;
    EXPECT_EQ(w.questions.asked, row.asked) << row.what;
  }
  Wizard w;
  EXPECT_EQ(starter_name_page::Load(w.s).name, "Vendisc.exe");
}

TEST(CdIconPage, ListsIconsAndChecksBeforeSaving) {
  Wizard w;
  w.folder.names = {"b.ico", "setup.exe", "A.ICO", "c.icon"};
  EXPECT_EQ(cd_icon_page::IconChoices(w.folder, "E:\\cd"), (Log{"", "A.ICO", "b.ico"}));
  EXPECT_TRUE(cd_icon_page::Leave("", w.s, w.checks));
  EXPECT_TRUE(w.checks.checked.empty());
  EXPECT_EQ(w.s.Text(keys::kIcon), "");
  w.checks.refused.insert("E:\\cd\\gone.ico");
  EXPECT_FALSE(cd_icon_page::Leave("gone.ico", w.s, w.checks));
  EXPECT_TRUE(cd_icon_page::Leave("b.ico", w.s, w.checks));
  EXPECT_EQ(w.checks.checked, (Log{"Icon File: E:\\cd\\gone.ico", "Icon File: E:\\cd\\b.ico"}));
  EXPECT_EQ(w.s.Text(keys::kIcon), "b.ico");
  // Cancel keeps the stored icon, whatever was picked or copied in meanwhile.
  EXPECT_EQ(cd_icon_page::IconAfterDialog(false, "copied.ico", w.s), "b.ico");
  EXPECT_EQ(cd_icon_page::IconAfterDialog(true, "copied.ico", w.s), "copied.ico");
}

TEST(CdIconPage, CopyingInAsksBeforeReplacingAndOffersRetry) {
  const std::string source = "D:\\art\\disc.ico";
  const std::string target = "E:\\cd\\disc.ico";
  const std::string overwrite = "ask: " + tx::IconOverwrite(target, source);
  const std::string retry = "retry: " + tx::IconCopyFailed(source, target);
  using Outcome = cd_icon_page::CopyOutcome;
  struct Row {
    const char* what;
    std::string source;
    bool existing;
    std::deque<bool> answers;
    std::deque<uint32_t> results;
    Outcome outcome;
    int copies;
    Log asked;
  };
  const Row rows[] = {
      {"new file copied", source, false, {}, {}, Outcome::kCopied, 1, {}},
      {"existing replaced", source, true, {true}, {}, Outcome::kCopied, 1, {overwrite}},
      {"existing kept", source, true, {false}, {}, Outcome::kKept, 0, {overwrite}},
      {"failure retried", source, false, {true}, {112, 0}, Outcome::kCopied, 2, {retry}},
      {"failure cancelled", source, false, {false}, {5}, Outcome::kCancelled, 1, {retry}},
      {"picked from the folder itself", "e:\\CD\\disc.ico", true, {}, {}, Outcome::kKept, 0, {}},
  };
  for (const Row& row : rows) {
    Wizard w;
    if (row.existing) w.fs.files[target] = "icon";
    w.questions.answers = row.answers;
    w.copier.results = row.results;
    std::string icon = "before.ico";
    EXPECT_EQ(cd_icon_page::CopyIn(row.source, "E:\\cd", w.fs, w.copier, w.questions, &icon),
              row.outcome)
        << row.what;
    EXPECT_EQ(icon, row.outcome == Outcome::kCancelled ? "before.ico" : "disc.ico") << row.what;
    EXPECT_EQ(static_cast<int>(w.copier.copies.size()), row.copies) << row.what;
    EXPECT_EQ(w.questions.asked, row.asked) << row.what;
  }
}

}  // namespace
