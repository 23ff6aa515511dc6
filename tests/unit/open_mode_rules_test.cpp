// How the several files are opened: what the page shows, what is enabled,
// and what leaving it checks and saves.
#include "wizard/pages/open_mode_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
using namespace several_files;

struct Wizard {
  FakeRegistryBackend backend;
  WizardSettings s{backend};
  FakeWizardQuestions questions;
  std::vector<std::string> checked;
  bool imageAccepted = true;
  FileCheck check = [this](const std::string& path) {
    checked.push_back(path);
    return imageAccepted;
  };
};

TEST(OpenMode, LoadsWithThePagesOwnFallbacks) {
  Wizard w;
  OpenMode mode = LoadOpenMode(w.s);
  EXPECT_EQ(mode.action, kSelectOne);
  EXPECT_FALSE(mode.waitForPrevious);
  EXPECT_TRUE(mode.allowReselect);
  EXPECT_FALSE(mode.useImage);
  EXPECT_EQ(mode.location, 1);  // "Left of Selection List"

  const struct {
    const char* location;
    int index;
  } locations[] = {{"Along the top", 0},    {"right of selection list", 2},
                   {"Along the bottom", 3}, {"Left of Selection List", 1},
                   {"Somewhere else", 1},   {"", 1}};
  for (const auto& c : locations) {
    w.s.SetText(keys::kMultiSelectImageLocation, c.location);
    EXPECT_EQ(LoadOpenMode(w.s).location, c.index) << c.location;
  }
}

TEST(OpenMode, EnablingAndExplanationFollowTheAction) {
  const struct {
    int action;
    bool useImage;
    bool wait, reselect, texts, image;
  } cases[] = {
      {kOpenAll, false, true, false, false, false},
      {kOpenAll, true, true, false, false, false},
      {kSelectOne, false, false, true, true, false},
      {kSelectOne, true, false, true, true, true},
  };
  for (const auto& c : cases) {
    OpenMode mode;
    mode.action = c.action;
    mode.useImage = c.useImage;
    const OpenModeEnabling e = EnablingFor(mode);
    EXPECT_EQ(e.waitForPrevious, c.wait);
    EXPECT_EQ(e.allowReselect, c.reselect);
    EXPECT_EQ(e.selectionTexts, c.texts);
    EXPECT_EQ(e.image, c.image);
  }
  // The texts themselves are checked with the program's others.
  EXPECT_NE(std::string(Explanation(kOpenAll)), Explanation(kSelectOne));
}

TEST(OpenMode, LeavingChecksTheImageThenSavesEverything) {
  const struct {
    const char* what;
    int action;
    bool useImage;
    const char* image;
    bool imageAccepted;
    bool saved;
    std::vector<std::string> asked;
    std::vector<std::string> checked;
  } cases[] = {
      {"select one, image ticked, none chosen",
       kSelectOne,
       true,
       " ",
       true,
       false,
       {"show: Please select an Image using the 'Select Image...' button."},
       {}},
      {"image refused by its check",
       kSelectOne,
       true,
       "C:\\cd\\gone.gif",
       false,
       false,
       {},
       {"C:\\cd\\gone.gif"}},
      {"image accepted", kSelectOne, true, "C:\\cd\\pic.gif", true, true, {}, {"C:\\cd\\pic.gif"}},
      {"no image wanted", kSelectOne, false, "", true, true, {}, {}},
      {"opening all shows no image", kOpenAll, true, "", true, true, {}, {}},
  };
  for (const auto& c : cases) {
    Wizard w;
    w.imageAccepted = c.imageAccepted;
    OpenMode mode;
    mode.action = c.action;
    mode.useImage = c.useImage;
    mode.image = c.image;
    mode.waitForPrevious = true;
    mode.allowReselect = false;
    mode.title = "Pick one";
    mode.help = "Choose below";
    mode.location = 3;
    EXPECT_EQ(SaveOpenMode(mode, w.s, w.questions, w.check), c.saved) << c.what;
    EXPECT_EQ(w.questions.asked, c.asked) << c.what;
    EXPECT_EQ(w.checked, c.checked) << c.what;
    EXPECT_EQ(w.s.Flag(ws::kMultiSelectSetup), c.saved) << c.what;
    if (!c.saved) {
      EXPECT_FALSE(w.backend.WasWritten(RegistryRoot::kLocalMachine, kRegistryBasePath,
                                        keys::kMultiSelectTitle))
          << c.what;
      continue;
    }
    EXPECT_EQ(w.s.Flag(keys::kOpenAllFiles), c.action == kOpenAll) << c.what;
    EXPECT_TRUE(w.s.Flag(keys::kWaitForPrevious));
    EXPECT_FALSE(w.s.Flag(keys::kMultiSelectAllowReselect));
    EXPECT_EQ(w.s.Text(keys::kMultiSelectTitle), "Pick one");
    EXPECT_EQ(w.s.Text(keys::kMultiSelectHelp), "Choose below");
    EXPECT_EQ(w.s.Text(keys::kMultiSelectImage), c.image);
    EXPECT_EQ(w.s.Text(keys::kMultiSelectImageLocation), "Along the bottom");
    EXPECT_EQ(w.s.Flag(keys::kMultiSelectUseImage), c.useImage);
    // What was saved loads back as it was.
    const OpenMode back = LoadOpenMode(w.s);
    EXPECT_EQ(back.action, c.action);
    EXPECT_EQ(back.location, 3);
    EXPECT_TRUE(back.waitForPrevious);
    EXPECT_FALSE(back.allowReselect);
    EXPECT_EQ(back.useImage, c.useImage);
  }
}

}  // namespace
