// Creating the CD files and checking a file the author has just chosen, with
// the wizard's questions, warning page and problem page over `owner`. Every
// page and the main window go through these.
#pragma once

#include <windows.h>

#include <string>

namespace cd_files_window {

// Writes autorun.inf and copies the starter into the source folder; true
// when both were written. Asks before each overwrite when told to.
bool CreateCdFiles(HWND owner, bool askBeforeOverwriting);
// The file name length warning for a path longer than 60 characters; false
// only when the author cancels it.
bool CheckFileNameLength(HWND owner, const std::string& path);
// That the file exists (an empty name passes), without the length warning;
// the author is told when it does not.
bool RequireFile(HWND owner, const std::string& path, const std::string& label);
// The length warning, then that the file exists (an empty name passes);
// `label` names what the file is for in the message.
bool CheckChosenFile(HWND owner, const std::string& path, const std::string& label);
// The same two for an image, which must also be a picture the CD can show.
bool RequirePicture(HWND owner, const std::string& path, const std::string& label);
bool CheckChosenPicture(HWND owner, const std::string& path, const std::string& label);

}  // namespace cd_files_window
