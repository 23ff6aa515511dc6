// The display option dialogs, each in its option frame with its title and
// help topic, as the options table opens them. With a main window the frame
// offers a test run. True when the author pressed OK.
#pragma once

#include <windows.h>

#include "wizard/win32/main_commands.h"

bool RunSplashDialog(HWND owner, MainCommands* main);
bool RunWelcomeDialog(HWND owner, MainCommands* main);
bool RunBackgroundDialog(HWND owner, MainCommands* main);
