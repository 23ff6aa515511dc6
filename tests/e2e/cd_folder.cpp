#include "cd_folder.h"

#include "common/text.h"

namespace e2e {

namespace {

bool SetDefaultValue(HKEY root, const std::string& subKey, const std::string& value) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return false;
  const LONG status =
      ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
  ::RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

// RegDeleteTree needs Vista; the prefix may claim XP.
void DeleteKeyTree(HKEY root, const std::string& subKey) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
  for (;;) {
    char name[256] = {};
    DWORD length = sizeof name;
    if (::RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    DeleteKeyTree(key, name);
  }
  ::RegCloseKey(key);
  ::RegDeleteKeyA(root, subKey.c_str());
}

}  // namespace

RecorderDocumentType::RecorderDocumentType(const std::string& extension,
                                           const std::string& recorderExe)
    : extension_(extension), progId_("VendiscTest" + extension.substr(1) + "File") {
  // Never take over (and later delete) a type the prefix already knows,
  // unless it is this one, left by a run that was killed.
  HKEY existing = nullptr;
  if (extension_.size() < 2 || extension_[0] != '.' ||
      ::RegOpenKeyExA(HKEY_CLASSES_ROOT, extension_.c_str(), 0, KEY_READ, &existing) ==
          ERROR_SUCCESS) {
    char type[256] = {};
    DWORD size = sizeof type - 1;
    const bool ours = existing &&
                      ::RegQueryValueExA(existing, nullptr, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(type), &size) == ERROR_SUCCESS &&
                      progId_ == type;
    if (existing) ::RegCloseKey(existing);
    if (!ours) {
      extension_.clear();
      return;
    }
  }
  ok_ = SetDefaultValue(HKEY_CLASSES_ROOT, extension_, progId_) &&
        SetDefaultValue(HKEY_CLASSES_ROOT, progId_ + "\\shell\\open\\command",
                        "\"" + recorderExe + "\" \"%1\"");
}

RecorderDocumentType::~RecorderDocumentType() {
  if (extension_.size() < 2) return;
  DeleteKeyTree(HKEY_CLASSES_ROOT, extension_);
  DeleteKeyTree(HKEY_CLASSES_ROOT, progId_);
}

}  // namespace e2e
