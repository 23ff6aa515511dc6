#include "wizard/help_topics.h"

#include "common/text.h"

namespace help_topics {

std::span<const char* const> All() {
  static const char* const kTopics[] = {
      kHome,
      kNewToAutorun,
      kCdNotOpen,
      kRisks,
      kHowFilesAreOpened,
      kOpenOnEveryMachine,
      kSupport,
      kSelectFileToOpen,
      kNoCopyToRoot,
      kCopyResourceFiles,
      kMultipleSelectInitial,
      kMultipleHowAreOpened,
      kMultiFileFurtherFiles,
      kMultipleSelectFile,
      kMultipleAddUrl,
      kMultipleAddFolder,
      kMultiForceOpen,
      kConfAdditionalOptions,
      kNoOptionSelected,
      kSplashScreen,
      kWelcomeMessage,
      kLicenseAgreement,
      kOverlayBackground,
      kAutorunInstallers,
      kForceOpenWith,
      kErrorMessage,
      kStarterName,
      kCdIcon,
      kBackgroundImagePosition,
      kInstallerSelect,
      kInstallerSpecify,
      kInstallerCompleted,
      kSelectImage,
      kConfCreated,
      kTesting,
      kTestingHowTo,
      kRisksInstructions,
      kConfigBurnCd,
      kCreatingCdFiles,
      kFileNameLength,
  };
  return kTopics;
}

std::string PagePath(std::string_view helpFolder, std::string_view topic) {
  const std::string folder(helpFolder);
  const std::string name(topic);
  return text::Format("%s\\%s.html", folder.c_str(), name.c_str());
}

std::string PageNotFoundMessage(std::string_view path, int32_t shellResult) {
  const std::string page(path);
  return text::Format(
      "Sorry, but it was not possible to locate the help file.\n\nLooking for :%s\n\nError "
      "code: %d.",
      page.c_str(), shellResult);
}

}  // namespace help_topics
