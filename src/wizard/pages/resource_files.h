// The resource files of a configuration (licence text, icon, installers,
// pictures) and copying them into a new source folder when the author has
// moved the file to open.
#pragma once

#include <string>
#include <vector>

#include "wizard/pages/option_ports.h"

class FileCopier;
class FileSystem;
class WizardSettings;

namespace resource_files {

struct ResourceFile {
  std::string source;  // full path in the previous folder
  std::string row;     // "name (full path)"
};

// The resource files the settings use that exist in `previousFolder`, each
// looked up there by its file name, in a fixed order and each path once.
std::vector<ResourceFile> ListResourceFiles(const WizardSettings& settings, const FileSystem& fs,
                                            const std::string& previousFolder);

// Copies each source to the same name in `newFolder`, asking before an
// overwrite and offering to retry a failure. False when the author cancels
// a failed copy: the files after it are left alone.
bool CopyResourceFiles(const std::vector<std::string>& sources, const std::string& newFolder,
                       FileCopier& copier, const FileSystem& fs, OptionQuestions& questions);

}  // namespace resource_files
