// The wizard's autorun.inf read back by the starter's own readings: for many
// drawn configurations, every feature the writer wrote must read as the
// settings say, and every feature it left out must read as off.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "draw.h"
#include "fake_autorun_settings.h"
#include "fake_file_system.h"
#include "starter/background_settings.h"
#include "starter/splash_settings.h"

namespace {

using namespace keys;
namespace ws = wizard_settings;

// What a profile file makes awkward: blanks at the ends, line breaks, quotes,
// '=', ';', a section head, and a line break that would inject a key.
// clang-format off
const char* const kPieces[] = {"Hello", "a b", " ", "\t", "\r", "\"", "'", "=", ";", "[autorun]",
                               "<br>", "<FILE_NAME>", "\xE9t\xE9", "\r\nRunOneAtATime=1",
                               "http://example.com/?a=b;c", "\r\n", "\n"};
const char* const kFolders[] = {"", "C:\\cd\\", "C:\\cd\\sub dir\\", "D:\\a.b\\"};
// Legal file names, one without an extension (written as empty), one quoted.
const char* const kNames[] = {"a.jpg", "my file.gif", "x=y;z.bmp", "README", " pad .jpg",
                              "[1].jpeg", "\xE9t\xE9.exe", "'quoted.png'"};
const char* const kTargets[] = {"docs\\a b.pdf", "folder\\", "http://example.com/x?a=b;c", "",
                                " mailto:me@example.com ", "\"C:\\Program Files\\v.exe\", b.exe"};
// clang-format on

// The drawn values of this test's settings.
class Drawn : public Draw {
 public:
  using Draw::Draw;
  std::string Text() { return Joined(kPieces, 6); }
  std::string Path() { return std::string(OneOf(kFolders)) + OneOf(kNames); }
  int32_t Number() {
    static const int32_t kEdges[] = {0, 1, -1, 400, 700, INT32_MAX, INT32_MIN};
    return Draw::Number(kEdges, 4);
  }
};

// Every setting the writer reads, each stored or (one time in four) left to its default.
FakeAutorunSettings Generate(uint32_t seed) {
  Drawn d(seed);
  FakeAutorunSettings s;
  auto stored = [&] { return d.Below(4) != 0; };
  // clang-format off
  for (const char* name : {ws::kAutoRunExeNameEnabled, kLicenseAgreementEnabled,
       ws::kForceExecuteOption, ws::kSpecifyFileOpenOptions, kSingleFile, kOpenAllFiles,
       kWaitForPrevious, kMultiSelectAllowReselect, kMultiSelectUseImage, kShowSplashScreen,
       kSplashScreenUseImage, kSplashFontItalic, kUserDefinedErrors, kShowBackgroundWindow,
       kBackgroundWindowLeaveOpenUntilFileClosed, kBackgroundHaveCloseButton,
       kBackgroundFullScreenImage, kWelcomeEnabled, kWelcomeUseImage, kWelcomeUseText,
       ws::kEnableIcon, kRunOneAtATime})
    if (stored()) s.Flag(name, d.Below(2));
  for (const char* name : {ws::kLicenseAgreementFile, ws::kLicenseAgreementFileShowEveryTime,
       ws::kForceExecuteWith, kMultiSelectTitle, kMultiSelectHelp, kMultiSelectImageLocation,
       SplashScreenLine(1), SplashScreenLine(2), SplashScreenLine(3), kSplashFontName,
       kErrorContactURL, kErrorContactURLTitle, kErrorText, kBackgroundWhenToShow,
       kBackgroundCloseButtonText, ws::kBackgroundFullScreenImageFileMode,
       BackgroundFullScreenImageFileMode(1), BackgroundFullScreenImageFileMode(2), kWelcomeTitle,
       kWelcomeURL, kWelcomeImageLocation, kWelcomeMessage, InstallerUserQuery(1),
       InstallerUserQuery(2), InstallerUserQuery(3)})
    if (stored()) s.Text(name, d.Text());
  for (const char* name : {ws::kSourceFile, ws::kAutoRunExeName, kMultiSelectImage,
       kSplashScreenImage, ws::kBackgroundFullScreenImageFile, BackgroundFullScreenImageFile(1),
       BackgroundFullScreenImageFile(2), kWelcomeImage, kIcon, InstallerFile(1), InstallerFile(2),
       InstallerFile(3)})
    if (stored()) s.Text(name, d.Path());
  for (const char* name : {ws::kInstallerHowToRun, kSplashScreenImageShowForSecs,
       kSplashFontWeight, kSplashFontHeight, kBackgroundWindowColour,
       BackgroundFullScreenImageFileBorder(1), BackgroundFullScreenImageFileBorder(2)})
    if (stored()) s.Number(name, d.Number());
  // clang-format on
  // Keywords come from lists, in the forms an older wizard or a hand may leave.
  const char* const howToRun[] = {"Always", "Prompt", "NoViewer", " prompt ", ""};
  if (stored()) s.Text(ws::kInstallerHowToRunNew, d.OneOf(howToRun));
  const char* const when[] = {"Startup", "FileLoad", "startup\t", ""};
  if (stored()) s.Text(kSplashScreenWhenToShow, d.OneOf(when));
  if (stored()) s.Number(kMultiSourceFileCount, static_cast<int32_t>(d.Below(8)) - 1);
  for (int n = 1; n <= 6; ++n) {
    s.Text(MultiSourceFile(n), d.Below(3) ? d.OneOf(kTargets) : d.Text());
    s.Text(MultiSourceFileName(n), d.Text());
    if (stored()) s.Text(MultiSourceForceOpen(n), d.OneOf(kTargets));
  }
  return s;
}

// What the round trip promises for a stored text: line breaks read as "<br>",
// blanks at the ends are trimmed, and one pair of quotes around the whole
// value is taken by the profile rules (there is no escaping).
std::string AsRead(const std::string& stored) {
  std::string v = text::ReplaceAll(text::ReplaceAll(stored, "\r\n", "<br>"), "\r", "<br>");
  v = text::Trim(text::ReplaceAll(v, "\n", "<br>"));
  if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) {
    v = text::Trim(v.substr(1, v.size() - 2));
  }
  return v;
}

void ExpectReadBack(const AutorunSettings& s, const AutorunConfig& c) {
  auto value = [&](const std::string& key) { return c.ReadConfigValue(key); };
  auto textOf = [&](const std::string& setting) { return AsRead(s.ReadString(setting)); };
  auto nameOf = [&](const std::string& setting) {
    return AsRead(AutorunFileName(s.ReadString(setting)));
  };
  auto on = [&](const char* setting, bool fallback) { return s.ReadBool(setting, fallback); };
  auto number = [&](const std::string& setting) { return s.ReadNumber(setting, 0); };
  // A key reads as its setting (by default the one of its own name) where written, else empty.
  auto text = [&](const std::string& key, bool written, const std::string& setting = "") {
    EXPECT_EQ(value(key), written ? textOf(setting.empty() ? key : setting) : "") << key;
  };
  auto name = [&](const std::string& key, bool written) {
    EXPECT_EQ(value(key), written ? nameOf(key) : "") << key;
  };
  auto flag = [&](const char* key, bool expected) { EXPECT_EQ(c.Flag(key), expected) << key; };

  // The quoted file name, blanks and all; with none, no file.
  const std::string source = AutorunFileName(s.ReadString(ws::kSourceFile));
  EXPECT_EQ(config::FileFromOpenValue(value(kOpen)), source);

  const bool licence = on(kLicenseAgreementEnabled, false);
  text(kQUAVLicenseFile, licence, ws::kLicenseAgreementFile);
  text(kQUAVLicenseFileShowAlways, licence, ws::kLicenseAgreementFileShowEveryTime);
  text(kQUAVForceExecuteWith, on(ws::kForceExecuteOption, false), ws::kForceExecuteWith);

  const bool installers = on(ws::kSpecifyFileOpenOptions, false);
  std::string mode = s.ReadString(ws::kInstallerHowToRunNew);
  if (mode.empty()) mode = s.ReadNumber(ws::kInstallerHowToRun, 1) ? "Always" : "NoViewer";
  EXPECT_EQ(value(kInstallerFileOpenOptions), installers ? AsRead(mode) : "");
  const bool prompt = c.Keyword(kInstallerFileOpenOptions, keywords::kPrompt);
  for (int n = 1; n <= kInstallerCount; ++n) {
    name(InstallerFile(n), installers);
    text(InstallerUserQuery(n), prompt && installers && !nameOf(InstallerFile(n)).empty());
  }

  const bool several = !on(kSingleFile, true);
  const bool openAll = several && on(kOpenAllFiles, true);
  const bool listImage = several && on(kMultiSelectUseImage, false);
  EXPECT_EQ(config::IsSeveralFiles(value(kSingleFile)), several);
  flag(kOpenAllFiles, openAll);
  flag(kWaitForPrevious, several && on(kWaitForPrevious, true));
  flag(kMultiSelectAllowReselect, several && on(kMultiSelectAllowReselect, true));
  text(kMultiSelectTitle, several);
  text(kMultiSelectHelp, several);
  flag(kMultiSelectUseImage, listImage);
  name(kMultiSelectImage, listImage);
  text(kMultiSelectImageLocation, listImage);
  const int32_t count = several ? s.ReadNumber(kMultiSourceFileCount, 1) : 0;
  EXPECT_EQ(c.Number(kMultiSourceFileCount, 0), count);
  for (int n = 1; n <= 7; ++n) {  // one past the most drawn reads absent
    for (const std::string& key :
         {MultiSourceFile(n), MultiSourceFileName(n), MultiSourceForceOpen(n)}) {
      EXPECT_EQ(c.HasKey(key), n <= count) << key;
      text(key, n <= count);
    }
  }

  const bool splash = on(kShowSplashScreen, false);
  flag(kShowSplashScreen, splash);
  if (splash) {
    EXPECT_EQ(c.Keyword(kSplashScreenWhenToShow, keywords::kStartup),
              text::EqualsNoCase(textOf(kSplashScreenWhenToShow), "Startup"));
    const splash::Settings read = splash::ReadSettings(c, "x.doc");
    EXPECT_EQ(read.showForSeconds, number(kSplashScreenImageShowForSecs));
    const bool image = on(kSplashScreenUseImage, false);
    const std::string picture = image ? nameOf(kSplashScreenImage) : "";
    EXPECT_EQ(read.untitled, !picture.empty());
    EXPECT_EQ(read.picturePath, image ? "E:\\" + picture : "");
    const std::string face = image ? "" : textOf(kSplashFontName);
    ASSERT_EQ(read.font.has_value(), !face.empty());
    if (read.font) {
      EXPECT_EQ(read.font->face, face.substr(0, splash::kFaceNameChars));
      EXPECT_EQ(read.font->weight, number(kSplashFontWeight));
      EXPECT_EQ(read.font->italic, on(kSplashFontItalic, false));
      EXPECT_EQ(read.font->points, number(kSplashFontHeight));
    }
    for (int n = 1; n <= kSplashLineCount; ++n) {
      EXPECT_EQ(read.lines[n - 1],
                image ? "" : text::ReplaceAll(textOf(SplashScreenLine(n)), "<FILE_NAME>", "x.doc"));
    }
  }

  const std::string errorTexts = s.ReadString(kErrorContactURL) +
                                 s.ReadString(kErrorContactURLTitle) + s.ReadString(kErrorText);
  const bool authorErrors = on(kUserDefinedErrors, false) && !errorTexts.empty();
  flag(kUserDefinedErrors, authorErrors);
  for (const char* key : {kErrorContactURL, kErrorContactURLTitle, kErrorText})
    text(key, authorErrors);

  const bool overlay = on(kShowBackgroundWindow, false);
  flag(kShowBackgroundWindow, overlay);
  if (overlay) {
    text(kBackgroundWhenToShow, true);
    const bool leaveOpen = on(kBackgroundWindowLeaveOpenUntilFileClosed, true);
    flag(kBackgroundWindowLeaveOpenUntilFileClosed, leaveOpen);
    const background::Settings read = background::ReadSettings(c);
    // Closing the overlay would end the wait of a file picked from the list.
    const bool button = leaveOpen && on(kBackgroundHaveCloseButton, true) && !(several && !openAll);
    EXPECT_EQ(read.hasCloseButton, button);
    EXPECT_EQ(read.closeButtonText, button ? textOf(kBackgroundCloseButtonText) : "");
    const bool full = on(kBackgroundFullScreenImage, true);
    EXPECT_EQ(read.colour, full ? 0u : static_cast<uint32_t>(number(kBackgroundWindowColour)));
    for (int n = 1; n <= kBackgroundPictureCount; ++n) {
      const std::string file = full ? (n == 1 ? nameOf(ws::kBackgroundFullScreenImageFile) : "")
                                    : nameOf(BackgroundFullScreenImageFile(n));
      const std::string position = full ? textOf(ws::kBackgroundFullScreenImageFileMode)
                                        : textOf(BackgroundFullScreenImageFileMode(n));
      const background::PictureSetting& picture = read.pictures[n - 1];
      EXPECT_EQ(picture.path, file.empty() ? "" : "E:\\" + file);
      EXPECT_EQ(picture.position, file.empty() ? "" : position);
      EXPECT_EQ(picture.border,
                file.empty() || full ? 0 : number(BackgroundFullScreenImageFileBorder(n)));
    }
  }

  const bool welcome = on(kWelcomeEnabled, !s.ReadString(kWelcomeMessage).empty());
  const bool useImage = welcome && on(kWelcomeUseImage, true);
  const bool useText = welcome && on(kWelcomeUseText, true);
  flag(kWelcomeEnabled, welcome);
  text(kWelcomeTitle, welcome);
  text(kWelcomeURL, welcome);
  flag(kWelcomeUseImage, useImage);
  name(kWelcomeImage, useImage);
  text(kWelcomeImageLocation, useImage && useText);
  flag(kWelcomeUseText, useText);
  text(kWelcomeMessage, useText);

  name(kIcon, on(ws::kEnableIcon, false) && !s.ReadString(kIcon).empty());
  flag(kRunOneAtATime, on(kRunOneAtATime, false));
  EXPECT_FALSE(c.HasKey(kQUAVAutorunTimeout));
}

TEST(AutorunRoundTrip, EveryDrawnConfigurationReadsBackAsItsSettingsSay) {
  for (uint32_t seed = 1; seed <= 500; ++seed) {
    SCOPED_TRACE(seed);
    const FakeAutorunSettings settings = Generate(seed);
    FakeFileSystem fs;  // current directory E:\ .
    fs.Put(kFileName, BuildAutorunText(settings));
    const AutorunConfig config(fs);
    ExpectReadBack(settings, config);
    if (::testing::Test::HasFailure()) FAIL() << BuildAutorunText(settings);
  }
}

}  // namespace
