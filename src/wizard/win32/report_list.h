// Report-style list views of text rows: the options table, the several-files
// list, the files-to-copy report, the resource files to copy over and the
// list of what cannot go on the CD image.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// Full-row selection with `extraStyles` (list-view extended styles), and the
// columns in order, unsized (FitColumns sizes them once the rows are in).
void SetUpReportList(HWND list, std::initializer_list<const char*> headings, DWORD extraStyles = 0);
// Appends a row: one text per column. Returns its index.
int AddReportRow(HWND list, const std::vector<std::string>& cells);
void SetReportCell(HWND list, int row, int column, const std::string& text);
