// The starter's own texts, each kept in one place.
#pragma once

#include "common/product.h"

namespace starter_texts {

// Title of every message box of the starter.
inline constexpr const char* kTitle = product::kName;

inline constexpr const char* kAlreadyRunning =
    "A copy of this CD is already being opened - please wait for the file(s) to open.\n\n"
    "Would you like to try opening the files again anyway?";

// Followed by the path that was looked for and kAutorunMissingTail; code -2.
inline constexpr const char* kAutorunMissingHead =
    "The file 'autorun.inf' could not be located - looking for\r\n";
inline constexpr const char* kAutorunMissingTail =
    ".\r\nSee release documentation for help, or contact QUAV for support.";
inline constexpr int kAutorunMissingCode = -2;

// Code lines of the error dialogs: the code in decimal and in hexadecimal.
inline constexpr const char* kCodeLineFormat = "%d (0x%02X)";
inline constexpr const char* kAuthorCodeLineFormat = "%d (0x%02X)\n%s";
// Joins the programs of a program list in the standard error dialog's file line.
inline constexpr const char* kProgramSeparator = " -OR- ";

inline constexpr const char* kInstallerFailedHead =
    "Sorry, but the system failed to install your viewer - error was:\n\n'";
inline constexpr const char* kInstallerFailedTail = "'\n\nWould you like to continue?";

inline constexpr const char* kNothingSelected = "Sorry, but no file was selected.";

// The product web site, and the page its error dialog links to.
inline constexpr const char* kWebSite = product::kWebSite;
inline constexpr const char* kErrorPage = "/prod_quav_err.html";

// The welcome and selection dialogs, when their picture cannot be loaded;
// followed by the picture's path.
inline constexpr const char* kDialogPictureLoadFailed =
    "Sorry, but the system was unable to load the following image:\n\n";

}  // namespace starter_texts
