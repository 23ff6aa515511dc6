// Scenario helpers: the throw-away CD folder (the tests' shared temporary
// folder) and a document type that opens the recorder.
#pragma once

#include <windows.h>

#include <string>

#include "temp_folder.h"

namespace e2e {

// A throw-away CD folder: the tests' shared temporary folder.
using CdFolder = test_support::TempFolder;
using test_support::RemoveTree;

// Registers a document extension (".vrec") whose "open" verb starts the
// recorder with the document's path, in HKEY_CLASSES_ROOT of the build's
// prefix; the keys are removed again when the object goes.
class RecorderDocumentType {
 public:
  RecorderDocumentType(const std::string& extension, const std::string& recorderExe);
  RecorderDocumentType(const RecorderDocumentType&) = delete;
  RecorderDocumentType& operator=(const RecorderDocumentType&) = delete;
  ~RecorderDocumentType();
  bool ok() const { return ok_; }

 private:
  std::string extension_;
  std::string progId_;
  bool ok_ = false;
};

}  // namespace e2e
