// The option dialogs' leaving rules over fuzzed settings, fields, files and
// answers: a refusal writes nothing (or only what the dialog saves before its
// check), what is accepted loads back as it was saved, the stored forms keep
// their promises (one-line "<br>" texts, ".exe" and ".txt" names, no blank
// prompt) and an answer No or a cancelled copy copies nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/file_path.h"
#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_option_ports.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "fuzz_check.h"
#include "wizard/pages/background_page_rules.h"
#include "wizard/pages/behaviour_page_rules.h"
#include "wizard/pages/cd_icon_rules.h"
#include "wizard/pages/display_rules.h"
#include "wizard/pages/display_texts.h"
#include "wizard/pages/frame_rules.h"
#include "wizard/pages/installers_rules.h"
#include "wizard/pages/license_page_rules.h"
#include "wizard/pages/option_files.h"
#include "wizard/pages/options_page_rules.h"
#include "wizard/pages/splash_page_rules.h"
#include "wizard/pages/welcome_screen_rules.h"
#include "wizard_fuzz.h"

namespace {
using namespace wizard_fuzz;
namespace ws = wizard_settings;
using display_rules::LineBreaksToTags;
using display_rules::TagsToLineBreaks;

// Both kinds of file checks: a file passes when it is there (or unnamed) and
// the name length warning, when asked, is not cancelled.
class Checks : public ImageFileChecks, public ChosenFileChecks {
 public:
  Checks(const FakeFileSystem& fs, bool cancelLength) : fs_(fs), cancelLength_(cancelLength) {}
  bool RequireFile(const std::string& path, const std::string&) override {
    return path.empty() || fs_.FindFile(path);
  }
  bool CheckFileNameLength(const std::string&) override { return !cancelLength_; }
  bool CheckChosenFile(const std::string& path, const std::string& label) override {
    return CheckFileNameLength(path) && RequireFile(path, label);
  }

 private:
  const FakeFileSystem& fs_;
  bool cancelLength_;
};

struct World {
  FakeRegistryBackend backend;
  WizardSettings settings{backend};
  FakeFileSystem fs;
  FakeOptionQuestions questions;
  FakeFileCopier copier;
};

// The image a dialog shows loads back with the name it was saved with.
bool SameImageName(const std::string& shown, const std::string& saved) {
  return FilePath(shown).Name() == FilePath(saved).Name();
}

void Splash(FuzzedDataProvider& in, World& w, Checks& checks) {
  using namespace splash_page;
  State s;
  s.enabled = in.ConsumeBool();
  s.whenToShow = in.ConsumeIntegralInRange(0, 1);
  s.seconds = in.ConsumeIntegralInRange<int32_t>(0, kMaxSeconds);
  s.useImage = in.ConsumeBool();
  s.image = in.ConsumeBool() ? kFolder + Text(in, 2) : Text(in);
  for (std::string& line : s.lines) line = Field(in, kLineChars);
  const Snapshot before = Take(w.backend);
  const bool ok = Leave(s, w.settings, w.questions, checks);
  const std::set<std::string> changed = Changed(before, Take(w.backend));
  if (s.enabled && s.useImage && s.image.empty()) {
    FUZZ_CHECK(!ok && changed.empty() && w.questions.asked.size() == 1);
  } else {
    // Saved even when the image then fails its check.
    const State back = Load(w.settings);
    FUZZ_CHECK(back.enabled == s.enabled && back.whenToShow == s.whenToShow &&
               back.seconds == s.seconds && back.useImage == s.useImage);
    FUZZ_CHECK(SameImageName(back.image, s.image));
    if (w.settings.Flag(ws::kSetSplashScreenTest)) {
      for (int i = 0; i < keys::kSplashLineCount; ++i) FUZZ_CHECK(back.lines[i] == s.lines[i]);
    }
  }
  FontChoice font{Text(in), Number(in), in.ConsumeBool(), in.ConsumeIntegral<int32_t>()};
  const Snapshot beforeFont = Take(w.backend);
  if (!SaveFont(font, w.settings, w.questions)) {
    FUZZ_CHECK(font.face.empty() && Changed(beforeFont, Take(w.backend)).empty());
  } else {
    FUZZ_CHECK(FontDescription(w.settings).find(font.face) != std::string::npos);
  }
  const int32_t points = w.settings.ReadNumber(keys::kSplashFontHeight, kUnsetFontPoints);
  const int32_t height = FontDialogPreset(w.settings, in.ConsumeIntegralInRange(1, 1200)).height;
  // A size in points is a height upwards in device units.
  FUZZ_CHECK(points >= 0 ? height <= 0 : height >= 0);
}

void Welcome(FuzzedDataProvider& in, World& w, Checks& checks) {
  using namespace welcome_screen;
  State s;
  s.enabled = in.ConsumeBool();
  s.title = Field(in, kTitleChars);
  s.useImage = in.ConsumeBool();
  s.image = in.ConsumeBool() ? kFolder + Text(in, 2) : Text(in);
  s.location = in.ConsumeIntegralInRange(-1, 4);
  s.useText = in.ConsumeBool();
  s.message = Field(in, kMessageChars);
  s.url = Field(in, kUrlChars);
  OnEnable(s, checks);
  const Snapshot before = Take(w.backend);
  const bool ok = Leave(s, w.settings, w.questions, checks);
  const std::set<std::string> changed = Changed(before, Take(w.backend));
  if (!ok) {
    FUZZ_CHECK(s.enabled && changed.empty());
    return;
  }
  FUZZ_CHECK(!s.enabled || (!s.title.empty() && (s.useImage || s.useText)));
  const std::string stored = w.settings.Text(keys::kWelcomeMessage);
  FUZZ_CHECK(stored.find_first_of("\r\n") == std::string::npos);
  FUZZ_CHECK(LineBreaksToTags(TagsToLineBreaks(stored)) == stored);
  const State back = Load(w.settings);
  FUZZ_CHECK(back.enabled == s.enabled && back.title == s.title && back.useImage == s.useImage &&
             back.useText == s.useText && back.url == s.url);
  const int locations = static_cast<int>(std::size(display_texts::kWelcomeLocations));
  FUZZ_CHECK(back.location ==
             (s.location < 0 || s.location >= locations ? kDefaultLocation : s.location));
  FUZZ_CHECK(back.message ==
             display_rules::CutTo(TagsToLineBreaks(LineBreaksToTags(s.message)), kMessageChars));
  FUZZ_CHECK(SameImageName(back.image, s.image));
}

void Background(FuzzedDataProvider& in, World& w, Checks& checks) {
  using namespace background_page;
  State s = Load(w.settings);
  s.enabled = in.ConsumeBool();
  s.whenToShow = in.ConsumeIntegralInRange(-1, 2);
  s.fullScreen = in.ConsumeBool();
  if (in.ConsumeBool()) s.fullScreenImage = kFolder + Text(in, 2);
  s.colour = in.ConsumeIntegral<uint32_t>();
  for (Picture& p : s.pictures) {
    if (in.ConsumeBool()) p.file = in.ConsumeBool() ? kFolder + Text(in, 2) : std::string();
    p.position = in.ConsumeIntegralInRange(0, 8);
    p.border = in.ConsumeIntegralInRange<int32_t>(kBorderMin, kBorderMax);
  }
  s.keepOpen = in.ConsumeBool();
  s.closeButton = in.ConsumeBool();
  s.closeText = Field(in, kCloseTextChars);
  if (in.ConsumeBool()) OnEnable(s, checks);
  if (in.ConsumeBool()) OnCloseButton(s);
  const Enabling e = EnablingFor(s);
  for (int i = 0; i < keys::kBackgroundPictureCount; ++i) {
    FUZZ_CHECK(!e.border[i] || (e.picture[i] && e.overlay && e.general));
  }
  const Snapshot before = Take(w.backend);
  const bool ok = Leave(s, w.settings, w.questions, checks);
  if (!ok) {
    FUZZ_CHECK(s.enabled && Changed(before, Take(w.backend)).empty());
    return;
  }
  FUZZ_CHECK(!s.enabled || !s.closeButton || s.closeText.find('&') == std::string::npos);
  FUZZ_CHECK(!s.enabled || !s.fullScreen || !s.fullScreenImage.empty());
  const State back = Load(w.settings);
  FUZZ_CHECK(back.enabled == s.enabled && back.fullScreen == s.fullScreen &&
             back.colour == s.colour && back.keepOpen == s.keepOpen &&
             back.closeButton == s.closeButton);
  FUZZ_CHECK(back.whenToShow == (s.whenToShow < 0 ? kAfterWelcome : s.whenToShow));
  FUZZ_CHECK(back.closeText == (s.closeText.empty() ? "Close" : s.closeText));
  for (int i = 0; i < keys::kBackgroundPictureCount; ++i) {
    FUZZ_CHECK(back.pictures[i].position == s.pictures[i].position &&
               back.pictures[i].border == s.pictures[i].border);
    FUZZ_CHECK(SameImageName(back.pictures[i].file, s.pictures[i].file));
  }
  image_position::State p{in.ConsumeIntegralInRange(0, 8), Number(in)};
  const size_t asked = w.questions.asked.size();
  if (image_position::Leave(p, w.questions)) {
    FUZZ_CHECK(p.border >= 0 && (p.border <= kUsualBorderMax || w.questions.asked.size() > asked));
  }
}

void ErrorMessage(FuzzedDataProvider& in, World& w, Checks&) {
  using namespace error_message_page;
  State s{in.ConsumeBool(), Field(in, kTextChars), Field(in, kUrlChars), Text(in)};
  const std::string shown = s.text;
  const Snapshot before = Take(w.backend);
  if (!Leave(s, w.settings, w.questions)) {
    FUZZ_CHECK(s.enabled && Changed(before, Take(w.backend)).empty());
    return;
  }
  FUZZ_CHECK(!s.enabled || s.url.empty() == s.urlTitle.empty());
  const std::string stored = w.settings.Text(keys::kErrorText);
  FUZZ_CHECK(stored == LineBreaksToTags(shown) &&
             stored.find_first_of("\r\n") == std::string::npos);
  const State back = Load(w.settings);
  FUZZ_CHECK(back.enabled == s.enabled && back.url == s.url && back.urlTitle == s.urlTitle);
  FUZZ_CHECK(ToStored(back.text) == stored);
}

void StarterName(FuzzedDataProvider& in, World& w, Checks&) {
  using namespace starter_name_page;
  force_open_page::State force{in.ConsumeBool(), Field(in, force_open_page::kProgramChars)};
  force_open_page::Save(force, w.settings);
  const force_open_page::State forceBack = force_open_page::Load(w.settings);
  FUZZ_CHECK(forceBack.enabled == force.enabled && forceBack.programs == force.programs);

  State s{in.ConsumeBool(), Field(in, kNameChars)};
  FUZZ_CHECK(ExeProposal(s.name).find("..") == std::string::npos);
  const Snapshot before = Take(w.backend);
  if (!Leave(s, w.settings, w.questions)) {
    FUZZ_CHECK(Changed(before, Take(w.backend)).empty());
    return;
  }
  const std::string stored = w.settings.Text(ws::kAutoRunExeName);
  FUZZ_CHECK(stored == s.name && stored.find(' ') == std::string::npos);
  FUZZ_CHECK(text::EqualsNoCase(option_files::ExtensionOf(stored), "exe"));
  const State back = Load(w.settings);
  FUZZ_CHECK(back.enabled == s.enabled && (stored.empty() || back.name == stored));
}

void Licence(FuzzedDataProvider& in, World& w, Checks& checks) {
  using namespace license_page;
  const std::string appData = in.ConsumeBool() ? "C:\\Users\\me\\AppData" : "";
  const std::string userBackup = UserBackupPath(appData);
  if (!appData.empty() && in.ConsumeBool()) w.fs.files[userBackup] = Text(in, 3);
  State s = Load(w.settings, w.fs, appData);
  s.enabled = in.ConsumeBool();
  s.fileName = Field(in, kFileNameChars);
  if (in.ConsumeBool()) OnEnable(s);
  s.showEveryTime = in.ConsumeIntegralInRange(-1, 1);
  s.text = Text(in, 12);
  // Writing the agreement or its backup fails now and then, at either step.
  const std::string folder = w.settings.Text(ws::kSourceFolder);
  const std::string kit = w.settings.Text(ws::kInstallPath);
  for (const std::string& name : {s.fileName, s.fileName + ".txt"}) {
    if (in.ConsumeBool())
      w.fs.failWrites.insert(option_files::InFolder(folder, option_files::BaseName(name)) + ".tmp");
  }
  if (in.ConsumeBool())
    w.fs.failWrites.insert(option_files::InFolder(kit, "BackupLicenseAgreement.txt.tmp"));
  if (in.ConsumeBool()) w.fs.failWrites.insert(userBackup + ".tmp");
  w.fs.failReplace = in.ConsumeIntegralInRange(0, 7) == 0;
  w.fs.halfWrites = in.ConsumeIntegralInRange(0, 7) == 0;
  const auto filesBefore = w.fs.files;
  const Snapshot before = Take(w.backend);
  const bool ok = Leave(s, w.settings, w.fs, w.questions, checks, appData);
  const std::set<std::string> changed = Changed(before, Take(w.backend));
  FUZZ_CHECK(OnlyChanged(changed, {keys::kLicenseAgreementEnabled, ws::kLicenseAgreementFile,
                                   ws::kLicenseAgreementFileShowEveryTime}));
  const std::string path = option_files::InFolder(folder, s.fileName);
  const std::string backup =
      kit.empty() ? path : option_files::InFolder(kit, "BackupLicenseAgreement.txt");
  // A file is as it was, or holds the whole new text: the agreement and its
  // backup are the only files written, through temporary files left nowhere.
  for (const auto& [file, contents] : w.fs.files) {
    const auto old = filesBefore.find(file);
    if (old != filesBefore.end() && old->second == contents) continue;
    FUZZ_CHECK(s.enabled && (file == path || file == backup || file == userBackup) &&
               contents == s.text);
  }
  if (!s.enabled) {
    FUZZ_CHECK(ok && OnlyChanged(changed, {keys::kLicenseAgreementEnabled}));
    return;
  }
  if (!ok) return;
  // Accepted: a ".txt" file's name in the configuration folder, its text saved.
  FUZZ_CHECK(s.fileName.find_first_of("\\/") == std::string::npos);
  FUZZ_CHECK(text::EqualsNoCase(option_files::ExtensionOf(s.fileName), "txt"));
  FUZZ_CHECK(w.settings.Text(ws::kLicenseAgreementFile) == s.fileName);
  if (w.fs.files.count(path) && w.fs.files[path] == s.text && !s.text.empty()) {
    std::string lines;
    option_files::ReadTextLines(w.fs, path, &lines);
    FUZZ_CHECK(Load(w.settings, w.fs, appData).text == lines);
    std::string again;
    w.fs.files[path] = lines;
    option_files::ReadTextLines(w.fs, path, &again);
    FUZZ_CHECK(again == lines);  // the edit's form reads back as it is
  }
}

void CdIcon(FuzzedDataProvider& in, World& w, Checks& checks) {
  using namespace cd_icon_page;
  FakeFolderFiles folder;
  for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i) folder.names.push_back(Text(in, 2));
  const std::vector<std::string> icons = IconChoices(folder, kFolder);
  FUZZ_CHECK(!icons.empty() && icons[0].empty());
  std::string icon = icons[in.ConsumeIntegralInRange<size_t>(0, icons.size() - 1)];
  const std::string source = in.ConsumeBool() ? kFolder + Text(in, 2) : Text(in);
  for (int i = in.ConsumeIntegralInRange(0, 3); i > 0; --i)
    w.copier.results.push_back(in.ConsumeIntegralInRange(0, 112));
  const std::string before = icon;
  const CopyOutcome outcome = CopyIn(source, kFolder, w.fs, w.copier, w.questions, &icon);
  const std::string destination = option_files::InFolder(kFolder, option_files::BaseName(source));
  for (const std::string& copy : w.copier.copies) FUZZ_CHECK(copy == source + " -> " + destination);
  if (outcome == CopyOutcome::kCancelled) {
    FUZZ_CHECK(icon == before && !w.copier.copies.empty());
  } else {
    FUZZ_CHECK(icon == option_files::BaseName(source));
    FUZZ_CHECK((outcome == CopyOutcome::kKept) == w.copier.copies.empty());
  }
  const Snapshot snap = Take(w.backend);
  if (Leave(icon, w.settings, checks)) {
    FUZZ_CHECK(w.settings.Text(keys::kIcon) == icon);
  } else {
    FUZZ_CHECK(!icon.empty() && Changed(snap, Take(w.backend)).empty());
  }
}

void Installers(FuzzedDataProvider& in, World& w, Checks& checks) {
  using namespace installers_page;
  FakeFolderFiles folder;
  for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i) folder.names.push_back(Text(in, 2));
  const std::vector<std::string> choices = InstallerChoices(folder, kFolder);
  State s = Load(w.settings);
  FUZZ_CHECK(s.mode >= 0 && s.mode < 3);
  s.enabled = in.ConsumeBool();
  if (in.ConsumeBool()) s.mode = in.ConsumeIntegralInRange(-1, 2);
  for (int i = 0; i < kSlots; ++i) {
    if (in.ConsumeBool())
      s.files[i] = choices[in.ConsumeIntegralInRange<size_t>(0, choices.size() - 1)];
    if (in.ConsumeBool()) s.prompts[i] = Field(in, kPromptChars);
    if (in.ConsumeBool()) FillDefaultPrompt(s, i);
  }
  if (in.ConsumeBool()) FillDefaultPrompts(s);
  const Enabling e = ComputeEnabling(s);
  for (int i = 0; i < kSlots; ++i) FUZZ_CHECK(!e.prompt[i] || (e.mode && e.slots));
  const Snapshot before = Take(w.backend);
  const bool ok = Leave(s, w.settings, w.questions, checks);
  const std::set<std::string> changed = Changed(before, Take(w.backend));
  if (!ok) {
    // Past its checks the page saves the slots before it looks at the mode.
    FUZZ_CHECK(OnlyChanged(changed, {keys::InstallerFile(1), keys::InstallerFile(2),
                                     keys::InstallerFile(3), keys::InstallerUserQuery(1),
                                     keys::InstallerUserQuery(2), keys::InstallerUserQuery(3)}));
    FUZZ_CHECK(changed.empty() || s.mode < 0);
  } else {
    const State back = Load(w.settings);
    FUZZ_CHECK(back.enabled == s.enabled && back.mode == s.mode);
    for (int i = 0; i < kSlots; ++i) {
      FUZZ_CHECK(back.files[i] == EntryFor(s.files[i]) && back.prompts[i] == s.prompts[i]);
      FUZZ_CHECK(!s.enabled || s.mode != kPromptMode || !SlotChosen(s.files[i]) ||
                 !text::TrimRight(s.prompts[i]).empty());
    }
  }
  // The installer wizard's last page copies one in and fills its slot.
  const std::string installer = in.ConsumeBool() ? kFolder + Text(in, 2) : Text(in);
  const int slot = in.ConsumeIntegralInRange(1, 3);
  if (in.ConsumeBool()) w.copier.results.push_back(in.ConsumeIntegralInRange(0, 112));
  const size_t copies = w.copier.copies.size();
  const Snapshot beforeSpecify = Take(w.backend);
  if (viewer_installer::LeaveSpecify(installer, viewer_installer::ForSlot(slot), w.settings, w.fs,
                                     w.copier, w.questions)) {
    // A path naming no file (a folder) names no installer.
    FUZZ_CHECK(!option_files::BaseName(installer).empty());
    FUZZ_CHECK(w.settings.Text(keys::InstallerFile(slot)) == option_files::BaseName(installer));
    FUZZ_CHECK(w.settings.Flag(ws::kSpecifyFileOpenOptions) &&
               !w.settings.Text(keys::InstallerUserQuery(slot)).empty() &&
               !w.settings.Text(ws::kInstallerHowToRunNew).empty());
  } else {
    FUZZ_CHECK(Changed(beforeSpecify, Take(w.backend)).empty() &&
               w.copier.copies.size() <= copies + 1);
  }
}

// The two page hosts: the wizard frame's buttons follow the page, and the
// option frame's buttons sit side by side inside its client area.
void Frames(FuzzedDataProvider& in) {
  using namespace frame_rules;
  const int32_t count = in.ConsumeIntegralInRange(1, 30);
  const int32_t index = in.ConsumeIntegralInRange(0, count - 1);
  const WizardButtons b = ButtonsFor(index, count);
  FUZZ_CHECK(b.stepText == "Step " + std::to_string(index + 1) + " of " + std::to_string(count));
  FUZZ_CHECK(b.previousEnabled == (index > 0) && b.finishEnabled == NextFinishes(index, count));
  FUZZ_CHECK(b.finishEnabled == (index == count - 1) && (!b.finishIsOk || !b.showPrevNext));
  const layout::Size page{in.ConsumeIntegralInRange(100, 2000),
                          in.ConsumeIntegralInRange(50, 2000)};
  const layout::Size window = OptionFrameWindowSize(page);
  const layout::Size client{window.width - in.ConsumeIntegralInRange(0, 10),
                            window.height - in.ConsumeIntegralInRange(0, 40)};
  const layout::Size ok{in.ConsumeIntegralInRange(40, 100), in.ConsumeIntegralInRange(12, 30)};
  const OptionFrameLayout f = LayOutOptionFrame(page, client, ok);
  FUZZ_CHECK(f.test.Right() <= f.ok.left && f.ok.Right() <= f.cancel.left &&
             f.cancel.Right() <= client.width && f.ok.top + ok.height <= client.height);
  FUZZ_CHECK(f.separator.top + f.separator.height <= f.ok.top);
}

void Options(FuzzedDataProvider& in, World& w, Checks&) {
  using namespace options_page;
  const Switches s{in.ConsumeBool(), in.ConsumeBool()};
  const bool test = in.ConsumeBool(), creates = in.ConsumeBool();
  const bool yes = w.questions.answers.empty() || w.questions.answers.front();
  int calls = 0;
  bool askedToCreate = false;
  const bool ok = Leave(s, test, w.settings, w.questions, [&](bool ask) {
    ++calls;
    askedToCreate = ask;
    return creates;
  });
  FUZZ_CHECK(LoadSwitches(w.settings).enableIcon == s.enableIcon);
  FUZZ_CHECK(calls == (test ? 0 : 1) && (test || askedToCreate == !s.doNotWarnOverwrites));
  FUZZ_CHECK(ok == (test || creates || yes));
  FUZZ_CHECK(w.questions.asked.size() == (test || creates ? 0u : 1u));
  for (const OptionRow& row : Rows()) FUZZ_CHECK(UsedText(row, w.settings) != nullptr);
  Frames(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  World w;
  FuzzSettings(in, w.backend, w.settings, 24);
  FuzzFiles(in, w.fs, 4);
  w.questions.answers = Answers(in);
  Checks checks(w.fs, in.ConsumeIntegralInRange(0, 7) == 0);
  using Page = void (*)(FuzzedDataProvider&, World&, Checks&);
  static constexpr Page kPages[] = {Splash,  Welcome, Background, ErrorMessage, StarterName,
                                    Licence, CdIcon,  Installers, Options};
  kPages[in.ConsumeIntegralInRange<size_t>(0, std::size(kPages) - 1)](in, w, checks);
  Take(w.backend);  // every value written is a setting
  return 0;
}
