#include "common/unix_names.h"

#include "common/code_page_1252.h"

namespace unix_names {
namespace {

// "*" any run, "?" one character; both texts upper-cased already.
bool Glob(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0;
  size_t star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

std::optional<std::string> WindowsKey(std::string_view utf8Name) {
  std::optional<std::string> ansi = cp1252::FromUtf8(utf8Name);
  if (ansi) *ansi = cp1252::ToUpper(*ansi);
  return ansi;
}

std::vector<std::string> Matching(const std::vector<std::string>& entries,
                                  std::string_view ansiName) {
  const std::string exact = cp1252::ToUtf8(ansiName);
  const std::string key = cp1252::ToUpper(ansiName);
  std::vector<std::string> found;
  for (const std::string& entry : entries) {
    if (entry == exact) return {entry};
    if (WindowsKey(entry) == key) found.push_back(entry);
  }
  return found;
}

bool IsPattern(std::string_view ansiName) {
  return ansiName.find_first_of("*?") != std::string_view::npos;
}

std::vector<std::string> MatchingPattern(const std::vector<std::string>& entries,
                                         std::string_view ansiPattern) {
  const std::string pattern = cp1252::ToUpper(ansiPattern);
  const bool dotStar = pattern.size() >= 2 && pattern.ends_with(".*");
  std::vector<std::string> found;
  for (const std::string& entry : entries) {
    const std::optional<std::string> key = WindowsKey(entry);
    if (!key) continue;
    if (Glob(pattern, *key) ||
        (dotStar && key->find('.') == std::string::npos &&
         Glob(std::string_view(pattern).substr(0, pattern.size() - 2), *key))) {
      found.push_back(entry);
    }
  }
  return found;
}

}  // namespace unix_names
