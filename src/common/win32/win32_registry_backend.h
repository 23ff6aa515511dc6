// The registry port over the Win32 registry API (ANSI calls).
#pragma once

#include "common/registry_backend.h"

class Win32RegistryBackend : public RegistryBackend {
 public:
  bool OpenKey(RegistryRoot root, const std::string& path, RegistryAccess access,
               RegistryKey* key) override;
  bool CreateKey(RegistryKey parent, const std::string& leaf, RegistryKey* key) override;
  void CloseKey(RegistryKey key) override;
  RegistryRead QueryValue(RegistryKey key, const std::string& name, size_t bufferSize,
                          std::string* data) override;
  bool SetValue(RegistryKey key, const std::string& name, RegistryType type,
                const std::string& data) override;
};
