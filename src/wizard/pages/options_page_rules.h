// The additional-options page: the table of optional behaviours, the two
// switches it keeps, and what leaving it does.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

class WizardSettings;
class WizardQuestions;

namespace options_page {

// Which option dialog a row opens.
enum class OptionDialog {
  kSplash,
  kWelcome,
  kLicense,
  kBackground,
  kInstallers,
  kForceOpen,
  kErrorMessage,
  kStarterName,
};

struct OptionRow {
  const char* name;             // column "Option"
  const char* usedFrom;         // the flag setting behind column "Used"
  const char* description;      // column "Description"
  const char* longDescription;  // the summary below the table and the tooltip
  const char* helpTopic;
  OptionDialog dialog;
};

// The rows, in table order.
std::span<const OptionRow> Rows();
// The row the file page's advice dialog can turn on behind this page's back.
inline constexpr int kInstallViewersRow = 4;

// Column "Used" of a row as the settings hold it now.
const char* UsedText(const OptionRow& row, const WizardSettings& settings);

// The two switches of the page.
struct Switches {
  bool enableIcon = false;
  bool doNotWarnOverwrites = false;
};
Switches LoadSwitches(const WizardSettings& settings);

// The notice for a configuration that still uses the retired
// one-at-a-time option, shown when the page first opens.
std::optional<std::string> StartupNotice(const WizardSettings& settings);

// Creates the CD files; the argument says whether to ask before each
// overwrite. True when everything was written.
using CreateCdFiles = std::function<bool(bool askBeforeOverwriting)>;

// Leaving the page (also the first half of its test button): saves the
// switches; unless a test is in progress, creates the CD files and, when
// that fails, asks whether to go on anyway. The caller re-reads
// DoNotWarnOverwrites afterwards, since creating can change it.
bool Leave(const Switches& switches, bool testInProgress, WizardSettings& settings,
           WizardQuestions& questions, const CreateCdFiles& create);

}  // namespace options_page
