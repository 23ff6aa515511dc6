// Sizing lists to what they hold, so that no row or heading is cut short.
#pragma once

#include <windows.h>

// Makes every column of `list` as wide as its widest heading or cell, the
// last one filling the rest of the list. Call again whenever the rows change.
void FitColumns(HWND list);

// Lets a list box scroll sideways as far as its widest row, which it
// otherwise cuts off at its edge. Call again whenever the rows change.
void FitHorizontalExtent(HWND list);

// Shortens a list box to whole rows. (A list that does so itself gets the
// dialog's font after it was created, and keeps the height that suited the
// system font's rows.) Scroll bars that come and go would undo it.
void FitWholeRows(HWND list);
