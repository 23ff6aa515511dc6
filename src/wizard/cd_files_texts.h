// What creating the CD files, the file checks, the test run and the
// files-to-copy report say to the author, each text in one place.
#pragma once

#include <string>

namespace cd_files_texts {

// Checking that a file exists.
inline std::string RequiredFileMissing(const std::string& label, const std::string& path) {
  return "The following file is required for '" + label + "', but could not be located:\n\n" +
         path + "\n\nEither select a new file, or copy the file into the required folder.";
}
inline constexpr const char* kContinueDetecting = "\n\nContinue detecting errors?";
// An image the CD cannot show, whatever its name says.
inline std::string NotAPicture(const std::string& label, const std::string& path) {
  return "The following file is chosen for '" + label +
         "', but is not a GIF, JPEG or BMP picture:\n\n" + path +
         "\n\nThe CD can show only these, whatever a file is called.  Either select another "
         "image, or save this one as GIF, JPEG or BMP.";
}

// A copy of the kit's starter left from before the starter was renamed:
// the folder goes to the CD whole.
inline std::string RemoveOldStarter(const std::string& path, const std::string& starterName) {
  return "Your CD folder still holds a copy of the starter program that this configuration no "
         "longer uses:\n\n" +
         path + "\n\nThe CD now starts '" + starterName +
         "'.  If the old copy stays in the folder, it will be copied to the CD with your "
         "files.\n\nRemove the old copy?";
}
inline std::string OldStarterKept(const std::string& path) {
  return "It was not possible to remove '" + path +
         "'.  Ensure it is not in use or read only, and remove it before you copy your files to "
         "the CD.";
}

// The labels of the required files.
inline constexpr const char* kAutorunFile = "Autorun File";
inline constexpr const char* kIconFile = "Icon File";
inline constexpr const char* kSplashImage = "Splash Screen Image";
inline constexpr const char* kWelcomeImage = "Welcome Screen Image";
inline constexpr const char* kSelectImage = "Select File Image";
inline constexpr const char* kFullScreenImage = "Full Screen Background Image";
inline constexpr const char* kBackgroundImages[2] = {"Background Image 1", "Background Image 2"};
inline constexpr const char* kLicenseAgreement = "License Agreement";
inline constexpr const char* kInstallers[3] = {"Installer 1", "Installer 2", "Installer 3"};

// Creating the files.
inline std::string OverwriteSummary(const std::string& configFile, const std::string& starter) {
  return "The system is about to create / overwrite the following files:\n\n\t" + configFile +
         "\n\t" + starter +
         "\n\nCan the software overwrite these files without further warnings?  If you answer "
         "'No', you will be asked to confirm the overwrite everytime.  You can change this "
         "setting in the 'Configure Additional Options' step.";
}

inline constexpr const char* kNoInstallPath =
    "No install path was located in the registry - cannot create the autoplay CD.  Please "
    "reinstall the software.";

inline std::string OverwriteQuestion(const std::string& path) {
  return "An existing Configuration file has been found.  This file is used by Windows to open "
         "your file(s) on your CD.\n\nFile is: " +
         path +
         "\n\nWould you like to overwrite the file?\n\nIf you are certain this is not a problem, "
         "you can disable this message\nby ticking the 'When creating Setup, do not warn about "
         "overwriting files' check box in 'Configure Additional Options'.";
}

inline constexpr const char* kInstallFolderWarning =
    "Warning: you are installing files in the software installation directory - files may be "
    "overwriten or changed without notice.  Please select your Autorun files from a different "
    "folder.";

// A starter name that climbs out of the CD folder ("..\\Start.exe", from a
// hand-written OPEN line): nothing may be copied there.
inline std::string StarterOutsideFolder(const std::string& name) {
  return "The starter's name '" + name +
         "' leads out of the folder of your autorun files.  Please choose a file name for it "
         "in the 'Configure Additional Options' step.";
}

// "Error code: %d" of the system's last error.
inline constexpr const char* kErrorCodeFormat = "Error code: %d";

#define CD_FILES_CANNOT_CREATE                                                                \
  "To create the configuration, the software needs to create a few files in the same folder " \
  "as your autorun files.  The software has just tried to do this, but it was not possible "  \
  "to create a file.\n\n"

// Copying the starter failed: filled in with the source, the target and the error text.
inline constexpr const char* kCopyInUseFormat = CD_FILES_CANNOT_CREATE
    "This is either because the file is currently in use (perhaps because you are currently / "
    "have just tested the configuration), or because the file / folder is set as read only, or "
    "there is another type of permissions problem.\n\nEnsure that you have finished the "
    "autorun, closed all documents that were opened on the AutoRun, and that the file / folder "
    "specified below is not read only, then wait 10 seconds before retrying this step again.  "
    "If the problem continues to appear, click on the help link below.\n\nFailed to copy\n\n\t"
    "%s\n\nto\n\n\t%s\n\n%s";
inline constexpr const char* kCopyDiskFullFormat = CD_FILES_CANNOT_CREATE
    "This is because Windows is reporting that the drive you are writing the files to is full, "
    "and no more files can be added to it.\n\nIf this is the case, free up some space, and "
    "retry the operation.\n\nFailed to copy\n\n\t%s\n\nto\n\n\t%s\n\n%s";
inline constexpr const char* kCopyOtherFormat = CD_FILES_CANNOT_CREATE
    "The most likely cause of this is that you do not have write permissions to create the "
    "file.  For example, you might be trying to create the files on a network, or a CD, where "
    "you do not have sufficient access permissions to create files.\n\nTo resolve this, try "
    "copying the file(s) you want to autorun to a folder on your hard disk, point this "
    "configuration software at those files, and try again.  You can then use your CD writing "
    "software to put files on to a CD.\n\nFailed to copy\n\n\t%s\n\nto\n\n\t%s\n\n%s";
// Writing autorun.inf failed: filled in with its path and the error text.
inline constexpr const char* kCreateFailedFormat = CD_FILES_CANNOT_CREATE
    "The most likely cause of this is that you do not have write permissions to create the "
    "file.  For example, you might be trying to create the files on a network, or a CD, where "
    "you do not have sufficient access permissions to create files, or the file you are trying "
    "to create is set as Read Only.\n\nTo resolve this, ensure that the file specified below is "
    "not set as read only.  If it is not, try copying the file(s) you want to autorun to a "
    "folder on your hard disk, point this configuration software at those files, and try "
    "again.  You can then use your CD writing software to put files on to a CD.\n\nFailed to "
    "create\n\n\t%s\n\n%s";

#undef CD_FILES_CANNOT_CREATE

// The problem page.
inline constexpr const char* kProblemTitle = "Problems in creating configuration";

// The file name length warning.
inline constexpr const char* kLengthWarningTitle = "File name length warning";

// The test run.
inline std::string StarterMissing(const std::string& path) {
  return "ERROR: Failed to locate the file '" + path +
         "' - this is provided by QUAV, and is the software that autoplays the CD.  No file "
         "will be opened on Auto play of CD.";
}
inline constexpr const char* kResetAgreementQuestion =
    "Would you like to reset this machines License Agreement Show flag, as if the user was "
    "running this CD on this machine the first time?\n\nThis determines whether the License "
    "Agreement should be shown or not, and this message is only shown during testing.";
inline constexpr const char* kCachingQuestion =
    "The system will now perform a trial run of your CD Autorun from your configuration "
    "folders.\n\nImportant: if you repeat the test again, Window's may 'cache' your "
    "configuration files and use old copies of them.  It therefore may look as though the "
    "software is not working, when in fact it is.  The problem is with Windows - to fix this "
    "problem go to your configuration folder and hold the Control Key down and press F5 and "
    "repeat the test.\n\nDo you want to be warned about this again?";
// Filled in with the opener's code and message.
inline constexpr const char* kAutoplayFailedFormat =
    "Failed to Autoplay the CD, for the following reason:\n\nError Code: %d\nError Message: %s";

// The files-to-copy report.
inline constexpr const char* kNoOpenInReport =
    "No 'OPEN' section was located in the INF file - unable to play the file.";
inline constexpr const char* kSupportFilesNote = " (plus any support files required for this)";
inline constexpr const char* kInstallerFilesNote = " (plus any support installer files)";
inline constexpr const char* kTargetColumn = "Target CD Folder";
inline constexpr const char* kSourceColumn = "Source";

}  // namespace cd_files_texts
