// Every name of the [autorun] section, in one place for the writer and every
// reader: a key misspelt on one side would silently read as absent on the
// other. Plain C strings, so that the starter carries each text once and no
// object is built at start-up.
#pragma once

#include <string>

namespace keys {

// The section and the file that holds it, in the CD root.
inline constexpr const char* kSection = "autorun";
inline constexpr const char* kFileName = "autorun.inf";

// Standard AutoRun keys. The starter asks for OPEN in any case.
inline constexpr const char* kOpen = "OPEN";
inline constexpr const char* kIcon = "icon";

// The starter's own keys.
inline constexpr const char* kRunOneAtATime = "RunOneAtATime";
inline constexpr const char* kQUAVAutorunTimeout = "QUAVAutorunTimeout";
inline constexpr const char* kSingleFile = "SingleFile";
inline constexpr const char* kQUAVForceExecuteWith = "QUAVForceExecuteWith";

inline constexpr const char* kUserDefinedErrors = "UserDefinedErrors";
inline constexpr const char* kErrorText = "ErrorText";
inline constexpr const char* kErrorContactURL = "ErrorContactURL";
inline constexpr const char* kErrorContactURLTitle = "ErrorContactURLTitle";

inline constexpr const char* kOpenAllFiles = "OpenAllFiles";
inline constexpr const char* kWaitForPrevious = "WaitForPrevious";
inline constexpr const char* kMultiSourceFileCount = "MultiSourceFileCount";
inline constexpr const char* kMultiSelectAllowReselect = "MultiSelectAllowReselect";
inline constexpr const char* kMultiSelectTitle = "MultiSelectTitle";
inline constexpr const char* kMultiSelectHelp = "MultiSelectHelp";
inline constexpr const char* kMultiSelectUseImage = "MultiSelectUseImage";
inline constexpr const char* kMultiSelectImage = "MultiSelectImage";
inline constexpr const char* kMultiSelectImageLocation = "MultiSelectImageLocation";

inline constexpr const char* kShowSplashScreen = "ShowSplashScreen";
inline constexpr const char* kSplashScreenWhenToShow = "SplashScreenWhenToShow";
inline constexpr const char* kSplashScreenUseImage = "SplashScreenUseImage";
inline constexpr const char* kSplashScreenImage = "SplashScreenImage";
inline constexpr const char* kSplashScreenImageShowForSecs = "SplashScreenImageShowForSecs";
inline constexpr const char* kSplashFontName = "SplashFontName";
inline constexpr const char* kSplashFontWeight = "SplashFontWeight";
inline constexpr const char* kSplashFontItalic = "SplashFontItalic";
inline constexpr const char* kSplashFontHeight = "SplashFontHeight";

inline constexpr const char* kShowBackgroundWindow = "ShowBackgroundWindow";
inline constexpr const char* kBackgroundWhenToShow = "BackgroundWhenToShow";
inline constexpr const char* kBackgroundWindowColour = "BackgroundWindowColour";
inline constexpr const char* kBackgroundHaveCloseButton = "BackgroundHaveCloseButton";
inline constexpr const char* kBackgroundCloseButtonText = "BackgroundCloseButtonText";
inline constexpr const char* kBackgroundWindowLeaveOpenUntilFileClosed =
    "BackgroundWindowLeaveOpenUntilFileClosed";

inline constexpr const char* kWelcomeEnabled = "WelcomeEnabled";
inline constexpr const char* kWelcomeTitle = "WelcomeTitle";
inline constexpr const char* kWelcomeURL = "WelcomeURL";
inline constexpr const char* kWelcomeUseImage = "WelcomeUseImage";
inline constexpr const char* kWelcomeImage = "WelcomeImage";
inline constexpr const char* kWelcomeImageLocation = "WelcomeImageLocation";
inline constexpr const char* kWelcomeUseText = "WelcomeUseText";
inline constexpr const char* kWelcomeMessage = "WelcomeMessage";

inline constexpr const char* kQUAVLicenseFile = "QUAVLicenseFile";
inline constexpr const char* kQUAVLicenseFileShowAlways = "QUAVLicenseFileShowAlways";

inline constexpr const char* kInstallerFileOpenOptions = "InstallerFileOpenOptions";

// Keys of files from older wizards: the loader still reads them, nothing
// writes them any more.
inline constexpr const char* kInstallerFileAlwaysRun = "InstallerFileAlwaysRun";
inline constexpr const char* kMultiSelectHelpURL = "MultiSelectHelpURL";
inline constexpr const char* kIconFile = "iconfile";

// Written for the wizard's own loading; the starter decides without them.
inline constexpr const char* kLicenseAgreementEnabled = "LicenseAgreementEnabled";
inline constexpr const char* kBackgroundFullScreenImage = "BackgroundFullScreenImage";

// Numbered keys with a fixed count: n runs from 1 to the count.
inline constexpr int kInstallerCount = 3;
inline constexpr int kSplashLineCount = 3;
inline constexpr int kBackgroundPictureCount = 2;

inline constexpr const char* kInstallerFiles[kInstallerCount] = {"InstallerFile", "InstallerFile2",
                                                                 "InstallerFile3"};
inline constexpr const char* kInstallerUserQueries[kInstallerCount] = {
    "InstallerUserQuery", "InstallerUserQuery2", "InstallerUserQuery3"};
inline constexpr const char* kSplashScreenLines[kSplashLineCount] = {
    "SplashScreenLine1", "SplashScreenLine2", "SplashScreenLine3"};
inline constexpr const char* kBackgroundImageFiles[kBackgroundPictureCount] = {
    "BackgroundFullScreenImageFile1", "BackgroundFullScreenImageFile2"};
inline constexpr const char* kBackgroundImageFileModes[kBackgroundPictureCount] = {
    "BackgroundFullScreenImageFileMode1", "BackgroundFullScreenImageFileMode2"};
inline constexpr const char* kBackgroundImageFileBorders[kBackgroundPictureCount] = {
    "BackgroundFullScreenImageFileBorder1", "BackgroundFullScreenImageFileBorder2"};

// The first installer's keys carry no digit.
constexpr const char* InstallerFile(int n) { return kInstallerFiles[n - 1]; }
constexpr const char* InstallerUserQuery(int n) { return kInstallerUserQueries[n - 1]; }
constexpr const char* SplashScreenLine(int n) { return kSplashScreenLines[n - 1]; }
constexpr const char* BackgroundFullScreenImageFile(int n) { return kBackgroundImageFiles[n - 1]; }
constexpr const char* BackgroundFullScreenImageFileMode(int n) {
  return kBackgroundImageFileModes[n - 1];
}
constexpr const char* BackgroundFullScreenImageFileBorder(int n) {
  return kBackgroundImageFileBorders[n - 1];
}

// The n-th entry of a file list (n from 1, up to the file count).
std::string MultiSourceFile(int n);       // "MultiSourceFile%d"
std::string MultiSourceFileName(int n);   // "MultiSourceFileName%d"
std::string MultiSourceForceOpen(int n);  // "MultiSourceForceOpen%d"

}  // namespace keys

// Keywords of the keyword-valued keys that both sides compare or write.
namespace keywords {

inline constexpr const char* kStartup = "Startup";  // SplashScreenWhenToShow, BackgroundWhenToShow
inline constexpr const char* kFileLoad = "FileLoad";  // SplashScreenWhenToShow: for each file
inline constexpr const char* kBeforeWelcome = "BeforeWelcome";
inline constexpr const char* kAfterWelcome = "AfterWelcome";

inline constexpr const char* kAlways = "Always";  // InstallerFileOpenOptions
inline constexpr const char* kPrompt = "Prompt";
inline constexpr const char* kNoViewer = "NoViewer";

}  // namespace keywords

// The wizard's settings that are not keys of the section: the writer turns
// them into keys of other names or into parts of a value. Every other setting
// carries the name of the key it becomes.
namespace wizard_settings {

inline constexpr const char* kSourceFile = "SourceFile";
inline constexpr const char* kAutoRunExeName = "AutoRunExeName";
inline constexpr const char* kAutoRunExeNameEnabled = "AutoRunExeNameEnabled";
inline constexpr const char* kLicenseAgreementFile = "LicenseAgreementFile";
inline constexpr const char* kLicenseAgreementFileShowEveryTime =
    "LicenseAgreementFileShowEveryTime";
inline constexpr const char* kForceExecuteOption = "ForceExecuteOption";
inline constexpr const char* kForceExecuteWith = "ForceExecuteWith";
inline constexpr const char* kSpecifyFileOpenOptions = "SpecifyFileOpenOptions";
inline constexpr const char* kInstallerHowToRunNew = "InstallerHowToRunNew";
inline constexpr const char* kInstallerHowToRun = "InstallerHowToRun";  // an older wizard's number
inline constexpr const char* kBackgroundFullScreenImageFile = "BackgroundFullScreenImageFile";
inline constexpr const char* kBackgroundFullScreenImageFileMode =
    "BackgroundFullScreenImageFileMode";
inline constexpr const char* kEnableIcon = "EnableIcon";

}  // namespace wizard_settings
