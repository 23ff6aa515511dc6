// Records the questions of a copy into the CD folder and answers them from a
// queue (Yes / Retry when it runs out).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "wizard/pages/resource_files.h"

class FakeCopyQuestions : public CopyQuestions {
 public:
  std::deque<bool> answers;
  std::vector<std::string> asked;  // "ask: ", "show: " or "retry: " and the text

  bool AskYesNo(const std::string& text) override { return Answer("ask: " + text); }
  void ShowMessage(const std::string& text) override { asked.push_back("show: " + text); }
  bool AskRetry(const std::string& text) override { return Answer("retry: " + text); }

 private:
  bool Answer(const std::string& entry) {
    asked.push_back(entry);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};
