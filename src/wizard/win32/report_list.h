// Report-style list views of text rows: the files-to-copy report and the
// list of what cannot go on the CD image.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

struct ReportColumn {
  const char* title;
  int width;  // pixels; 0 for none yet (FitColumns sizes them)
};

// Full-row selection and the columns, in order.
void SetUpReportList(HWND list, std::initializer_list<ReportColumn> columns);
// Appends a row: one text per column.
void AddReportRow(HWND list, const std::vector<std::string>& cells);
