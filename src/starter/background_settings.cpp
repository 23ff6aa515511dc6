#include "starter/background_settings.h"

#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"

namespace background {
namespace {

PictureSetting ReadPicture(const AutorunConfig& config, int n) {
  PictureSetting picture;
  const char* fileKey = keys::BackgroundFullScreenImageFile(n);
  if (config.ReadConfigValue(fileKey).empty()) return picture;
  picture.path = config.File(fileKey);
  picture.position = config.ReadConfigValue(keys::BackgroundFullScreenImageFileMode(n));
  picture.border = config.Number(keys::BackgroundFullScreenImageFileBorder(n), 0);
  return picture;
}

}  // namespace

uint32_t ColourFromValue(const std::string& value) {
  if (value.empty()) return kBlack;
  // A negative number keeps its bits, as the value was always taken.
  return static_cast<uint32_t>(text::ParseIntOr(value, static_cast<int32_t>(kWhite)));
}

std::string CloseButtonCaption(const std::string& configured) {
  return configured.empty() ? kDefaultCloseText : configured;
}

Settings ReadSettings(const AutorunConfig& config) {
  Settings settings;
  settings.colour = ColourFromValue(config.ReadConfigValue(keys::kBackgroundWindowColour));
  settings.pictures = {ReadPicture(config, 1), ReadPicture(config, 2)};
  if (config.Flag(keys::kBackgroundHaveCloseButton)) {
    settings.hasCloseButton = true;
    settings.closeButtonText = config.ReadConfigValue(keys::kBackgroundCloseButtonText);
  }
  return settings;
}

}  // namespace background
