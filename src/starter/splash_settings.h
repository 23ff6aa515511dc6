// What the splash window shows, read from autorun.inf: which template, how
// long it stays, its three lines or its picture, and the author's font.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class AutorunConfig;

namespace splash {

// A face name longer than this is cut: the font description holds 32
// characters with the terminator.
inline constexpr size_t kFaceNameChars = 31;

inline constexpr const char* kFileNameToken = "<FILE_NAME>";
inline constexpr const char* kLoadFailedPrefix =
    "Sorry, it was not possible to load the following image:\n\n";
inline constexpr const char* kLoadFailedLine2 = "Please wait whilst the operation completes ...";
inline constexpr const char* kDisplayFailedMessage =
    "Sorry, it was not possible to display the splash screen.";
inline constexpr const char* kNoLinesText = "Please wait whilst the file loads.";

// The longest period a window timer takes (USER_TIMER_MAXIMUM, about 24.8
// days); a longer one is not honoured as asked.
inline constexpr uint32_t kMaxTimerPeriodMs = 0x7FFFFFFF;

using Lines = std::array<std::string, 3>;

// The author's font for the lines; each empty key leaves its field 0.
struct Font {
  std::string face;  // at most kFaceNameChars characters
  int32_t weight = 0;
  bool italic = false;
  int32_t points = 0;
};

struct Settings {
  bool untitled = false;       // SplashScreenImage is set: the template without a title bar
  int32_t showForSeconds = 0;  // above 0: hides itself after this long
  std::string picturePath;     // non-empty: picture mode
  Lines lines;                 // text mode only
  std::optional<Font> font;    // text mode with a face name only
};

// The hide timer's period for a display time of `seconds`, clamped to
// kMaxTimerPeriodMs before it can wrap in 32 bits; 0 (for 0 or fewer
// seconds) means no timer.
uint32_t HideTimerPeriodMs(int32_t seconds);

// Settings for a splash about `fileName` (empty at start-up).
Settings ReadSettings(const AutorunConfig& config, const std::string& fileName);
// The three lines with every "<FILE_NAME>" replaced by `fileName`.
Lines ReadLines(const AutorunConfig& config, const std::string& fileName);
// The lines a text window shows: a placeholder when all three are empty.
Lines LinesToShow(Lines lines);

}  // namespace splash
