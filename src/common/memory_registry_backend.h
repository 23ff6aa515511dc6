// A registry held in memory: what the command-line tool keeps the wizard's
// settings in, so that a run neither reads nor changes the settings of the
// Discwright installed on the machine. Keys and value names compare without
// regard to case, as in the registry.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "common/registry_backend.h"

class MemoryRegistryBackend : public RegistryBackend {
 public:
  MemoryRegistryBackend();

  bool OpenKey(RegistryRoot root, const std::string& path, RegistryAccess access,
               RegistryKey* key) override;
  bool CreateKey(RegistryKey parent, const std::string& leaf, RegistryKey* key) override;
  void CloseKey(RegistryKey key) override;
  RegistryRead QueryValue(RegistryKey key, const std::string& name, size_t bufferSize,
                          std::string* data) override;
  bool SetValue(RegistryKey key, const std::string& name, RegistryType type,
                const std::string& data) override;

 private:
  struct Handle {
    std::string key;  // the key's id
    bool writable;
  };
  static std::string Id(RegistryRoot root, const std::string& path);
  RegistryKey NewHandle(std::string key, bool writable);
  const Handle* Find(RegistryKey key) const;

  // Each key by its lower-case id, holding its values by lower-case name.
  std::map<std::string, std::map<std::string, std::string>> keys_;
  std::map<uintptr_t, Handle> handles_;
  uintptr_t next_ = 1;
};
