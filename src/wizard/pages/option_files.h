// File helpers of the option dialogs: joining a name to the configuration
// folder, the name part of a chosen path, and the safe rewrite of a text
// file the author typed.
#pragma once

#include <string>
#include <string_view>

class FileSystem;

namespace option_files {

// `name` inside `folder`, with one "\" between them.
std::string InFolder(std::string_view folder, std::string_view name);
// The text after the last "\" or "/".
std::string BaseName(std::string_view path);
// The text after the name's last "."; empty without one.
std::string ExtensionOf(std::string_view name);
// Writes a temporary file beside `path` and renames it over `path`, so a
// failure never leaves a half-written file or loses the old one.
bool WriteReplacing(FileSystem& fs, const std::string& path, const std::string& contents);
// A text file read line by line, each line followed by CR LF (as an edit
// control shows it); false when it cannot be read.
bool ReadTextLines(const FileSystem& fs, const std::string& path, std::string* text);

}  // namespace option_files
