// Resource names of the file-to-open page and its dialogs (see resource.h).
#pragma once

// "Select the file(s) to open" page.
#define IDD_FILE_TO_OPEN 133
#define IDR_FILE_ONE 1066
#define IDE_FILE_PATH 1032
#define IDB_FILE_BROWSE 1033
#define IDT_FILE_LABEL 1070
#define IDR_FILE_SEVERAL 1067
#define IDL_FILE_LIST 1068
#define IDB_FILE_CONFIGURE 1069
#define IDT_FILE_EXISTING 1071
#define IDT_FILE_PREPARING 1216
#define IDT_FILE_SELECT 1217
#define IDT_FILE_HELP_LINK 1253
#define IDT_FILE_ROOT_LINK 1252

// Advice about the chosen file or its folder.
#define IDD_ADVICE 160
#define IDT_ADVICE_TITLE 1124
#define IDE_ADVICE_TEXT 1125
#define IDX_ADVICE_HIDE 1048
#define IDB_ADVICE_VIEWER 1138
#define IDT_ADVICE_EMAIL 1108

// Copying resource files into a new source folder (a page of an option frame).
#define IDD_COPY_RESOURCES 173
#define IDL_COPY_FILES 1052
