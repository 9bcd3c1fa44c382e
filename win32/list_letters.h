#pragma once

#include <windows.h>

// A letter typed in a list box goes on to the next name after the framed row
// that starts with it in either case, as the list box of Windows does. Wine's
// list box finds a Cyrillic letter only in the case it was typed in; the list
// box gets the letter in the case of the name that it is to find, and does
// the rest itself as ever.
void findLettersInEitherCase(HWND list);
