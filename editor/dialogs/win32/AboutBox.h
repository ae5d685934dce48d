// Help > About: the product, its version history and how to reach its makers.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

// The text of the field, with the two addresses that are links.
std::string AboutText();
extern const char AboutEmail[];
extern const char AboutWebAddress[];

// Shows the modal dialog 109.
void RunAboutBox(HINSTANCE instance, HWND owner);
