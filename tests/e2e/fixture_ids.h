// Control ids of the fixture program's form, shared by its resource script
// and the driver tests (the resource compiler reads this file too).
#pragma once

#define IDD_FORM 200
#define IDT_FOLDER 100
#define IDE_NAME 101
#define IDL_ITEMS 102
#define IDB_MORE 103
