#include "starter/splash_settings.h"

#include "common/text.h"
#include "config/autorun_config.h"

namespace splash {

Lines ReadLines(const AutorunConfig& config, const std::string& fileName) {
  Lines lines;
  const char* keys[] = {"SplashScreenLine1", "SplashScreenLine2", "SplashScreenLine3"};
  for (size_t i = 0; i < lines.size(); ++i) {
    lines[i] = text::ReplaceAll(config.ReadConfigValue(keys[i]), kFileNameToken, fileName);
  }
  return lines;
}

Lines LinesToShow(Lines lines) {
  if (lines[0].empty() && lines[1].empty() && lines[2].empty()) lines[0] = kNoLinesText;
  return lines;
}

Settings ReadSettings(const AutorunConfig& config, const std::string& fileName) {
  Settings settings;
  settings.untitled = !config.ReadConfigValue("SplashScreenImage").empty();
  settings.showForSeconds = config.Number("SplashScreenImageShowForSecs", 0);
  if (config.Flag("SplashScreenUseImage")) {
    // An empty value still names the folder: that "picture" fails to load and is reported.
    settings.picturePath = config.File("SplashScreenImage");
    return settings;
  }
  const std::string face = config.ReadConfigValue("SplashFontName");
  if (!face.empty()) {
    Font font;
    font.face = face.substr(0, kFaceNameChars);
    font.weight = config.Number("SplashFontWeight", 0);
    font.italic = config.Number("SplashFontItalic", 0) != 0;
    font.points = config.Number("SplashFontHeight", 0);
    settings.font = font;
  }
  settings.lines = ReadLines(config, fileName);
  return settings;
}

}  // namespace splash
