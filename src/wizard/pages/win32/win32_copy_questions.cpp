#include "wizard/pages/win32/win32_copy_questions.h"

#include "wizard/wizard_texts.h"

bool Win32CopyQuestions::AskRetry(const std::string& text) {
  return ::MessageBoxA(owner_, text.c_str(), wizard_texts::kTitle,
                       MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY;
}
