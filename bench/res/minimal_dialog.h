// The minimal dialog program's one template; its caption is what the
// harness waits for.
#pragma once

#define IDD_MINIMAL 100
#define MINIMAL_DIALOG_CAPTION "Minimal dialog"
