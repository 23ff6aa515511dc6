// The resource files a configuration uses, found again in the folder it
// came from, and their copy into the new folder with its questions.
#include "wizard/pages/resource_files.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_option_ports.h"
#include "fake_registry_backend.h"
#include "wizard/file_copier.h"
#include "wizard/pages/file_page_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace t = file_page_texts;
using namespace resource_files;

const std::string kOld = "E:\\old\\";

TEST(ResourceFiles, ListedInOrderFromThePreviousFolderEachOnce) {
  struct Row {
    const char* what;
    std::function<void(WizardSettings&)> setUp;
    std::vector<std::string> names;  // the files listed, by name
  };
  const auto everything = [](WizardSettings& s) {
    s.SetFlag(keys::kLicenseAgreementEnabled, true);
    s.SetText(ws::kLicenseAgreementFile, "C:\\elsewhere\\licence.txt");  // found by name
    s.SetFlag(ws::kEnableIcon, true);
    s.SetText(keys::kIcon, "cd.ico");
    s.SetFlag(ws::kSpecifyFileOpenOptions, true);
    s.SetText(keys::InstallerFile(1), "viewer.exe");
    s.SetText(keys::InstallerFile(2), "E:\\old\\VIEWER.exe");  // the same file again
    s.SetText(keys::InstallerFile(3), "missing.exe");
    s.SetFlag(keys::kShowSplashScreen, true);
    s.SetFlag(keys::kSplashScreenUseImage, true);
    s.SetText(keys::kSplashScreenImage, "splash.jpg");
    s.SetFlag(keys::kShowBackgroundWindow, true);
    s.SetText(ws::kBackgroundFullScreenImageFile, "full.jpg");
    s.SetText(keys::BackgroundFullScreenImageFile(1), "one.jpg");
    s.SetText(keys::BackgroundFullScreenImageFile(2), "two.jpg");
    s.SetFlag(keys::kWelcomeEnabled, true);
    s.SetFlag(keys::kWelcomeUseImage, true);
    s.SetText(keys::kWelcomeImage, "welcome.gif");
  };
  const std::vector<Row> rows = {
      {"everything, one full-screen picture",
       everything,
       {"licence.txt", "cd.ico", "viewer.exe", "splash.jpg", "full.jpg", "welcome.gif"}},
      {"two background pictures",
       [&](WizardSettings& s) {
         everything(s);
         s.SetFlag(keys::kBackgroundFullScreenImage, false);
       },
       {"licence.txt", "cd.ico", "viewer.exe", "splash.jpg", "one.jpg", "two.jpg", "welcome.gif"}},
      {"every switch off, names still stored",
       [&](WizardSettings& s) {
         everything(s);
         for (const char* flag :
              {keys::kLicenseAgreementEnabled, ws::kEnableIcon, ws::kSpecifyFileOpenOptions,
               keys::kSplashScreenUseImage, keys::kShowBackgroundWindow, keys::kWelcomeUseImage}) {
           s.SetFlag(flag, false);
         }
       },
       {}},
      {"nothing stored", [](WizardSettings&) {}, {}},
      {"welcome switches never stored read as off, as the dialog shows them",
       [](WizardSettings& s) {
         s.SetText(keys::kWelcomeMessage, "Hello");
         s.SetText(keys::kWelcomeImage, "welcome.gif");
       },
       {}},
  };
  for (const Row& row : rows) {
    FakeRegistryBackend backend;
    WizardSettings s(backend);
    FakeFileSystem fs;
    for (const char* name : {"licence.txt", "cd.ico", "viewer.exe", "splash.jpg", "full.jpg",
                             "one.jpg", "two.jpg", "welcome.gif"}) {
      fs.files[kOld + name] = "";
    }
    row.setUp(s);
    std::vector<std::string> names, rowTexts;
    for (const ResourceFile& file : ListResourceFiles(s, fs, "E:\\old")) {
      names.push_back(file.source.substr(kOld.size()));
      rowTexts.push_back(file.row);
      EXPECT_EQ(file.source, kOld + names.back());
    }
    EXPECT_EQ(names, row.names) << row.what;
    if (!rowTexts.empty()) {
      EXPECT_EQ(rowTexts[0], "licence.txt (E:\\old\\licence.txt)");
    }
  }
}

TEST(ResourceFiles, CopyAsksBeforeOverwritingAndRetriesFailures) {
  const std::string a = kOld + "a.jpg", b = kOld + "b.jpg", here = "E:\\new\\c.jpg";
  const std::string newA = "E:\\new\\a.jpg", newB = "E:\\new\\b.jpg";
  struct Row {
    const char* what;
    std::vector<std::string> sources;
    std::vector<std::string> existing;  // already in the new folder
    std::vector<uint32_t> results;
    std::vector<bool> answers;
    bool handled;
    std::vector<std::string> copies;
    std::vector<std::string> asked;
  };
  const std::string overwriteA = "ask: " + t::OverwriteQuestion(newA, a);
  const std::string failedA = "retry: " + t::CopyFailed(a, newA);
  const std::vector<Row> rows = {
      {"plain copies", {a, b}, {}, {}, {}, true, {a + " -> " + newA, b + " -> " + newB}, {}},
      {"already in the new folder: skipped", {here}, {here}, {}, {}, true, {}, {}},
      {"overwrite refused", {a, b}, {newA}, {}, {false}, true, {b + " -> " + newB}, {overwriteA}},
      {"overwrite agreed", {a}, {newA}, {}, {true}, true, {a + " -> " + newA}, {overwriteA}},
      {"failure retried asks about the overwrite again",
       {a},
       {newA},
       {32},
       {true, true, true},
       true,
       {a + " -> " + newA, a + " -> " + newA},
       {overwriteA, failedA, overwriteA}},
      {"failure cancelled leaves the rest",
       {a, b},
       {},
       {112},
       {false},
       false,
       {a + " -> " + newA},
       {failedA}},
  };
  for (const Row& row : rows) {
    FakeFileSystem fs;
    for (const std::string& file : row.existing) fs.files[file] = "";
    FakeFileCopier copier;
    copier.results.assign(row.results.begin(), row.results.end());
    FakeOptionQuestions questions;
    questions.answers.assign(row.answers.begin(), row.answers.end());
    EXPECT_EQ(CopyResourceFiles(row.sources, "E:\\new", copier, fs, questions), row.handled)
        << row.what;
    EXPECT_EQ(copier.copies, row.copies) << row.what;
    EXPECT_EQ(questions.asked, row.asked) << row.what;
  }
}

}  // namespace
