// Texts for multi-line edit controls, which break lines only at CR LF while
// the wizard's texts carry "\n" alone.
#pragma once

#include <string>
#include <string_view>

#include "common/text.h"

inline std::string ForMultilineEdit(std::string_view text) {
  return text::ReplaceAll(text::ReplaceAll(text, "\r\n", "\n"), "\n", "\r\n");
}
