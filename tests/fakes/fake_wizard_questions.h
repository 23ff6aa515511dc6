// Records every question and message, in order, and answers questions from
// a queue (Yes when it runs out).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "wizard/wizard_questions.h"

class FakeWizardQuestions : public WizardQuestions {
 public:
  std::deque<bool> answers;
  std::vector<std::string> asked;  // "ask: <text>" or "show: <text>"

  bool AskYesNo(const std::string& text) override {
    asked.push_back("ask: " + text);
    if (answers.empty()) return true;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowMessage(const std::string& text) override { asked.push_back("show: " + text); }
};
