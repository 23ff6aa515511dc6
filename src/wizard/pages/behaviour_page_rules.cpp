#include "wizard/pages/behaviour_page_rules.h"

#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/pages/option_files.h"
#include "wizard/pages/options_texts.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"

namespace {
namespace ws = wizard_settings;
namespace tx = options_texts;
constexpr const char* kLineBreak = "<br>";
}  // namespace

namespace error_message_page {

std::string FromStored(std::string_view stored) {
  return text::ReplaceAll(stored, kLineBreak, "\r\n");
}

std::string ToStored(std::string_view shown) {
  std::string stored = text::ReplaceAll(shown, "\r\n", kLineBreak);
  stored = text::ReplaceAll(stored, "\r", kLineBreak);
  return text::ReplaceAll(stored, "\n", kLineBreak);
}

State Load(const WizardSettings& settings) {
  return {settings.Flag(keys::kUserDefinedErrors), FromStored(settings.Text(keys::kErrorText)),
          settings.Text(keys::kErrorContactURL), settings.Text(keys::kErrorContactURLTitle)};
}

bool Leave(State& state, WizardSettings& settings, WizardQuestions& questions) {
  if (state.enabled) {
    if (!state.urlTitle.empty() && state.url.empty()) {
      state.url = state.urlTitle;
      questions.ShowMessage(tx::kUrlUpdated);
    } else if (!state.url.empty() && state.urlTitle.empty()) {
      state.urlTitle = state.url;
      questions.ShowMessage(tx::kUrlTitleUpdated);
    }
    const bool knownPrefix = text::StartsWithNoCase(state.url, "http://") ||
                             text::StartsWithNoCase(state.url, "https://") ||
                             text::StartsWithNoCase(state.url, "mailto:");
    if (!state.url.empty() && !knownPrefix && !questions.AskYesNo(tx::kUrlPrefixQuestion)) {
      return false;
    }
  }
  settings.SetFlag(keys::kUserDefinedErrors, state.enabled);
  settings.SetText(keys::kErrorText, ToStored(state.text));
  settings.SetText(keys::kErrorContactURL, state.url);
  settings.SetText(keys::kErrorContactURLTitle, state.urlTitle);
  return true;
}

}  // namespace error_message_page

namespace force_open_page {

State Load(const WizardSettings& settings) {
  return {settings.Flag(ws::kForceExecuteOption), settings.Text(ws::kForceExecuteWith)};
}

void Save(const State& state, WizardSettings& settings) {
  settings.SetFlag(ws::kForceExecuteOption, state.enabled);
  settings.SetText(ws::kForceExecuteWith, state.programs);
}

}  // namespace force_open_page

namespace starter_name_page {

std::string ExeProposal(std::string_view name) {
  std::string proposal = std::string(name) + ".exe";
  // Repeat until none is left: one pass turns "..." into "..".
  while (proposal.find("..") != std::string::npos) {
    proposal = text::ReplaceAll(proposal, "..", ".");
  }
  return proposal;
}

State Load(const WizardSettings& settings) {
  State state{settings.Flag(ws::kAutoRunExeNameEnabled), settings.Text(ws::kAutoRunExeName)};
  if (state.name.empty()) state.name = tx::kDefaultStarterName;
  return state;
}

bool Leave(State& state, WizardSettings& settings, WizardQuestions& questions) {
  if (state.name.find(' ') != std::string::npos) {
    questions.ShowMessage(tx::kStarterNameSpace);
    return false;
  }
  if (!text::EqualsNoCase(option_files::ExtensionOf(state.name), "exe")) {
    const std::string proposal = ExeProposal(state.name);
    if (!questions.AskYesNo(tx::StarterNameNeedsExe(proposal))) return false;
    state.name = proposal;
  }
  settings.SetText(ws::kAutoRunExeName, state.name);
  settings.SetFlag(ws::kAutoRunExeNameEnabled, state.enabled);
  return true;
}

}  // namespace starter_name_page
