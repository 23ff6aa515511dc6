// Loading an existing autorun.inf back into the wizard's settings.
#pragma once

#include <cstdint>
#include <string>

class FileSystem;
class WizardQuestions;
class WizardSettings;

// The most file entries a load copies (and the largest count it stores): the
// starter takes no more, and a count from a damaged file must not make the
// wizard write billions of registry values.
inline constexpr int32_t kMaxLoadedFileEntries = 1000;

// Copies the [autorun] keys of the file at `path` into `settings`. An empty
// path does nothing. When no file is found the author is asked whether to go
// on; nothing is loaded either way and the result is the answer. Otherwise
// the result is true; a missing or odd OPEN value is told and loading goes on.
// Only the values the file speaks for are written: a feature that is off gets
// its switch written off and keeps its earlier details.
bool LoadConfiguration(const std::string& path, const FileSystem& fs, WizardSettings& settings,
                       WizardQuestions& questions);
