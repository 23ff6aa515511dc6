#include "common/registry_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <list>
#include <string>
#include <vector>

#include "fake_registry_backend.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::string_literals;

constexpr RegistryRoot kHklm = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kHkcu = RegistryRoot::kCurrentUser;
const std::string kBase = kRegistryBasePath;

const char* const kKeysText =
    "Failed to create the registry keys.  Check that logged on user has sufficient rights to "
    "create registry keys and values.";
const char* const kValuesText =
    "Failed to create the registry values.  Check that logged on user has sufficient rights to "
    "create registry keys and values.";

std::string Bytes(std::initializer_list<unsigned> bytes) {
  std::string data;
  for (unsigned b : bytes) data.push_back(static_cast<char>(b));
  return data;
}

class RegistryStoreTest : public ::testing::Test {
 protected:
  void TearDown() override {
    // Every test ends with its stores gone: no key may stay open.
    EXPECT_THAT(registry_.OpenHandles(), IsEmpty());
    EXPECT_EQ(registry_.badHandles, 0);
  }
  FakeRegistryBackend registry_;
};

TEST_F(RegistryStoreTest, MessagesAreExact) {
  EXPECT_STREQ(RegistryStore::kKeysMessage, kKeysText);
  EXPECT_STREQ(RegistryStore::kValuesMessage, kValuesText);
}

TEST_F(RegistryStoreTest, OpenCreatesMissingKeysParentFirstAndHoldsOneKey) {
  const std::string path = kBase + "\\Ecdsetup.exe";
  {
    RegistryStore store(registry_);
    ASSERT_TRUE(store.Open(kHkcu, path));
    EXPECT_THAT(registry_.createdKeys,
                ElementsAre("HKCU\\SOFTWARE\\QUAV", "HKCU\\SOFTWARE\\QUAV\\ZoruzazAZ",
                            "HKCU\\SOFTWARE\\QUAV\\ZoruzazAZ\\Ecdsetup.exe"));
    EXPECT_THAT(registry_.OpenHandles(), ElementsAre("HKCU\\" + path));
    EXPECT_TRUE(store.WriteString("ShownBefore", "yes"));
    EXPECT_EQ(store.ReadString("ShownBefore"), "yes");
    EXPECT_EQ(store.LastError(), "");
  }
  EXPECT_EQ(registry_.Text(kHkcu, path, "shownbefore"), "yes");
  EXPECT_FALSE(registry_.KeyExists(kHklm, kBase));
}

TEST_F(RegistryStoreTest, OpenOfAnExistingKeyCreatesNothing) {
  registry_.AddKey(kHklm, kBase);
  RegistryStore store(registry_, kBase);  // the path constructor opens under HKLM
  EXPECT_TRUE(store.IsOpen());
  EXPECT_EQ(registry_.creates, 0);
  EXPECT_EQ(registry_.opens, 1);
}

TEST_F(RegistryStoreTest, FirstLevelKeyIsNeverCreated) {
  RegistryStore store(registry_);
  EXPECT_FALSE(store.Open(kHklm, "NOSUCHROOT"));
  EXPECT_FALSE(store.Open(kHklm, "NOSUCHROOT\\Child"));
  // The parent cannot be opened, so the child is not attempted and nothing is reported.
  EXPECT_EQ(registry_.creates, 0);
  EXPECT_EQ(store.LastError(), "");
  EXPECT_FALSE(store.IsOpen());
}

TEST_F(RegistryStoreTest, UnopenableParentIsNotAnErrorOfCreateKeyPath) {
  registry_.AddKey(kHklm, "SOFTWARE\\QUAV");
  registry_.FailOpen(kHklm, "SOFTWARE\\QUAV");
  RegistryStore store(registry_);
  EXPECT_FALSE(store.Open(kHklm, kBase));
  EXPECT_FALSE(registry_.KeyExists(kHklm, kBase));
  EXPECT_EQ(store.LastError(), "");
  EXPECT_TRUE(store.CreateKeyPath(kBase + "\\Deeper"));
  EXPECT_THAT(registry_.createdKeys, IsEmpty());
}

TEST_F(RegistryStoreTest, CreationFailureRecordsKeysMessageAndStopsBelow) {
  registry_.FailCreate(kHklm, "SOFTWARE\\QUAV");
  RegistryStore store(registry_);
  EXPECT_FALSE(store.Open(kHklm, kBase + "\\Deeper"));
  EXPECT_EQ(store.LastError(), kKeysText);
  EXPECT_EQ(registry_.creates, 1);  // nothing below the failed key is tried
  EXPECT_THAT(registry_.createdKeys, IsEmpty());
  EXPECT_FALSE(store.CreateKeyPath(kBase));
}

TEST_F(RegistryStoreTest, StoreWhoseOpenFailedReadsDefaultsAndFailsWrites) {
  registry_.denyWrites = true;
  RegistryStore store(registry_, kBase);
  ASSERT_FALSE(store.IsOpen());
  EXPECT_EQ(store.LastError(), kKeysText);
  int queriesBefore = registry_.queries;

  EXPECT_EQ(store.ReadString("A"), "");
  EXPECT_TRUE(store.ReadBool("A", true));
  EXPECT_EQ(store.ReadNumber("A", 42), 42);
  std::list<std::string> list{"kept"};
  EXPECT_TRUE(store.ReadStringList("L", list));
  EXPECT_THAT(list, ElementsAre("kept"));
  EXPECT_EQ(registry_.queries, queriesBefore);

  EXPECT_FALSE(store.WriteString("A", "x"));
  EXPECT_EQ(store.LastError(), kValuesText);
  EXPECT_FALSE(store.WriteBool("A", true));
  EXPECT_FALSE(store.WriteNumber("A", 1));
  EXPECT_FALSE(store.WriteStringList("L", {"a"}));
  EXPECT_EQ(registry_.sets, 0);
}

// Opening asks for writing first, creates the path if that fails, asks again,
// and only then settles for reading.
TEST_F(RegistryStoreTest, OpenFallsBackToReadingOnlyAfterCreating) {
  const std::string key = "HKLM\\" + kBase;
  const std::vector<std::string> refused = {
      "OpenKey(" + key + ", rw) fails", "OpenKey(HKLM\\SOFTWARE, rw) fails",
      "OpenKey(HKLM\\SOFTWARE\\QUAV, rw) fails", "OpenKey(" + key + ", rw) fails"};
  const std::vector<std::string> created = {
      "OpenKey(" + key + ", rw) fails",     "OpenKey(HKLM\\SOFTWARE, rw) ok",
      "CreateKey(HKLM\\SOFTWARE\\QUAV) ok", "OpenKey(HKLM\\SOFTWARE\\QUAV, rw) ok",
      "CreateKey(" + key + ") ok",          "OpenKey(" + key + ", rw) ok"};
  auto then = [](std::vector<std::string> calls, const std::string& last) {
    calls.push_back(last);
    return calls;
  };
  struct Row {
    bool limitedUser;
    bool keyExists;
    bool open;
    bool writable;
    std::vector<std::string> calls;
  } rows[] = {
      {false, true, true, true, {"OpenKey(" + key + ", rw) ok"}},
      {false, false, true, true, created},
      {true, true, true, false, then(refused, "OpenKey(" + key + ", ro) ok")},  // by the installer
      {true, false, false, false, then(refused, "OpenKey(" + key + ", ro) fails")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "limited/key " << row.limitedUser << row.keyExists);
    FakeRegistryBackend registry;
    registry.limitedUser = row.limitedUser;
    if (row.keyExists) registry.AddKey(kHklm, kBase);
    {
      RegistryStore store(registry);
      EXPECT_EQ(store.Open(kHklm, kBase), row.open);
      EXPECT_EQ(store.IsOpen(), row.open);
      EXPECT_EQ(store.IsWritable(), row.writable);
      EXPECT_EQ(store.LastError(), "");  // a refused parent is not a failed creation
      EXPECT_EQ(registry.keyCalls, row.calls);
    }
    EXPECT_THAT(registry.OpenHandles(), IsEmpty());
  }
}

// The kit's key (the path constructor): the machine-wide key where it can be
// written, else the user's copy, read first, with the machine-wide key behind
// it. The program's first store decides: a later one costs one or two opens
// and keeps to that choice even when the rights change.
TEST_F(RegistryStoreTest, KitKeyIsTheUsersCopyWhereTheMachineKeyCannotBeWritten) {
  struct Row {
    const char* what;
    bool FakeRegistryBackend::*refusal;  // null: an administrator
    bool machineReads;                   // what the installer stored still reads while refused
  } rows[] = {{"administrator", nullptr, true},
              {"standard user", &FakeRegistryBackend::limitedUser, true},
              {"machine key unreadable", &FakeRegistryBackend::denyMachine, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const bool user = row.refusal != nullptr;
    FakeRegistryBackend registry;
    registry.PutText(kHklm, kBase, "InstallPath", "C:\\Kit");
    registry.PutText(kHklm, kBase, "Cleared", "machine");
    registry.PutText(kHkcu, kBase, "Cleared", "");
    registry.PutText(kHklm, kBase, "Long", "machine");
    registry.PutText(kHkcu, kBase, "Long", std::string(RegistryStore::kTextBufferSize, 'x'));
    if (user) registry.*row.refusal = true;
    for (int run = 0; run < 2; ++run) {
      const int opens = registry.opens;
      RegistryStore store(registry, kBase);
      EXPECT_TRUE(run == 0 || registry.opens - opens == (user ? 2 : 1));
      EXPECT_TRUE(store.WriteString("LastINFFile", "E:\\autorun.inf"));
      EXPECT_EQ(store.ReadString("InstallPath"), row.machineReads || run == 1 ? "C:\\Kit" : "");
      // A value of the user's hides the machine's, even one empty or too long to read.
      EXPECT_EQ(store.ReadString("Cleared"), user ? "" : "machine");
      EXPECT_EQ(store.ReadString("Long"), user ? "" : "machine");
      if (user) registry.*row.refusal = false;
    }
    EXPECT_EQ(registry.WasWritten(kHklm, kBase, "LastINFFile"), !user);
    EXPECT_EQ(registry.WasWritten(kHkcu, kBase, "LastINFFile"), user);
    for (const std::string& key : registry.createdKeys)
      EXPECT_EQ(key.rfind("HKLM", 0) == 0, !user) << key;
    EXPECT_THAT(registry.OpenHandles(), IsEmpty());
  }
}

TEST_F(RegistryStoreTest, WriteFailureKeepsValuesMessageUntilTheNextFailure) {
  registry_.AddKey(kHklm, kBase);
  registry_.FailWrite(kHklm, kBase, "IsRunning");
  RegistryStore store(registry_, kBase);
  EXPECT_FALSE(store.WriteBool("IsRunning", true));
  EXPECT_EQ(store.LastError(), kValuesText);
  EXPECT_FALSE(store.WriteNumber("IsRunning", 1));
  EXPECT_TRUE(store.WriteString("Other", "x"));
  EXPECT_EQ(store.LastError(), kValuesText);  // a later success does not clear it
  EXPECT_FALSE(registry_.HasValue(kHklm, kBase, "IsRunning"));
}

TEST_F(RegistryStoreTest, OpeningAgainClosesTheHeldKey) {
  registry_.AddKey(kHklm, kBase);
  registry_.AddKey(kHkcu, kBase);
  RegistryStore store(registry_);
  ASSERT_TRUE(store.Open(kHklm, kBase));
  ASSERT_TRUE(store.Open(kHkcu, kBase));
  EXPECT_THAT(registry_.OpenHandles(), ElementsAre("HKCU\\" + kBase));
  EXPECT_TRUE(store.WriteString("V", "x"));
  EXPECT_TRUE(registry_.WasWritten(kHkcu, kBase, "V"));
  EXPECT_FALSE(registry_.HasValue(kHklm, kBase, "V"));
}

// Other readers of a REG_SZ value rely on its terminating zero: every text the
// store hands the backend ends in exactly one, and holds no other (nothing
// after a zero could be read back).
TEST_F(RegistryStoreTest, TextsFlagsAndListEntriesEndInExactlyOneZero) {
  RegistryStore store(registry_, kBase);
  ASSERT_TRUE(store.WriteString("LastINFFile", "E:\\cd\\autorun.inf"));
  ASSERT_TRUE(store.WriteString("Empty", ""));
  ASSERT_TRUE(store.WriteString("Embedded", "ab\0cd\0"s));
  ASSERT_TRUE(store.WriteBool("Yes", true));
  ASSERT_TRUE(store.WriteBool("No", 0));
  ASSERT_TRUE(store.WriteStringList("L", {"a.htm", ""}));
  // clang-format off
  const std::pair<const char*, std::string> rows[] = {{"LastINFFile", "E:\\cd\\autorun.inf\0"s},
      {"Empty", "\0"s}, {"Embedded", "ab\0"s}, {"Yes", "yes\0"s}, {"No", "no\0"s},
      {"L_0", "a.htm\0"s}, {"L_1", "\0"s}};
  // clang-format on
  for (const auto& [name, data] : rows) {
    auto value = registry_.GetValue(kHklm, kBase, name);
    ASSERT_TRUE(value) << name;
    EXPECT_EQ(value->type, RegistryType::kString) << name;
    EXPECT_EQ(value->data, data) << name;
  }
  EXPECT_EQ(store.ReadString("Embedded"), "ab");
}

// The zero counts against the buffer: 4999 characters fit, 5000 do not.
TEST_F(RegistryStoreTest, OwnTextsRoundTripUpToTheBufferLessOne) {
  const size_t limit = RegistryStore::kTextBufferSize;
  RegistryStore store(registry_, kBase);
  for (size_t length : {limit - 2, limit - 1, limit, limit + 1}) {
    const std::string written(length, 'x');
    ASSERT_TRUE(store.WriteString("T", written));
    EXPECT_EQ(registry_.GetValue(kHklm, kBase, "T")->data.size(), length + 1);
    EXPECT_EQ(store.ReadString("T"), length < limit ? written : "") << length;
  }
}

// Values written by older versions carry no terminating zero.
TEST_F(RegistryStoreTest, ValuesStoredWithoutAZeroStillRead) {
  registry_.PutTextWithoutZero(kHklm, kBase, "LastINFFile", "E:\\autorun.inf");
  registry_.PutTextWithoutZero(kHklm, kBase, "IsRunning", "yes");
  registry_.PutNumber(kHklm, kBase, "L_count", 2);
  registry_.PutTextWithoutZero(kHklm, kBase, "L_0", "one");
  registry_.PutText(kHklm, kBase, "L_1", "two");
  RegistryStore store(registry_, kBase);
  EXPECT_EQ(store.ReadString("LastINFFile"), "E:\\autorun.inf");
  EXPECT_TRUE(store.ReadBool("IsRunning", false));
  std::list<std::string> list;
  store.ReadStringList("L", list);
  EXPECT_THAT(list, ElementsAre("one", "two"));
}

TEST_F(RegistryStoreTest, ReadStringEndsAtTheFirstZeroOrTheBufferLimit) {
  const size_t limit = RegistryStore::kTextBufferSize;
  struct Row {
    std::string stored;
    std::string expected;
  } rows[] = {
      {"plain", "plain"},
      {std::string("with zero\0", 10), "with zero"},
      {std::string("ab\0cd", 5), "ab"},
      {std::string(limit - 1, 'a'), std::string(limit - 1, 'a')},
      {std::string(limit - 1, 'b') + '\0', std::string(limit - 1, 'b')},  // fills the buffer
      {std::string(limit, 'c'), ""},  // no room for the terminating zero
      {std::string(limit + 1, 'd'), ""},
      {std::string(3 * limit, 'e'), ""},
  };
  for (const Row& row : rows) {
    registry_.PutValue(kHklm, kBase, "T", RegistryType::kString, row.stored);
    RegistryStore store(registry_, kBase);
    EXPECT_EQ(store.ReadString("T"), row.expected) << "stored " << row.stored.size() << " bytes";
  }
  RegistryStore store(registry_, kBase);
  EXPECT_EQ(store.ReadString("Missing"), "");
}

TEST_F(RegistryStoreTest, ReadBoolTakesAnyTextStartingWithY) {
  struct Row {
    const char* stored;  // nullptr: value missing
    bool whenDefaultFalse;
    bool whenDefaultTrue;
  } rows[] = {
      {"yes", true, true},    {"Yes", true, true}, {"Y", true, true},      {"yellow", true, true},
      {"no", false, false},   {"N", false, false}, {"0", false, false},    {"1", false, false},
      {" yes", false, false}, {"", false, true},   {nullptr, false, true},
  };
  for (const Row& row : rows) {
    registry_.RemoveValue(kHklm, kBase, "Flag");
    if (row.stored) registry_.PutText(kHklm, kBase, "Flag", row.stored);
    RegistryStore store(registry_, kBase);
    const char* shown = row.stored ? row.stored : "(missing)";
    EXPECT_EQ(store.ReadBool("Flag", false), row.whenDefaultFalse) << shown;
    EXPECT_EQ(store.ReadBool("Flag", true), row.whenDefaultTrue) << shown;
    EXPECT_EQ(store.ReadBool("Flag", 0), row.whenDefaultFalse) << shown;
    EXPECT_EQ(store.ReadBool("Flag", 7), row.whenDefaultTrue) << shown;
  }
}

TEST_F(RegistryStoreTest, WriteBoolStoresYesOrNo) {
  RegistryStore store(registry_, kBase);
  ASSERT_TRUE(store.WriteBool("A", true));
  ASSERT_TRUE(store.WriteBool("B", false));
  ASSERT_TRUE(store.WriteBool("C", -3));
  ASSERT_TRUE(store.WriteBool("D", 0));
  EXPECT_EQ(registry_.GetValue(kHklm, kBase, "A")->data, std::string("yes\0", 4));
  EXPECT_EQ(registry_.GetValue(kHklm, kBase, "A")->type, RegistryType::kString);
  EXPECT_EQ(registry_.Text(kHklm, kBase, "B"), "no");
  EXPECT_EQ(registry_.Text(kHklm, kBase, "C"), "yes");
  EXPECT_EQ(registry_.Text(kHklm, kBase, "D"), "no");
  EXPECT_TRUE(store.ReadBool("A", false));
  EXPECT_FALSE(store.ReadBool("B", true));
}

TEST_F(RegistryStoreTest, NumbersRoundTripAsLittleEndianDwords) {
  RegistryStore store(registry_, kBase);
  for (int32_t n : {0, 1, -1, 255, 256, 0x12345678, INT32_MAX, INT32_MIN, -2}) {
    ASSERT_TRUE(store.WriteNumber("N", n));
    EXPECT_EQ(store.ReadNumber("N", 99), n);
    auto value = registry_.GetValue(kHklm, kBase, "N");
    EXPECT_EQ(value->type, RegistryType::kDword);
    EXPECT_EQ(registry_.Number(kHklm, kBase, "N"), static_cast<uint32_t>(n));
  }
  ASSERT_TRUE(store.WriteNumber("N", 0x12345678));
  EXPECT_EQ(registry_.GetValue(kHklm, kBase, "N")->data, Bytes({0x78, 0x56, 0x34, 0x12}));
}

TEST_F(RegistryStoreTest, ReadNumberTakesTheRawBytesOfAnyValue) {
  const auto binary = static_cast<RegistryType>(3);  // REG_BINARY
  struct Row {
    const char* what;
    RegistryType type;
    std::string data;
    int32_t expected;
  } rows[] = {
      {"zero-length", binary, "", 0},
      {"one byte", binary, Bytes({0xFF}), 0xFF},
      {"two bytes", binary, Bytes({0x34, 0x12}), 0x1234},
      {"top bit", RegistryType::kDword, Bytes({0, 0, 0, 0x80}), INT32_MIN},
      {"text", RegistryType::kString, "5", 0x35},
      {"eight bytes: the first four", binary, Bytes({1, 2, 3, 4, 5, 6, 7, 8}), 0x04030201},
      {"buffer full", binary, std::string(RegistryStore::kNumberBufferSize, '\x11'), 0x11111111},
      {"over the buffer", binary, std::string(RegistryStore::kNumberBufferSize + 1, '\x11'), -7},
  };
  for (const Row& row : rows) {
    registry_.PutValue(kHklm, kBase, "N", row.type, row.data);
    RegistryStore store(registry_, kBase);
    EXPECT_EQ(store.ReadNumber("N", -7), row.expected) << row.what;
  }
  RegistryStore store(registry_, kBase);
  EXPECT_EQ(store.ReadNumber("Missing", -7), -7);
}

TEST_F(RegistryStoreTest, ListRoundTripUsesCountAndNumberedEntries) {
  RegistryStore store(registry_, kBase);
  ASSERT_TRUE(store.WriteStringList("Files", {"a.htm", "", "c d.pdf"}));
  EXPECT_EQ(registry_.Number(kHklm, kBase, "Files_count"), 3u);
  EXPECT_THAT(registry_.ValueNames(kHklm, kBase),
              ElementsAre("Files_0", "Files_1", "Files_2", "Files_count"));
  std::list<std::string> list{"before"};  // reading appends, never empties
  EXPECT_TRUE(store.ReadStringList("Files", list));
  EXPECT_THAT(list, ElementsAre("before", "a.htm", "", "c d.pdf"));
}

TEST_F(RegistryStoreTest, ShorterListLeavesOldEntriesButReadsItsOwnCount) {
  RegistryStore store(registry_, kBase);
  ASSERT_TRUE(store.WriteStringList("L", {"0", "1", "2", "3", "4"}));
  ASSERT_TRUE(store.WriteStringList("L", {"x", "y", "z"}));
  EXPECT_EQ(registry_.Text(kHklm, kBase, "L_3"), "3");
  EXPECT_EQ(registry_.Text(kHklm, kBase, "L_4"), "4");
  std::list<std::string> list;
  store.ReadStringList("L", list);
  EXPECT_THAT(list, ElementsAre("x", "y", "z"));

  ASSERT_TRUE(store.WriteStringList("L", {}));
  list.clear();
  store.ReadStringList("L", list);
  EXPECT_THAT(list, IsEmpty());
}

TEST_F(RegistryStoreTest, ListNeverWrittenOrWithBadCountLeavesTheListAlone) {
  RegistryStore store(registry_, kBase);
  std::list<std::string> list{"mine"};
  EXPECT_TRUE(store.ReadStringList("Never", list));
  registry_.PutNumber(kHklm, kBase, "Negative_count", static_cast<uint32_t>(-3));
  EXPECT_TRUE(store.ReadStringList("Negative", list));
  EXPECT_THAT(list, ElementsAre("mine"));
}

TEST_F(RegistryStoreTest, DamagedHugeCountIsCapped) {
  registry_.PutNumber(kHklm, kBase, "Big_count", 0x7FFFFFFF);
  registry_.PutText(kHklm, kBase, "Big_0", "first");
  RegistryStore store(registry_, kBase);
  std::list<std::string> list;
  EXPECT_TRUE(store.ReadStringList("Big", list));
  ASSERT_EQ(list.size(), static_cast<size_t>(RegistryStore::kMaxListEntries));
  EXPECT_EQ(list.front(), "first");
}

TEST_F(RegistryStoreTest, FailedEntryDoesNotStopTheListButIsReported) {
  registry_.AddKey(kHklm, kBase);
  registry_.FailWrite(kHklm, kBase, "L_1");
  RegistryStore store(registry_, kBase);
  EXPECT_FALSE(store.WriteStringList("L", {"a", "b", "c"}));
  EXPECT_EQ(store.LastError(), kValuesText);
  EXPECT_TRUE(registry_.WasWritten(kHklm, kBase, "L_0"));
  EXPECT_FALSE(registry_.WasWritten(kHklm, kBase, "L_1"));
  EXPECT_TRUE(registry_.WasWritten(kHklm, kBase, "L_2"));
  EXPECT_EQ(registry_.Number(kHklm, kBase, "L_count"), 3u);
}

TEST_F(RegistryStoreTest, FailedCountFailsTheList) {
  registry_.AddKey(kHklm, kBase);
  registry_.FailWrite(kHklm, kBase, "L_count");
  RegistryStore store(registry_, kBase);
  EXPECT_FALSE(store.WriteStringList("L", {"a"}));
  EXPECT_TRUE(registry_.WasWritten(kHklm, kBase, "L_0"));
}

TEST_F(RegistryStoreTest, ValueNamesAreCaseInsensitive) {
  RegistryStore store(registry_, kBase);
  ASSERT_TRUE(store.WriteString("AppShowWelcomeDialog", "no"));
  EXPECT_FALSE(store.ReadBool("appshowwelcomedialog", true));
  RegistryStore other(registry_);
  ASSERT_TRUE(other.Open(kHklm, "software\\quav\\zoruzazaz"));
  EXPECT_EQ(other.ReadString("APPSHOWWELCOMEDIALOG"), "no");
}

}  // namespace
