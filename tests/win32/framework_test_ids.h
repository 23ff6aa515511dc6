// Resource names of the framework tests' own template. Ids 900-999 keep clear
// of the starter's resources, which are linked into the same test program.
#pragma once

#define IDD_FRAMEWORK 900
#define IDE_FRAMEWORK_TEXT 901
#define IDE_FRAMEWORK_NUMBER 902
#define IDX_FRAMEWORK_ENABLED 903
#define IDR_FRAMEWORK_FIRST 904
#define IDR_FRAMEWORK_SECOND 905
#define IDB_FRAMEWORK_BETWEEN 906
#define IDR_FRAMEWORK_THIRD 907
#define IDC_FRAMEWORK_INDEX 908
#define IDC_FRAMEWORK_TEXT 909
#define IDC_FRAMEWORK_EDITABLE 910
#define IDL_FRAMEWORK_LIST 911
