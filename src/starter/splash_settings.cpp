#include "starter/splash_settings.h"

#include <algorithm>

#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"

namespace splash {

Lines ReadLines(const AutorunConfig& config, const std::string& fileName) {
  Lines lines;
  static_assert(std::tuple_size_v<Lines> == keys::kSplashLineCount);
  for (size_t i = 0; i < lines.size(); ++i) {
    lines[i] = text::ReplaceAll(config.ReadConfigValue(keys::kSplashScreenLines[i]), kFileNameToken,
                                fileName);
  }
  return lines;
}

uint32_t HideTimerPeriodMs(int32_t seconds) {
  if (seconds <= 0) return 0;
  return static_cast<uint32_t>(std::min<int64_t>(int64_t{seconds} * 1000, kMaxTimerPeriodMs));
}

Lines LinesToShow(Lines lines) {
  if (lines[0].empty() && lines[1].empty() && lines[2].empty()) lines[0] = kNoLinesText;
  return lines;
}

Settings ReadSettings(const AutorunConfig& config, const std::string& fileName) {
  Settings settings;
  settings.untitled = !config.ReadConfigValue(keys::kSplashScreenImage).empty();
  settings.showForSeconds = config.Number(keys::kSplashScreenImageShowForSecs, 0);
  if (config.Flag(keys::kSplashScreenUseImage)) {
    // An empty value still names the folder: that "picture" fails to load and is reported.
    settings.picturePath = config.File(keys::kSplashScreenImage);
    return settings;
  }
  const std::string face = config.ReadConfigValue(keys::kSplashFontName);
  if (!face.empty()) {
    Font font;
    font.face = face.substr(0, kFaceNameChars);
    font.weight = config.Number(keys::kSplashFontWeight, 0);
    font.italic = config.Number(keys::kSplashFontItalic, 0) != 0;
    font.points = config.Number(keys::kSplashFontHeight, 0);
    settings.font = font;
  }
  settings.lines = ReadLines(config, fileName);
  return settings;
}

}  // namespace splash
