#include "common/win32/win32_registry_backend.h"

#include <windows.h>

#include <vector>

namespace {

// Keys are created for reading and writing alike.
constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;

REGSAM AccessMask(RegistryAccess access) {
  return access == RegistryAccess::kReadOnly ? KEY_READ : kReadWrite;
}

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kCurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::kNone:
      break;
  }
  return nullptr;
}

HKEY ToHkey(RegistryKey key) { return static_cast<HKEY>(key); }

}  // namespace

bool Win32RegistryBackend::OpenKey(RegistryRoot root, const std::string& path,
                                   RegistryAccess access, RegistryKey* key) {
  *key = nullptr;
  HKEY rootKey = RootKey(root);
  if (rootKey == nullptr) return false;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(rootKey, path.c_str(), 0, AccessMask(access), &opened) != ERROR_SUCCESS) {
    return false;
  }
  *key = opened;
  return true;
}

bool Win32RegistryBackend::CreateKey(RegistryKey parent, const std::string& leaf,
                                     RegistryKey* key) {
  *key = nullptr;
  if (parent == nullptr) return false;
  HKEY created = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(ToHkey(parent), leaf.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kReadWrite,
                      nullptr, &created, &disposition) != ERROR_SUCCESS) {
    return false;
  }
  *key = created;
  return true;
}

void Win32RegistryBackend::CloseKey(RegistryKey key) {
  if (key != nullptr) RegCloseKey(ToHkey(key));
}

RegistryRead Win32RegistryBackend::QueryValue(RegistryKey key, const std::string& name,
                                              size_t bufferSize, std::string* data) {
  data->clear();
  if (key == nullptr) return RegistryRead::kMissing;
  // Zero-filled, so text stored without its terminating zero still ends.
  // One spare byte keeps the pointer non-null for a zero-sized buffer, which
  // would otherwise turn the call into a size query that succeeds.
  std::vector<BYTE> buffer(bufferSize + 1, 0);
  DWORD size = static_cast<DWORD>(bufferSize);
  const LONG result =
      RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, nullptr, buffer.data(), &size);
  if (result == ERROR_MORE_DATA) return RegistryRead::kTooLong;
  if (result != ERROR_SUCCESS) return RegistryRead::kMissing;
  if (size > bufferSize) size = static_cast<DWORD>(bufferSize);
  data->assign(reinterpret_cast<const char*>(buffer.data()), size);
  return RegistryRead::kRead;
}

bool Win32RegistryBackend::SetValue(RegistryKey key, const std::string& name, RegistryType type,
                                    const std::string& data) {
  if (key == nullptr) return false;
  return RegSetValueExA(ToHkey(key), name.c_str(), 0, static_cast<DWORD>(type),
                        reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}
