// What the additional-options page and the behaviour option dialogs say,
// each text in one place.
#pragma once

#include <string>

namespace options_texts {

// Option frame titles.
inline constexpr const char* kLicenseTitle = "Configure a License Agreement";
inline constexpr const char* kErrorMessageTitle = "Configure Error Messages";
inline constexpr const char* kForceOpenTitle = "Force Windows to open file with application";
inline constexpr const char* kInstallersTitle = "Configure up to 3 installers";
inline constexpr const char* kStarterNameTitle = "Change the name of the Vendisc.exe file";
inline constexpr const char* kCdIconTitle = "Change the Icon on the CD";

// Viewer-installer wizard step titles.
inline constexpr const char* kInstallerSelectTitle = "Selecting an Installer";
inline constexpr const char* kInstallerSpecifyTitle = "Specifying an Installer";
inline constexpr const char* kInstallerCompletedTitle = "Completed";

// Options page.
inline constexpr const char* kUsedYes = "Yes";
inline constexpr const char* kUsedNo = "No";
inline constexpr const char* kNoOptionSummary = "Select an option for summary of features.";
inline constexpr const char* kSelectOptionFirst = "Please select an option to configure.";
inline constexpr const char* kRunOneAtATimeUpgraded =
    "The 'Run one at a time' option has been upgraded to a Welcome Message.  This allows you to "
    "define your own text or image, and lets the user cancel the opening of the CD.";
inline constexpr const char* kErrorsContinue =
    "One or more errors were found.\n\nWould you like to continue?";
inline constexpr const char* kTestConfiguration = "Test Configuration...";
inline constexpr const char* kTestingInProgress = "Testing in progress...";

// Licence agreement.
inline constexpr const char* kDefaultLicenseFile = "euagl_cd_license.txt";
inline constexpr const char* kLicenseBackupFile = "BackupLicenseAgreement.txt";
// The user's own folder for the kit, below the application data folder.
inline constexpr const char* kMakerFolder = "QUAV";
inline constexpr const char* kProductFolder = "ZoruZaz AZ";
inline constexpr const char* kShowYes = "Yes";
inline constexpr const char* kShowNo = "No";
inline constexpr const char* kLicenseNameMissing = "Please specfic a license agreement file name.";
inline constexpr const char* kLicenseNotTxt =
    "The license agreement needs to be a text only formatted file, with the file extension of "
    "'.txt'.\n\nWould you like the software to change the extension of the file (the file format "
    "will not be changed, however - you may need to change this)?";
inline std::string FileExistsOverwrite(const std::string& path) {
  return "File '" + path + "' already exists.  Are you sure you want to overwrite it?";
}
inline std::string FailedToOpenForWriting(const std::string& path) {
  return "Failed to open the file '" + path +
         "' for writing.  Ensure the directory / file is not read only.";
}
inline std::string FailedToCreate(const std::string& path) {
  return "Failed to create the file '" + path +
         "'.  Ensure the file does not already exist as read only, or that the directory is not "
         "read only.";
}
inline std::string FailedToSave(const std::string& path) {
  return "Failed to save the file '" + path +
         "'.  Ensure the directory / file is not read only and that there is sufficient space on "
         "the drive for the file.";
}

// Error messages.
inline constexpr const char* kUrlUpdated = "URL has been updated, as field cannot be empty.";
inline constexpr const char* kUrlTitleUpdated =
    "URL Title has been updated, as field cannot be empty.";
inline constexpr const char* kUrlPrefixQuestion =
    "The URL does not start with 'http://', 'https://' or 'mailto:'.  Without this, the URL may "
    "not work.\n\nAre you sure you want to continue?";

// Starter rename.
inline constexpr const char* kDefaultStarterName = "Vendisc.exe";
inline constexpr const char* kStarterNameSpace =
    "The file name should not contain any space characters.  To fix this problem, either remove "
    "or replace the space characters.";
inline std::string StarterNameNeedsExe(const std::string& proposal) {
  return "The file name needs to have a '.exe' at the end of it.\n\nReplace your name with '" +
         proposal + "'?";
}

// CD icon.
inline constexpr const char* kIconLabel = "Icon File";
inline std::string IconOverwrite(const std::string& destination, const std::string& source) {
  return "Do you want to overwrite\n\n" + destination + "\n\nwith\n\n" + source;
}
inline std::string IconCopyFailed(const std::string& source, const std::string& destination) {
  return "Failed to copy\n\n" + source + "\n\nto\n\n" + destination +
         "\n\nCheck that you have write access to the folder, that the destination file is not "
         "set to readonly, is not being used, and that there is sufficient space on the "
         "disk.\n\nTo try again, press 'Retry', to cancel the whole operation, press 'Cancel'.";
}

// Installers.
inline constexpr const char* kIgnoreInstaller = "<Ignore>";
inline constexpr const char* kDefaultInstallerPrompt =
    "Would you like to install the viewer before opening the file?";
inline constexpr const char* kModePrompt =
    "Always Prompt user to see if Viewer should be Installed";
inline constexpr const char* kModeNoViewer =
    "Only Run Installers if no Viewer is installed for opened file";
inline constexpr const char* kModeAlways = "Run Installers always before opening file(s)";
inline constexpr const char* kNoModeChosen =
    "Please select an option in the 'When to run this / these installers' drop down.";
inline std::string InstallerLabel(int slot) { return "Installer " + std::to_string(slot); }
inline std::string StarterAsInstaller(int slot) {
  return "You have selected the Autorun Program as installer " + std::to_string(slot) +
         " - this will cause problems.  Please select a different installer.";
}
inline std::string PromptRequired(int slot) {
  return "Please enter 'User prompt text' for installer " + std::to_string(slot) + ".";
}

// Viewer-installer wizard.
inline constexpr const char* kPowerPointAdvice =
    "Microsoft provide a free PowerPoint Viewer, for machines that do not have PowerPoint "
    "installed.";
inline constexpr const char* kPdfAdvice = "Adobe provide a free PDF Viewer, to view PDF documents.";
inline constexpr const char* kDownloadAdvice =
    "  To download the viewer, click on button below.  If you already have the installer on your "
    "machine, click Next.";
inline constexpr const char* kOtherAdvice =
    "If you have an installer for a viewer, click on the Next button below.  Click on Help button "
    "above for more information.";
inline constexpr const char* kViewersPage = "/viewers.html";
inline constexpr const char* kNoInstallerGiven =
    "No installer was specified - can not complete configuration.";
inline std::string InstallerCopyExists(const std::string& destination) {
  return "A copy of the file already exists in the target folder (" + destination +
         ").\n\nDo you want to overwrite?  Only answer Yes if you are certain.";
}
inline std::string InstallerCopyFailed(const std::string& source, const std::string& destination) {
  return "It was not possible to copy '" + source + "' to '" + destination +
         "'.  This is probably because you are out of disk space.  Free up some space, and retry "
         "the operating.";
}

}  // namespace options_texts
