// Copies files with the Win32 API.
#pragma once

#include "wizard/file_copier.h"

class Win32FileCopier : public FileCopier {
 public:
  uint32_t CopyReplacing(const std::string& from, const std::string& to) override;
};
