// Discwright killed at random moments while it creates the CD files: every
// file of the CD folder is afterwards either as it was or as the finished
// creation writes it, never cut short, mixed or gone, and the author's
// settings are as they were.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "cd_folder.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_values.h"
#include "wizard_document_scenario.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
namespace ws = wizard_settings;

constexpr int kKills = 24;
constexpr const char* kStarter = "Vendisc.exe";
constexpr const char* kOldAutorun = "[autorun]\r\nOPEN=Vendisc.exe \"old.vdscn\"\r\n";
// A starter large enough that copying it takes a while under Wine, so that
// many kills land inside the copy; the old one of another size and filling.
const std::string kNewStarter(24 << 20, 'N');
const std::string kOldStarter(5 << 20, 'O');

constexpr const char* kUnresetValues[] = {ws::kQueriedFileOverwrite, ws::kDoNotWarnOverwrites,
                                          ws::kLastINFFile,          ws::kSourceFolder,
                                          ws::kAppShowWelcomeDialog, "SourceFile"};

// Every value of the wizard's key, by name.
std::map<std::string, std::string> WizardValues() {
  std::map<std::string, std::string> values;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWizardKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return values;
  for (DWORD i = 0;; ++i) {
    char name[512];
    BYTE data[4096];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    values[name] =
        std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataSize);
  }
  ::RegCloseKey(key);
  return values;
}

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return names;
}

class WizardKill : public WizardDocumentScenario {
 protected:
  std::span<const char* const> UnresetValues() const override { return kUnresetValues; }

  void SetUp() override {
    WizardDocumentScenario::SetUp();
    installPath_ = WizardValue("InstallPath");
    ASSERT_TRUE(kit_.ok());
    ASSERT_TRUE(kit_.AddFile(kStarter, kNewStarter));
    ASSERT_TRUE(SetWizardValue("InstallPath", kit_.Path()));
    for (const auto& [name, value] :
         std::map<std::string, std::string>{{"SourceFile", cd_.PathOf(kDocument)},
                                            {"SourceFolder", Folder()},
                                            {"AppShowWelcomeDialog", "no"},
                                            {"QueriedFileOverwrite", "yes"},
                                            {"DoNotWarnOverwrites", "yes"},
                                            {"LastINFFile", cd_.PathOf("autorun.inf")}})
      ASSERT_TRUE(SetWizardValue(name, value));
  }

  void TearDown() override {
    SetWizardValue("InstallPath", installPath_);
    WizardDocumentScenario::TearDown();
  }

  void PutOldFiles() {
    ASSERT_TRUE(cd_.AddFile(kStarter, kOldStarter));
    ASSERT_TRUE(cd_.AddAutorun(kOldAutorun));
  }

  // Starts Discwright and presses "Recreate Config." as soon as it can be
  // pressed; the moment it was pressed.
  std::chrono::steady_clock::time_point StartCreating(std::optional<Process>& discwright) {
    discwright = StartDiscwright();
    EXPECT_TRUE(discwright);
    if (!discwright) return {};
    HWND main = WaitForMainWindow(*discwright);
    EXPECT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsControlEnabled(main, IDB_MAIN_RECREATE); }, 5s));
    EXPECT_TRUE(ClickButton(main, IDB_MAIN_RECREATE));
    return std::chrono::steady_clock::now();
  }

  CdFolder kit_{"kill-kit"};
  std::string installPath_;
};

TEST_F(WizardKill, AKillAtAnyMomentLeavesEveryFileOldOrNew) {
  // One creation to the end: what "new" is, and how long creating takes.
  PutOldFiles();
  std::optional<Process> discwright;
  const auto pressed = StartCreating(discwright);
  // autorun.inf is renamed into place last: once it changed, creating is over.
  const bool created = WaitUntil([&] { return cd_.ReadText("autorun.inf") != kOldAutorun; }, 30s);
  const auto creation = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - pressed);
  if (!created) {
    std::string shown;
    for (const std::string& title : VisibleWindowTitles(*discwright)) shown += "[" + title + "]";
    FAIL() << "not created; Discwright shows " << shown;
  }
  discwright->Kill();
  const std::string newAutorun = cd_.ReadText("autorun.inf");
  ASSERT_EQ(newAutorun, ExpectedAutorun());
  ASSERT_EQ(cd_.ReadText(kStarter), kNewStarter);
  const auto settings = WizardValues();

  std::random_device seeder;
  const unsigned seed = seeder();
  std::mt19937 random(seed);
  RecordProperty("seed", std::to_string(seed));
  std::uniform_int_distribution<long long> moment(0, creation.count() * 6 / 5);
  int before = 0, during = 0, after = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const auto at = std::chrono::microseconds(moment(random));
    SCOPED_TRACE("kill " + std::to_string(kill) + " at " + std::to_string(at.count()) +
                 " us, seed " + std::to_string(seed));
    PutOldFiles();
    std::optional<Process> victim;
    const auto start = StartCreating(victim);
    ASSERT_TRUE(victim);
    while (std::chrono::steady_clock::now() - start < at) {
    }
    victim->Kill();

    const std::string starter = cd_.ReadText(kStarter);
    const std::string autorun = cd_.ReadText("autorun.inf");
    const bool starterNew = starter == kNewStarter;
    const bool autorunNew = autorun == newAutorun;
    EXPECT_TRUE(starterNew || starter == kOldStarter)
        << "starter of " << starter.size() << " bytes";
    EXPECT_TRUE(autorunNew || autorun == kOldAutorun) << autorun;
    // The starter is copied before autorun.inf is written.
    EXPECT_FALSE(autorunNew && !starterNew);
    EXPECT_EQ(cd_.ReadText(kDocument), "the CD's document");
    for (const std::string& name : FilesIn(cd_.Path())) {
      EXPECT_TRUE(name == kDocument || name == kStarter || name == "autorun.inf" ||
                  name == std::string(kStarter) + ".tmp~" || name == "autorun.inf.tmp~")
          << name;
    }
    EXPECT_EQ(WizardValues(), settings);
    const bool started = starterNew || cd_.Exists(std::string(kStarter) + ".tmp~");
    (autorunNew ? after : started ? during : before)++;
  }
  std::cout << "kills before creation: " << before << ", during: " << during << ", after: " << after
            << " (creation took " << creation.count() << " us)\n";
  EXPECT_GT(during, 0) << "no kill landed inside the creation";

  // Whatever the kills left, the next creation finishes the job and leaves
  // no temporary file.
  PutOldFiles();
  StartCreating(discwright);
  ASSERT_TRUE(WaitUntil([&] { return cd_.ReadText("autorun.inf") == newAutorun; }, 30s));
  EXPECT_EQ(cd_.ReadText(kStarter), kNewStarter);
  EXPECT_EQ(FilesIn(cd_.Path()), (std::set<std::string>{kDocument, kStarter, "autorun.inf"}));
  discwright->Kill();
}

}  // namespace
}  // namespace e2e
