// The one way into the Windows API: every Win32 file includes this instead of <windows.h>.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

// <commdlg.h> maps these names to its own dialogs (FindTextA, ReplaceTextA); the editor uses
// them for its text search and its edit operation, so the macros must not rename them.
#undef FindText
#undef ReplaceText

// <winuser.h> maps DrawText to DrawTextA; the view's painters have an operation of that name.
#undef DrawText

// The tree view's notification shares its name with the edit control's own TVN_SELCHANGED.
#undef TVN_SELCHANGED
