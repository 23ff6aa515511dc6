#include "common/agreement_key.h"

#include <cstdint>

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/registry_store.h"
#include "common/text.h"
#include "config/autorun_config.h"

namespace {

// The agreement's name is in the key only to be recognised by eye; a key
// name must stay under the registry's 255 characters.
constexpr size_t kMaxShownName = 64;

// The name as the system takes it: up to a zero byte, without the characters
// a key name or the old key rule cannot hold.
std::string KeyName(const std::string& name) {
  std::string kept;
  for (char c : name) {
    if (c == '\0') break;
    if (c != '\\' && c != '/' && c != ':' && c != ';') kept += c;
  }
  return kept;
}

uint64_t Fnv1a64(const std::string& bytes) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 0x100000001B3ull;
  }
  return hash;
}

std::string AgreementPath(const AgreementCd& cd) {
  const std::string& name = cd.licenceFile;
  const bool absolute = (name.size() >= 2 && name[1] == ':') || IsNetworkPath(name);
  return absolute ? name : config::JoinToFolder(cd.cdRoot, name);
}

}  // namespace

std::string AgreementKeyPath(const FileSystem& fs, const AgreementCd& cd) {
  std::string name = cd.severalFiles ? std::string() : KeyName(cd.fileToOpen);
  if (name.empty()) {
    std::string contents;
    if (!fs.ReadFileHead(AgreementPath(cd), kMaxAgreementBytes, &contents)) contents.clear();
    // "<" cannot begin a file name, so this never meets a single-file CD's key.
    const uint64_t hash = Fnv1a64(contents);
    const std::string shown = KeyName(FilePath(cd.licenceFile).Name()).substr(0, kMaxShownName);
    name = text::Format("<%s>%08X%08X", shown.c_str(), static_cast<uint32_t>(hash >> 32),
                        static_cast<uint32_t>(hash));
  }
  return std::string(kRegistryBasePath) + "\\" + name;
}

void OpenAgreementKey(RegistryStore& store, const std::string& keyPath) {
  if (!store.Open(RegistryRoot::kCurrentUser, keyPath)) {
    store.Open(RegistryRoot::kCurrentUser, kRegistryBasePath);
  }
}
