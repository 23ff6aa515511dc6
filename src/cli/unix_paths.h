// How the command-line tool names files on a system whose paths are UTF-8
// with "/": the kit's code sees every path as Windows writes it
// (Windows-1252, "\"), so /home/me/cd becomes \home\me\cd. A folder whose path
// has no Windows-1252 form gets a stand-in (\~1\ ...) that leads back to it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

class UnixPaths {
 public:
  // The kit's form of an absolute Unix folder (a stand-in when needed).
  std::string FolderToKit(const std::string& unixFolder);
  // The kit's form of an absolute Unix path; nullopt when its file name has
  // no Windows-1252 form.
  std::optional<std::string> PathToKit(const std::string& unixPath);

  // Where a kit path leads: the Unix folder to start from and the names
  // (Windows-1252) to follow from there; nullopt for a path that is not
  // absolute in the kit's form (such as C:\x, which names no file here).
  struct Walk {
    std::string start;
    std::vector<std::string> names;
  };
  std::optional<Walk> ToUnix(const std::string& kitPath) const;
  // A kit path as a Unix path to show: names converted as they are written.
  // A relative kit path stays relative.
  std::string Shown(const std::string& kitPath) const;

 private:
  // The kit's prefix ("\~1\") and the Unix folder of each stand-in.
  std::vector<std::pair<std::string, std::string>> standIns_;
};
