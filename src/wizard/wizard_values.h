// The wizard's own registry values: those that are neither keys of the
// [autorun] section nor settings the writer turns into keys (both of those
// are named in config/autorun_keys.h). Each name is spelt here once.
#pragma once

namespace wizard_settings {

// Where the configuration being edited lives on disk.
inline constexpr const char* kLastINFFile = "LastINFFile";
inline constexpr const char* kSourceFolder = "SourceFolder";
inline constexpr const char* kMultiSourceFolder = "MultiSourceFolder";

// The several-files opening mode was saved (or loaded) at least once; until
// then leaving the list presets it.
inline constexpr const char* kMultiSelectSetup = "MultiSelectSetup";

// Set together with SpecifyFileOpenOptions by the installer steps.
inline constexpr const char* kInstallerViewerOption = "InstallerViewerOption";

// Set once the splash screen has been saved switched on: until then its
// dialog proposes lines of its own. A new configuration clears it.
inline constexpr const char* kSetSplashScreenTest = "SetSplashScreenTest";

// Kept beside the configuration; never reset or loaded.
inline constexpr const char* kDoNotWarnOverwrites = "DoNotWarnOverwrites";
inline constexpr const char* kQueriedFileOverwrite = "QueriedFileOverwrite";
inline constexpr const char* kTestedConfig = "TestedConfig";
inline constexpr const char* kWarnedAboutCaching = "WarnedAboutCaching";
inline constexpr const char* kFileNameTooLongShowWarning = "FileNameTooLongShowWarning";
inline constexpr const char* kAppShowWelcomeDialog = "AppShowWelcomeDialog";
inline constexpr const char* kRegTest = "RegTest";
inline constexpr const char* kHelpFolder = "HelpFolder";
inline constexpr const char* kInstallPath = "InstallPath";

// The image chooser's last filter and its preview box (the name is spelt so).
inline constexpr const char* kLastImageFilter = "LastImageFilter";
inline constexpr const char* kPeviewImages = "PeviewImages";

// The CD image: the folder the last one was saved in, and the volume label
// last given with the CD folder it was given for.
inline constexpr const char* kLastImageFolder = "LastImageFolder";
inline constexpr const char* kImageVolumeLabel = "ImageVolumeLabel";
inline constexpr const char* kImageLabelFolder = "ImageVolumeLabelFolder";

// The file-to-open page's advice switches (the first name is spelt as it
// always has been stored).
inline constexpr const char* kHelpFileTyleDlgShow = "HelpFileTyleDlgShow";
inline constexpr const char* kHelpRootDriveShow = "HelpRootDriveShow";

}  // namespace wizard_settings
