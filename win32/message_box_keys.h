#pragma once

#include <windows.h>

// The message box, a multi-line box, asks for every key, Tab included, and
// would keep the focus for good; and given every key, it closes its parent on
// Esc as if that were a dialog, which here would end the game. The box lets
// Tab go on to the dialog manager, and Esc does nothing in it.
void passTabAndKeepEscape(HWND messageBox);
