// The wizard's reading of an OPEN value and its rule for which files it
// opens as configurations.
#pragma once

#include <string>
#include <string_view>

// An OPEN value as the wizard writes it: the starter's name, a blank, and the
// file to open in double quotes.
struct OpenValueParts {
  bool hasBlank = false;
  std::string starterName;  // the text before the first blank; empty without a blank
  // Without a blank, the whole (trimmed) value. With one, what follows the
  // starter's name, trimmed, with one leading and one trailing double quote
  // removed when present.
  std::string fileToOpen;
};

OpenValueParts SplitOpenValue(std::string_view openValue);

// The file to open that the main window shows and test-runs: the same cut,
// from a value that may still carry blanks at its ends.
std::string FileToOpenFromOpenValue(std::string_view openValue);

// Only files whose path, lower-cased, contains "autorun.inf" anywhere are
// opened as configurations.
bool IsAutorunFilePath(std::string_view path);
