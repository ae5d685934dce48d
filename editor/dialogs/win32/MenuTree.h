// A platform menu read into the plain tree that the Hotkeys editor lists.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/dialogs/MenuListing.h"

#include <vector>

// Every position of the menu in order, submenus read into their items' Children.
std::vector<MenuNode> ReadMenuTree(HMENU menu);
