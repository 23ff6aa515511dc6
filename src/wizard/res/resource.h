// Resource names of the wizard, grouped by window. Template and control
// numbers of the frames and pages are fixed: help pages, tests and later
// pages refer to them.
#pragma once

// Each group of pages keeps its names in a header of its own.
#include "cd_files_ids.h"
#include "file_page_ids.h"
#include "options_ids.h"
#include "images_ids.h"
#include "display_ids.h"
#include "several_ids.h"
#include "cd_image_ids.h"

#define IDC_STATIC (-1)

// The program's icon.
#define IDI_DISCWRIGHT 128

// The system-menu command of the About box (low four bits are the system's).
#define IDM_ABOUT 0x10

// About box.
#define IDD_ABOUT 100
#define IDT_ABOUT_ICON 1000
#define IDT_ABOUT_NAME 1001
#define IDT_ABOUT_VERSION 1002
#define IDT_ABOUT_LINK 1003

// Main window.
#define IDD_MAIN 102
#define IDT_MAIN_STRIP 1000
#define IDT_MAIN_HEADING 1001
#define IDT_MAIN_WINDOWS_ONLY 1002
#define IDB_MAIN_WIZARD 1003
#define IDB_MAIN_NEW 1004
#define IDB_MAIN_TEST 1005
#define IDT_MAIN_WELCOME 1006
#define IDE_MAIN_LAST_SAVED 1007
#define IDT_MAIN_VERSION 1008
#define IDT_MAIN_PRODUCT 1009
#define IDB_MAIN_OPEN 1010
#define IDB_MAIN_RECREATE 1011
#define IDT_MAIN_FILES_LINK 1012
#define IDT_MAIN_HELP_HEADING 1013
#define IDB_MAIN_HELP_HOME 1014
#define IDT_MAIN_NEW_LINK 1015
#define IDT_MAIN_NOT_OPENING_LINK 1016
#define IDT_MAIN_FEEDBACK 1017
#define IDT_MAIN_SEPARATOR 1018
#define IDT_MAIN_WEB_LINK 1019
#define IDB_MAIN_SUPPORT 1020
#define IDB_MAIN_CLOSE 1021

// Wizard frame.
#define IDD_WIZARD_FRAME 132
#define IDB_FRAME_NEXT 1006
#define IDB_FRAME_PREVIOUS 1007
#define IDB_FRAME_CANCEL 1008
#define IDT_FRAME_STEP 1009
#define IDB_FRAME_FINISH 1010
#define IDT_FRAME_SEPARATOR 1011
#define IDC_FRAME_PAGE_AREA 1014
#define IDT_FRAME_STRIP 1293
#define IDT_FRAME_TITLE 1004
#define IDT_FRAME_HELP_LINK 1228

// Option frame (the buttons, page area, separator, title and help link share
// the wizard frame's numbers).
#define IDD_OPTION_FRAME 178
#define IDB_OPTION_OK 1010
#define IDB_OPTION_CANCEL 1008
#define IDB_OPTION_TEST 1280
#define IDC_OPTION_PAGE_AREA 1014
#define IDT_OPTION_SEPARATOR 1011
#define IDT_OPTION_TITLE 1004
#define IDT_OPTION_HELP_LINK 1228
#define IDT_OPTION_WEB_LINK 1229

// Introduction page.
#define IDD_INTRODUCTION 137
#define IDT_INTRO_IMPORTANT 1216
#define IDT_INTRO_TODO 1217
#define IDT_INTRO_NEW_LINK 1252
#define IDT_INTRO_EVERY_MACHINE_LINK 1254
#define IDT_INTRO_RISKS_LINK 1255
#define IDT_INTRO_WHICH_APP_LINK 1256

// "Configuration Files Created" page.
#define IDD_FILES_CREATED 136
#define IDT_CREATED_IMPORTANT 1216
#define IDT_CREATED_TODO 1217
#define IDB_CREATED_TEST 1257
#define IDT_CREATED_WHY_LINK 1258
#define IDT_CREATED_HOW_LINK 1259
#define IDT_CREATED_FILES_LINK 1260
#define IDT_CREATED_INSTRUCTIONS_LINK 1261
#define IDB_CREATED_IMAGE 1262

// Welcome page, shown in a one-page wizard frame at start-up.
#define IDD_WELCOME_PAGE 150
#define IDT_WELCOME_HELP_HEADING 1000
#define IDT_WELCOME_NEW_LINK 1001
#define IDT_WELCOME_RISKS_LINK 1002
#define IDT_WELCOME_HOME_LINK 1003
#define IDT_WELCOME_DO_HEADING 1004
#define IDR_WELCOME_CREATE 1005
#define IDR_WELCOME_OPEN 1006
#define IDX_WELCOME_SHOW 1007
