// ShellOpener over the real shell: which call a target takes, the codes the
// shell gives back, waiting for a program and ending a linger.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "common/shell_opener.h"
#include "common/text.h"
#include "common/win32/handles.h"
#include "common/win32/win32_file_system.h"
#include "common/win32/win32_opener_ui.h"
#include "common/win32/win32_shell_port.h"
#include "temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kExtension = ".vdrec";
constexpr const char* kProgId = "Vendisc.TestRecording";
// Wine 8 looks file associations up in HKEY_CLASSES_ROOT only (its per-user
// classes are not merged in), so the test registers there, in the test prefix.
constexpr const char* kClasses = "Software\\Classes\\";
const HKEY kClassesRoot = HKEY_LOCAL_MACHINE;

long long MsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

void SetDefaultValue(const std::string& key, const std::string& value) {
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExA(kClassesRoot, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw,
                            nullptr),
            ERROR_SUCCESS)
      << key;
  win32::KeyHandle owned(raw);
  ASSERT_EQ(RegSetValueExA(raw, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1)),
            ERROR_SUCCESS);
}

void DeleteTree(const std::string& key) {
  // RegDeleteTree is Vista and later; the shell's version works everywhere.
  using DeleteKeyFn = LONG(WINAPI*)(HKEY, LPCSTR);
  HMODULE shlwapi = LoadLibraryA("shlwapi.dll");
  if (!shlwapi) return;
  auto fn = reinterpret_cast<DeleteKeyFn>(
      reinterpret_cast<void*>(GetProcAddress(shlwapi, "SHDeleteKeyA")));
  if (fn) fn(kClassesRoot, key.c_str());
  FreeLibrary(shlwapi);
}

class ShellOpenerWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.ok());
    folder_ = temp_.Path();
    ASSERT_TRUE(temp_.AddCopy("prog\\recorder.exe", VENDISC_RECORDER_EXE));
    recorder_ = temp_.PathOf("prog\\recorder.exe");
    log_ = temp_.PathOf("prog\\recorder.log");
    GetCurrentDirectoryA(MAX_PATH, previousDirectory_);
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));

    SetDefaultValue(std::string(kClasses) + kExtension, kProgId);
    SetDefaultValue(std::string(kClasses) + kProgId + "\\shell\\open\\command",
                    "\"" + recorder_ + "\" \"%1\"");
  }

  void TearDown() override {
    DeleteTree(std::string(kClasses) + kExtension);
    DeleteTree(std::string(kClasses) + kProgId);
    SetCurrentDirectoryA(previousDirectory_);
  }

  void Touch(const std::string& path) { ASSERT_TRUE(fs_.WriteWholeFile(path, "x")) << path; }
  std::string Log() {
    std::string contents;
    fs_.ReadWholeFile(log_, &contents);
    return contents;
  }
  // The log's lines, split into their tab-separated columns.
  std::vector<std::vector<std::string>> LogLines() {
    std::vector<std::vector<std::string>> lines;
    for (const std::string& line : text::Split(Log(), '\n')) {
      if (!text::Trim(line).empty()) lines.push_back(text::Split(text::Trim(line), '\t'));
    }
    return lines;
  }

  test_support::TempFolder temp_{"vdshell"};
  std::string folder_;
  std::string recorder_;
  std::string log_;
  char previousDirectory_[MAX_PATH + 1] = {};
  Win32FileSystem fs_;
  Win32ShellPort port_;
  Win32OpenerUi ui_;
};

TEST_F(ShellOpenerWin32, MissingFileIsCodeTwoAndNothingStarts) {
  ShellOpener opener(port_, ui_, fs_);
  const std::string missing = folder_ + "\\missing.vdrec";
  EXPECT_FALSE(opener.OpenTarget(missing, "", false, false));
  EXPECT_EQ(opener.ResultCode(), 2);
  EXPECT_EQ(opener.Message(), "The specified file or folder '" + missing + "' was not found.");
  Sleep(300);
  EXPECT_EQ(Log(), "");
}

TEST_F(ShellOpenerWin32, ProgramStartsInItsOwnFolder) {
  ShellOpener opener(port_, ui_, fs_);
  EXPECT_TRUE(opener.OpenTarget(recorder_, "", false, true));
  EXPECT_EQ(opener.ResultCode(), -1);
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), 2u) << Log();
  ASSERT_GE(lines[0].size(), 3u);
  EXPECT_EQ(lines[0][1], "start");
  // The folder column is the recorder's current directory.
  std::string started = lines[0][2];
  if (text::EndsWith(started, "\\")) started.pop_back();
  EXPECT_TRUE(text::EqualsNoCase(started, folder_ + "\\prog")) << started;
  EXPECT_EQ(lines[1][1], "end");
}

TEST_F(ShellOpenerWin32, DocumentOpensThroughItsAssociation) {
  const std::string document = folder_ + "\\doc.vdrec";
  Touch(document);
  ShellOpener opener(port_, ui_, fs_);
  // Waiting makes the check deterministic: the log is complete on return.
  EXPECT_TRUE(opener.OpenTarget(document, "", false, true)) << opener.Message();
  EXPECT_GT(opener.ResultCode(), 32);
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), 2u) << Log();
  ASSERT_EQ(lines[0].size(), 4u);
  EXPECT_NE(text::ToLower(lines[0][3]).find(text::ToLower(document)), std::string::npos)
      << lines[0][3];
}

TEST_F(ShellOpenerWin32, WaitingWithParametersReturnsWhenTheProgramEnds) {
  ShellOpener opener(port_, ui_, fs_);
  const auto start = Clock::now();
  EXPECT_TRUE(opener.OpenTarget(recorder_, "--sleep=1500", false, true)) << opener.Message();
  const long long elapsed = MsSince(start);
  EXPECT_GE(elapsed, 1500);
  EXPECT_LT(elapsed, 10000);
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), 2u) << Log();
  ASSERT_EQ(lines[0].size(), 4u);
  // The parameters reach the program quoted as one argument.
  EXPECT_NE(lines[0][3].find("\"--sleep=1500\""), std::string::npos) << lines[0][3];
  EXPECT_EQ(lines[1][1], "end");
  std::printf("[ measured ] wait for a 1500 ms program: %lld ms\n", elapsed);
}

TEST_F(ShellOpenerWin32, CloseEventEndsALingerAtOnce) {
  win32::KernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(event);
  ShellOpener opener(port_, ui_, fs_);
  opener.SetLingerTime(30);
  opener.SetCloseEvent(event.get());
  Clock::time_point setAt;
  std::thread setter([&] {
    Sleep(500);
    setAt = Clock::now();
    SetEvent(event.get());
  });
  const auto start = Clock::now();
  const bool ok = opener.OpenTarget(recorder_, "", true, false);
  const auto end = Clock::now();
  setter.join();
  EXPECT_TRUE(ok);
  const long long total = MsSince(start);
  const long long latency =
      std::chrono::duration_cast<std::chrono::milliseconds>(end - setAt).count();
  EXPECT_LT(total, 3000);
  EXPECT_LT(latency, 400);
  std::printf("[ measured ] linger ended %lld ms after the close event was set (total %lld ms)\n",
              latency, total);
}

TEST_F(ShellOpenerWin32, LingerWithoutCloseEventHardlyUsesTheProcessor) {
  ShellOpener opener(port_, ui_, fs_);
  opener.SetLingerTime(2);
  FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelBefore, &userBefore);
  const auto start = Clock::now();
  EXPECT_TRUE(opener.OpenTarget(recorder_, "", true, false));
  const long long elapsed = MsSince(start);
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelAfter, &userAfter);
  auto ms = [](const FILETIME& t) {
    return static_cast<long long>(
        (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000);
  };
  const long long cpu = ms(kernelAfter) - ms(kernelBefore) + ms(userAfter) - ms(userBefore);
  EXPECT_GE(elapsed, 900);  // whole-second clock: between one and two seconds
  EXPECT_LT(elapsed, 3000);
  EXPECT_LT(cpu, elapsed / 5);
  std::printf("[ measured ] linger of %lld ms used %lld ms of processor time\n", elapsed, cpu);
}

TEST_F(ShellOpenerWin32, UnregisteredExtensionIsCode31) {
  const std::string document = folder_ + "\\doc.vdnone";
  Touch(document);
  ShellOpener opener(port_, ui_, fs_);
  EXPECT_FALSE(opener.OpenTarget(document, "", false, false));
  EXPECT_EQ(opener.ResultCode(), 31);
  EXPECT_EQ(opener.Message(),
            ShellOpener::MessageFor(31, document, "\"\"", OpenerWording::kStarter));
  EXPECT_EQ(opener.Message().rfind("No software could be found to open the file.", 0), 0u);
}

}  // namespace
