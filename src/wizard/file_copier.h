// The port through which the wizard copies files into the author's CD
// folder (the starter, images, the icon, installers, resource files).
#pragma once

#include <cstdint>
#include <string>

class FileCopier {
 public:
  virtual ~FileCopier() = default;
  // Copies `from` to `to`, replacing an existing file. 0 on success,
  // otherwise the system's error code (32: in use, 112: disk full ...).
  virtual uint32_t CopyReplacing(const std::string& from, const std::string& to) = 0;
};
