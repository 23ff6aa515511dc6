// Settings written to autorun.inf and loaded back. For many drawn configurations: store, write
// the file, store another configuration over it, start a new one, load the file, write it again.
// Every key of either file must read the same from both (trimmed, by the profile rules) so the
// starter plays the CD alike: texts as the file reads them (line breaks as "<br>", blanks at the
// ends trimmed, one pair of enclosing quotes taken, and again from a value still wholly quoted);
// OPEN's starter name may change case (the default name is kept in any case). Image files come
// back as full paths in the folder of autorun.inf, the icon bare, the file to open as a full path
// there; LastINFFile, SourceFolder and MultiSourceFolder name that folder. By the loading rules a
// half-made configuration loses the installer keyword (no installer named), the agreement keys
// (no agreement file) and UserDefinedErrors (all three error texts empty).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "draw.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "wizard/configuration_loader.h"
#include "wizard/open_value.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {

using namespace keys;
namespace ws = wizard_settings;

// clang-format off
const char* const kPieces[] = {"Hello", "a b", " ", "\t", "\r", "\"", "'", "=", ";", "[autorun]",
                               "<br>", "<FILE_NAME>", "\xE9t\xE9", "\r\nRunOneAtATime=1",
                               "http://example.com/?a=b;c", "\r\n", "\n", "0", "1"};
const char* const kFolders[] = {"", "C:\\src\\", "C:\\src\\sub dir\\", "D:\\a.b\\"};
// File names as Windows keeps them (no blanks at the ends); one without the
// extension the writer leaves out.
const char* const kNames[] = {"a.jpg", "my file.gif", "x=y;z.bmp", "README", "[1].jpeg",
                              "\xE9t\xE9.exe", "'quoted.png'", "v1.2 setup.exe"};
const char* const kStarters[] = {"Vendisc.exe", "vendisc.EXE", "Start.exe", "My-CD.exe", ""};
const char* const kInfFolders[] = {"E:\\", "C:\\My CD\\", "\\\\server\\share\\cd\\"};
// clang-format on

// Settings holding a file that the writer writes by its file name.
const std::set<std::string> kFileSettings = {ws::kSourceFile,
                                             kMultiSelectImage,
                                             kSplashScreenImage,
                                             ws::kBackgroundFullScreenImageFile,
                                             BackgroundFullScreenImageFile(1),
                                             BackgroundFullScreenImageFile(2),
                                             kWelcomeImage,
                                             kIcon,
                                             InstallerFile(1),
                                             InstallerFile(2),
                                             InstallerFile(3),
                                             ws::kLicenseAgreementFile};

// The drawn values of this test's settings.
class Drawn : public Draw {
 public:
  using Draw::Draw;
  std::string Text() { return Joined(kPieces, 5); }
  std::string Path() { return std::string(OneOf(kFolders)) + OneOf(kNames); }
  int32_t Number() {
    static const int32_t kEdges[] = {0, 1, -1, 40, 700, INT32_MAX, INT32_MIN};
    return Draw::Number(kEdges, 3);
  }
};

// Stores a drawn value for every setting of the configuration (one in four
// left as it is), drawn by its kind from the table.
void StoreDrawn(WizardSettings& s, uint32_t seed) {
  Drawn d(seed);
  const std::set<std::string> notDrawn = {ws::kLastINFFile, ws::kSourceFolder,
                                          ws::kMultiSourceFolder, ws::kAutoRunExeName,
                                          kMultiSourceFileCount};
  for (const SettingEntry& setting : AllSettings()) {
    // Only the configuration: the wizard's own values are never reset.
    if (text::EqualsNoCase(setting.name, ws::kDoNotWarnOverwrites)) break;
    if (setting.numbered || notDrawn.count(setting.name) || d.Below(4) == 0) continue;
    if (setting.kind == SettingKind::kFlag) s.SetFlag(setting.name, d.Below(2) != 0);
    if (setting.kind == SettingKind::kNumber) s.SetNumber(setting.name, d.Number());
    if (setting.kind == SettingKind::kText)
      s.SetText(setting.name, kFileSettings.count(setting.name) ? d.Path() : d.Text());
  }
  // Keywords as the pages or an older wizard leave them.
  const char* const howToRun[] = {"Always", "Prompt", "NoViewer", " prompt ", ""};
  const char* const when[] = {"Startup", "FileLoad", "startup\t", ""};
  s.SetText(ws::kInstallerHowToRunNew, d.OneOf(howToRun));
  s.SetText(kSplashScreenWhenToShow, d.OneOf(when));
  s.SetText(ws::kAutoRunExeName, d.OneOf(kStarters));
  s.SetNumber(kMultiSourceFileCount, static_cast<int32_t>(d.Below(8)) - 1);
  for (int n = 1; n <= 7; ++n) {
    s.SetText(MultiSourceFile(n), d.Below(2) ? d.Path() : d.Text());
    s.SetText(MultiSourceFileName(n), d.Text());
    s.SetText(MultiSourceForceOpen(n), d.Below(2) ? d.Path() : "");
  }
}

std::string Read(const std::string& file, const std::string& key) {
  return text::Trim(config::ReadProfileString(file, kSection, key));
}

// A reading written as a value and read again: a reading that is itself
// wholly in quotes loses them once more, as there is no escaping.
std::string ReadAgain(const std::string& reading) {
  return Read("[autorun]\r\nk=" + reading + "\r\n", "k");
}

// The keys of both files.
std::set<std::string> KeysOf(const std::string& a, const std::string& b) {
  std::set<std::string> names;
  for (const std::string& line : text::Split(a + "\n" + b, '\n')) {
    size_t equals = line.find('=');
    if (equals != std::string::npos) names.insert(line.substr(0, equals));
  }
  return names;
}

// The keys a half-made configuration loses on the way (see the top).
bool LostByTheLoadingRules(const std::string& key, const std::string& written) {
  const std::string installers = Read(written, InstallerFile(1)) + Read(written, InstallerFile(2)) +
                                 Read(written, InstallerFile(3));
  if (key == kInstallerFileOpenOptions && installers.empty()) return true;
  if ((key == kLicenseAgreementEnabled || key == kQUAVLicenseFileShowAlways) &&
      Read(written, kQUAVLicenseFile).empty()) {
    return true;
  }
  return key == kUserDefinedErrors &&
         (Read(written, kErrorContactURL) + Read(written, kErrorContactURLTitle) +
          Read(written, kErrorText))
             .empty();
}

TEST(WizardRoundTrip, EveryWrittenKeyLoadsBack) {
  int lost = 0;
  for (uint32_t seed = 1; seed <= 250; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    FakeRegistryBackend backend;
    WizardSettings s(backend);
    StoreDrawn(s, seed);
    const std::string written = BuildAutorunText(s);
    const std::string folder = kInfFolders[seed % 3], path = folder + "autorun.inf";
    FakeFileSystem fs;
    ASSERT_TRUE(WriteAutorunFile(fs, path, written));

    StoreDrawn(s, seed + 100000);  // what the author edited since
    ASSERT_TRUE(ResetConfiguration(s));
    FakeWizardQuestions questions;
    ASSERT_TRUE(LoadConfiguration(path, fs, s, questions));
    EXPECT_TRUE(questions.asked.empty());
    const std::string again = BuildAutorunText(s);

    for (const std::string& key : KeysOf(written, again)) {
      if (LostByTheLoadingRules(key, written)) {
        ++lost;
        continue;
      }
      if (key == kOpen) {
        EXPECT_TRUE(text::EqualsNoCase(Read(written, key), Read(again, key)))
            << Read(written, key) << " / " << Read(again, key);
      } else {
        std::string expected = ReadAgain(Read(written, key));
        // A negative count loads as no entries.
        if (key == kMultiSourceFileCount && text::ParseIntOr(expected, 0) < 0) expected = "0";
        EXPECT_EQ(expected, Read(again, key)) << key;
      }
    }

    EXPECT_EQ(s.Text(ws::kLastINFFile), path);
    EXPECT_EQ(s.Text(ws::kSourceFolder), folder);
    EXPECT_EQ(s.Text(ws::kMultiSourceFolder), folder);
    const std::string fileToOpen = SplitOpenValue(Read(written, kOpen)).fileToOpen;
    EXPECT_EQ(s.Text(ws::kSourceFile), fileToOpen.empty() ? "" : folder + fileToOpen);
    // Pictures come back in the folder of autorun.inf; the icon stays bare.
    const bool fullScreen = Read(written, kBackgroundFullScreenImage) == "1";
    const std::pair<std::string, std::string> pictures[] = {
        {kMultiSelectImage, kMultiSelectImage},
        {kSplashScreenImage, kSplashScreenImage},
        {kWelcomeImage, kWelcomeImage},
        {BackgroundFullScreenImageFile(1),
         fullScreen ? ws::kBackgroundFullScreenImageFile : BackgroundFullScreenImageFile(1)},
        {BackgroundFullScreenImageFile(2), BackgroundFullScreenImageFile(2)}};
    for (const auto& [key, setting] : pictures) {
      const std::string name = Read(written, key);
      if (!name.empty()) {
        EXPECT_EQ(s.Text(setting), folder + name) << key;
      }
    }
    if (!Read(written, kIcon).empty()) {
      EXPECT_EQ(s.Text(kIcon), Read(written, kIcon));
    }
  }
  // The draw reaches the half-made configurations too, but not mostly.
  std::printf("keys lost by the loading rules: %d\n", lost);
  EXPECT_GT(lost, 0);
  EXPECT_LT(lost, 250);
}

}  // namespace
