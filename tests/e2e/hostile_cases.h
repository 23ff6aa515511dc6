// Hostile CDs: autorun.inf files, pictures, licence texts and registry states
// that a careless or malicious author (or a damaged disc) could hand the
// starter. Plain C++: the cases are data; the Wine test plays them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace e2e::hostile {

// A file of the CD, made when the case is played (some are tens of
// megabytes, so none is held in memory longer than it takes to write it).
struct CdFile {
  std::string name;  // relative to the CD folder
  std::function<std::string()> make;
};

// What IsRunning holds under HKLM before the starter runs.
enum class IsRunningState { kAbsent, kBinary, kLongText };

struct HostileCase {
  std::string name;  // a test name: letters, digits and "_"
  std::function<std::string()> autorun;
  std::vector<CdFile> files;
  // Appended to the starter's command line.
  std::string arguments;
  // Dialogs are answered "yes" (open, accept) or "no" (cancel, refuse).
  bool accept = true;
  IsRunningState isRunning = IsRunningState::kAbsent;
  // When set, the title of a window the user must have met (e.g. the error dialog).
  std::string mustShow;
  // A text box of megabytes: Wine takes long to lay it out.
  bool slowUnderWine = false;
};

// Every case; at least 50.
std::vector<HostileCase> HostileCases();

// ---- Building blocks, also used by the cases ----

// `count` bytes from a fixed-seed generator: the same garbage on every run.
std::string Garbage(size_t count, unsigned seed);
// A path of about `length` characters: folders of ten letters.
std::string LongPath(size_t length);
// A GIF whose screen and only image claim `width` x `height` pixels, with
// one pixel's worth of data.
std::string ClaimedSizeGif(int width, int height);
// A small, complete 2 x 2 GIF cut after `keep` bytes.
std::string TruncatedGif(size_t keep);

}  // namespace e2e::hostile
