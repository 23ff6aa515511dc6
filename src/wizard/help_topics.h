// The help topics Discwright opens: each is a page <topic>.html in the help
// folder that the installer records. Every help button, link and page of the
// wizard names its topic from here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace help_topics {

inline constexpr const char* kHome = "index_help_home";
inline constexpr const char* kNewToAutorun = "new_to_autorun";
inline constexpr const char* kCdNotOpen = "cd_not_open";
inline constexpr const char* kRisks = "risks";
inline constexpr const char* kHowFilesAreOpened = "how_files_are_opened";
inline constexpr const char* kOpenOnEveryMachine = "open_on_every_machine";
inline constexpr const char* kSupport = "support";
inline constexpr const char* kSelectFileToOpen = "select_file_to_open";
inline constexpr const char* kNoCopyToRoot = "no_copy_to_root";
inline constexpr const char* kCopyResourceFiles = "copy_resource_files";
inline constexpr const char* kMultipleSelectInitial = "multiple_select_initial";
inline constexpr const char* kMultipleHowAreOpened = "multiple_how_are_opened";
inline constexpr const char* kMultiFileFurtherFiles = "multi_file_further_files";
inline constexpr const char* kMultipleSelectFile = "multiple_select_file";
inline constexpr const char* kMultipleAddUrl = "multiple_add_url";
inline constexpr const char* kMultipleAddFolder = "multiple_add_folder";
inline constexpr const char* kMultiForceOpen = "multi_force_open";
inline constexpr const char* kConfAdditionalOptions = "conf_additional_options";
inline constexpr const char* kNoOptionSelected = "no_option_selected";
inline constexpr const char* kSplashScreen = "splash_screen";
inline constexpr const char* kWelcomeMessage = "welcome_message";
inline constexpr const char* kLicenseAgreement = "license_agreement";
inline constexpr const char* kOverlayBackground = "overlay_background";
inline constexpr const char* kAutorunInstallers = "autorun_installers";
inline constexpr const char* kForceOpenWith = "force_open_with";
inline constexpr const char* kErrorMessage = "error_message";
inline constexpr const char* kStarterName = "quav_autorun_exe";
inline constexpr const char* kCdIcon = "cd_icon";
inline constexpr const char* kBackgroundImagePosition = "background_img_pos";
inline constexpr const char* kInstallerSelect = "installer_select";
inline constexpr const char* kInstallerSpecify = "installer_specify";
inline constexpr const char* kInstallerCompleted = "installer_completed";
inline constexpr const char* kSelectImage = "select_image";
inline constexpr const char* kConfCreated = "conf_created";
inline constexpr const char* kTesting = "testing";
inline constexpr const char* kTestingHowTo = "testing_how_to";
inline constexpr const char* kRisksInstructions = "risks_instructions";
inline constexpr const char* kConfigBurnCd = "config_burn_cd";
inline constexpr const char* kCreatingCdFiles = "requ_create_cd";
inline constexpr const char* kFileNameLength = "file_name_length";

// Every topic above, each once.
std::span<const char* const> All();

// What opening a topic needs: the page's path, or the message shown instead.
inline constexpr const char* kNoPageYet = "Sorry, but this page has not been created yet.";
// The help folder and the topic, "%s\%s.html".
std::string PagePath(std::string_view helpFolder, std::string_view topic);
// The message when the shell could not open the page: the path and its code.
std::string PageNotFoundMessage(std::string_view path, int32_t shellResult);

}  // namespace help_topics
