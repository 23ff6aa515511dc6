// Test doubles of the option dialogs' ports: file checks that answer from a
// set of refused paths, a folder listing from a map, questions that record
// and answer from a queue, and a copier that records and fails on request.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/text.h"
#include "wizard/file_copier.h"
#include "wizard/pages/option_ports.h"

class FakeChosenFileChecks : public ChosenFileChecks {
 public:
  std::set<std::string> refused;     // paths either check refuses
  std::vector<std::string> checked;  // "length: <path>" or "<label>: <path>"

  bool CheckFileNameLength(const std::string& path) override {
    checked.push_back("length: " + path);
    return refused.count(path) == 0;
  }
  bool CheckChosenFile(const std::string& path, const std::string& label) override {
    checked.push_back(label + ": " + path);
    return refused.count(path) == 0;
  }
};

class FakeFolderFiles : public FolderFiles {
 public:
  std::vector<std::string> names;  // the folder's files; every folder holds the same

  std::vector<std::string> List(const std::string&, const std::string& pattern) const override {
    // Only "*.ext" patterns are asked for.
    const std::string extension = pattern.substr(1);
    std::vector<std::string> found;
    for (const std::string& name : names) {
      if (name.size() >= extension.size() &&
          text::EqualsNoCase(name.substr(name.size() - extension.size()), extension)) {
        found.push_back(name);
      }
    }
    return found;
  }
};

class FakeOptionQuestions : public OptionQuestions {
 public:
  std::deque<bool> answers;        // Yes / Retry; Yes when it runs out
  std::vector<std::string> asked;  // "ask: ", "show: " or "retry: " and the text

  bool AskYesNo(const std::string& text) override { return Answer("ask: " + text); }
  void ShowMessage(const std::string& text) override { asked.push_back("show: " + text); }
  bool AskRetryCancel(const std::string& text) override { return Answer("retry: " + text); }

 private:
  bool Answer(const std::string& entry) {
    asked.push_back(entry);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class FakeFileCopier : public FileCopier {
 public:
  std::deque<uint32_t> results;     // one per copy; 0 when it runs out
  std::vector<std::string> copies;  // "<from> -> <to>"

  uint32_t CopyReplacing(const std::string& from, const std::string& to) override {
    copies.push_back(from + " -> " + to);
    if (results.empty()) return 0;
    const uint32_t result = results.front();
    results.pop_front();
    return result;
  }
};
