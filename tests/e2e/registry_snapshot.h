// Snapshots of the kit's registry keys, to tell which values a program run wrote.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace e2e {

struct RegistryState {
  // "hklm\key path|value name" (lower case) -> type and data.
  std::map<std::string, std::string> values;
  std::set<std::string> keys;  // "hklm\key path", lower case
};

// Every key and value below SOFTWARE\QUAV, in HKLM and in HKCU.
RegistryState TakeRegistrySnapshot();

// "written: <id>" or "removed: <id>" for each value added, altered or
// removed between the snapshots, except those `allowed` passes.
std::vector<std::string> RegistryChanges(const RegistryState& before, const RegistryState& after,
                                         const std::function<bool(const std::string&)>& allowed);

// Removes the keys that appeared between the snapshots, deepest first.
void RemoveNewKeys(const RegistryState& before, const RegistryState& after);

// Puts back every value of `before` that changed or went, and removes every
// value that appeared since.
void RestoreValues(const RegistryState& before, const RegistryState& after);

std::string LowerCase(std::string text);

}  // namespace e2e
