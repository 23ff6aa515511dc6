// Each option dialog of the options table in its option frame, with its
// title and help topic; with a main window the frame offers a test run.
#pragma once

#include <windows.h>

#include <string>

#include "wizard/pages/options_page_rules.h"
#include "wizard/win32/main_commands.h"

// Opens an option's dialog modally over `owner`.
using OptionDialogFunction = void (*)(HWND owner, MainCommands* main);

void RunLicenseDialog(HWND owner, MainCommands* main);
void RunErrorMessageDialog(HWND owner, MainCommands* main);
void RunForceOpenDialog(HWND owner, MainCommands* main);
void RunInstallersDialog(HWND owner, MainCommands* main);
void RunStarterNameDialog(HWND owner, MainCommands* main);
// The CD icon dialog has no test button; the icon chosen when it closed
// (the stored one after Cancel).
std::string RunCdIconDialog(HWND owner);

// The function for a row of the options table.
OptionDialogFunction DialogFor(options_page::OptionDialog dialog);
