// Resource names of the CD image's windows (see resource.h).
#pragma once

// What cannot go on the CD: the list, and whether to go on without it.
#define IDD_IMAGE_UNFIT 200
#define IDT_UNFIT_INTRO 1800
#define IDL_UNFIT_LIST 1801
#define IDB_UNFIT_LEAVE_OUT 1802
#define IDB_UNFIT_CANCEL 1803

// The save dialog's own part below the standard one: the label and the size.
#define IDD_IMAGE_SAVE 201
#define IDT_SAVE_LABEL 1810
#define IDE_SAVE_LABEL 1811
#define IDT_SAVE_SIZE 1812

// The progress window, while the image is made.
#define IDD_IMAGE_PROGRESS 202
#define IDT_PROGRESS_IMAGE 1820
#define IDC_PROGRESS_BAR 1821
#define IDT_PROGRESS_BYTES 1822
#define IDB_PROGRESS_CANCEL 1823
