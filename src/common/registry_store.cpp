#include "common/registry_store.h"

#include <initializer_list>

#include "common/text.h"

namespace {

// Both programs store numbers as four little-endian bytes.
constexpr size_t kNumberBytes = 4;

// Closes a key opened for one step of CreateKeyPath on every path.
class ScopedKey {
 public:
  explicit ScopedKey(RegistryBackend& backend) : backend_(backend) {}
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() {
    if (key_ != nullptr) backend_.CloseKey(key_);
  }
  RegistryKey* Receive() { return &key_; }
  RegistryKey Get() const { return key_; }

 private:
  RegistryBackend& backend_;
  RegistryKey key_ = nullptr;
};

}  // namespace

const char* const RegistryStore::kKeysMessage =
    "Failed to create the registry keys.  Check that logged on user has sufficient rights to "
    "create registry keys and values.";
const char* const RegistryStore::kValuesMessage =
    "Failed to create the registry values.  Check that logged on user has sufficient rights to "
    "create registry keys and values.";

RegistryStore::RegistryStore(RegistryBackend& backend, const std::string& keyPath)
    : backend_(backend) {
  std::optional<bool>& machineWritable = backend_.machineKeyWritable_;
  if (machineWritable == true) {
    Open(RegistryRoot::kLocalMachine, keyPath);
    return;
  }
  RegistryKey machine = nullptr;
  if (machineWritable.has_value()) {
    backend_.OpenKey(RegistryRoot::kLocalMachine, keyPath, RegistryAccess::kReadOnly, &machine);
  } else {
    // The program's first store decides, by trying to open (or create) the
    // key for writing, as every store did before there was a choice.
    machineWritable = Open(RegistryRoot::kLocalMachine, keyPath) && IsWritable();
    if (*machineWritable) return;
    machine = key_;  // read-only, or none
    key_ = nullptr;
    // The machine-wide key's refusal is no failure of the user's copy.
    lastError_.clear();
  }
  Open(RegistryRoot::kCurrentUser, keyPath);
  machineKey_ = machine;
}

RegistryStore::~RegistryStore() { CloseHeldKey(); }

void RegistryStore::CloseHeldKey() {
  if (key_ != nullptr) backend_.CloseKey(key_);
  if (machineKey_ != nullptr) backend_.CloseKey(machineKey_);
  key_ = nullptr;
  machineKey_ = nullptr;
  writable_ = false;
}

inline bool RegistryStore::Query(const std::string& name, size_t bufferSize, std::string* data) {
  // A value the user's copy holds hides the machine's, even one too long to read.
  for (RegistryKey key : {key_, machineKey_}) {
    if (key == nullptr) continue;
    const RegistryRead read = backend_.QueryValue(key, name, bufferSize, data);
    if (read != RegistryRead::kMissing) return read == RegistryRead::kRead;
  }
  return false;
}

bool RegistryStore::Open(RegistryRoot root, const std::string& keyPath) {
  // A store opened twice must not leak the key it held.
  CloseHeldKey();
  root_ = root;
  keyPath_ = keyPath;
  RegistryKey key = nullptr;
  bool writable = backend_.OpenKey(root_, keyPath_, RegistryAccess::kReadWrite, &key);
  if (!writable) {
    CreateKeyPath(keyPath_);
    key = nullptr;
    writable = backend_.OpenKey(root_, keyPath_, RegistryAccess::kReadWrite, &key);
  }
  if (!writable) {
    // A limited user may not write the machine's key but must still read
    // what the installer or another user stored there.
    key = nullptr;
    if (!backend_.OpenKey(root_, keyPath_, RegistryAccess::kReadOnly, &key)) return false;
  }
  key_ = key;
  writable_ = writable;
  return true;
}

bool RegistryStore::CreateKeyPath(const std::string& keyPath) {
  size_t slash = keyPath.rfind('\\');
  // A first-level key such as SOFTWARE always exists and is never created.
  if (slash == std::string::npos || slash == 0) return true;
  std::string parentPath = keyPath.substr(0, slash);
  std::string leaf = text::ReplaceAll(keyPath.substr(slash + 1), "\\", "");
  if (!CreateKeyPath(parentPath)) return false;

  ScopedKey parent(backend_);
  // An unopenable parent is left for the caller's second open to report.
  if (!backend_.OpenKey(root_, parentPath, RegistryAccess::kReadWrite, parent.Receive())) {
    return true;
  }
  ScopedKey created(backend_);
  if (!backend_.CreateKey(parent.Get(), leaf, created.Receive())) {
    lastError_ = kKeysMessage;
    return false;
  }
  return true;
}

std::string RegistryStore::ReadString(const std::string& name) {
  std::string data;
  if (!Query(name, kTextBufferSize, &data)) return std::string();
  // The text ends at the first zero byte, or at the end of data stored without one.
  size_t end = data.find('\0');
  if (end != std::string::npos) data.resize(end);
  // A text that leaves no room for its terminating zero does not fit the buffer.
  if (data.size() >= kTextBufferSize) return std::string();
  return data;
}

bool RegistryStore::WriteString(const std::string& name, const std::string& value) {
  // REG_SZ data ends in its terminating zero, or other readers see garbage
  // after the text. Nothing past an embedded zero could ever be read back.
  std::string data = value.substr(0, value.find('\0'));
  data.push_back('\0');
  return SetValue(name, RegistryType::kString, data);
}

bool RegistryStore::ReadBool(const std::string& name, bool fallback) {
  std::string value = ReadString(name);
  if (value.empty()) return fallback;
  return text::ToLower(value[0]) == 'y';
}

bool RegistryStore::WriteBool(const std::string& name, bool value) {
  return WriteString(name, value ? "yes" : "no");
}

bool RegistryStore::ReadBool(const std::string& name, int fallback) {
  return ReadBool(name, fallback != 0);
}

bool RegistryStore::WriteBool(const std::string& name, int value) {
  return WriteBool(name, value != 0);
}

int32_t RegistryStore::ReadNumber(const std::string& name, int32_t fallback) {
  std::string data;
  if (!Query(name, kNumberBufferSize, &data)) return fallback;
  // The bytes read as one little-endian number, whatever the value's type: a
  // zero-length value is 0, shorter data is zero-extended, and of longer data
  // only the first four bytes count (the low 32 bits of the whole).
  uint32_t value = 0;
  size_t count = data.size() < kNumberBytes ? data.size() : kNumberBytes;
  for (size_t i = count; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(data[i]);
  }
  return static_cast<int32_t>(value);
}

bool RegistryStore::WriteNumber(const std::string& name, int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  std::string data(kNumberBytes, '\0');
  for (size_t i = 0; i < kNumberBytes; ++i) {
    data[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  }
  return SetValue(name, RegistryType::kDword, data);
}

bool RegistryStore::SetValue(const std::string& name, RegistryType type, const std::string& data) {
  if (!IsWritable() || !backend_.SetValue(key_, name, type, data)) {
    lastError_ = kValuesMessage;
    return false;
  }
  return true;
}

bool RegistryStore::ReadStringList(const std::string& name, std::list<std::string>& list) {
  int32_t count = ReadNumber(name + "_count", 0);
  if (count > kMaxListEntries) count = kMaxListEntries;
  for (int32_t i = 0; i < count; ++i) {
    list.push_back(ReadString(text::Format("%s_%d", name.c_str(), i)));
  }
  return true;
}

bool RegistryStore::WriteStringList(const std::string& name, const std::list<std::string>& list) {
  // Every entry is attempted even after a failure; entries beyond the count,
  // left from a longer list, are never read and so are left alone.
  bool entriesWritten = true;
  int32_t number = 0;
  for (const std::string& entry : list) {
    if (!WriteString(text::Format("%s_%d", name.c_str(), number), entry)) entriesWritten = false;
    ++number;
  }
  bool countWritten = WriteNumber(name + "_count", number);
  // A list with a lost entry would read back wrong, so that is a failure too.
  return countWritten && entriesWritten;
}
