// The several-files wizard: the folder, the entry list and how the entries
// are opened, in a wizard nested over the file-to-open page.
#pragma once

#include <windows.h>

class MainCommands;

// True when the author finished it (not when cancelled). `main` runs the
// test buttons of the list and opening-mode pages.
bool RunSeveralFilesWizard(HWND owner, MainCommands* main);
