// The registry port under RegistryStore: the five registry calls it makes.
// The Win32 backend is in win32/; tests use an in-memory one.
#pragma once

#include <cstdint>
#include <string>

enum class RegistryRoot { kNone, kLocalMachine, kCurrentUser };

enum class RegistryType : uint32_t { kString = 1 /* REG_SZ */, kDword = 4 /* REG_DWORD */ };

using RegistryKey = void*;  // an open key; nullptr is none

class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;
  // RegOpenKeyExA(root, path, 0, KEY_READ | KEY_WRITE).
  virtual bool OpenKey(RegistryRoot root, const std::string& path, RegistryKey* key) = 0;
  // RegCreateKeyExA(parent, leaf, ..., non-volatile, KEY_READ | KEY_WRITE); an
  // existing key counts as success.
  virtual bool CreateKey(RegistryKey parent, const std::string& leaf, RegistryKey* key) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
  // RegQueryValueExA into a buffer of `bufferSize` bytes: false when the
  // value is missing or its data does not fit. *data gets the bytes returned.
  virtual bool QueryValue(RegistryKey key, const std::string& name, size_t bufferSize,
                          std::string* data) = 0;
  // RegSetValueExA with exactly these bytes.
  virtual bool SetValue(RegistryKey key, const std::string& name, RegistryType type,
                        const std::string& data) = 0;
};
