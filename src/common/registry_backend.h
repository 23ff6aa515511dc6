// The registry port under RegistryStore: the five registry calls it makes.
// The Win32 backend is in win32/; tests use an in-memory one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class RegistryRoot { kNone, kLocalMachine, kCurrentUser };

enum class RegistryType : uint32_t { kString = 1 /* REG_SZ */, kDword = 4 /* REG_DWORD */ };

// What a value query found: the value's bytes, no such value, or data that
// does not fit the buffer.
enum class RegistryRead { kRead, kMissing, kTooLong };

// A limited user may read the kit's machine-wide key but not write it.
enum class RegistryAccess { kReadWrite /* KEY_READ | KEY_WRITE */, kReadOnly /* KEY_READ */ };

using RegistryKey = void*;  // an open key; nullptr is none

class RegistryStore;

class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;
  // RegOpenKeyExA(root, path, 0, access).
  virtual bool OpenKey(RegistryRoot root, const std::string& path, RegistryAccess access,
                       RegistryKey* key) = 0;
  // RegCreateKeyExA(parent, leaf, ..., non-volatile, KEY_READ | KEY_WRITE); an
  // existing key counts as success.
  virtual bool CreateKey(RegistryKey parent, const std::string& leaf, RegistryKey* key) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
  // RegQueryValueExA into a buffer of `bufferSize` bytes. *data gets the
  // bytes returned; any failure but too little room counts as missing.
  virtual RegistryRead QueryValue(RegistryKey key, const std::string& name, size_t bufferSize,
                                  std::string* data) = 0;
  // RegSetValueExA with exactly these bytes; refused on a key opened read-only.
  virtual bool SetValue(RegistryKey key, const std::string& name, RegistryType type,
                        const std::string& data) = 0;

 private:
  // Whether the kit's machine-wide key could be written when the first store
  // opened it. A program has one backend, so it keeps to that choice for its
  // whole run and never splits its values between two keys.
  friend class RegistryStore;
  std::optional<bool> machineKeyWritable_;
};
