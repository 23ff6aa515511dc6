// Resource names of the controls both programs share. Each program's resource
// script includes common.rc, so these numbers must not be used for anything
// else in either program.
#pragma once

// "&Close This Menu": closes a pop-up menu and does nothing else. The
// programs' own menus use it too.
#define ID_CLOSE_MENU 32776

// The read-only text box's right-click menu.
#define IDM_COPY_EDIT 144
#define ID_COPY_EDIT_COPY 32777
