// What the wizard's fuzzers share: texts built from the input out of the
// pieces the rules look at, a configuration of fuzzed settings, fuzzed files,
// and the settings key seen as a table, to check exactly what a step wrote.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>

#include "common/registry_store.h"
#include "common/text.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fuzz_check.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace wizard_fuzz {

inline constexpr const char* kFolder = "E:\\cd\\";
inline constexpr const char* kKit = "C:\\kit\\";

// A text as an edit control could hold it (no zero byte), made of the
// pieces the rules split, compare or replace, and of the input's own bytes.
inline std::string Text(FuzzedDataProvider& in, size_t maxPieces = 6) {
  static const char* const kPieces[] = {
      "<br>",      "\r\n",    "\r",      "\n",       " ",         "\\",       "/",
      ".",         "..",      "&",       "<",        ":",         "http://",  "mailto:",
      "www.x",     "a",       "B",       "E:\\cd\\", "C:\\kit\\", "sub\\",    "Vendisc.exe",
      "setup.exe", "x.msi",   "pic.gif", "PIC.JPG",  ".bmp",      "icon.ico", ".txt",
      "lic.TXT",   "doc.ppt", "f.pdf",   "\"",       "*"};
  std::string out;
  const size_t pieces = in.ConsumeIntegralInRange<size_t>(0, maxPieces);
  for (size_t i = 0; i < pieces; ++i) {
    if (in.ConsumeBool()) {
      out += kPieces[in.ConsumeIntegralInRange<size_t>(0, std::size(kPieces) - 1)];
    } else {
      for (char c : in.ConsumeRandomLengthString(12)) out += c == '\0' ? '_' : c;
    }
  }
  return out;
}

// A text cut to a field's limit, as the window's edit enforces it.
inline std::string Field(FuzzedDataProvider& in, size_t maxChars) {
  std::string s = Text(in);
  if (s.size() > maxChars) s.resize(maxChars);
  return s;
}

// Mostly small numbers; now and then any, as a damaged registry holds them
// (a large count costs thousands of values, so not too often).
inline int32_t Number(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return in.ConsumeIntegralInRange<int32_t>(-1, 2000);
    case 1:
      return in.ConsumeIntegral<int32_t>();
    default:
      return in.ConsumeIntegralInRange<int32_t>(-2, 3);
  }
}

inline std::deque<bool> Answers(FuzzedDataProvider& in) {
  std::deque<bool> answers;
  for (int i = in.ConsumeIntegralInRange(0, 8); i > 0; --i) answers.push_back(in.ConsumeBool());
  return answers;
}

// A configuration in the folder kFolder with the kit in kKit, then up to
// `count` values of the settings table, each of its kind (or, now and then,
// stored raw with any type and bytes, as a damaged registry would hold it).
inline void FuzzSettings(FuzzedDataProvider& in, FakeRegistryBackend& backend,
                         WizardSettings& settings, int count) {
  settings.SetText(wizard_settings::kSourceFolder, kFolder);
  settings.SetText(wizard_settings::kMultiSourceFolder, kFolder);
  settings.SetText(wizard_settings::kInstallPath, kKit);
  const auto all = AllSettings();
  for (int i = in.ConsumeIntegralInRange(0, count); i > 0; --i) {
    const SettingEntry& entry = all[in.ConsumeIntegralInRange<size_t>(0, all.size() - 1)];
    const std::string name = entry.numbered
                                 ? text::Format(entry.name, in.ConsumeIntegralInRange(1, 4))
                                 : std::string(entry.name);
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
      backend.PutValue(RegistryRoot::kLocalMachine, kRegistryBasePath, name,
                       in.ConsumeBool() ? RegistryType::kString : RegistryType::kDword,
                       in.ConsumeRandomLengthString(16));
    } else if (entry.kind == SettingKind::kText) {
      settings.SetText(name, Text(in));
    } else if (entry.kind == SettingKind::kFlag) {
      settings.SetFlag(name, in.ConsumeBool());
    } else {
      settings.SetNumber(name, Number(in));
    }
  }
}

// Up to `count` files in the configuration folder or the kit's folder.
inline void FuzzFiles(FuzzedDataProvider& in, FakeFileSystem& fs, int count) {
  for (int i = in.ConsumeIntegralInRange(0, count); i > 0; --i) {
    const std::string name = Text(in, 2);
    fs.files[(in.ConsumeBool() ? kFolder : kKit) + name] = in.ConsumeRandomLengthString(8);
  }
}

// The settings key as a table: lower-case name -> type and bytes.
using Snapshot = std::map<std::string, std::pair<RegistryType, std::string>>;

inline Snapshot Take(const FakeRegistryBackend& backend) {
  Snapshot table;
  for (const std::string& name :
       backend.ValueNames(RegistryRoot::kLocalMachine, kRegistryBasePath)) {
    // Every value the wizard writes is one of its settings (the names found
    // once are remembered: a list of a thousand entries is checked often).
    static std::set<std::string> known;
    if (!known.count(name)) {
      FUZZ_CHECK(FindSetting(name) != nullptr);
      known.insert(name);
    }
    const auto value = backend.GetValue(RegistryRoot::kLocalMachine, kRegistryBasePath, name);
    table[text::ToLower(name)] = {value->type, value->data};
  }
  return table;
}

// The lower-case names of the values a step added or changed.
inline std::set<std::string> Changed(const Snapshot& before, const Snapshot& after) {
  std::set<std::string> changed;
  for (const auto& [name, value] : after) {
    const auto old = before.find(name);
    if (old == before.end() || old->second != value) changed.insert(name);
  }
  return changed;
}

// Every changed value is one of `allowed` (any case).
inline bool OnlyChanged(const std::set<std::string>& changed,
                        std::initializer_list<std::string> allowed) {
  for (const std::string& name : changed) {
    bool found = false;
    for (const std::string& a : allowed) found = found || text::EqualsNoCase(a, name);
    if (!found) return false;
  }
  return true;
}

// Every file now there was there before or is one of `made` (any case): a
// replacing write leaves no temporary file behind.
inline bool OnlyMade(const FakeFileSystem& fs, const std::map<std::string, std::string>& before,
                     std::initializer_list<std::string> made) {
  for (const auto& [path, contents] : fs.files) {
    bool found = before.count(path) > 0;
    for (const std::string& m : made) found = found || text::EqualsNoCase(m, path);
    if (!found) return false;
  }
  return true;
}

}  // namespace wizard_fuzz
