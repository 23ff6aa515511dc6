// Resource names of the image chooser (see resource.h).
#pragma once

// "Select an Image": the image chooser page, shown in an option frame.
#define IDD_IMAGE_CHOOSER 171
#define IDT_IMAGE_FOLDER 1700
#define IDC_IMAGE_FILTER 1701
#define IDL_IMAGE_FILES 1702
#define IDB_IMAGE_COPY_IN 1703
#define IDB_IMAGE_REFRESH 1704
#define IDX_IMAGE_PREVIEW 1705
#define IDE_IMAGE_WIDTH 1706
#define IDE_IMAGE_HEIGHT 1707
#define IDE_IMAGE_WARNINGS 1708
#define IDT_IMAGE_RECOMMENDED 1709
