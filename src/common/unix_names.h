// A folder's names on a system whose names are UTF-8 and told apart by case,
// seen as Windows would see them: a name in autorun.inf (Windows-1252) finds
// its file whatever the case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unix_names {

// What Windows compares a name by: its Windows-1252 form, upper-cased.
// Nullopt for a name that has no such form (no Windows-1252 text can name it).
std::optional<std::string> WindowsKey(std::string_view utf8Name);

// The entries of a folder (UTF-8) that Windows would open for `ansiName`:
// the entry spelt exactly so if there is one, otherwise every entry equal to
// it without regard to case (more than one: the folder is ambiguous).
std::vector<std::string> Matching(const std::vector<std::string>& entries,
                                  std::string_view ansiName);

// Whether `ansiName` holds the wildcards of a file search ("*", "?").
bool IsPattern(std::string_view ansiName);
// The entries a file search for `ansiPattern` finds: "*" any run of
// characters, "?" one; as on Windows, a pattern ending in ".*" also finds
// names without a dot, and case does not count.
std::vector<std::string> MatchingPattern(const std::vector<std::string>& entries,
                                         std::string_view ansiPattern);

}  // namespace unix_names
