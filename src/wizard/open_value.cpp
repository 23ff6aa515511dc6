#include "wizard/open_value.h"

#include "common/text.h"
#include "config/autorun_keys.h"

OpenValueParts SplitOpenValue(std::string_view openValue) {
  OpenValueParts parts;
  std::string value = text::Trim(openValue);
  size_t blank = value.find(' ');
  if (blank == std::string::npos) {
    parts.fileToOpen = value;
    return parts;
  }
  parts.hasBlank = true;
  parts.starterName = value.substr(0, blank);
  // The name is the value's own beginning, so what follows it starts at the blank.
  std::string rest = text::Trim(std::string_view(value).substr(blank));
  if (text::StartsWith(rest, "\"")) rest.erase(0, 1);
  if (text::EndsWith(rest, "\"")) rest.pop_back();
  parts.fileToOpen = rest;
  return parts;
}

std::string FileToOpenFromOpenValue(std::string_view openValue) {
  return SplitOpenValue(openValue).fileToOpen;
}

bool IsAutorunFilePath(std::string_view path) {
  return text::ToLower(path).find(keys::kFileName) != std::string::npos;
}
