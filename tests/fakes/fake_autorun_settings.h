// In-memory settings for the autorun.inf writer: texts, flags and numbers by
// name, each kind in its own map, as the registry keeps them typed.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "config/autorun_writer.h"

class FakeAutorunSettings : public AutorunSettings {
 public:
  std::map<std::string, std::string> texts;
  std::map<std::string, bool> flags;
  std::map<std::string, int32_t> numbers;

  FakeAutorunSettings& Text(const std::string& name, const std::string& value) {
    texts[name] = value;
    return *this;
  }
  FakeAutorunSettings& Flag(const std::string& name, bool value) {
    flags[name] = value;
    return *this;
  }
  FakeAutorunSettings& Number(const std::string& name, int32_t value) {
    numbers[name] = value;
    return *this;
  }

  std::string ReadString(const std::string& name) const override {
    auto it = texts.find(name);
    return it == texts.end() ? std::string() : it->second;
  }
  bool ReadBool(const std::string& name, bool fallback) const override {
    auto it = flags.find(name);
    return it == flags.end() ? fallback : it->second;
  }
  int32_t ReadNumber(const std::string& name, int32_t fallback) const override {
    auto it = numbers.find(name);
    return it == numbers.end() ? fallback : it->second;
  }
};
