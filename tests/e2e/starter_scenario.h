// What the starter scenarios share: a CD folder holding a copy of Vendisc,
// a document type that opens the recorder, the starter's registry values
// reset around every scenario, and the dialogs' texts read from outside.
#pragma once

#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cd_folder.h"
#include "driver.h"
#include "recorder_log.h"

namespace e2e {

inline constexpr const char* kStarterTitle = "ZoruZaz AZ";
inline constexpr const char* kErrorTitle = "Error Opening File";
inline constexpr const char* kLicenceTitle = "License Agreement";
// The starter's flags live under this key, below HKLM (IsRunning) and HKCU
// (ShownBefore, one subkey per file to open).
inline constexpr const char* kStarterKey = "SOFTWARE\\QUAV\\ZoruzazAZ";
// The documents of the scenarios open the recorder through this extension.
inline constexpr const char* kDocumentExtension = ".vdscn";

inline std::string VendiscExe() { return WindowsPath(E2E_VENDISC_EXE); }
inline std::string RecorderExe() { return WindowsPath(E2E_RECORDER_EXE); }

// What a registry read gives when the key or the value is missing.
inline constexpr const char* kMissing = "(missing)";

// A text value, or kMissing.
inline std::string ReadRegistryText(HKEY root, const std::string& subKey, const std::string& name) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1;
  if (::SHGetValueA(root, subKey.c_str(), name.c_str(), nullptr, buffer, &size) != ERROR_SUCCESS)
    return kMissing;
  return std::string(buffer);
}

inline bool WriteRegistryText(HKEY root, const std::string& subKey, const std::string& name,
                              const std::string& value) {
  return ::SHSetValueA(root, subKey.c_str(), name.c_str(), REG_SZ, value.c_str(),
                       static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

inline std::string IsRunningValue() {
  return ReadRegistryText(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning");
}

inline std::string ShownBeforeValue(const std::string& keyName) {
  return ReadRegistryText(HKEY_CURRENT_USER, std::string(kStarterKey) + "\\" + keyName,
                          "ShownBefore");
}

inline std::string ScreenshotPath(const std::string& name) {
  const std::string folder = WindowsPath(E2E_BUILD_DIR "/e2e-screenshots");
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\" + name + ".bmp";
}

// Photographs a dialog once it has had time to paint.
inline void Photograph(HWND window, const std::string& name) {
  ::Sleep(300);
  EXPECT_TRUE(SaveScreenshot(ScreenshotPath(name), window)) << name;
}

// Lines of a multi-line edit as it lays them out (EM_GETLINECOUNT).
inline int EditLineCount(HWND dialog, int id) {
  DWORD_PTR lines = 0;
  if (!::SendMessageTimeoutA(Control(dialog, id), EM_GETLINECOUNT, 0, 0, SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &lines))
    return -1;
  return static_cast<int>(lines);
}

class StarterScenario : public testing::Test {
 public:
  // One registration for all scenarios; a leftover from an interrupted run
  // (our own names) is removed first.
  static void SetUpTestSuite() {
    RemoveDocumentType();
    documentType_ = std::make_unique<RecorderDocumentType>(kDocumentExtension, RecorderExe());
  }
  static void TearDownTestSuite() { documentType_.reset(); }

 protected:
  void SetUp() override {
    ASSERT_TRUE(documentType_ && documentType_->ok());
    ASSERT_TRUE(cd_.ok());
    ASSERT_TRUE(cd_.AddCopy("Vendisc.exe", VendiscExe()));
    ResetRegistry();
  }
  void TearDown() override { ResetRegistry(); }

  // HKCU keys that a scenario makes Vendisc create, removed before and after.
  void OwnUserKey(const std::string& keyName) {
    userKeys_.push_back(keyName);
    DeleteUserKey(keyName);
  }

  std::string LogPath() const { return cd_.PathOf("recorder.log"); }

  std::optional<Process> StartVendisc(const std::string& arguments = "") {
    return Process::Start(cd_.PathOf("Vendisc.exe"), arguments, cd_.Path(),
                          {{"RECORDER_LOG", LogPath()}});
  }

  bool WriteAutorun(const std::string& lines) const {
    return cd_.AddAutorun("[autorun]\r\n" + lines);
  }

  // The command tails of every recorder started so far, after waiting for
  // `count` of them.
  std::vector<std::string> WaitForOpened(size_t count = 1) const {
    std::vector<std::string> tails;
    for (const auto& entry : WaitForRecorderEntries(LogPath(), count).Starts())
      tails.push_back(CommandTail(entry.commandLine));
    return tails;
  }
  std::vector<std::string> Opened() const {
    return ReadRecorderLog(LogPath()).StartedCommandLines();
  }

  // `"<folder>\<relative>"`, as the document type hands a document over.
  std::string Quoted(const std::string& relative) const {
    return "\"" + cd_.PathOf(relative) + "\"";
  }

  CdFolder cd_{"vdscn"};

 private:
  static void RemoveDocumentType() {
    ::SHDeleteKeyA(HKEY_CLASSES_ROOT, kDocumentExtension);
    ::SHDeleteKeyA(HKEY_CLASSES_ROOT, "VendiscTestvdscnFile");
  }
  static void DeleteUserKey(const std::string& keyName) {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string(kStarterKey) + "\\" + keyName).c_str());
  }
  void ResetRegistry() {
    ::SHDeleteValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning");
    for (const auto& key : userKeys_) DeleteUserKey(key);
  }

  static inline std::unique_ptr<RecorderDocumentType> documentType_;
  std::vector<std::string> userKeys_;
};

}  // namespace e2e
