// What the system tells a dialog about itself and the screen, for the
// portable layout of dialogs with a picture and a button row.
#pragma once

#include <windows.h>

#include "common/picture_dialog_layout.h"
#include "common/win32/dialog.h"

namespace win32 {

// The right and bottom edges of the work area (the screen without the task
// bar); the screen's size when the system cannot tell.
layout::Size WorkArea();

// Caption height, frame width, work area, the client size of the dialog's
// default button `okId` and the client height of its other button `cancelId`.
layout::DialogMetrics ReadDialogMetrics(const Dialog& dialog, int okId, int cancelId);

}  // namespace win32
