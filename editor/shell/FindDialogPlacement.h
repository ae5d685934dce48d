// Where the find dialog goes so that it does not cover the match it just showed.
#pragma once

// Screen coordinates: the selection's top and bottom (its last line included), the dialog's
// top and height, and the height of the work area (the screen without the task bar). The
// result is the dialog's new top; a dialog wholly above or below the selection keeps its own.
int PlaceFindDialog(int selectionTop, int selectionBottom, int dialogTop, int dialogHeight, int workAreaHeight);
