// Raw registry bytes decoded by RegistryStore: texts, flags, numbers, lists,
// and what it writes read back the same; for a limited user the same values
// read, and what it writes goes to the user's copy of the key.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>

#include "common/registry_store.h"
#include "fake_registry_backend.h"
#include "fuzz_check.h"

namespace {
constexpr const char* kPath = "SOFTWARE\\QUAV\\ZoruzazAZ";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  FakeRegistryBackend backend;
  backend.AddKey(RegistryRoot::kLocalMachine, kPath);

  // A few values of any type and bytes, as another program may have left them.
  const int values = input.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < values; ++i) {
    const std::string name = input.ConsumeRandomLengthString(16);
    const auto type = static_cast<RegistryType>(input.ConsumeIntegral<uint32_t>());
    const std::string bytes = input.ConsumeRandomLengthString(6000);
    backend.PutValue(RegistryRoot::kLocalMachine, kPath, name, type, bytes);
  }
  const std::string name = input.ConsumeRandomLengthString(16);
  backend.limitedUser = input.ConsumeBool();

  RegistryStore store(backend, kPath);
  FUZZ_CHECK(store.IsOpen());
  FUZZ_CHECK(store.IsWritable());
  const RegistryRoot written =
      backend.limitedUser ? RegistryRoot::kCurrentUser : RegistryRoot::kLocalMachine;

  const std::string text = store.ReadString(name);
  FUZZ_CHECK(text.size() < RegistryStore::kTextBufferSize);
  FUZZ_CHECK(text.find('\0') == std::string::npos);
  (void)store.ReadBool(name, true);

  const int32_t number = store.ReadNumber(name, 12345);
  if (auto raw = backend.GetValue(RegistryRoot::kLocalMachine, kPath, name)) {
    if (raw->data.size() <= RegistryStore::kNumberBufferSize) {
      uint32_t expected = 0;
      for (size_t i = 0; i < raw->data.size() && i < 4; ++i) {
        expected |= static_cast<uint32_t>(static_cast<unsigned char>(raw->data[i])) << (8 * i);
      }
      FUZZ_CHECK(number == static_cast<int32_t>(expected));
    } else {
      FUZZ_CHECK(number == 12345);
    }
  } else {
    FUZZ_CHECK(number == 12345);
  }

  // A damaged count is capped; whatever the count, the list ends.
  std::list<std::string> list;
  FUZZ_CHECK(store.ReadStringList(name, list));
  FUZZ_CHECK(list.size() <= static_cast<size_t>(RegistryStore::kMaxListEntries));

  // Round trips of what the store writes.
  const std::string writtenText = input.ConsumeRandomLengthString(6000);
  const int32_t writtenNumber = input.ConsumeIntegral<int32_t>();
  std::list<std::string> entries;
  const int count = input.ConsumeIntegralInRange(0, 4);
  for (int i = 0; i < count; ++i) entries.push_back(input.ConsumeRandomLengthString(40));

  FUZZ_CHECK(store.WriteString("Text", writtenText));
  const std::string back = store.ReadString("Text");
  const std::string upToZero = writtenText.substr(0, writtenText.find('\0'));
  // The text is stored up to its first zero, with one terminating zero that
  // must fit in the buffer too.
  auto stored = backend.GetValue(written, kPath, "Text");
  FUZZ_CHECK(stored && stored->data == upToZero + '\0');
  const bool fits = upToZero.size() < RegistryStore::kTextBufferSize;
  FUZZ_CHECK(back == (fits ? upToZero : ""));
  FUZZ_CHECK(store.WriteNumber("Number", writtenNumber));
  FUZZ_CHECK(store.ReadNumber("Number", 0) == writtenNumber);

  FUZZ_CHECK(store.WriteStringList("List", entries));
  std::list<std::string> read;
  store.ReadStringList("List", read);
  FUZZ_CHECK(read.size() == entries.size());
  auto r = read.begin();
  for (const std::string& entry : entries) {
    FUZZ_CHECK(*r++ == entry.substr(0, entry.find('\0')));
  }
  FUZZ_CHECK(!backend.limitedUser ||
             !backend.WasWritten(RegistryRoot::kLocalMachine, kPath, "Text"));
  return 0;
}
