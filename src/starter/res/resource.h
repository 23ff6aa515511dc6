// Resource names of the starter, grouped by dialog. The numbers are fixed:
// templates, menus and commands must match what the windows expect.
#pragma once

#define IDC_STATIC (-1)

// The program's icon.
#define IDI_VENDISC 128

// Standard error dialog.
#define IDD_ERROR 129
#define IDE_ERROR_MESSAGE 1000
#define IDE_ERROR_FILE 1001
#define IDE_ERROR_CODE 1002
#define IDT_ERROR_LINK 1017
#define IDT_ERROR_SEPARATOR 1023

// Licence agreement dialog.
#define IDD_LICENCE 130
#define IDE_LICENCE_TEXT 1004
#define IDT_LICENCE_HEADING 1005

// Welcome dialog.
#define IDD_WELCOME 131
#define IDT_WELCOME_TITLE 1011
#define IDT_WELCOME_LINK 1017
#define IDE_WELCOME_MESSAGE 1020
#define IDB_WELCOME_CANCEL 1021
#define IDT_WELCOME_SEPARATOR 1023

// Splash window: titled and untitled templates.
#define IDD_SPLASH_TITLED 132
#define IDD_SPLASH_UNTITLED 133
#define IDT_SPLASH_LINE1 1026
#define IDT_SPLASH_LINE2 1027
#define IDT_SPLASH_LINE3 1028

// The author's error dialog.
#define IDD_CUSTOM_ERROR 134
#define IDT_CUSTOM_ERROR_LINK 1017
#define IDE_CUSTOM_ERROR_TEXT 1020
#define IDT_CUSTOM_ERROR_CODE 1025
#define IDT_CUSTOM_ERROR_SEPARATOR 1023

// File selection dialog and its properties dialog.
#define IDD_SELECTION 135
#define IDL_SELECTION_FILES 1015
#define IDT_SELECTION_PROMPT 1024
#define IDT_SELECTION_SEPARATOR 1023
#define IDD_PROPERTIES 136
#define IDE_PROPERTIES_FILE 1008
#define IDE_PROPERTIES_NAME 1030

// Right-click menus and their commands ("&Close This Menu" of the selection
// and background menus is the shared ID_CLOSE_MENU, common/res).
#define IDM_SELECTION 141
#define ID_SELECTION_PROPERTIES 32772
#define IDM_PICTURE 142
#define ID_PICTURE_HIDE 32773
#define ID_PICTURE_CLOSE_MENU 32774
#define IDM_BACKGROUND 143
#define ID_BACKGROUND_CLOSE 32775
