// The registry store through the Win32 backend against the real registry of
// the build's Wine prefix. Every key made here is deleted again.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <climits>
#include <list>
#include <string>

#include "common/registry_store.h"
#include "common/win32/handles.h"
#include "common/win32/win32_registry_backend.h"

namespace {

constexpr RegistryRoot kHklm = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kHkcu = RegistryRoot::kCurrentUser;
const std::string kUserTest = "Software\\VendiscTest\\Registry";
const std::string kMachineTest = std::string(kRegistryBasePath) + "\\TestRegistry";

bool KeyExists(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void DeleteTree(HKEY root, const std::string& path) {
  if (KeyExists(root, path)) SHDeleteKeyA(root, path.c_str());
}

// Writes a value the way another program would, bypassing the store.
void PutRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
            const std::string& data) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                            nullptr, &opened, nullptr),
            ERROR_SUCCESS);
  win32::KeyHandle key(opened);
  ASSERT_EQ(
      RegSetValueExA(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size())),
      ERROR_SUCCESS);
}

struct RawValue {
  DWORD type = 0;
  std::string data;
  bool found = false;
};

RawValue GetRaw(HKEY root, const std::string& path, const std::string& name) {
  RawValue value;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return value;
  win32::KeyHandle key(opened);
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return value;
  }
  std::string data(size + 1, '\0');
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                       reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
    return value;
  }
  data.resize(size);
  value.data = data;
  value.found = true;
  return value;
}

class RegistryStoreWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    hadQuav_ = KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\QUAV");
    DeleteTree(HKEY_CURRENT_USER, "Software\\VendiscTest");
    DeleteTree(HKEY_LOCAL_MACHINE, kMachineTest);
  }
  void TearDown() override {
    DeleteTree(HKEY_CURRENT_USER, "Software\\VendiscTest");
    DeleteTree(HKEY_LOCAL_MACHINE, kMachineTest);
    if (!hadQuav_) DeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\QUAV");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\VendiscTest"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineTest));
    if (!hadQuav_) {
      EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\QUAV"));
    }
  }

  Win32RegistryBackend backend_;
  bool hadQuav_ = false;
};

TEST_F(RegistryStoreWin32Test, CreatesAKeyPathSeveralLevelsDeep) {
  const std::string deep = kUserTest + "\\One\\Two\\Three";
  ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\VendiscTest"));
  {
    RegistryStore store(backend_);
    ASSERT_TRUE(store.Open(kHkcu, deep));
    EXPECT_EQ(store.LastError(), "");
    EXPECT_TRUE(store.WriteString("ShownBefore", "yes"));
    EXPECT_EQ(store.ReadString("ShownBefore"), "yes");
  }
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserTest + "\\One\\Two"));
  RawValue raw = GetRaw(HKEY_CURRENT_USER, deep, "ShownBefore");
  ASSERT_TRUE(raw.found);
  EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw.data, std::string("yes\0", 4));  // with its terminating zero
}

TEST_F(RegistryStoreWin32Test, PathConstructorOpensUnderLocalMachine) {
  {
    RegistryStore store(backend_, kMachineTest);
    ASSERT_TRUE(store.IsOpen());
    EXPECT_TRUE(store.WriteBool("IsRunning", true));
    EXPECT_TRUE(store.ReadBool("IsRunning", false));
    EXPECT_TRUE(store.WriteBool("IsRunning", 0));
    EXPECT_FALSE(store.ReadBool("IsRunning", 1));
  }
  EXPECT_TRUE(GetRaw(HKEY_LOCAL_MACHINE, kMachineTest, "IsRunning").found);
  EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, kMachineTest, "IsRunning").found);
}

TEST_F(RegistryStoreWin32Test, TextWrittenByAnotherProgramReadsBack) {
  PutRaw(HKEY_CURRENT_USER, kUserTest, "WithZero", REG_SZ, std::string("hello\0", 6));
  PutRaw(HKEY_CURRENT_USER, kUserTest, "WithoutZero", REG_SZ, "world");
  PutRaw(HKEY_CURRENT_USER, kUserTest, "Expand", REG_EXPAND_SZ, std::string("%TEMP%\0", 7));
  PutRaw(HKEY_CURRENT_USER, kUserTest, "Flag", REG_SZ, std::string("Yes\0", 4));
  RegistryStore store(backend_);
  ASSERT_TRUE(store.Open(kHkcu, kUserTest));
  EXPECT_EQ(store.ReadString("WithZero"), "hello");
  EXPECT_EQ(store.ReadString("WithoutZero"), "world");
  EXPECT_EQ(store.ReadString("Expand"), "%TEMP%");
  EXPECT_TRUE(store.ReadBool("Flag", false));
  EXPECT_EQ(store.ReadString("Missing"), "");
}

TEST_F(RegistryStoreWin32Test, TextAtTheBufferSizeOrLongerReadsEmpty) {
  const size_t limit = RegistryStore::kTextBufferSize;
  PutRaw(HKEY_CURRENT_USER, kUserTest, "Fits", REG_SZ, std::string(limit - 1, 'a') + '\0');
  PutRaw(HKEY_CURRENT_USER, kUserTest, "Full", REG_SZ, std::string(limit, 'b'));
  PutRaw(HKEY_CURRENT_USER, kUserTest, "Over", REG_SZ, std::string(limit, 'c') + '\0');
  PutRaw(HKEY_CURRENT_USER, kUserTest, "Long", REG_SZ, std::string(3 * limit, 'd') + '\0');
  RegistryStore store(backend_);
  ASSERT_TRUE(store.Open(kHkcu, kUserTest));
  EXPECT_EQ(store.ReadString("Fits"), std::string(limit - 1, 'a'));
  EXPECT_EQ(store.ReadString("Full"), "");
  EXPECT_EQ(store.ReadString("Over"), "");
  EXPECT_EQ(store.ReadString("Long"), "");
  // The store's own long text round trips only while it fits with its zero.
  EXPECT_TRUE(store.WriteString("Own", std::string(limit - 1, 'e')));
  EXPECT_EQ(store.ReadString("Own"), std::string(limit - 1, 'e'));
  EXPECT_EQ(GetRaw(HKEY_CURRENT_USER, kUserTest, "Own").data.size(), limit);
  EXPECT_TRUE(store.WriteString("Own", std::string(limit, 'e')));
  EXPECT_EQ(store.ReadString("Own"), "");
}

TEST_F(RegistryStoreWin32Test, NumbersAreDwordsAndKeepTheTopBit) {
  RegistryStore store(backend_);
  ASSERT_TRUE(store.Open(kHkcu, kUserTest));
  for (int32_t n : {0, 1, -1, 0x12345678, INT32_MIN, INT32_MAX}) {
    ASSERT_TRUE(store.WriteNumber("N", n));
    EXPECT_EQ(store.ReadNumber("N", 7), n);
    RawValue raw = GetRaw(HKEY_CURRENT_USER, kUserTest, "N");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(raw.data.size(), 4u);
    DWORD stored = 0;
    memcpy(&stored, raw.data.data(), 4);
    EXPECT_EQ(stored, static_cast<DWORD>(n));
  }

  DWORD topBit = 0x80000001;
  PutRaw(HKEY_CURRENT_USER, kUserTest, "TopBit", REG_DWORD,
         std::string(reinterpret_cast<const char*>(&topBit), 4));
  PutRaw(HKEY_CURRENT_USER, kUserTest, "ZeroLength", REG_BINARY, "");
  PutRaw(HKEY_CURRENT_USER, kUserTest, "Qword", 11 /* REG_QWORD */,
         std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
  EXPECT_EQ(static_cast<uint32_t>(store.ReadNumber("TopBit", 7)), 0x80000001u);
  EXPECT_EQ(store.ReadNumber("ZeroLength", 7), 0);
  EXPECT_EQ(store.ReadNumber("Qword", 7), 0x04030201);
  EXPECT_EQ(store.ReadNumber("Missing", 7), 7);
}

TEST_F(RegistryStoreWin32Test, ShorterListOverLongerList) {
  RegistryStore store(backend_);
  ASSERT_TRUE(store.Open(kHkcu, kUserTest));
  ASSERT_TRUE(store.WriteStringList("Files", {"a", "b", "c", "d", "e"}));
  ASSERT_TRUE(store.WriteStringList("Files", {"x", "y", "z"}));
  EXPECT_TRUE(GetRaw(HKEY_CURRENT_USER, kUserTest, "Files_3").found);
  EXPECT_TRUE(GetRaw(HKEY_CURRENT_USER, kUserTest, "Files_4").found);
  EXPECT_EQ(GetRaw(HKEY_CURRENT_USER, kUserTest, "Files_count").type,
            static_cast<DWORD>(REG_DWORD));
  std::list<std::string> list;
  EXPECT_TRUE(store.ReadStringList("Files", list));
  EXPECT_EQ(list, (std::list<std::string>{"x", "y", "z"}));
}

// What a limited user gets for the machine's key: a key opened for reading
// only reads its values, and the system refuses writes to it.
TEST_F(RegistryStoreWin32Test, KeyOpenedReadOnlyReadsButRefusesWrites) {
  PutRaw(HKEY_CURRENT_USER, kUserTest, "IsRunning", REG_SZ, std::string("yes\0", 4));
  RegistryKey key = nullptr;
  ASSERT_TRUE(backend_.OpenKey(kHkcu, kUserTest, RegistryAccess::kReadOnly, &key));
  std::string data;
  EXPECT_EQ(backend_.QueryValue(key, "IsRunning", RegistryStore::kTextBufferSize, &data),
            RegistryRead::kRead);
  EXPECT_EQ(data, std::string("yes\0", 4));
  EXPECT_FALSE(backend_.SetValue(key, "IsRunning", RegistryType::kString, std::string("no\0", 3)));
  backend_.CloseKey(key);
  EXPECT_EQ(GetRaw(HKEY_CURRENT_USER, kUserTest, "IsRunning").data, std::string("yes\0", 4));
}

TEST_F(RegistryStoreWin32Test, KeyThatCannotBeOpenedReadsDefaultsAndFailsWrites) {
  // A missing first-level key is never created, so nothing can be opened below it.
  RegistryStore store(backend_);
  EXPECT_FALSE(store.Open(kHkcu, "VendiscNoSuchRoot\\Child"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "VendiscNoSuchRoot"));
  EXPECT_EQ(store.ReadNumber("N", 5), 5);
  EXPECT_TRUE(store.ReadBool("F", true));
  EXPECT_FALSE(store.WriteString("S", "x"));
  EXPECT_EQ(store.LastError(), RegistryStore::kValuesMessage);
}

}  // namespace
