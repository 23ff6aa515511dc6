// The starter's command line: split with the Windows rules, and the file to
// open picked out of it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a whole command line as CommandLineToArgvW does: the first token is
// the program name (up to the next quote when quoted, else the next blank; no
// backslash rules); then blanks and tabs separate arguments outside quotes,
// 2n backslashes before a quote give n backslashes and the quote toggles
// quoting, 2n+1 give n backslashes and a literal quote, other backslashes are
// literal, and a third quote in a row inside quotes is a literal quote.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The first argument after the program name that does not begin with "/" or
// "-"; empty when there is none. Empty arguments (""), and those made only
// of quotes and blanks, name no file.
std::string FileFromCommandLine(std::string_view commandLine);
