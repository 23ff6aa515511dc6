#include "common/agreement_key.h"

#include <cstdint>

#include "common/file_system.h"
#include "config/autorun_config.h"

namespace {

// The agreement's name is in the key only to be recognised by eye; a key
// name must stay under the registry's 255 characters.
constexpr size_t kMaxShownName = 64;

// Names are taken as the system takes them, up to a zero byte, without the
// characters a key name or the old key rule cannot hold.
constexpr bool Kept(char c) { return c != '\\' && c != '/' && c != ':' && c != ';'; }

}  // namespace

std::string AgreementKeyPath(const FileSystem& fs, const AgreementCd& cd) {
  std::string key;
  key += kRegistryBasePath;
  key += '\\';
  const size_t base = key.size();
  for (char c : cd.fileToOpen) {
    if (c == '\0') break;
    if (Kept(c)) key += c;
  }
  if (key.size() > base) return key;

  std::string contents;  // stays empty when the agreement cannot be read
  fs.ReadFileHead(config::JoinToFolder(cd.cdRoot, cd.licenceFile), kMaxAgreementBytes, &contents);
  uint64_t hash = 0xCBF29CE484222325ull;  // FNV-1a
  for (unsigned char c : contents) hash = (hash ^ c) * 0x100000001B3ull;
  // "<" cannot begin a file name, so this never meets a single-file CD's key.
  key += '<';
  for (char c : cd.licenceFile.substr(0, kMaxShownName)) {
    if (c == '\0') break;
    if (Kept(c)) key += c;
  }
  key += '>';
  for (int shift = 60; shift >= 0; shift -= 4) key += "0123456789ABCDEF"[(hash >> shift) & 0xF];
  return key;
}
