#pragma once

#include "form_design.h"

#include <windows.h>

// The resolution the window is drawn at, and its sizes in pixels there. The
// functions that tell a window's own resolution came with Windows 10: they are
// looked up when the program runs, so that it starts on every Windows from 7 on.

// Sent before a change of resolution, from Windows 10 1703 on.
constexpr UINT WmGetDpiScaledSize = 0x02E4;

// Its monitor's resolution where each monitor has its own, else the
// system's one resolution.
UINT dpiOf(HWND window);

// The size of a window of that style around a client area, with its frame
// at `dpi`; without the function for it, the system's frame at its one
// resolution.
SIZE windowSizeFor(RECT client, DWORD style, DWORD exStyle, UINT dpi);

// Makes the window's client area `wanted` in size, by the frame the window
// has, which may be drawn at another resolution than its inside.
void fitClientArea(HWND window, const RECT &wanted);

// A length and a place of the form, in twips, in pixels at `dpi`.
int scaled(int twips, UINT dpi);
RECT pixels(const quiz::design::Twips &place, UINT dpi);
