// Resource names of the CD files' pages (see resource.h).
#pragma once

// "Problems in creating configuration" page, shown in an option frame.
#define IDD_CD_PROBLEM 190
#define IDE_PROBLEM_TEXT 1500
#define IDT_PROBLEM_HELP_LINK 1501

// "File name length warning" page, shown in an option frame.
#define IDD_FILE_NAME_LENGTH 191
#define IDT_LENGTH_LIMITS 1510
#define IDT_LENGTH_DIFFERENT 1511
#define IDT_LENGTH_SOLUTION 1512
#define IDT_LENGTH_HELP_LINK 1513
#define IDT_LENGTH_IGNORE 1514
#define IDX_LENGTH_DONT_WARN 1515

// "Testing your configuration" dialog.
#define IDD_TEST_RESULT 192
#define IDT_RESULT_ICON 1520
#define IDT_RESULT_HEADLINE 1521
#define IDE_RESULT_TEXT 1522
#define IDT_RESULT_SUPPORT_LINE 1523
#define IDT_RESULT_SUPPORT_LINK 1524
#define IDB_RESULT_SHOW_FILES 1525
#define IDB_RESULT_CLOSE 1526

// "Files to copy to CD" report page, shown in an option frame.
#define IDD_FILES_TO_COPY 193
#define IDT_REPORT_INTRO 1530
#define IDT_REPORT_FOLDERS 1531
#define IDT_REPORT_SUPPORT 1532
#define IDT_REPORT_FILES_LABEL 1533
#define IDL_REPORT_LIST 1534
#define IDT_REPORT_HELP_LINK 1535
#define IDB_REPORT_CREATE_IMAGE 1536
