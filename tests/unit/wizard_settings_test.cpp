// The wizard's settings table: lookups, fallbacks that agree with the
// writer's, and what a new configuration writes and leaves.
#include "wizard/wizard_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/text.h"
#include "config/autorun_keys.h"
#include "fake_registry_backend.h"
#include "wizard/wizard_values.h"

namespace {

using namespace keys;
namespace ws = wizard_settings;

TEST(WizardSettingsTable, NamesAreUniqueAndFamiliesFindTheirOwnEntries) {
  std::set<std::string> seen;
  for (const SettingEntry& setting : AllSettings()) {
    EXPECT_TRUE(seen.insert(text::ToLower(setting.name)).second) << setting.name;
    if (!setting.numbered) {
      EXPECT_EQ(FindSetting(setting.name), &setting) << setting.name;
    }
  }
  // Each name and the entry it finds (null: unknown).
  // clang-format off
  const std::pair<const char*, const char*> rows[] = {
      {"MultiSourceFile1", "MultiSourceFile%d"}, {"multisourcefile120", "MultiSourceFile%d"},
      {"MultiSourceFileName3", "MultiSourceFileName%d"}, {"MultiSourceFile", nullptr},
      {"MultiSourceForceOpen2", "MultiSourceForceOpen%d"}, {"MultiSourceFile1x", nullptr},
      {"MultiSourceFileCount", "MultiSourceFileCount"}, {"MultiSourceFileName", nullptr},
      {"SINGLEFILE", "SingleFile"}, {"InstallerFile2", "InstallerFile2"}, {"NoSuchValue", nullptr}};
  // clang-format on
  for (const auto& [name, entry] : rows) {
    const SettingEntry* setting = FindSetting(name);
    if (entry == nullptr) {
      EXPECT_EQ(setting, nullptr) << name;
    } else {
      ASSERT_NE(setting, nullptr) << name;
      EXPECT_STREQ(setting->name, entry) << name;
    }
  }
}

// The one fallback that depends on another value; the others are checked
// against the writer below.
TEST(WizardSettingsTable, WelcomeIsOnByDefaultExactlyWithAMessage) {
  FakeRegistryBackend backend;
  WizardSettings s(backend);
  EXPECT_FALSE(s.Flag(kWelcomeEnabled));
  s.SetText(kWelcomeMessage, "Hello");
  EXPECT_TRUE(s.Flag(kWelcomeEnabled));
  s.SetFlag(kWelcomeEnabled, false);
  EXPECT_FALSE(s.Flag(kWelcomeEnabled));
  EXPECT_TRUE(s.Flag(ws::kAppShowWelcomeDialog));
  EXPECT_EQ(s.Number("NoSuchValue"), 0);
}

// For every flag and number, storing its table fallback must not change the
// file the writer makes: a fallback that differs from the writer's own would.
TEST(WizardSettingsTable, FallbacksAgreeWithTheWriter) {
  using Stored = std::vector<std::pair<const char*, const char*>>;  // "yes"/"no" or text
  // clang-format off
  const Stored allOn = {
      {kSingleFile, "no"}, {kMultiSelectUseImage, "yes"}, {kShowSplashScreen, "yes"},
      {kUserDefinedErrors, "yes"}, {kErrorText, "x"}, {kShowBackgroundWindow, "yes"},
      {kWelcomeEnabled, "yes"}, {kLicenseAgreementEnabled, "yes"}, {ws::kForceExecuteOption, "yes"},
      {ws::kSpecifyFileOpenOptions, "yes"}, {InstallerFile(1), "a.exe"}, {ws::kEnableIcon, "yes"},
      {kIcon, "i.ico"}, {kRunOneAtATime, "yes"}, {ws::kAutoRunExeNameEnabled, "yes"}};
  // clang-format on
  Stored imageAndColour = allOn;
  imageAndColour.insert(
      imageAndColour.end(),
      {{kSplashScreenUseImage, "yes"}, {kBackgroundFullScreenImage, "no"}, {kOpenAllFiles, "no"}});
  for (const Stored& base : {Stored{}, allOn, imageAndColour}) {
    for (const SettingEntry& setting : AllSettings()) {
      if (setting.kind == SettingKind::kText || setting.numbered || setting.onWhenSet) continue;
      if (std::any_of(base.begin(), base.end(),
                      [&](const auto& v) { return text::EqualsNoCase(v.first, setting.name); }))
        continue;
      FakeRegistryBackend plainBackend, storedBackend;
      WizardSettings plain(plainBackend), stored(storedBackend);
      for (const auto& [name, value] : base) {
        plain.SetText(name, value);
        stored.SetText(name, value);
      }
      if (setting.kind == SettingKind::kFlag)
        stored.SetFlag(setting.name, setting.fallback != 0);
      else
        stored.SetNumber(setting.name, setting.fallback);
      EXPECT_EQ(BuildAutorunText(plain), BuildAutorunText(stored))
          << setting.name << " with " << base.size() << " values stored";
    }
  }
}

TEST(ResetConfiguration, WritesEveryResetValueAndLeavesTheRest) {
  FakeRegistryBackend backend;
  WizardSettings s(backend);
  // Earlier values of everything the reset must leave alone.
  // clang-format off
  const std::pair<const char*, const char*> kept[] = {
      {ws::kDoNotWarnOverwrites, "yes"}, {ws::kInstallerHowToRunNew, "Prompt"},
      {ws::kLicenseAgreementFileShowEveryTime, "Yes"}, {"MultiSourceFile4", "old.doc"},
      {"MultiSourceFileName4", "Old"}, {ws::kInstallPath, "C:\\Kit\\"}};
  // clang-format on
  for (const auto& [name, value] : kept) s.SetText(name, value);
  s.SetNumber(ws::kInstallerHowToRun, 0);
  s.SetText(kSplashScreenImage, "C:\\cd\\s.jpg");
  s.SetFlag(kSingleFile, false);

  ASSERT_TRUE(ResetConfiguration(s));

  for (const auto& [name, value] : kept) EXPECT_EQ(s.Text(name), value) << name;
  EXPECT_EQ(s.Number(ws::kInstallerHowToRun), 0);
  const std::string path = kRegistryBasePath;
  const auto machine = RegistryRoot::kLocalMachine;
  for (const SettingEntry& setting : AllSettings()) {
    if (setting.numbered || !setting.resets) continue;
    ASSERT_TRUE(backend.WasWritten(machine, path, setting.name)) << setting.name;
    auto value = backend.GetValue(machine, path, setting.name);
    ASSERT_TRUE(value.has_value()) << setting.name;
    EXPECT_EQ(value->type,
              setting.kind == SettingKind::kNumber ? RegistryType::kDword : RegistryType::kString)
        << setting.name;
  }
  // On an empty registry the reset writes exactly the resetting entries.
  FakeRegistryBackend emptyBackend;
  WizardSettings fresh(emptyBackend);
  ASSERT_TRUE(ResetConfiguration(fresh));
  std::set<std::string> written, expected;
  for (const std::string& name : emptyBackend.ValueNames(machine, path)) written.insert(name);
  for (const SettingEntry& setting : AllSettings()) {
    if (setting.resets) expected.insert(setting.name);
  }
  EXPECT_EQ(written, expected);

  // The reset values that are not empty, off or 0, and a few that are.
  // clang-format off
  const std::pair<std::string, bool> flags[] = {
      {kSingleFile, true}, {kMultiSelectAllowReselect, true}, {kBackgroundHaveCloseButton, true},
      {kBackgroundWindowLeaveOpenUntilFileClosed, true}, {kOpenAllFiles, false},
      {kBackgroundFullScreenImage, false}};
  // clang-format on
  for (const auto& [name, on] : flags) EXPECT_EQ(s.Flag(name), on) << name;
  // clang-format off
  const std::pair<std::string, int32_t> numbers[] = {
      {kMultiSourceFileCount, 0}, {BackgroundFullScreenImageFileBorder(1), 40},
      {BackgroundFullScreenImageFileBorder(2), 40}, {kBackgroundWindowColour, 16777215}};
  // clang-format on
  for (const auto& [name, value] : numbers) EXPECT_EQ(s.Number(name), value) << name;
  EXPECT_EQ(s.Text(kSplashScreenImage), "");
  EXPECT_EQ(s.Text(kWelcomeEnabled), "no");
}

}  // namespace
