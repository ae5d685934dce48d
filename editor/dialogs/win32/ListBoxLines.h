// The lines of a dialog's list box: filling, reading and replacing them by index.
#pragma once

#include "common/win32/WinApi.h"

#include <string>
#include <vector>

void FillListBox(HWND dialog, int id, const std::vector<std::string>& lines);
std::vector<std::string> ListBoxLines(HWND dialog, int id);
// The line at index gets the new text; the selection stays where it was.
void ReplaceListBoxLine(HWND dialog, int id, int index, const std::string& text);
// -1 when nothing is selected.
int ListBoxSelection(HWND dialog, int id);
void SelectListBoxLine(HWND dialog, int id, int index);
