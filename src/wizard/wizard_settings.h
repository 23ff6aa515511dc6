// The configuration being edited: registry values under kRegistryBasePath
// (HKEY_LOCAL_MACHINE), most named like the [autorun] keys they become. One
// table gives every value its kind, what a new configuration writes into it
// and what it reads as when it was never stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/registry_store.h"
#include "config/autorun_writer.h"

enum class SettingKind { kText, kFlag, kNumber };

struct SettingEntry {
  // A numbered family is named by its format ("MultiSourceFile%d").
  const char* name;
  SettingKind kind;
  // Whether a new configuration writes `reset` (texts: empty) or leaves the
  // value as it is.
  bool resets;
  int32_t reset;  // flags 0 or 1
  // The reading of a value never stored (texts: empty); flags 0 or 1.
  int32_t fallback;
  bool numbered = false;
  // A flag whose fallback is on exactly when this text value is non-empty.
  const char* onWhenSet = nullptr;
};

// Every value of the configuration and of the wizard itself.
std::span<const SettingEntry> AllSettings();

// The entry for `name` (without regard to case, as the registry compares);
// a numbered name ("MultiSourceFile12") finds its family. Null if unknown.
const SettingEntry* FindSetting(std::string_view name);

class WizardSettings : public AutorunSettings {
 public:
  // Opens (creating when needed) the wizard's key.
  explicit WizardSettings(RegistryBackend& backend);

  // Typed reads with the table's fallback; an unknown name reads as empty,
  // off or 0.
  std::string Text(const std::string& name) const;
  bool Flag(const std::string& name) const;
  int32_t Number(const std::string& name) const;

  bool SetText(const std::string& name, const std::string& value);
  bool SetFlag(const std::string& name, bool value);
  bool SetNumber(const std::string& name, int32_t value);

  // The writer's reads: a value never stored reads as the caller's fallback.
  std::string ReadString(const std::string& name) const override;
  bool ReadBool(const std::string& name, bool fallback) const override;
  int32_t ReadNumber(const std::string& name, int32_t fallback) const override;

  RegistryStore& Store() { return store_; }

 private:
  mutable RegistryStore store_;
};

// What "New Configuration" writes once the author has agreed: every value
// whose table entry resets, flags as flags, numbers as numbers, texts empty.
// Everything else (the wizard's own values, the numbered file entries hidden
// by the count, the installer keyword and the agreement's show-always text)
// keeps what it held. True when every write succeeded.
bool ResetConfiguration(WizardSettings& settings);
