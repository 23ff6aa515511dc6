// "Create CD Image...": the image of the CD folder, made from the
// files-to-copy report or the "Configuration Files Created" page. Every
// window it opens is owned by the frame the author is in.
#pragma once

#include <windows.h>

#include <string>

namespace cd_image_window {

// `from` is any window of the frame; `configPath` the autorun.inf whose
// folder is imaged.
void CreateCdImage(HWND from, const std::string& configPath);

}  // namespace cd_image_window
