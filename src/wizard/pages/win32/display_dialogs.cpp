#include "wizard/pages/win32/display_dialogs.h"

#include "wizard/help_topics.h"
#include "wizard/pages/display_texts.h"
#include "wizard/pages/win32/background_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/splash_page.h"
#include "wizard/pages/win32/welcome_screen_page.h"

namespace {
bool RunInFrame(WizardPage& page, const char* title, const char* helpTopic, HWND owner,
                MainCommands* main) {
  OptionFrame frame(helpTopic);
  frame.SetPage(page, title);
  frame.SetMain(main);
  return frame.Run(owner) == IDOK;
}
}  // namespace

bool RunSplashDialog(HWND owner, MainCommands* main) {
  SplashPage page;
  return RunInFrame(page, display_texts::kSplashTitle, help_topics::kSplashScreen, owner, main);
}

bool RunWelcomeDialog(HWND owner, MainCommands* main) {
  WelcomeScreenPage page;
  return RunInFrame(page, display_texts::kWelcomeTitle, help_topics::kWelcomeMessage, owner, main);
}

bool RunBackgroundDialog(HWND owner, MainCommands* main) {
  BackgroundPage page;
  return RunInFrame(page, display_texts::kBackgroundTitle, help_topics::kOverlayBackground, owner,
                    main);
}
