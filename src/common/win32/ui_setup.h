// The program-wide set-up that windows need (common controls, OLE for
// pictures and links), made the first time a window is about to be shown
// rather than at start-up: a run that shows no window never pays for it.
#pragma once

namespace win32 {

// Registers the common controls and initialises OLE on this (the one user
// interface) thread, once; later calls do nothing.
void EnsureUiReady();
// Undoes EnsureUiReady at the program's end, if it ran.
void EndUi();

}  // namespace win32
