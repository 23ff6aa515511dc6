// The files-to-copy report: which files the author must burn to the CD, and
// where on the CD each goes, read from the autorun.inf last loaded or written.
#pragma once

#include <string>
#include <vector>

class FileSystem;
class WizardSettings;

struct FileToCopy {
  std::string target;  // the folder on the CD; "\" for its root
  std::string source;  // the file on disk, perhaps with a note
  bool operator==(const FileToCopy&) const = default;
};

struct FilesToCopyReport {
  std::string folder;  // the configuration's folder, ending in "\"
  std::vector<FileToCopy> rows;
  // Told to the author when the configuration opens nothing; empty otherwise.
  std::string message;
};

// Built from the file at `configPath` (a file that cannot be read has no
// keys) and the starter's name in the settings. Files are listed whether or
// not they exist.
FilesToCopyReport BuildFilesToCopy(const std::string& configPath, const FileSystem& fs,
                                   const WizardSettings& settings);

// A row's source as the file on disk and the note that may follow it
// ("(plus any support files required for this)"); the note is empty when
// there is none.
struct ReportSource {
  std::string file;
  std::string note;
};
ReportSource SplitReportSource(const std::string& source);
