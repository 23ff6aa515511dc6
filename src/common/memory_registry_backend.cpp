#include "common/memory_registry_backend.h"

#include "common/text.h"

MemoryRegistryBackend::MemoryRegistryBackend() {
  // The first-level keys exist on every machine; the store never creates them.
  keys_[Id(RegistryRoot::kLocalMachine, "SOFTWARE")];
  keys_[Id(RegistryRoot::kCurrentUser, "SOFTWARE")];
}

std::string MemoryRegistryBackend::Id(RegistryRoot root, const std::string& path) {
  return text::Format("%d\\%s", static_cast<int>(root), text::ToLower(path).c_str());
}

RegistryKey MemoryRegistryBackend::NewHandle(std::string key, bool writable) {
  const uintptr_t handle = next_++;
  handles_[handle] = Handle{std::move(key), writable};
  return reinterpret_cast<RegistryKey>(handle);
}

const MemoryRegistryBackend::Handle* MemoryRegistryBackend::Find(RegistryKey key) const {
  auto found = handles_.find(reinterpret_cast<uintptr_t>(key));
  return found == handles_.end() ? nullptr : &found->second;
}

bool MemoryRegistryBackend::OpenKey(RegistryRoot root, const std::string& path,
                                    RegistryAccess access, RegistryKey* key) {
  *key = nullptr;
  const std::string id = Id(root, path);
  if (root == RegistryRoot::kNone || keys_.count(id) == 0) return false;
  *key = NewHandle(id, access == RegistryAccess::kReadWrite);
  return true;
}

bool MemoryRegistryBackend::CreateKey(RegistryKey parent, const std::string& leaf,
                                      RegistryKey* key) {
  *key = nullptr;
  const Handle* handle = Find(parent);
  if (handle == nullptr || !handle->writable) return false;
  std::string id = handle->key + "\\" + text::ToLower(leaf);
  keys_[id];
  *key = NewHandle(std::move(id), true);
  return true;
}

void MemoryRegistryBackend::CloseKey(RegistryKey key) {
  handles_.erase(reinterpret_cast<uintptr_t>(key));
}

RegistryRead MemoryRegistryBackend::QueryValue(RegistryKey key, const std::string& name,
                                               size_t bufferSize, std::string* data) {
  data->clear();
  const Handle* handle = Find(key);
  if (handle == nullptr) return RegistryRead::kMissing;
  const auto& values = keys_[handle->key];
  auto found = values.find(text::ToLower(name));
  if (found == values.end()) return RegistryRead::kMissing;
  if (found->second.size() > bufferSize) return RegistryRead::kTooLong;
  *data = found->second;
  return RegistryRead::kRead;
}

bool MemoryRegistryBackend::SetValue(RegistryKey key, const std::string& name, RegistryType,
                                     const std::string& data) {
  const Handle* handle = Find(key);
  if (handle == nullptr || !handle->writable) return false;
  keys_[handle->key][text::ToLower(name)] = data;
  return true;
}
