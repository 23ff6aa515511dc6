#include "registry_snapshot.h"

#include <shlwapi.h>
#include <windows.h>

#include <algorithm>

namespace e2e {
namespace {

constexpr const char* kQuavKey = "SOFTWARE\\QUAV";

void SnapshotKey(HKEY root, const std::string& rootName, const std::string& path,
                 RegistryState* state) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  state->keys.insert(LowerCase(rootName + "\\" + path));
  std::vector<char> name(16384);
  std::vector<BYTE> data(1 << 20);
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (::RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) !=
        ERROR_SUCCESS)
      break;
    state->values[LowerCase(rootName + "\\" + path + "|" + std::string(name.data(), nameSize))] =
        std::to_string(type) + ":" +
        std::string(reinterpret_cast<const char*>(data.data()), dataSize);
  }
  std::vector<std::string> children;
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = static_cast<DWORD>(name.size());
    if (::RegEnumKeyExA(key, i, name.data(), &nameSize, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    children.emplace_back(name.data(), nameSize);
  }
  ::RegCloseKey(key);
  for (const auto& child : children) SnapshotKey(root, rootName, path + "\\" + child, state);
}

}  // namespace

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(::tolower(c)); });
  return text;
}

RegistryState TakeRegistrySnapshot() {
  RegistryState state;
  SnapshotKey(HKEY_LOCAL_MACHINE, "HKLM", kQuavKey, &state);
  SnapshotKey(HKEY_CURRENT_USER, "HKCU", kQuavKey, &state);
  return state;
}

std::vector<std::string> RegistryChanges(const RegistryState& before, const RegistryState& after,
                                         const std::function<bool(const std::string&)>& allowed) {
  std::vector<std::string> changes;
  for (const auto& [id, value] : after.values) {
    auto old = before.values.find(id);
    if ((old == before.values.end() || old->second != value) && !allowed(id))
      changes.push_back("written: " + id);
  }
  for (const auto& [id, value] : before.values) {
    if (!after.values.count(id) && !allowed(id)) changes.push_back("removed: " + id);
  }
  return changes;
}

void RemoveNewKeys(const RegistryState& before, const RegistryState& after) {
  for (auto it = after.keys.rbegin(); it != after.keys.rend(); ++it) {
    if (before.keys.count(*it)) continue;
    const bool machine = it->rfind("hklm\\", 0) == 0;
    ::SHDeleteKeyA(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, it->substr(5).c_str());
  }
}

void RestoreValues(const RegistryState& before, const RegistryState& after) {
  auto split = [](const std::string& id) {
    const size_t bar = id.rfind('|');
    return std::pair(id.substr(5, bar - 5), id.substr(bar + 1));
  };
  auto root = [](const std::string& id) {
    return id.rfind("hklm\\", 0) == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  };
  for (const auto& [id, value] : after.values) {
    if (before.values.count(id)) continue;
    const auto [path, name] = split(id);
    ::SHDeleteValueA(root(id), path.c_str(), name.c_str());
  }
  for (const auto& [id, value] : before.values) {
    auto now = after.values.find(id);
    if (now != after.values.end() && now->second == value) continue;
    const auto [path, name] = split(id);
    const size_t colon = value.find(':');
    const std::string data = value.substr(colon + 1);
    ::SHSetValueA(root(id), path.c_str(), name.c_str(),
                  static_cast<DWORD>(std::stoul(value.substr(0, colon))), data.data(),
                  static_cast<DWORD>(data.size()));
  }
}

}  // namespace e2e
