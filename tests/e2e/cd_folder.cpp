#include "cd_folder.h"

#include <shlwapi.h>

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

// The test program that registered a type.
constexpr const char* kOwnerValue = "VendiscTestOwner";

// A type registered by this kind of test program whose program has ended.
bool LeftByAnEndedRun(HKEY type, const std::string& progId) {
  char name[256] = {};
  DWORD size = sizeof name - 1;
  DWORD owner = 0;
  DWORD ownerSize = sizeof owner;
  if (::RegQueryValueExA(type, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(name), &size) !=
          ERROR_SUCCESS ||
      progId != name ||
      ::RegQueryValueExA(type, kOwnerValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&owner),
                         &ownerSize) != ERROR_SUCCESS ||
      owner == ::GetCurrentProcessId())
    return false;
  HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, owner);
  if (!process) return true;
  const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  ::CloseHandle(process);
  return ended;
}

}  // namespace

RecorderDocumentType::RecorderDocumentType(const std::string& extension,
                                           const std::string& recorderExe)
    : extension_(extension), progId_("VendiscTest" + extension.substr(1) + "File") {
  // Never take over (and later delete) a type the prefix already knows,
  // unless it is this one, left by a test program that has ended (killed).
  HKEY existing = nullptr;
  if (extension_.size() < 2 || extension_[0] != '.' ||
      (::RegOpenKeyExA(HKEY_CLASSES_ROOT, extension_.c_str(), 0, KEY_READ, &existing) ==
           ERROR_SUCCESS &&
       !LeftByAnEndedRun(existing, progId_))) {
    if (existing) ::RegCloseKey(existing);
    extension_.clear();
    return;
  }
  if (existing) ::RegCloseKey(existing);
  ok_ = SetDefaultValue(HKEY_CLASSES_ROOT, extension_, progId_) &&
        SetDefaultValue(HKEY_CLASSES_ROOT, progId_ + "\\shell\\open\\command",
                        "\"" + recorderExe + "\" \"%1\"");
  const DWORD pid = ::GetCurrentProcessId();
  ok_ = ok_ && ::SHSetValueA(HKEY_CLASSES_ROOT, extension_.c_str(), kOwnerValue, REG_DWORD, &pid,
                             sizeof pid) == ERROR_SUCCESS;
}

RecorderDocumentType::~RecorderDocumentType() {
  if (extension_.size() < 2) return;
  DeleteKeyTree(HKEY_CLASSES_ROOT, extension_);
  DeleteKeyTree(HKEY_CLASSES_ROOT, progId_);
}

}  // namespace e2e
