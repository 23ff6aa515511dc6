// The smaller behaviour dialogs: the author's own error message, forcing the
// program that opens the files, and the starter's file name.
#pragma once

#include <string>
#include <string_view>

class WizardQuestions;
class WizardSettings;

namespace error_message_page {

inline constexpr int kTextChars = 900;
inline constexpr int kUrlChars = 255;

struct State {
  bool enabled = false;
  std::string text;  // with CR LF line breaks, as the edit shows it
  std::string url;
  std::string urlTitle;
};

// The stored text keeps "<br>" for each line break.
std::string FromStored(std::string_view stored);
// CR LF, then a lone CR, then a lone LF become "<br>".
std::string ToStored(std::string_view shown);

State Load(const WizardSettings& settings);
// When enabled, completes an empty URL or title from the other (saying so)
// and asks about a URL without a known prefix; then saves. False keeps the
// dialog.
bool Leave(State& state, WizardSettings& settings, WizardQuestions& questions);

}  // namespace error_message_page

namespace force_open_page {

inline constexpr int kProgramChars = 255;

struct State {
  bool enabled = false;
  std::string programs;  // one program, or a comma-separated list tried in order
};

State Load(const WizardSettings& settings);
void Save(const State& state, WizardSettings& settings);

}  // namespace force_open_page

namespace starter_name_page {

inline constexpr int kNameChars = 35;

struct State {
  bool enabled = false;
  std::string name;
};

// The name with ".exe" added and every doubled "." made single.
std::string ExeProposal(std::string_view name);

State Load(const WizardSettings& settings);
// Refuses a space; offers ".exe" for any other extension; then saves. False
// keeps the dialog. May change the name (the proposal taken).
bool Leave(State& state, WizardSettings& settings, WizardQuestions& questions);

}  // namespace starter_name_page
