// Dispatches the window messages already waiting, without blocking: the
// starter's waits call it between their short slices so that its modeless
// windows keep painting and answering clicks.
#pragma once

namespace win32 {

// True when the quit message was met; it is posted again for the caller's loop.
bool PumpWaitingMessages();

}  // namespace win32
