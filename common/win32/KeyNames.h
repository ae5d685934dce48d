// Names of keys and hotkeys from the keyboard layout, and the keyboard-state queries.
#pragma once

#include <string>

// The layout's name of a virtual key (such as "F5" or "Ctrl"); empty for key 0.
std::string KeyName(int virtualKey);
// Such as "Ctrl+Shift+F5": Control, Shift and Alt names in that order, then the key's; empty
// for key 0. Modifiers use the hotkey control's bits (1 Shift, 2 Control, 4 Alt).
std::string HotkeyText(int key, int modifiers);
// The modifier keys held down for the message being handled, as hotkey control bits.
int CurrentModifiers();
// Whether the key is down right now. The mouse buttons are asked for by what the user sees as
// left and right, so with swapped buttons the left button is the physical right one.
bool IsKeyDown(int virtualKey);
