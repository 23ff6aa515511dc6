// The starter's hostile CDs opened in the real Discwright.exe with "Open
// existing": each loads or is refused within kCaseBound with every question
// answered, the wizard lives on, and no value is written that its settings
// table does not name. One Discwright plays a run of cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "hostile_cases.h"
#include "registry_snapshot.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// From pressing "Open" in the file dialog to the wizard idle again, questions
// answered. The slowest case (a 10 MB autorun.inf) takes well under a second.
constexpr Ms kCaseBound{5000};
constexpr size_t kCasesPerRun = 10;

const std::vector<hostile::HostileCase>& Cases() {
  static const std::vector<hostile::HostileCase> cases = hostile::HostileCases();
  return cases;
}

// A value of the wizard's own key that its settings table names.
bool IsSetting(const std::string& id) {
  const std::string key = LowerCase(std::string("hklm\\") + kWizardKey + "|");
  return id.rfind(key, 0) == 0 && FindSetting(id.substr(key.size())) != nullptr;
}

// The wizard's message box, shown or about to be.
HWND WizardBox(DWORD pid, HWND main) {
  for (HWND window : TopLevelWindows(pid, false)) {
    if (window != main && ClassName(window) == kDialogClass && Control(window, kMessageBoxTextId))
      return window;
  }
  return nullptr;
}

// Answers the wizard's questions (Yes, or OK) until its main window is idle
// with no box: the load has ended. The first lines of what was asked.
std::optional<std::vector<std::string>> AnswerUntilIdle(DWORD pid, HWND main, Ms bound) {
  std::vector<std::string> asked;
  const auto start = Clock::now();
  int idleChecks = 0;
  while (Clock::now() - start < bound) {
    DWORD_PTR ignored = 0;
    const bool answered =
        ::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored) != 0;
    if (HWND box = WizardBox(pid, main)) {
      idleChecks = 0;
      if (!::IsWindowVisible(box)) continue;
      asked.push_back(MessageBoxText(box).substr(0, 50));
      if (!ClickButton(box, IDYES)) ClickButton(box, IDOK);
      WaitForWindowGone(box, 2s);
    } else if (answered && ++idleChecks == 2) {
      return asked;
    }
    ::Sleep(20);
  }
  return std::nullopt;
}

class WizardHostile : public WizardScenario, public testing::WithParamInterface<size_t> {
 protected:
  void SetUp() override {
    WizardScenario::SetUp();
    start_ = TakeRegistrySnapshot();
  }
  // The loaded settings must not leak into other scenarios.
  void TearDown() override {
    RestoreValues(start_, TakeRegistrySnapshot());
    WizardScenario::TearDown();
  }

  RegistryState start_;
};

TEST_P(WizardHostile, LoadsOrRefusesInTimeWritingOnlySettings) {
  ASSERT_TRUE(SetWizardValue(wizard_settings::kAppShowWelcomeDialog, "no"));
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);

  const size_t first = GetParam() * kCasesPerRun;
  const size_t end = std::min(first + kCasesPerRun, Cases().size());
  for (size_t i = first; i < end; ++i) {
    const hostile::HostileCase& hostileCase = Cases()[i];
    SCOPED_TRACE(hostileCase.name);
    CdFolder cd("hostile");
    ASSERT_TRUE(cd.AddAutorun(hostileCase.autorun()));
    for (const auto& file : hostileCase.files) ASSERT_TRUE(cd.AddFile(file.name, file.make()));
    const RegistryState before = TakeRegistrySnapshot();

    ASSERT_TRUE(ClickButton(main, IDB_MAIN_OPEN));
    HWND dialog = WaitForWindow(*discwright, "Open", kDialogClass);
    ASSERT_NE(dialog, nullptr);
    const auto started = Clock::now();
    ASSERT_TRUE(ChooseFile(dialog, cd.PathOf("autorun.inf")));
    const auto asked = AnswerUntilIdle(discwright->Pid(), main, kCaseBound);
    const auto elapsed = std::chrono::duration_cast<Ms>(Clock::now() - started);
    std::string questions;
    for (const auto& line : asked.value_or(std::vector<std::string>{})) questions += line + "; ";
    std::printf("[wizard hostile] %s: %lld ms; %s\n", hostileCase.name.c_str(),
                static_cast<long long>(elapsed.count()), questions.c_str());

    ASSERT_TRUE(discwright->Running()) << "Discwright ended";
    ASSERT_TRUE(asked) << "not idle after " << elapsed.count() << " ms";
    EXPECT_EQ(WindowText(main), "ZoruZaz AZ - " + cd.PathOf("autorun.inf"));
    const RegistryState after = TakeRegistrySnapshot();
    for (const std::string& change : RegistryChanges(before, after, IsSetting))
      ADD_FAILURE() << change;
    EXPECT_EQ(after.keys, before.keys);
    EXPECT_EQ(WizardValue(wizard_settings::kInstallPath), KitFolder());
    EXPECT_EQ(WizardValue(wizard_settings::kHelpFolder), HelpFolder());
  }

  ASSERT_TRUE(PostClose(main));
  AnswerWizard(*discwright, wizard_texts::kExitQuestion, IDYES);
  EXPECT_TRUE(discwright->WaitForExit(5s).has_value());
}

std::vector<size_t> Runs() {
  std::vector<size_t> runs((Cases().size() + kCasesPerRun - 1) / kCasesPerRun);
  for (size_t i = 0; i < runs.size(); ++i) runs[i] = i;
  return runs;
}

INSTANTIATE_TEST_SUITE_P(Cases, WizardHostile, testing::ValuesIn(Runs()),
                         [](const testing::TestParamInfo<size_t>& info) {
                           return "run" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace e2e
