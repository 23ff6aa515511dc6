// Hostile CDs played by the real Vendisc.exe: every case must end within
// kCaseBound with every dialog answered, exit with 0 and no crash dialog, and
// write no registry value but IsRunning and ShownBefore.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "hostile_cases.h"
#include "registry_snapshot.h"
#include "starter_scenario.h"

namespace e2e {
namespace {

using hostile::HostileCase;
using hostile::IsRunningState;
using Clock = std::chrono::steady_clock;

// Time one case may take, dialogs answered as they appear (the slowest case,
// a 10 MB autorun.inf read key by key, takes a few seconds).
constexpr Ms kCaseBound{20000};
// The few cases whose text Wine's edit control lays out slowly (seconds per
// megabyte, more in the 64-bit build).
constexpr Ms kSlowCaseBound{60000};
// A window is acted on again only after this long, so that a slow dialog is
// not flooded with clicks.
constexpr Ms kActAgainAfter{400};
const std::set<std::string> kStarterValueNames = {"isrunning", "shownbefore"};

const std::vector<HostileCase>& Cases() {
  static const std::vector<HostileCase> cases = hostile::HostileCases();
  return cases;
}

// ---- Registry ----

bool IsStarterValue(const std::string& id) {
  return kStarterValueNames.count(id.substr(id.rfind('|') + 1)) != 0;
}

// The value changes (added, altered or removed) whose names are not the starter's own.
std::vector<std::string> ForeignChanges(const RegistryState& before, const RegistryState& after) {
  return RegistryChanges(before, after, IsStarterValue);
}

// Removes the keys that appeared during a case and the flag values.
void RestoreRegistry(const RegistryState& before, const RegistryState& after) {
  RemoveNewKeys(before, after);
  ::SHDeleteValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning");
  ::SHDeleteValueA(HKEY_CURRENT_USER, kStarterKey, "ShownBefore");
}

bool SetIsRunning(IsRunningState state) {
  if (state == IsRunningState::kAbsent) return true;
  std::string data;
  DWORD type = REG_BINARY;
  if (state == IsRunningState::kBinary) {
    data = std::string("yes\0\xFF\x01\x80", 7) + hostile::Garbage(64, 9);
  } else {
    data = std::string(10000, 'y') + '\0';
    type = REG_SZ;
  }
  return ::SHSetValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning", type, data.data(),
                       static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

// ---- Windows of a crash ----

// Visible top-level windows of any process that Wine's crash handling shows.
BOOL CALLBACK CollectCrashWindow(HWND window, LPARAM param) {
  if (!::IsWindowVisible(window)) return TRUE;
  char title[256] = {};
  ::GetWindowTextA(window, title, sizeof title);
  const std::string text = LowerCase(title);
  if (text.find("program error") != std::string::npos ||
      text.find("winedbg") != std::string::npos || text.find("wine debugger") != std::string::npos)
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(title);
  return TRUE;
}

std::vector<std::string> CrashWindows() {
  std::vector<std::string> found;
  ::EnumWindows(&CollectCrashWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// ---- Answering ----

// Acts on one of the starter's windows as a user who wants it gone would,
// choosing yes or no where there is a choice. Returns what was done.
std::string Answer(HWND window, bool accept) {
  const std::string title = WindowText(window);
  if (ClassName(window) != kDialogClass) {
    // The background, a picture window: Esc, and the close box as well.
    PressKey(window, VK_ESCAPE);
    PostClose(window);
    return "esc+close '" + title + "'";
  }
  if (title == kLicenceTitle) {
    ClickButtonByText(window, accept ? "&Yes" : "&No");
    return "licence";
  }
  if (Control(window, kMessageBoxTextId)) {
    if (!ClickButton(window, accept ? IDYES : IDNO) && !ClickButton(window, IDOK))
      ClickButton(window, IDCANCEL);
    return "box '" + MessageBoxText(window).substr(0, 60) + "'";
  }
  if (FindControlByText(window, "&Close")) {
    ClickButtonByText(window, "&Close");
    return "close '" + title + "'";
  }
  if (FindControlByText(window, "&Open CD")) {
    if (accept) {
      ClickButtonByText(window, "&Open CD");
    } else {
      PressKey(window, VK_ESCAPE);
    }
    return "welcome";
  }
  // The splash and anything else: Esc.
  PressKey(window, VK_ESCAPE);
  return "esc '" + title + "'";
}

struct CaseResult {
  std::optional<DWORD> exitCode;
  std::vector<std::string> actions;
  std::vector<std::string> crashWindows;
  Ms elapsed{0};
};

CaseResult Play(Process& process, bool accept, Ms bound) {
  CaseResult result;
  const auto start = Clock::now();
  std::map<HWND, Clock::time_point> lastActed;
  while (Clock::now() - start < bound) {
    if (::WaitForSingleObject(process.Handle(), static_cast<DWORD>(kPollInterval.count())) ==
        WAIT_OBJECT_0)
      break;
    for (const std::string& crash : CrashWindows()) result.crashWindows.push_back(crash);
    if (!result.crashWindows.empty()) break;
    for (HWND window : TopLevelWindows(process.Pid())) {
      auto it = lastActed.find(window);
      const auto now = Clock::now();
      if (it != lastActed.end() && now - it->second < kActAgainAfter) continue;
      lastActed[window] = now;
      if (result.actions.size() < 200) result.actions.push_back(Answer(window, accept));
    }
  }
  result.exitCode = process.WaitForExit(Ms{0});  // kills the process if still running
  result.elapsed = std::chrono::duration_cast<Ms>(Clock::now() - start);
  return result;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const auto& part : parts) out += (out.empty() ? "" : "; ") + part;
  return out;
}

class StarterHostile : public StarterScenario, public testing::WithParamInterface<size_t> {
 public:
  static void TearDownTestSuite() {
    std::printf("[hostile] cases run: %d, longest: %s (%lld ms), total %lld ms\n", casesRun_,
                longestName_.c_str(), static_cast<long long>(longest_.count()),
                static_cast<long long>(total_.count()));
    StarterScenario::TearDownTestSuite();
  }

 protected:
  static inline int casesRun_ = 0;
  static inline Ms longest_{0};
  static inline Ms total_{0};
  static inline std::string longestName_;
};

TEST_P(StarterHostile, EndsInTimeWithoutCrashOrForeignRegistryWrites) {
  const HostileCase& hostileCase = Cases()[GetParam()];
  ASSERT_TRUE(cd_.AddAutorun(hostileCase.autorun()));
  for (const auto& file : hostileCase.files) ASSERT_TRUE(cd_.AddFile(file.name, file.make()));
  ASSERT_TRUE(SetIsRunning(hostileCase.isRunning));
  const RegistryState before = TakeRegistrySnapshot();

  auto vendisc = StartVendisc(hostileCase.arguments);
  ASSERT_TRUE(vendisc);
  const Ms bound = hostileCase.slowUnderWine ? kSlowCaseBound : kCaseBound;
  const CaseResult result = Play(*vendisc, hostileCase.accept, bound);
  const RegistryState after = TakeRegistrySnapshot();
  RestoreRegistry(before, after);

  ++casesRun_;
  total_ += result.elapsed;
  if (result.elapsed > longest_) {
    longest_ = result.elapsed;
    longestName_ = hostileCase.name;
  }
  std::printf("[hostile] %s: %lld ms; %s\n", hostileCase.name.c_str(),
              static_cast<long long>(result.elapsed.count()), Joined(result.actions).c_str());

  EXPECT_TRUE(result.crashWindows.empty()) << Joined(result.crashWindows);
  ASSERT_TRUE(result.exitCode.has_value())
      << "still running after " << bound.count() << " ms; acted: " << Joined(result.actions);
  EXPECT_EQ(*result.exitCode, 0u) << std::hex << "exit code 0x" << *result.exitCode;
  EXPECT_TRUE(ForeignChanges(before, after).empty()) << Joined(ForeignChanges(before, after));
  if (!hostileCase.mustShow.empty()) {
    EXPECT_NE(Joined(result.actions).find("'" + hostileCase.mustShow + "'"), std::string::npos)
        << Joined(result.actions);
  }
}

std::vector<size_t> CaseIndexes() {
  std::vector<size_t> indexes(Cases().size());
  for (size_t i = 0; i < indexes.size(); ++i) indexes[i] = i;
  return indexes;
}

INSTANTIATE_TEST_SUITE_P(Starter, StarterHostile, testing::ValuesIn(CaseIndexes()),
                         [](const testing::TestParamInfo<size_t>& info) {
                           return Cases()[info.param].name;
                         });

TEST(HostileCases, EnoughDistinctCasesWithTestNames) {
  std::set<std::string> names;
  for (const auto& c : Cases()) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    EXPECT_EQ(c.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"), std::string::npos)
        << c.name;
  }
  EXPECT_GE(names.size(), 50u);
}

}  // namespace
}  // namespace e2e
