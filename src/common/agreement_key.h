// Where a user's acceptance of a CD's licence agreement (ShownBefore) is
// kept below HKEY_CURRENT_USER: named here for the starter, which keeps it,
// and for the wizard's test run, which clears it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/registry_store.h"

class FileSystem;

inline constexpr const char* kShownBeforeValue = "ShownBefore";

// Only this much of the agreement file tells one CD's agreement from another's.
inline constexpr size_t kMaxAgreementBytes = 4 * 1024 * 1024;

// What makes a CD's agreement its own: views of texts that must outlive the
// call, so best built in the call itself.
struct AgreementCd {
  std::string_view cdRoot;       // the folder of autorun.inf
  std::string_view fileToOpen;   // the one file, as the starter takes it; none with several
  std::string_view licenceFile;  // QUAVLicenseFile, relative to the CD root
};

// A single-file CD keeps its acceptance under the file to open with every
// "\", "/", ":" and ";" removed. A CD with no file to open (several files),
// or with nothing left of its name, names it by the agreement itself: the
// agreement file's name and a hash of its contents, so that CDs with
// different agreements never share it and the same CD keeps it from one
// insertion to the next.
std::string AgreementKeyPath(const FileSystem& fs, const AgreementCd& cd);

// Opens `store` on the CD's key, or on the base key when that cannot be opened.
inline void OpenAgreementKey(RegistryStore& store, const std::string& keyPath) {
  if (!store.Open(RegistryRoot::kCurrentUser, keyPath)) {
    store.Open(RegistryRoot::kCurrentUser, kRegistryBasePath);
  }
}
