#include "fake_registry_backend.h"

#include "common/text.h"

namespace {

const char* RootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kLocalMachine:
      return "HKLM";
    case RegistryRoot::kCurrentUser:
      return "HKCU";
    case RegistryRoot::kNone:
      break;
  }
  return "NONE";
}

const char* AccessName(RegistryAccess access) {
  return access == RegistryAccess::kReadOnly ? "ro" : "rw";
}

std::string Join(const std::string& parent, const std::string& leaf) {
  if (parent.empty()) return leaf;
  if (leaf.empty()) return parent;
  return parent + "\\" + leaf;
}

}  // namespace

FakeRegistryBackend::FakeRegistryBackend() {
  AddKey(RegistryRoot::kLocalMachine, "SOFTWARE");
  AddKey(RegistryRoot::kCurrentUser, "SOFTWARE");
}

std::string FakeRegistryBackend::Id(RegistryRoot root, const std::string& path) {
  return text::ToLower(Display(root, path));
}

std::string FakeRegistryBackend::Display(RegistryRoot root, const std::string& path) {
  return Join(RootName(root), path);
}

FakeRegistryBackend::Key* FakeRegistryBackend::FindKey(const std::string& id) {
  auto found = keys_.find(id);
  return found == keys_.end() ? nullptr : &found->second;
}

const FakeRegistryBackend::Key* FakeRegistryBackend::FindKey(const std::string& id) const {
  auto found = keys_.find(id);
  return found == keys_.end() ? nullptr : &found->second;
}

FakeRegistryBackend::Key& FakeRegistryBackend::MakeKey(RegistryRoot root, const std::string& path,
                                                       std::vector<std::string>* created) {
  // Walk down from the root so parents are made (and logged) before children.
  std::string sofar;
  for (const std::string& part : text::Split(path, '\\')) {
    if (part.empty()) continue;
    sofar = Join(sofar, part);
    std::string id = Id(root, sofar);
    if (FindKey(id) == nullptr) {
      keys_[id].path = Display(root, sofar);
      if (created) created->push_back(Display(root, sofar));
    }
  }
  std::string id = Id(root, sofar);
  Key& key = keys_[id];
  if (key.path.empty()) key.path = Display(root, sofar);
  return key;
}

void FakeRegistryBackend::Store(Key& key, const std::string& name, RegistryType type,
                                const std::string& data) {
  std::string lower = text::ToLower(name);
  if (key.values.find(lower) == key.values.end()) key.names.push_back(name);
  key.values[lower] = Value{type, data};
}

void FakeRegistryBackend::AddKey(RegistryRoot root, const std::string& path) {
  MakeKey(root, path, nullptr);
}

void FakeRegistryBackend::PutText(RegistryRoot root, const std::string& path,
                                  const std::string& name, const std::string& textValue) {
  PutValue(root, path, name, RegistryType::kString, textValue + '\0');
}

void FakeRegistryBackend::PutTextWithoutZero(RegistryRoot root, const std::string& path,
                                             const std::string& name,
                                             const std::string& textValue) {
  PutValue(root, path, name, RegistryType::kString, textValue);
}

void FakeRegistryBackend::PutNumber(RegistryRoot root, const std::string& path,
                                    const std::string& name, uint32_t number) {
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  PutValue(root, path, name, RegistryType::kDword, data);
}

void FakeRegistryBackend::PutValue(RegistryRoot root, const std::string& path,
                                   const std::string& name, RegistryType type,
                                   const std::string& data) {
  Store(MakeKey(root, path, nullptr), name, type, data);
}

void FakeRegistryBackend::RemoveValue(RegistryRoot root, const std::string& path,
                                      const std::string& name) {
  Key* key = FindKey(Id(root, path));
  if (key == nullptr) return;
  std::string lower = text::ToLower(name);
  key->values.erase(lower);
  key->written.erase(lower);
  std::erase_if(key->names, [&](const std::string& n) { return text::EqualsNoCase(n, name); });
}

bool FakeRegistryBackend::KeyExists(RegistryRoot root, const std::string& path) const {
  return path.empty() || FindKey(Id(root, path)) != nullptr;
}

bool FakeRegistryBackend::HasValue(RegistryRoot root, const std::string& path,
                                   const std::string& name) const {
  return GetValue(root, path, name).has_value();
}

std::optional<FakeRegistryBackend::Value> FakeRegistryBackend::GetValue(
    RegistryRoot root, const std::string& path, const std::string& name) const {
  const Key* key = FindKey(Id(root, path));
  if (key == nullptr) return std::nullopt;
  auto found = key->values.find(text::ToLower(name));
  if (found == key->values.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> FakeRegistryBackend::Text(RegistryRoot root, const std::string& path,
                                                     const std::string& name) const {
  auto value = GetValue(root, path, name);
  if (!value) return std::nullopt;
  std::string data = value->data;
  size_t end = data.find('\0');
  if (end != std::string::npos) data.resize(end);
  return data;
}

std::optional<uint32_t> FakeRegistryBackend::Number(RegistryRoot root, const std::string& path,
                                                    const std::string& name) const {
  auto value = GetValue(root, path, name);
  if (!value || value->data.size() != 4) return std::nullopt;
  uint32_t number = 0;
  for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value->data[i]);
  return number;
}

bool FakeRegistryBackend::WasWritten(RegistryRoot root, const std::string& path,
                                     const std::string& name) const {
  const Key* key = FindKey(Id(root, path));
  return key != nullptr && key->written.count(text::ToLower(name)) != 0;
}

std::vector<std::string> FakeRegistryBackend::OpenHandles() const {
  std::vector<std::string> open;
  for (const auto& [id, handle] : handles_) open.push_back(Display(handle.root, handle.path));
  return open;
}

std::vector<std::string> FakeRegistryBackend::ValueNames(RegistryRoot root,
                                                         const std::string& path) const {
  const Key* key = FindKey(Id(root, path));
  return key == nullptr ? std::vector<std::string>() : key->names;
}

void FakeRegistryBackend::FailOpen(RegistryRoot root, const std::string& path) {
  failOpen_.insert(Id(root, path));
}

void FakeRegistryBackend::FailCreate(RegistryRoot root, const std::string& path) {
  failCreate_.insert(Id(root, path));
}

void FakeRegistryBackend::FailWrite(RegistryRoot root, const std::string& path,
                                    const std::string& name) {
  failWrite_.insert(Id(root, path) + "|" + text::ToLower(name));
}

RegistryKey FakeRegistryBackend::NewHandle(RegistryRoot root, const std::string& path,
                                           RegistryAccess access) {
  uintptr_t handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = Handle{root, path, access};
  return reinterpret_cast<RegistryKey>(handle);
}

const FakeRegistryBackend::Handle* FakeRegistryBackend::HandleOf(RegistryKey key) {
  auto found = handles_.find(reinterpret_cast<uintptr_t>(key));
  if (found == handles_.end()) {
    ++badHandles;
    return nullptr;
  }
  return &found->second;
}

bool FakeRegistryBackend::OpenKeyAllowed(RegistryRoot root, const std::string& path,
                                         RegistryAccess access) const {
  if (root == RegistryRoot::kNone || failOpen_.count(Id(root, path)) != 0) return false;
  if (denyMachine && root == RegistryRoot::kLocalMachine) return false;
  if (!KeyExists(root, path)) return false;
  return !(limitedUser && root == RegistryRoot::kLocalMachine &&
           access == RegistryAccess::kReadWrite);
}

bool FakeRegistryBackend::CreateKeyAllowed(const Handle& parent, const std::string& path) const {
  // Windows asks for write access to the parent to add a key below it.
  if (parent.access != RegistryAccess::kReadWrite) return false;
  if (failCreate_.count(Id(parent.root, path)) != 0) return false;
  if (limitedUser && parent.root == RegistryRoot::kLocalMachine) return false;
  return KeyExists(parent.root, path) || !denyWrites;
}

bool FakeRegistryBackend::OpenKey(RegistryRoot root, const std::string& path, RegistryAccess access,
                                  RegistryKey* key) {
  ++opens;
  *key = nullptr;
  bool allowed = OpenKeyAllowed(root, path, access);
  keyCalls.push_back(text::Format("OpenKey(%s, %s) %s", Display(root, path).c_str(),
                                  AccessName(access), allowed ? "ok" : "fails"));
  if (allowed) *key = NewHandle(root, path, access);
  return allowed;
}

bool FakeRegistryBackend::CreateKey(RegistryKey parent, const std::string& leaf, RegistryKey* key) {
  ++creates;
  *key = nullptr;
  const Handle* handle = HandleOf(parent);
  if (handle == nullptr) {
    keyCalls.push_back("CreateKey(<not open>\\" + leaf + ") fails");
    return false;
  }
  RegistryRoot root = handle->root;
  std::string path = Join(handle->path, leaf);
  bool allowed = CreateKeyAllowed(*handle, path);
  keyCalls.push_back(
      text::Format("CreateKey(%s) %s", Display(root, path).c_str(), allowed ? "ok" : "fails"));
  if (!allowed) return false;
  if (!KeyExists(root, path)) MakeKey(root, path, &createdKeys);
  *key = NewHandle(root, path, RegistryAccess::kReadWrite);
  return true;
}

void FakeRegistryBackend::CloseKey(RegistryKey key) {
  ++closes;
  if (HandleOf(key) != nullptr) handles_.erase(reinterpret_cast<uintptr_t>(key));
}

RegistryRead FakeRegistryBackend::QueryValue(RegistryKey key, const std::string& name,
                                             size_t bufferSize, std::string* data) {
  ++queries;
  data->clear();
  const Handle* handle = HandleOf(key);
  if (handle == nullptr) return RegistryRead::kMissing;
  auto value = GetValue(handle->root, handle->path, name);
  if (!value) return RegistryRead::kMissing;
  if (value->data.size() > bufferSize) return RegistryRead::kTooLong;
  *data = value->data;
  return RegistryRead::kRead;
}

bool FakeRegistryBackend::SetValue(RegistryKey key, const std::string& name, RegistryType type,
                                   const std::string& data) {
  ++sets;
  const Handle* handle = HandleOf(key);
  if (handle == nullptr || denyWrites || handle->access != RegistryAccess::kReadWrite) return false;
  std::string id = Id(handle->root, handle->path);
  if (failWrite_.count(id + "|") != 0 || failWrite_.count(id + "|" + text::ToLower(name)) != 0) {
    return false;
  }
  Key& stored = MakeKey(handle->root, handle->path, nullptr);
  Store(stored, name, type, data);
  stored.written.insert(text::ToLower(name));
  return true;
}
