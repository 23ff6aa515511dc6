#include "config/autorun_writer.h"

#include "common/file_system.h"
#include "common/text.h"

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
  void Raw(const char* line) {
    out_ += line;
    out_ += "\r\n";
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

void WriteLicence(LineWriter& w) {
  if (!w.Bool("LicenseAgreementEnabled", false)) return;
  w.Raw("LicenseAgreementEnabled=1");
  w.Line("QUAVLicenseFile", w.Str("LicenseAgreementFile"));
  w.Line("QUAVLicenseFileShowAlways", w.Str("LicenseAgreementFileShowEveryTime"));
}

void WriteInstallers(LineWriter& w) {
  if (!w.Bool("SpecifyFileOpenOptions", false)) return;
  bool prompt = false;
  std::string howToRun = w.Str("InstallerHowToRunNew");
  if (!howToRun.empty()) {
    w.Line("InstallerFileOpenOptions", howToRun);
    // The starter reads this keyword trimmed and without regard to case.
    prompt = text::EqualsNoCase(text::Trim(howToRun), "Prompt");
  } else {
    // Settings from an older wizard kept only a number: run always or on failure.
    w.Raw(w.Num("InstallerHowToRun", 1) != 0 ? "InstallerFileOpenOptions=Always"
                                             : "InstallerFileOpenOptions=NoViewer");
  }
  static const struct {
    const char* file;
    const char* query;
  } kInstallers[] = {{"InstallerFile", "InstallerUserQuery"},
                     {"InstallerFile2", "InstallerUserQuery2"},
                     {"InstallerFile3", "InstallerUserQuery3"}};
  for (const auto& installer : kInstallers) {
    std::string name = AutorunFileName(w.Str(installer.file));
    if (name.empty()) continue;
    w.Line(installer.file, name);
    if (prompt) w.Text(installer.query);
  }
}

// Returns true when the user picks files from a list ("OpenAllFiles=0").
bool WriteSeveralFiles(LineWriter& w) {
  if (w.Bool("SingleFile", true)) return false;
  w.Raw("SingleFile=0");
  bool openAll = w.Bool("OpenAllFiles", true);
  w.Raw(openAll ? "OpenAllFiles=1" : "OpenAllFiles=0");
  if (w.Bool("WaitForPrevious", true)) w.Raw("WaitForPrevious=1");
  if (w.Bool("MultiSelectAllowReselect", true)) w.Raw("MultiSelectAllowReselect=1");
  w.Text("MultiSelectTitle");
  w.Text("MultiSelectHelp");
  if (w.Bool("MultiSelectUseImage", false)) {
    w.Raw("MultiSelectUseImage=1");
    w.FileName("MultiSelectImage");
    w.Text("MultiSelectImageLocation");
  }
  int32_t count = w.Num("MultiSourceFileCount", 1);
  w.Line("MultiSourceFileCount", text::Format("%d", count));
  // A 64-bit counter, so that the largest count still ends; a negative count
  // writes no entries.
  for (int64_t n = 1; n <= count; ++n) {
    const int i = static_cast<int>(n);
    w.Text(text::Format("MultiSourceFile%d", i));
    w.Text(text::Format("MultiSourceFileName%d", i));
    w.Text(text::Format("MultiSourceForceOpen%d", i));
  }
  return !openAll;
}

void WriteSplash(LineWriter& w) {
  if (!w.Bool("ShowSplashScreen", false)) return;
  w.Raw("ShowSplashScreen=1");
  bool useImage = w.Bool("SplashScreenUseImage", false);
  w.Raw(useImage ? "SplashScreenUseImage=1" : "SplashScreenUseImage=0");
  w.Number("SplashScreenImageShowForSecs", 0);
  w.Text("SplashScreenWhenToShow");
  if (useImage) {
    w.FileName("SplashScreenImage");
    return;
  }
  w.Text("SplashScreenLine1");
  w.Text("SplashScreenLine2");
  w.Text("SplashScreenLine3");
  w.Text("SplashFontName");
  w.Number("SplashFontWeight", 0);
  w.Flag01("SplashFontItalic", false);
  w.Number("SplashFontHeight", 0);
}

void WriteErrors(LineWriter& w) {
  if (!w.Bool("UserDefinedErrors", false)) return;
  std::string url = w.Str("ErrorContactURL");
  std::string urlTitle = w.Str("ErrorContactURLTitle");
  std::string errorText = w.Str("ErrorText");
  if (url.empty() && urlTitle.empty() && errorText.empty()) return;
  w.Raw("UserDefinedErrors=1");
  w.Line("ErrorContactURL", url);
  w.Line("ErrorContactURLTitle", urlTitle);
  w.Line("ErrorText", errorText);
}

void WriteBackground(LineWriter& w, bool picksFiles) {
  if (!w.Bool("ShowBackgroundWindow", false)) return;
  w.Raw("ShowBackgroundWindow=1");
  w.Text("BackgroundWhenToShow");
  if (w.Bool("BackgroundWindowLeaveOpenUntilFileClosed", true)) {
    w.Raw("BackgroundWindowLeaveOpenUntilFileClosed=1");
    // Closing the background would end the wait of a file picked from the list.
    if (w.Bool("BackgroundHaveCloseButton", true) && !picksFiles) {
      w.Raw("BackgroundHaveCloseButton=1");
      w.Text("BackgroundCloseButtonText");
    }
  } else {
    w.Raw("BackgroundWindowLeaveOpenUntilFileClosed=0");
  }
  bool fullScreen = w.Bool("BackgroundFullScreenImage", true);
  w.Raw(fullScreen ? "BackgroundFullScreenImage=1" : "BackgroundFullScreenImage=0");
  if (fullScreen) {
    // No colour or border: the starter then uses black and no border.
    w.FileName("BackgroundFullScreenImageFile1", "BackgroundFullScreenImageFile");
    w.Line("BackgroundFullScreenImageFileMode1", w.Str("BackgroundFullScreenImageFileMode"));
    return;
  }
  w.Number("BackgroundWindowColour", 0);
  w.FileName("BackgroundFullScreenImageFile1");
  w.Text("BackgroundFullScreenImageFileMode1");
  w.Number("BackgroundFullScreenImageFileBorder1", 0);
  w.FileName("BackgroundFullScreenImageFile2");
  w.Text("BackgroundFullScreenImageFileMode2");
  w.Number("BackgroundFullScreenImageFileBorder2", 0);
}

void WriteWelcome(LineWriter& w) {
  std::string message = w.Str("WelcomeMessage");
  if (!w.Bool("WelcomeEnabled", !message.empty())) return;
  w.Raw("WelcomeEnabled=1");
  w.Text("WelcomeTitle");
  w.Text("WelcomeURL");
  bool useText = w.Bool("WelcomeUseText", true);
  if (w.Bool("WelcomeUseImage", true)) {
    w.Raw("WelcomeUseImage=1");
    w.FileName("WelcomeImage");
    if (useText) w.Text("WelcomeImageLocation");
  }
  if (useText) {
    w.Raw("WelcomeUseText=1");
    w.Line("WelcomeMessage", message);
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
  if (settings.ReadBool("AutoRunExeNameEnabled", false)) {
    name = settings.ReadString("AutoRunExeName");
  }
  return name.empty() ? std::string(kDefaultStarterName) : name;
}

std::string BuildAutorunText(const AutorunSettings& settings) {
  LineWriter w(settings);
  w.Raw("[autorun]");
  w.Line("OPEN",
         AutorunStarterName(settings) + " \"" + AutorunFileName(w.Str("SourceFile")) + "\"");
  WriteLicence(w);
  if (w.Bool("ForceExecuteOption", false))
    w.Line("QUAVForceExecuteWith", w.Str("ForceExecuteWith"));
  WriteInstallers(w);
  bool picksFiles = WriteSeveralFiles(w);
  WriteSplash(w);
  WriteErrors(w);
  WriteBackground(w, picksFiles);
  WriteWelcome(w);
  if (w.Bool("EnableIcon", false)) {
    std::string icon = w.Str("icon");
    if (!icon.empty()) w.Line("icon", AutorunFileName(icon));
  }
  if (w.Bool("RunOneAtATime", false)) w.Raw("RunOneAtATime=1");
  return w.Take();
}

bool WriteAutorunFile(FileSystem& fs, const std::string& path, const std::string& contents) {
  // Same folder as the target, so the rename never crosses volumes.
  const std::string temp = path + kAutorunTempSuffix;
  if (fs.WriteWholeFile(temp, contents) && fs.MoveReplacing(temp, path)) return true;
  fs.DeletePath(temp);
  return false;
}
