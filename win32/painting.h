#pragma once

#include <windows.h>

#include <string_view>

// How the window paints what it paints itself, each into a device context
// within a rectangle.

// A type button as the classic look would draw it, but in the form's
// colours: the circle with its well and mark, and the caption.
struct TypeButtonFace
{
    std::wstring_view caption;
    bool on;
    bool pressed;
    bool focusShown;
};
void drawTypeButton(HDC dc, const RECT &place, const TypeButtonFace &face, HBRUSH fill, HFONT font, UINT dpi);

// "Изчисти", raised, or sunken while pressed.
void drawClearButton(HDC dc, const RECT &place, std::wstring_view caption, bool pressed, bool focusShown,
                     HBRUSH fill);

// The window's client area, and under the frame the frame's colour.
void eraseBackground(HDC dc, const RECT &client, HBRUSH fill, const RECT &frame, HBRUSH frameFill);
