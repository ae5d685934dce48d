// Driving a dialog of the editor from the test process: its list lines, fields and buttons.
#pragma once

#include "common/win32/WinApi.h"

#include <string>
#include <vector>

std::vector<std::string> ListLines(HWND dialog, int id);
// The index of the first line equal to text; -1 when there is none.
int LineIndex(HWND dialog, int id, const std::string& text);
// Selects the line as a click does: the selection, then the list's notice to the dialog, which
// is posted, as its handler may show a message box.
void ClickLine(HWND dialog, int id, int index);
// The field's text replaced, with its change notice handled before this returns.
void SetField(HWND dialog, int id, const std::string& text);
std::string FieldText(HWND dialog, int id);
void SetHotkey(HWND dialog, int key, int modifiers);
// Returns once the dialog has handled what was posted to it before (a message box that it
// opened meanwhile is then already shown).
void Settle(HWND dialog);
// Waits until the window with the caption has gone.
void WaitUntilClosed(HWND window);
