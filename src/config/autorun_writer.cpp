#include "config/autorun_writer.h"

#include <algorithm>

#include "common/file_system.h"
#include "common/text.h"
#include "config/autorun_keys.h"

namespace {

// Values go on one line each; a stray line break would start a new key.
std::string OneLine(const std::string& value) {
  if (value.find_first_of("\r\n") == std::string::npos) return value;
  std::string out = text::ReplaceAll(value, "\r\n", "<br>");
  out = text::ReplaceAll(out, "\r", "<br>");
  return text::ReplaceAll(out, "\n", "<br>");
}

// Collects the lines of the section in order.
class LineWriter {
 public:
  explicit LineWriter(const AutorunSettings& settings) : settings_(settings) {}

  void Line(const std::string& key, const std::string& value) {
    out_ += key;
    out_ += '=';
    out_ += OneLine(value);
    out_ += "\r\n";
  }
  void Section(const char* name) {
    out_ += '[';
    out_ += name;
    out_ += "]\r\n";
  }

  // The text setting named like the key.
  void Text(const std::string& key) { Line(key, Str(key)); }
  // The file name of `setting` under `key`.
  void FileName(const std::string& key, const std::string& setting) {
    Line(key, AutorunFileName(Str(setting)));
  }
  void FileName(const std::string& key) { FileName(key, key); }
  // The flag setting named like the key, as 0 or 1.
  void Flag01(const std::string& key, bool fallback) { Line(key, Bool(key, fallback) ? "1" : "0"); }
  // The number setting named like the key, in decimal.
  void Number(const std::string& key, int32_t fallback) {
    Line(key, text::Format("%d", Num(key, fallback)));
  }

  std::string Str(const std::string& name) const { return settings_.ReadString(name); }
  bool Bool(const std::string& name, bool fallback) const {
    return settings_.ReadBool(name, fallback);
  }
  int32_t Num(const std::string& name, int32_t fallback) const {
    return settings_.ReadNumber(name, fallback);
  }

  std::string Take() { return std::move(out_); }

 private:
  const AutorunSettings& settings_;
  std::string out_;
};

namespace ws = wizard_settings;

void WriteLicence(LineWriter& w) {
  if (!w.Bool(keys::kLicenseAgreementEnabled, false)) return;
  w.Line(keys::kLicenseAgreementEnabled, "1");
  w.Line(keys::kQUAVLicenseFile, w.Str(ws::kLicenseAgreementFile));
  w.Line(keys::kQUAVLicenseFileShowAlways, w.Str(ws::kLicenseAgreementFileShowEveryTime));
}

void WriteInstallers(LineWriter& w) {
  if (!w.Bool(ws::kSpecifyFileOpenOptions, false)) return;
  bool prompt = false;
  std::string howToRun = w.Str(ws::kInstallerHowToRunNew);
  if (!howToRun.empty()) {
    w.Line(keys::kInstallerFileOpenOptions, howToRun);
    // The starter reads this keyword trimmed and without regard to case.
    prompt = text::EqualsNoCase(text::Trim(howToRun), keywords::kPrompt);
  } else {
    // Settings from an older wizard kept only a number: run always or on failure.
    w.Line(keys::kInstallerFileOpenOptions,
           w.Num(ws::kInstallerHowToRun, 1) != 0 ? keywords::kAlways : keywords::kNoViewer);
  }
  for (int n = 1; n <= keys::kInstallerCount; ++n) {
    std::string name = AutorunFileName(w.Str(keys::InstallerFile(n)));
    if (name.empty()) continue;
    w.Line(keys::InstallerFile(n), name);
    if (prompt) w.Text(keys::InstallerUserQuery(n));
  }
}

// Returns true when the user picks files from a list ("OpenAllFiles=0").
bool WriteSeveralFiles(LineWriter& w) {
  if (w.Bool(keys::kSingleFile, true)) return false;
  w.Line(keys::kSingleFile, "0");
  bool openAll = w.Bool(keys::kOpenAllFiles, true);
  w.Line(keys::kOpenAllFiles, openAll ? "1" : "0");
  if (w.Bool(keys::kWaitForPrevious, true)) w.Line(keys::kWaitForPrevious, "1");
  if (w.Bool(keys::kMultiSelectAllowReselect, true)) w.Line(keys::kMultiSelectAllowReselect, "1");
  w.Text(keys::kMultiSelectTitle);
  w.Text(keys::kMultiSelectHelp);
  if (w.Bool(keys::kMultiSelectUseImage, false)) {
    w.Line(keys::kMultiSelectUseImage, "1");
    w.FileName(keys::kMultiSelectImage);
    w.Text(keys::kMultiSelectImageLocation);
  }
  // The file says how many entries it holds; a negative count writes none.
  const int32_t count = std::min(w.Num(keys::kMultiSourceFileCount, 1), kMaxWrittenFileEntries);
  w.Line(keys::kMultiSourceFileCount, text::Format("%d", count));
  for (int i = 1; i <= count; ++i) {
    w.Text(keys::MultiSourceFile(i));
    w.Text(keys::MultiSourceFileName(i));
    w.Text(keys::MultiSourceForceOpen(i));
  }
  return !openAll;
}

void WriteSplash(LineWriter& w) {
  if (!w.Bool(keys::kShowSplashScreen, false)) return;
  w.Line(keys::kShowSplashScreen, "1");
  bool useImage = w.Bool(keys::kSplashScreenUseImage, false);
  w.Line(keys::kSplashScreenUseImage, useImage ? "1" : "0");
  w.Number(keys::kSplashScreenImageShowForSecs, 0);
  w.Text(keys::kSplashScreenWhenToShow);
  if (useImage) {
    w.FileName(keys::kSplashScreenImage);
    return;
  }
  for (int n = 1; n <= keys::kSplashLineCount; ++n) w.Text(keys::SplashScreenLine(n));
  w.Text(keys::kSplashFontName);
  w.Number(keys::kSplashFontWeight, 0);
  w.Flag01(keys::kSplashFontItalic, false);
  w.Number(keys::kSplashFontHeight, 0);
}

void WriteErrors(LineWriter& w) {
  if (!w.Bool(keys::kUserDefinedErrors, false)) return;
  std::string url = w.Str(keys::kErrorContactURL);
  std::string urlTitle = w.Str(keys::kErrorContactURLTitle);
  std::string errorText = w.Str(keys::kErrorText);
  if (url.empty() && urlTitle.empty() && errorText.empty()) return;
  w.Line(keys::kUserDefinedErrors, "1");
  w.Line(keys::kErrorContactURL, url);
  w.Line(keys::kErrorContactURLTitle, urlTitle);
  w.Line(keys::kErrorText, errorText);
}

void WriteBackground(LineWriter& w, bool picksFiles) {
  if (!w.Bool(keys::kShowBackgroundWindow, false)) return;
  w.Line(keys::kShowBackgroundWindow, "1");
  w.Text(keys::kBackgroundWhenToShow);
  bool leaveOpen = w.Bool(keys::kBackgroundWindowLeaveOpenUntilFileClosed, true);
  w.Line(keys::kBackgroundWindowLeaveOpenUntilFileClosed, leaveOpen ? "1" : "0");
  // Closing the background would end the wait of a file picked from the list.
  if (leaveOpen && w.Bool(keys::kBackgroundHaveCloseButton, true) && !picksFiles) {
    w.Line(keys::kBackgroundHaveCloseButton, "1");
    w.Text(keys::kBackgroundCloseButtonText);
  }
  bool fullScreen = w.Bool(keys::kBackgroundFullScreenImage, true);
  w.Line(keys::kBackgroundFullScreenImage, fullScreen ? "1" : "0");
  if (fullScreen) {
    // No colour or border: the starter then uses black and no border.
    w.FileName(keys::BackgroundFullScreenImageFile(1), ws::kBackgroundFullScreenImageFile);
    w.Line(keys::BackgroundFullScreenImageFileMode(1),
           w.Str(ws::kBackgroundFullScreenImageFileMode));
    return;
  }
  w.Number(keys::kBackgroundWindowColour, 0);
  for (int n = 1; n <= keys::kBackgroundPictureCount; ++n) {
    w.FileName(keys::BackgroundFullScreenImageFile(n));
    w.Text(keys::BackgroundFullScreenImageFileMode(n));
    w.Number(keys::BackgroundFullScreenImageFileBorder(n), 0);
  }
}

void WriteWelcome(LineWriter& w) {
  std::string message = w.Str(keys::kWelcomeMessage);
  if (!w.Bool(keys::kWelcomeEnabled, !message.empty())) return;
  w.Line(keys::kWelcomeEnabled, "1");
  w.Text(keys::kWelcomeTitle);
  w.Text(keys::kWelcomeURL);
  bool useText = w.Bool(keys::kWelcomeUseText, true);
  if (w.Bool(keys::kWelcomeUseImage, true)) {
    w.Line(keys::kWelcomeUseImage, "1");
    w.FileName(keys::kWelcomeImage);
    if (useText) w.Text(keys::kWelcomeImageLocation);
  }
  if (useText) {
    w.Line(keys::kWelcomeUseText, "1");
    w.Line(keys::kWelcomeMessage, message);
  }
}

}  // namespace

std::string AutorunFileName(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.find('.') == std::string::npos ? std::string() : name;
}

std::string AutorunStarterName(const AutorunSettings& settings) {
  std::string name;
  if (settings.ReadBool(ws::kAutoRunExeNameEnabled, false)) {
    name = settings.ReadString(ws::kAutoRunExeName);
  }
  return name.empty() ? std::string(kDefaultStarterName) : name;
}

std::string AutorunOpenValue(const AutorunSettings& settings) {
  return AutorunStarterName(settings) + " \"" +
         AutorunFileName(settings.ReadString(ws::kSourceFile)) + "\"";
}

std::string BuildAutorunText(const AutorunSettings& settings) {
  LineWriter w(settings);
  w.Section(keys::kSection);
  w.Line(keys::kOpen, AutorunOpenValue(settings));
  WriteLicence(w);
  if (w.Bool(ws::kForceExecuteOption, false))
    w.Line(keys::kQUAVForceExecuteWith, w.Str(ws::kForceExecuteWith));
  WriteInstallers(w);
  bool picksFiles = WriteSeveralFiles(w);
  WriteSplash(w);
  WriteErrors(w);
  WriteBackground(w, picksFiles);
  WriteWelcome(w);
  if (w.Bool(ws::kEnableIcon, false)) {
    std::string icon = w.Str(keys::kIcon);
    if (!icon.empty()) w.Line(keys::kIcon, AutorunFileName(icon));
  }
  if (w.Bool(keys::kRunOneAtATime, false)) w.Line(keys::kRunOneAtATime, "1");
  return w.Take();
}

bool WriteAutorunFile(FileSystem& fs, const std::string& path, const std::string& contents) {
  // Same folder as the target, so the rename never crosses volumes.
  const std::string temp = path + kAutorunTempSuffix;
  if (fs.WriteWholeFile(temp, contents) && fs.MoveReplacing(temp, path)) return true;
  fs.DeletePath(temp);
  return false;
}
