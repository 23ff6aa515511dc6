// A CD that opens several entries, made with the real Discwright.exe as an
// author makes one: the list built in the nested several-files wizard (a file
// of a sub-folder, a folder, an address and a spacer, reordered), the pick
// list's title, help text and picture, then the CD files created and played
// by the starter they copied; and a loaded list switched to opening all of
// its files in order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cd_folder.h"
#include "recorder_log.h"
#include "starter/res/resource.h"
#include "starter_scenario.h"
#include "wizard/cd_files_texts.h"
#include "wizard/pages/image_chooser_texts.h"
#include "wizard/pages/several_texts.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_texts.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::HasSubstr;
using Texts = std::vector<std::string>;
namespace st = several_texts;

// The documents of these scenarios open the recorder through this extension.
constexpr const char* kExtension = ".vdsev";
constexpr const char* kReport = "docs\\report.vdsev";
constexpr const char* kPicture = "sky.jpg";  // 200 x 150
constexpr const char* kTitle = "Pick a part of the CD";
constexpr const char* kHelp = "Choose an entry and press Open.";
constexpr const char* kAddress = "http://cd.example/home";
// The values the kit's installer records: everything else under the wizard's
// key is the configuration or the wizard's memory, cleared around each scenario.
constexpr const char* kKitValues[] = {"InstallPath", "HelpFolder"};

// A number value of the wizard (a DWORD), or -1 when missing.
long WizardNumber(const std::string& name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD type = 0;
  if (::SHGetValueA(HKEY_LOCAL_MACHINE, kWizardKey, name.c_str(), &type, &value, &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return -1;
  return static_cast<long>(value);
}

void ClearWizardKey() {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWizardKey, 0, KEY_READ | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS)
    return;
  Texts names;
  for (DWORD i = 0;; ++i) {
    char name[256] = {};
    DWORD length = sizeof name;
    if (::RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.push_back(name);
  }
  for (const std::string& name : names) {
    bool kit = false;
    for (const char* kept : kKitValues) kit = kit || ::lstrcmpiA(kept, name.c_str()) == 0;
    if (!kit) ::RegDeleteValueA(key, name.c_str());
  }
  ::RegCloseKey(key);
}

// The entry list's rows as "name|file|force".
Texts EntryRows(HWND page) {
  Texts rows;
  for (const auto& cells : ListViewRows(page, IDL_SEVERAL_ENTRIES, 3))
    rows.push_back(cells[0] + "|" + cells[1] + "|" + cells[2]);
  return rows;
}

// Selects an entry row as a click does, which also moves the selection mark
// the list page's buttons act on.
bool MarkEntryRow(HWND page, int row) {
  DWORD_PTR ignored = 0;
  return SelectListViewRow(page, IDL_SEVERAL_ENTRIES, row) &&
         ::SendMessageTimeoutA(Control(page, IDL_SEVERAL_ENTRIES), LVM_SETSELECTIONMARK, 0, row,
                               SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored) != 0;
}

// A drop-down list's items, asked for in UTF-16 as the driver asks list boxes.
constexpr size_t kMaxComboItem = 32768;
Texts ComboItems(HWND dialog, int id) {
  HWND combo = Control(dialog, id);
  DWORD_PTR count = 0;
  Texts items;
  if (!combo ||
      !::SendMessageTimeoutA(combo, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &count))
    return items;
  for (int i = 0; i < static_cast<int>(count); ++i) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, i, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               &length) ||
        static_cast<LRESULT>(length) == CB_ERR)
      break;
    // The page may refill the list between the two questions, so an item can
    // come back longer than its length said: room for any item.
    std::wstring buffer(std::max<size_t>(length + 1, kMaxComboItem), L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()),
                               SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied) ||
        static_cast<LRESULT>(copied) == CB_ERR)
      break;
    buffer.resize(std::min<size_t>(copied, buffer.size() - 1));
    std::string ansi(buffer.size() * 2 + 1, '\0');
    const int n =
        ::WideCharToMultiByte(CP_ACP, 0, buffer.c_str(), static_cast<int>(buffer.size()),
                              ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
    ansi.resize(n > 0 ? static_cast<size_t>(n) : 0);
    items.push_back(ansi);
  }
  return items;
}

int ComboSelection(HWND dialog, int id) {
  DWORD_PTR index = 0;
  if (!::SendMessageTimeoutA(Control(dialog, id), CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &index))
    return -1;
  return static_cast<int>(static_cast<LRESULT>(index));
}

// Chooses `item` in a drop-down list as the mouse would.
bool ChooseComboItem(HWND dialog, int id, const std::string& item) {
  const Texts items = ComboItems(dialog, id);
  const auto found = std::find(items.begin(), items.end(), item);
  return found != items.end() &&
         SelectComboItem(dialog, id, static_cast<int>(found - items.begin()));
}

// ---- The wizard's frames ----

// Presses a frame's `button` and waits until the frame shows the page titled `title`.
bool GoTo(HWND frame, int button, const std::string& title) {
  return ClickButton(frame, button) &&
         WaitUntil([&] { return ControlText(frame, IDT_FRAME_TITLE) == title; });
}

// Opens an entry editor with `button` of the list page, checks what it is
// preset with, types `typed` into its edits and presses OK.
void EditEntry(const Process& discwright, HWND list, int button, const std::string& title,
               const std::vector<std::pair<int, std::string>>& preset,
               const std::vector<std::pair<int, std::string>>& typed) {
  ASSERT_TRUE(ClickButton(list, button)) << title;
  HWND frame = WaitForOptionFrame(discwright, title);
  ASSERT_NE(frame, nullptr) << title;
  HWND page = PageHolding(frame, typed.front().first);
  ASSERT_NE(page, nullptr) << title;
  for (const auto& [id, text] : preset) EXPECT_EQ(ControlText(page, id), text) << title;
  for (const auto& [id, text] : typed) ASSERT_TRUE(SetControlText(page, id, text)) << title;
  ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK)) << title;
  ASSERT_TRUE(WaitForWindowGone(frame)) << title;
}

class WizardSeveral : public WizardScenario {
 public:
  static void SetUpTestSuite() {
    WizardScenario::SetUpTestSuite();
    ::SHDeleteKeyA(HKEY_CLASSES_ROOT, kExtension);
    documentType_ = std::make_unique<RecorderDocumentType>(kExtension, RecorderExe());
  }
  static void TearDownTestSuite() {
    documentType_.reset();
    WizardScenario::TearDownTestSuite();
  }

 protected:
  void SetUp() override {
    ClearWizardKey();
    WizardScenario::SetUp();
    ASSERT_TRUE(documentType_ && documentType_->ok());
  }
  void TearDown() override {
    WizardScenario::TearDown();
    ClearWizardKey();
  }

  std::string Quoted(const std::string& relative) const {
    return "\"" + cd_.PathOf(relative) + "\"";
  }
  std::vector<std::string> OpenedTails() const {
    std::vector<std::string> tails;
    for (const auto& entry : ReadRecorderLog(LogPath()).Starts())
      tails.push_back(CommandTail(entry.commandLine));
    return tails;
  }
  std::optional<Process> StartVendisc(int recorderSleepMs = 0) const {
    EnvVars env{{"RECORDER_LOG", LogPath()}};
    if (recorderSleepMs > 0) env.push_back({"RECORDER_SLEEP_MS", std::to_string(recorderSleepMs)});
    return Process::Start(cd_.PathOf("Vendisc.exe"), "", cd_.Path(), env);
  }

  // From the file page with the CD's list in place: Next to the options page,
  // Next again creates the CD files (the first-time overwrite summary answered
  // Yes), then Finish, and the test question answered No.
  void CreateTheCdFiles(const Process& discwright, HWND main, HWND wizard) {
    ASSERT_TRUE(GoTo(wizard, IDB_FRAME_NEXT, wizard_texts::kAdditionalOptionsTitle))
        << testing::PrintToString(VisibleWindowTitles(discwright));
    ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));
    AnswerWizard(
        discwright,
        cd_files_texts::OverwriteSummary(cd_.PathOf("autorun.inf"), cd_.PathOf("Vendisc.exe")),
        IDYES);
    ASSERT_TRUE(WaitUntil(
        [&] { return ControlText(wizard, IDT_FRAME_TITLE) == wizard_texts::kFilesCreatedTitle; }));
    ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_FINISH));
    ASSERT_TRUE(WaitForWindowGone(wizard));
    AnswerWizard(discwright, wizard_texts::kTestQuestion, IDNO);
    EXPECT_TRUE(WaitUntil(
        [&] { return WindowText(main) == "ZoruZaz AZ - " + cd_.PathOf("autorun.inf"); }, 5s))
        << WindowText(main);
  }

  static void Exit(Process& discwright, HWND main) {
    ASSERT_TRUE(PostClose(main));
    AnswerWizard(discwright, wizard_texts::kExitQuestion, IDYES);
    EXPECT_TRUE(discwright.WaitForExit(5s).has_value());
  }

  // The autorun.inf lines that begin with one of `prefixes`, in file order.
  Texts AutorunLines(const Texts& prefixes) const {
    Texts lines;
    const std::string text = cd_.ReadText("autorun.inf");
    size_t at = 0;
    while (at < text.size()) {
      size_t end = text.find("\r\n", at);
      if (end == std::string::npos) end = text.size();
      const std::string line = text.substr(at, end - at);
      for (const std::string& prefix : prefixes) {
        if (line.rfind(prefix, 0) == 0) {
          lines.push_back(line);
          break;
        }
      }
      at = end + 2;
    }
    return lines;
  }

 private:
  static inline std::unique_ptr<RecorderDocumentType> documentType_;
};

const Texts kSeveralKeys = {"SingleFile", "OpenAllFiles", "WaitForPrevious", "MultiSelect",
                            "MultiSource"};

// The author builds the list in the nested wizard, sets up the pick list
// with a title, a help text and a picture along the top, creates the CD
// files; the starter then offers the entries in that order and opens the
// chosen document.
TEST_F(WizardSeveral, ListBuiltInTheWizardIsOfferedInItsOrderAndOpensTheChosenDocument) {
  ASSERT_TRUE(cd_.AddFile(kReport, "the annual report"));
  ASSERT_TRUE(cd_.AddFile("extras\\notes.txt", "notes"));
  ASSERT_TRUE(cd_.AddCopy(kPicture, test_support::TestPicture("sky-200x150.jpg")));
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  HWND welcome = WaitForFrame(*discwright, wizard_texts::kWelcomeFrameTitle);
  ASSERT_NE(welcome, nullptr);
  HWND page = PageHolding(welcome, IDR_WELCOME_CREATE);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(CheckState(page, IDR_WELCOME_CREATE), BST_CHECKED);
  ASSERT_TRUE(ClickButton(welcome, IDB_FRAME_FINISH));
  HWND wizard = WaitForFrame(*discwright, wizard_texts::kIntroductionTitle);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(GoTo(wizard, IDB_FRAME_NEXT, wizard_texts::kSelectFileTitle));

  // The file page: several files, configured in the nested wizard.
  HWND filePage = PageHolding(wizard, IDR_FILE_SEVERAL);
  ASSERT_NE(filePage, nullptr);
  EXPECT_EQ(ControlText(filePage, IDR_FILE_SEVERAL),
            "Let user chose file to open from list, or run multiple files");
  EXPECT_FALSE(IsControlEnabled(filePage, IDB_FILE_CONFIGURE));
  ASSERT_TRUE(ClickButton(filePage, IDR_FILE_SEVERAL));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(filePage, IDB_FILE_CONFIGURE); }));
  EXPECT_FALSE(IsControlEnabled(filePage, IDE_FILE_PATH));
  EXPECT_EQ(CheckState(filePage, IDR_FILE_ONE), BST_UNCHECKED);
  EXPECT_EQ(CheckState(filePage, IDR_FILE_SEVERAL), BST_CHECKED);
  ASSERT_TRUE(ClickButton(filePage, IDB_FILE_CONFIGURE));
  HWND nested = WaitForFrame(*discwright, st::kFolderTitle);
  ASSERT_NE(nested, nullptr);
  EXPECT_EQ(ControlText(nested, IDT_FRAME_STEP), "Step 1 of 3");
  HWND folderPage = PageHolding(nested, IDE_SEVERAL_FOLDER);
  ASSERT_NE(folderPage, nullptr);
  EXPECT_EQ(ControlText(folderPage, IDE_SEVERAL_FOLDER), "");
  ASSERT_TRUE(SetControlText(folderPage, IDE_SEVERAL_FOLDER, cd_.Path()));
  ASSERT_TRUE(GoTo(nested, IDB_FRAME_NEXT, st::kFileListTitle));
  EXPECT_EQ(WizardValue("SourceFolder"), cd_.Path() + "\\");
  EXPECT_EQ(WizardValue("MultiSourceFolder"), cd_.Path() + "\\");

  // The entry list: only folders holding files are offered, sorted.
  HWND list = PageHolding(nested, IDL_SEVERAL_ENTRIES);
  ASSERT_NE(list, nullptr);
  // The page fills itself after its title shows.
  EXPECT_TRUE(WaitUntil([&] {
    return ComboItems(list, IDC_SEVERAL_FOLDER) == Texts{"\\", "\\docs\\", "\\extras\\"};
  })) << testing::PrintToString(ComboItems(list, IDC_SEVERAL_FOLDER));
  EXPECT_THAT(ComboItems(list, IDC_SEVERAL_ADD), ElementsAre(kPicture));
  EXPECT_TRUE(EntryRows(list).empty());

  ASSERT_TRUE(ChooseComboItem(list, IDC_SEVERAL_FOLDER, "\\docs\\"));
  ASSERT_TRUE(
      WaitUntil([&] { return ComboItems(list, IDC_SEVERAL_ADD) == Texts{"report.vdsev"}; }));
  EXPECT_EQ(ComboSelection(list, IDC_SEVERAL_ADD), 0);
  EditEntry(*discwright, list, IDB_SEVERAL_ADD_FILE, st::kFileEntryTitle,
            {{IDT_FILE_ENTRY_FILE, "\\docs\\report.vdsev"},
             {IDE_FILE_ENTRY_NAME, "report.vdsev"},
             {IDE_FILE_ENTRY_FORCE, ""}},
            {{IDE_FILE_ENTRY_NAME, "Annual report"}});
  ASSERT_TRUE(ChooseComboItem(list, IDC_SEVERAL_FOLDER, "\\extras\\"));
  ASSERT_TRUE(WaitUntil([&] { return ComboItems(list, IDC_SEVERAL_ADD) == Texts{"notes.txt"}; }));
  EditEntry(*discwright, list, IDB_SEVERAL_ADD_FOLDER, st::kAddFolderTitle,
            {{IDT_FOLDER_ENTRY_FOLDER, "\\extras\\"}, {IDE_FOLDER_ENTRY_NAME, "\\extras\\"}},
            {{IDE_FOLDER_ENTRY_NAME, "Extra material"}});
  EditEntry(*discwright, list, IDB_SEVERAL_ADD_URL, st::kAddUrlTitle,
            {{IDE_URL_ENTRY_NAME, ""}, {IDE_URL_ENTRY_ADDRESS, ""}},
            {{IDE_URL_ENTRY_NAME, "Our web site"}, {IDE_URL_ENTRY_ADDRESS, kAddress}});
  ASSERT_TRUE(ClickButton(list, IDB_SEVERAL_ADD_SPACE));
  // Nothing was marked: each new row went first.
  const Texts added = {"||", std::string("Our web site|") + kAddress + "|",
                       "Extra material|\\extras\\|", "Annual report|\\docs\\report.vdsev|"};
  ASSERT_TRUE(WaitUntil([&] { return EntryRows(list) == added; }))
      << testing::PrintToString(EntryRows(list));

  // The report to the top, then the spacer one down.
  ASSERT_TRUE(MarkEntryRow(list, 3));
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(ClickButton(list, IDB_SEVERAL_UP));  // once too often
  // The clicks are posted: the next mark waits until they have been handled.
  const Texts raised = {"Annual report|\\docs\\report.vdsev|", "||",
                        std::string("Our web site|") + kAddress + "|",
                        "Extra material|\\extras\\|"};
  ASSERT_TRUE(WaitUntil([&] { return EntryRows(list) == raised; }))
      << testing::PrintToString(EntryRows(list));
  ASSERT_TRUE(MarkEntryRow(list, 1));
  ASSERT_TRUE(ClickButton(list, IDB_SEVERAL_DOWN));
  const Texts ordered = {"Annual report|\\docs\\report.vdsev|",
                         std::string("Our web site|") + kAddress + "|", "||",
                         "Extra material|\\extras\\|"};
  ASSERT_TRUE(WaitUntil([&] { return EntryRows(list) == ordered; }))
      << testing::PrintToString(EntryRows(list));
  Photograph(nested, "wizard_several_list");
  ASSERT_TRUE(GoTo(nested, IDB_FRAME_NEXT, st::kOpenModeTitle));
  EXPECT_EQ(WizardNumber("MultiSourceFileCount"), 4);

  // How the entries open: one picked from a list with a title, a help text
  // and the picture along the top.
  HWND mode = PageHolding(nested, IDC_MODE_ACTION);
  ASSERT_NE(mode, nullptr);
  EXPECT_THAT(ComboItems(mode, IDC_MODE_ACTION),
              ElementsAre(st::kOpenAllAction, st::kSelectOneAction));
  ASSERT_TRUE(ChooseComboItem(mode, IDC_MODE_ACTION, st::kSelectOneAction));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(mode, IDE_MODE_TITLE); }));
  EXPECT_FALSE(IsControlEnabled(mode, IDX_MODE_WAIT));
  EXPECT_EQ(ControlText(mode, IDT_MODE_EXPLANATION), st::kSelectOneExplanation);
  // A list without further selection: the first pick ends the starter.
  EXPECT_EQ(CheckState(mode, IDX_MODE_RESELECT), BST_CHECKED);
  ASSERT_TRUE(ClickButton(mode, IDX_MODE_RESELECT));
  ASSERT_TRUE(SetControlText(mode, IDE_MODE_TITLE, kTitle));
  ASSERT_TRUE(SetControlText(mode, IDE_MODE_HELP, kHelp));
  EXPECT_FALSE(IsControlEnabled(mode, IDB_MODE_SELECT_IMAGE));
  ASSERT_TRUE(ClickButton(mode, IDX_MODE_USE_IMAGE));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(mode, IDB_MODE_SELECT_IMAGE); }));
  ASSERT_TRUE(ChooseComboItem(mode, IDC_MODE_LOCATION, "Along the top"));
  ASSERT_TRUE(ClickButton(mode, IDB_MODE_SELECT_IMAGE));
  HWND chooser = WaitForOptionFrame(*discwright, image_chooser_texts::kTitle);
  ASSERT_NE(chooser, nullptr);
  HWND images = PageHolding(chooser, IDL_IMAGE_FILES);
  ASSERT_NE(images, nullptr);
  const Texts rows = ListBoxItems(images, IDL_IMAGE_FILES);
  const auto row = std::find(rows.begin(), rows.end(), kPicture);
  ASSERT_NE(row, rows.end()) << testing::PrintToString(rows);
  ASSERT_TRUE(SelectListBoxItem(images, IDL_IMAGE_FILES, static_cast<int>(row - rows.begin())));
  // The chooser reports the picture's size once it has loaded it.
  EXPECT_TRUE(WaitUntil([&] {
    return ControlText(images, IDE_IMAGE_WIDTH) == "200" &&
           ControlText(images, IDE_IMAGE_HEIGHT) == "150";
  }));
  ASSERT_TRUE(ClickButton(chooser, IDB_OPTION_OK));
  ASSERT_TRUE(WaitForWindowGone(chooser));
  EXPECT_TRUE(WaitUntil([&] { return ControlText(mode, IDE_MODE_IMAGE) == cd_.PathOf(kPicture); }))
      << ControlText(mode, IDE_MODE_IMAGE);
  Photograph(nested, "wizard_several_mode");
  ASSERT_TRUE(ClickButton(nested, IDB_FRAME_FINISH));
  ASSERT_TRUE(WaitForWindowGone(nested));

  // Back on the file page, its list shows the entries where they are.
  EXPECT_TRUE(WaitUntil([&] {
    return ListBoxItems(filePage, IDL_FILE_LIST) ==
           Texts{cd_.PathOf(kReport), kAddress, "", cd_.PathOf("extras") + "\\"};
  })) << testing::PrintToString(ListBoxItems(filePage, IDL_FILE_LIST));
  EXPECT_EQ(CheckState(filePage, IDR_FILE_SEVERAL), BST_CHECKED);
  CreateTheCdFiles(*discwright, main, wizard);

  // What the wizard holds and what it wrote.
  EXPECT_EQ(WizardNumber("MultiSourceFileCount"), 4);
  const Texts files = {"\\docs\\report.vdsev", kAddress, "", "\\extras\\"};
  const Texts names = {"Annual report", "Our web site", "", "Extra material"};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(WizardValue("MultiSourceFile" + std::to_string(i)), files[i - 1]) << i;
    EXPECT_EQ(WizardValue("MultiSourceFileName" + std::to_string(i)), names[i - 1]) << i;
    EXPECT_EQ(WizardValue("MultiSourceForceOpen" + std::to_string(i)), "") << i;
  }
  EXPECT_EQ(WizardValue("SingleFile"), "no");
  EXPECT_EQ(WizardValue("OpenAllFiles"), "no");
  EXPECT_EQ(WizardValue("MultiSelectAllowReselect"), "no");
  EXPECT_EQ(WizardValue("MultiSelectTitle"), kTitle);
  EXPECT_EQ(WizardValue("MultiSelectHelp"), kHelp);
  EXPECT_EQ(WizardValue("MultiSelectUseImage"), "yes");
  EXPECT_EQ(WizardValue("MultiSelectImage"), cd_.PathOf(kPicture));
  EXPECT_EQ(WizardValue("MultiSelectImageLocation"), "Along the top");
  EXPECT_EQ(WizardValue("LastINFFile"), cd_.PathOf("autorun.inf"));
  // The list page preset waiting for the open-all mode the author did not choose.
  EXPECT_THAT(
      AutorunLines(kSeveralKeys),
      ElementsAre(
          "SingleFile=0", "OpenAllFiles=0", "WaitForPrevious=1",
          std::string("MultiSelectTitle=") + kTitle, std::string("MultiSelectHelp=") + kHelp,
          "MultiSelectUseImage=1", std::string("MultiSelectImage=") + kPicture,
          "MultiSelectImageLocation=Along the top", "MultiSourceFileCount=4",
          "MultiSourceFile1=\\docs\\report.vdsev", "MultiSourceFileName1=Annual report",
          "MultiSourceForceOpen1=", std::string("MultiSourceFile2=") + kAddress,
          "MultiSourceFileName2=Our web site", "MultiSourceForceOpen2=", "MultiSourceFile3=",
          "MultiSourceFileName3=", "MultiSourceForceOpen3=", "MultiSourceFile4=\\extras\\",
          "MultiSourceFileName4=Extra material", "MultiSourceForceOpen4="));
  ASSERT_TRUE(cd_.Exists("Vendisc.exe"));
  Exit(*discwright, main);

  // The CD played as AutoRun plays it.
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  HWND pick = WaitForWindow(*vendisc, kTitle, kDialogClass);
  ASSERT_NE(pick, nullptr);
  EXPECT_THAT(ListBoxItems(pick, IDL_SELECTION_FILES),
              ElementsAre("Annual report", "Our web site", "", "Extra material"));
  EXPECT_EQ(ControlText(pick, IDT_SELECTION_PROMPT), kHelp);
  // The picture along the top sets the width; the list sits below it.
  EXPECT_EQ(WindowRect(pick).Width(), 200 + 2 * ::GetSystemMetrics(SM_CXDLGFRAME));
  EXPECT_EQ(ControlRect(pick, IDL_SELECTION_FILES).Width(), 190);
  EXPECT_GE(ControlRect(pick, IDT_SELECTION_PROMPT).top, 150);
  Photograph(pick, "wizard_several_pick_list");
  ASSERT_TRUE(SelectListBoxItem(pick, IDL_SELECTION_FILES, 0));
  ASSERT_TRUE(ClickButton(pick, IDOK));
  WaitForRecorderEntries(LogPath(), 1);
  EXPECT_THAT(OpenedTails(), ElementsAre(Quoted(kReport)));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_THAT(OpenedTails(), ElementsAre(Quoted(kReport)));
}

// A pick list the wizard wrote earlier, three documents.
constexpr const char* kPickList =
    "[autorun]\r\n"
    "OPEN=Vendisc.exe \"\"\r\n"
    "SingleFile=0\r\n"
    "OpenAllFiles=0\r\n"
    "MultiSelectAllowReselect=1\r\n"
    "MultiSelectTitle=Our films\r\n"
    "MultiSelectHelp=\r\n"
    "MultiSourceFileCount=3\r\n"
    "MultiSourceFile1=one.vdsev\r\nMultiSourceFileName1=First film\r\nMultiSourceForceOpen1=\r\n"
    "MultiSourceFile2=\\docs\\two.vdsev\r\nMultiSourceFileName2=Second film\r\n"
    "MultiSourceForceOpen2=\r\n"
    "MultiSourceFile3=\\docs\\three.vdsev\r\nMultiSourceFileName3=Third film\r\n"
    "MultiSourceForceOpen3=\r\n";

uint64_t StartOf(const RecorderLog& log, const std::string& name) {
  for (const auto& e : log.entries)
    if (e.kind == RecorderEntry::Kind::kStart && e.commandLine.find(name) != std::string::npos)
      return e.ms;
  return 0;
}

uint64_t EndOf(const RecorderLog& log, const std::string& name) {
  for (const auto& e : log.entries)
    if (e.kind == RecorderEntry::Kind::kEnd && e.commandLine.find(name) != std::string::npos)
      return e.ms;
  return 0;
}

// A loaded pick list is reopened with "Configuration Wizard": one entry moved
// up and the opening mode switched to all files in order, each waiting for
// the one before. The starter then opens them in that order, one at a time.
TEST_F(WizardSeveral, LoadedListSwitchedToOpenAllOpensTheFilesInOrderOneAfterTheOther) {
  for (const char* name : {"one.vdsev", "docs\\two.vdsev", "docs\\three.vdsev"})
    ASSERT_TRUE(cd_.AddFile(name, name));
  ASSERT_TRUE(cd_.AddAutorun(kPickList));
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  HWND welcome = WaitForFrame(*discwright, wizard_texts::kWelcomeFrameTitle);
  ASSERT_NE(welcome, nullptr);
  ASSERT_TRUE(ClickButton(welcome, IDB_FRAME_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(welcome));
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_OPEN));
  HWND open = WaitForWindow(*discwright, "Open", kDialogClass);
  ASSERT_NE(open, nullptr);
  ASSERT_TRUE(ChooseFile(open, cd_.PathOf("autorun.inf")));
  ASSERT_TRUE(WaitForWindowGone(open));
  ASSERT_TRUE(WaitUntil([] { return WizardValue("MultiSourceFileName3") == "Third film"; }, 5s));

  ASSERT_TRUE(ClickButton(main, IDB_MAIN_WIZARD));
  HWND wizard = WaitForFrame(*discwright, wizard_texts::kIntroductionTitle);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(GoTo(wizard, IDB_FRAME_NEXT, wizard_texts::kSelectFileTitle));
  HWND filePage = PageHolding(wizard, IDL_FILE_LIST);
  ASSERT_NE(filePage, nullptr);
  EXPECT_EQ(CheckState(filePage, IDR_FILE_SEVERAL), BST_CHECKED);
  const Texts loaded = {cd_.PathOf("one.vdsev"), cd_.PathOf("docs\\two.vdsev"),
                        cd_.PathOf("docs\\three.vdsev")};
  EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(filePage, IDL_FILE_LIST) == loaded; }))
      << testing::PrintToString(ListBoxItems(filePage, IDL_FILE_LIST));
  ASSERT_TRUE(ClickButton(filePage, IDB_FILE_CONFIGURE));
  HWND nested = WaitForFrame(*discwright, st::kFolderTitle);
  ASSERT_NE(nested, nullptr);
  HWND folderPage = PageHolding(nested, IDE_SEVERAL_FOLDER);
  ASSERT_NE(folderPage, nullptr);
  EXPECT_TRUE(WaitUntil([&] {
    return ControlText(folderPage, IDE_SEVERAL_FOLDER) == cd_.Path() + "\\";
  })) << ControlText(folderPage, IDE_SEVERAL_FOLDER);
  ASSERT_TRUE(GoTo(nested, IDB_FRAME_NEXT, st::kFileListTitle));
  HWND list = PageHolding(nested, IDL_SEVERAL_ENTRIES);
  ASSERT_NE(list, nullptr);
  const Texts rows = {"First film|one.vdsev|", "Second film|\\docs\\two.vdsev|",
                      "Third film|\\docs\\three.vdsev|"};
  ASSERT_TRUE(WaitUntil([&] { return EntryRows(list) == rows; }))
      << testing::PrintToString(EntryRows(list));
  ASSERT_TRUE(MarkEntryRow(list, 2));
  ASSERT_TRUE(ClickButton(list, IDB_SEVERAL_UP));
  const Texts moved = {"First film|one.vdsev|", "Third film|\\docs\\three.vdsev|",
                       "Second film|\\docs\\two.vdsev|"};
  ASSERT_TRUE(WaitUntil([&] { return EntryRows(list) == moved; }))
      << testing::PrintToString(EntryRows(list));

  // Only the opening mode changes.
  ASSERT_TRUE(GoTo(nested, IDB_FRAME_NEXT, st::kOpenModeTitle));
  HWND mode = PageHolding(nested, IDC_MODE_ACTION);
  ASSERT_NE(mode, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(mode, IDE_MODE_TITLE) == "Our films"; }));
  EXPECT_EQ(ComboSelection(mode, IDC_MODE_ACTION), 1);
  EXPECT_FALSE(IsControlEnabled(mode, IDX_MODE_WAIT));
  ASSERT_TRUE(ChooseComboItem(mode, IDC_MODE_ACTION, st::kOpenAllAction));
  // The explanation changes after the enabling: once it reads right, the
  // enabling is complete.
  ASSERT_TRUE(WaitUntil(
      [&] { return ControlText(mode, IDT_MODE_EXPLANATION) == st::kOpenAllExplanation; }));
  EXPECT_TRUE(IsControlEnabled(mode, IDX_MODE_WAIT));
  EXPECT_FALSE(IsControlEnabled(mode, IDX_MODE_RESELECT));
  EXPECT_FALSE(IsControlEnabled(mode, IDE_MODE_TITLE));
  EXPECT_EQ(CheckState(mode, IDX_MODE_WAIT), BST_UNCHECKED);
  ASSERT_TRUE(ClickButton(mode, IDX_MODE_WAIT));
  ASSERT_TRUE(WaitUntil([&] { return CheckState(mode, IDX_MODE_WAIT) == BST_CHECKED; }));
  ASSERT_TRUE(ClickButton(nested, IDB_FRAME_FINISH));
  ASSERT_TRUE(WaitForWindowGone(nested));
  EXPECT_TRUE(WaitUntil([&] {
    return ListBoxItems(filePage, IDL_FILE_LIST) == Texts{cd_.PathOf("one.vdsev"),
                                                          cd_.PathOf("docs\\three.vdsev"),
                                                          cd_.PathOf("docs\\two.vdsev")};
  })) << testing::PrintToString(ListBoxItems(filePage, IDL_FILE_LIST));
  CreateTheCdFiles(*discwright, main, wizard);

  EXPECT_EQ(WizardValue("OpenAllFiles"), "yes");
  EXPECT_EQ(WizardValue("WaitForPrevious"), "yes");
  EXPECT_THAT(
      AutorunLines({"OpenAllFiles", "WaitForPrevious", "MultiSourceFile"}),
      ElementsAre("OpenAllFiles=1", "WaitForPrevious=1", "MultiSourceFileCount=3",
                  "MultiSourceFile1=one.vdsev", "MultiSourceFileName1=First film",
                  "MultiSourceFile2=\\docs\\three.vdsev", "MultiSourceFileName2=Third film",
                  "MultiSourceFile3=\\docs\\two.vdsev", "MultiSourceFileName3=Second film"));
  Exit(*discwright, main);

  // Each file starts only once the program of the one before has ended.
  auto vendisc = StartVendisc(600);
  ASSERT_TRUE(vendisc);
  const RecorderLog log = WaitForRecorderEntries(LogPath(), 3, RecorderEntry::Kind::kEnd, 20s);
  EXPECT_THAT(OpenedTails(), ElementsAre(Quoted("one.vdsev"), Quoted("docs\\three.vdsev"),
                                         Quoted("docs\\two.vdsev")));
  EXPECT_GE(StartOf(log, "three.vdsev"), EndOf(log, "one.vdsev"));
  EXPECT_GE(StartOf(log, "two.vdsev"), EndOf(log, "three.vdsev"));
  EXPECT_NE(EndOf(log, "two.vdsev"), 0u);
  EXPECT_EQ(vendisc->WaitForExit(20s), 0u);
  EXPECT_EQ(FindWindowOf(vendisc->Pid(), kErrorTitle), nullptr);
}

}  // namespace
}  // namespace e2e
