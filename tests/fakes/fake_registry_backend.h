// An in-memory registry: keys by root and path (case-insensitive, like the
// real one), values with their type and bytes, open handles tracked with
// their access, and switches that make opening, creating or writing fail.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/registry_backend.h"

class FakeRegistryBackend : public RegistryBackend {
 public:
  struct Value {
    RegistryType type;
    std::string data;
  };

  // SOFTWARE exists under both roots, as on every machine.
  FakeRegistryBackend();

  // --- Setting up (no counters move) ---
  // Adds the key and every key above it.
  void AddKey(RegistryRoot root, const std::string& path);
  // REG_SZ of the text and its terminating zero, as the store writes.
  void PutText(RegistryRoot root, const std::string& path, const std::string& name,
               const std::string& text);
  // REG_SZ of the text alone, as older versions wrote it.
  void PutTextWithoutZero(RegistryRoot root, const std::string& path, const std::string& name,
                          const std::string& text);
  // REG_DWORD, four bytes little-endian.
  void PutNumber(RegistryRoot root, const std::string& path, const std::string& name,
                 uint32_t number);
  void PutValue(RegistryRoot root, const std::string& path, const std::string& name,
                RegistryType type, const std::string& data);
  void RemoveValue(RegistryRoot root, const std::string& path, const std::string& name);

  // --- Looking ---
  bool KeyExists(RegistryRoot root, const std::string& path) const;
  bool HasValue(RegistryRoot root, const std::string& path, const std::string& name) const;
  std::optional<Value> GetValue(RegistryRoot root, const std::string& path,
                                const std::string& name) const;
  // The value's bytes up to the first zero; nullopt when missing.
  std::optional<std::string> Text(RegistryRoot root, const std::string& path,
                                  const std::string& name) const;
  // A four-byte value as a little-endian number; nullopt when missing or of another size.
  std::optional<uint32_t> Number(RegistryRoot root, const std::string& path,
                                 const std::string& name) const;
  // True once SetValue has stored this value (setting up does not count).
  bool WasWritten(RegistryRoot root, const std::string& path, const std::string& name) const;
  // "HKLM\<path>" of every key still open, in opening order; empty when nothing leaked.
  std::vector<std::string> OpenHandles() const;
  // Names of the values of a key, as first written.
  std::vector<std::string> ValueNames(RegistryRoot root, const std::string& path) const;

  // --- Faults ---
  void FailOpen(RegistryRoot root, const std::string& path);
  void FailCreate(RegistryRoot root, const std::string& path);
  // Writing `name` in that key fails; an empty name fails every value of the key.
  void FailWrite(RegistryRoot root, const std::string& path, const std::string& name = "");
  // A user without rights: no key can be created and no value written anywhere.
  bool denyWrites = false;
  // A limited user: under HKLM keys open for reading only and none can be
  // created, so nothing there can be written; HKCU stays the user's own.
  bool limitedUser = false;
  // No key under HKLM opens at all, not even for reading, so none can be made there.
  bool denyMachine = false;

  // --- Counters and logs ---
  int opens = 0;    // OpenKey calls, successful or not
  int creates = 0;  // CreateKey calls
  int closes = 0;
  int queries = 0;
  int sets = 0;
  int badHandles = 0;  // calls with a handle that is not open (incl. double closes)
  std::vector<std::string> createdKeys;  // "HKCU\<path>" of each key CreateKey made, in order
  // Every OpenKey and CreateKey, in order: "OpenKey(HKLM\<path>, rw) fails",
  // "OpenKey(HKLM\<path>, ro) ok", "CreateKey(HKCU\<path>) ok".
  std::vector<std::string> keyCalls;

  // --- The port ---
  bool OpenKey(RegistryRoot root, const std::string& path, RegistryAccess access,
               RegistryKey* key) override;
  bool CreateKey(RegistryKey parent, const std::string& leaf, RegistryKey* key) override;
  void CloseKey(RegistryKey key) override;
  RegistryRead QueryValue(RegistryKey key, const std::string& name, size_t bufferSize,
                          std::string* data) override;
  bool SetValue(RegistryKey key, const std::string& name, RegistryType type,
                const std::string& data) override;

 private:
  struct Key {
    std::string path;                     // as first spelt, with its root
    std::map<std::string, Value> values;  // by lower-case name
    std::vector<std::string> names;       // as first spelt, in order
    std::set<std::string> written;        // lower-case names stored through SetValue
  };

  static std::string Id(RegistryRoot root, const std::string& path);
  static std::string Display(RegistryRoot root, const std::string& path);
  Key* FindKey(const std::string& id);
  const Key* FindKey(const std::string& id) const;
  // Creates the key and its parents; returns the key. `created` gets the
  // display paths of keys that did not exist.
  Key& MakeKey(RegistryRoot root, const std::string& path, std::vector<std::string>* created);
  void Store(Key& key, const std::string& name, RegistryType type, const std::string& data);
  struct Handle {
    RegistryRoot root;
    std::string path;
    RegistryAccess access;
  };
  // What an open handle stands for; nullptr (and a bad-handle count) if not open.
  const Handle* HandleOf(RegistryKey key);
  RegistryKey NewHandle(RegistryRoot root, const std::string& path, RegistryAccess access);
  bool OpenKeyAllowed(RegistryRoot root, const std::string& path, RegistryAccess access) const;
  bool CreateKeyAllowed(const Handle& parent, const std::string& path) const;

  std::map<std::string, Key> keys_;
  std::map<uintptr_t, Handle> handles_;
  uintptr_t nextHandle_ = 0x1000;
  std::set<std::string> failOpen_, failCreate_, failWrite_;
};
