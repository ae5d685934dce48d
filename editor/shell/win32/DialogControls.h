// Reading and setting the controls of the editor's dialogs by id.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

std::string ControlText(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
bool IsChecked(HWND dialog, int id);
