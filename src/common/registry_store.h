// One open registry key with typed values: text, "yes"/"no" flags, 32-bit
// numbers and lists of texts. Reads never fail loudly; writes report success
// and keep a fixed message on failure. A key the user may not write is held
// for reading only, so values stored by an installer or another user still read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>

#include "common/registry_backend.h"

// Every key of the kit lies at or below this path.
inline constexpr const char* kRegistryBasePath = "SOFTWARE\\QUAV\\ZoruzazAZ";

class RegistryStore {
 public:
  // A text must fit with its terminating zero: longer ones read as empty.
  static constexpr size_t kTextBufferSize = 5000;
  static constexpr size_t kNumberBufferSize = 260;
  // A damaged count must not make a reader loop for billions of entries.
  static constexpr int32_t kMaxListEntries = 65536;
  // The two failure texts a caller may show.
  static const char* const kKeysMessage;
  static const char* const kValuesMessage;

  explicit RegistryStore(RegistryBackend& backend) : backend_(backend) {}
  // The kit's machine-wide key: root HKEY_LOCAL_MACHINE, or the user's own
  // copy of the key as above, opened at once; a failed open is not reported.
  RegistryStore(RegistryBackend& backend, const std::string& keyPath);
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;
  virtual ~RegistryStore();

  bool Open(RegistryRoot root, const std::string& keyPath);
  bool CreateKeyPath(const std::string& keyPath);

  virtual std::string ReadString(const std::string& name);
  virtual bool WriteString(const std::string& name, const std::string& value);
  virtual bool ReadBool(const std::string& name, bool fallback);
  virtual bool WriteBool(const std::string& name, bool value);
  virtual bool ReadBool(const std::string& name, int fallback);
  virtual bool WriteBool(const std::string& name, int value);
  virtual int32_t ReadNumber(const std::string& name, int32_t fallback);
  virtual bool WriteNumber(const std::string& name, int32_t value);
  virtual bool ReadStringList(const std::string& name, std::list<std::string>& list);
  virtual bool WriteStringList(const std::string& name, const std::list<std::string>& list);

  const std::string& LastError() const { return lastError_; }
  // True when some key is held for reading.
  bool IsOpen() const { return key_ != nullptr || machineKey_ != nullptr; }
  // False when no key is open or the key could only be opened for reading.
  bool IsWritable() const { return key_ != nullptr && writable_; }

 private:
  void CloseHeldKey();
  // The value from the held key, or else from the machine-wide key behind it.
  [[gnu::always_inline]] bool Query(const std::string& name, size_t bufferSize, std::string* data);
  // Stores the bytes in the held key; the values message on any failure.
  bool SetValue(const std::string& name, RegistryType type, const std::string& data);

  RegistryBackend& backend_;
  RegistryKey key_ = nullptr;
  bool writable_ = false;
  // The machine-wide key, held for reading while key_ is the user's copy.
  RegistryKey machineKey_ = nullptr;
  RegistryRoot root_ = RegistryRoot::kNone;
  std::string keyPath_;
  std::string lastError_;
};
