#include "starter/command_line.h"

#include "config/autorun_config.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view s) {
  std::vector<std::string> args;
  size_t i = 0;
  const size_t n = s.size();

  // The program name: no backslash processing, quotes only delimit it.
  std::string program;
  if (i < n && s[i] == '"') {
    ++i;
    while (i < n && s[i] != '"') program += s[i++];
    if (i < n) ++i;  // the closing quote
  }
  while (i < n && !IsBlank(s[i])) program += s[i++];
  args.push_back(program);

  while (true) {
    while (i < n && IsBlank(s[i])) ++i;
    if (i >= n) break;
    std::string arg;
    int quotes = 0;  // inside quotes while odd, as the shell's parser counts
    size_t backslashes = 0;
    while (i < n && !(IsBlank(s[i]) && quotes == 0)) {
      char c = s[i];
      if (c == '\\') {
        arg += c;
        ++backslashes;
        ++i;
        continue;
      }
      if (c == '"') {
        if (backslashes % 2 == 0) {
          arg.resize(arg.size() - backslashes / 2);
          ++quotes;
        } else {
          arg.resize(arg.size() - backslashes / 2 - 1);
          arg += '"';
        }
        backslashes = 0;
        ++i;
        // Runs of quotes: every third one is a literal quote.
        while (i < n && s[i] == '"') {
          if (++quotes == 3) {
            arg += '"';
            quotes = 0;
          }
          ++i;
        }
        if (quotes == 2) quotes = 0;
        continue;
      }
      backslashes = 0;
      arg += c;
      ++i;
    }
    args.push_back(arg);
  }
  return args;
}

std::string FileFromCommandLine(std::string_view commandLine) {
  std::vector<std::string> args = SplitCommandLine(commandLine);
  for (size_t k = 1; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (config::NamesNoFile(arg) || arg[0] == '/' || arg[0] == '-') continue;
    return arg;
  }
  return {};
}
