#include "painting.h"

#include "control_table.h"
#include "form_design.h"

#include <algorithm>

namespace design = quiz::design;

void drawTypeButton(HDC dc, const RECT &place, const TypeButtonFace &face, HBRUSH fill, HFONT font, UINT dpi)
{
    FillRect(dc, &place, fill);

    // The circle: two rings, shaded as if lit from the upper left, around
    // the well, and the mark in the well when the button is on.
    const int size = MulDiv(13, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    const int ring = std::max(1, MulDiv(1, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI));
    const int top = (place.top + place.bottom - size) / 2;
    RECT circle {place.left, top, place.left + size, top + size};
    const int saved = SaveDC(dc);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    const auto disc = [dc](const RECT &box, design::Rgb colour) {
        SetDCBrushColor(dc, colorRef(colour));
        Ellipse(dc, box.left, box.top, box.right + 1, box.bottom + 1);
    };
    const auto shadedRing = [&](const RECT &box, design::Rgb upperLeft, design::Rgb lowerRight) {
        disc(box, lowerRight);
        // The half above the line from the lower left to the upper right.
        SetDCBrushColor(dc, colorRef(upperLeft));
        Chord(dc, box.left, box.top, box.right + 1, box.bottom + 1, box.right + 1, box.top, box.left, box.bottom + 1);
    };
    shadedRing(circle, design::EdgeShadow, design::EdgeHighlight);
    InflateRect(&circle, -ring, -ring);
    shadedRing(circle, design::EdgeDarkShadow, design::EdgeLight);
    InflateRect(&circle, -ring, -ring);
    disc(circle, face.pressed ? design::EdgeLight : design::IndicatorWellColour);
    if (face.on) {
        InflateRect(&circle, -ring - ring / 2 - 1, -ring - ring / 2 - 1);
        disc(circle, design::CaptionColour);
    }
    RestoreDC(dc, saved);

    RECT text = place;
    text.left += size + MulDiv(4, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    const int length = static_cast<int>(face.caption.size());
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(design::CaptionColour));
    DrawTextW(dc, face.caption.data(), length, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (face.focusShown) {
        RECT mark = text;
        DrawTextW(dc, face.caption.data(), length, &mark, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        OffsetRect(&mark, 0, (text.bottom - mark.bottom + text.top - mark.top) / 2);
        InflateRect(&mark, 1, 1);
        DrawFocusRect(dc, &mark);
    }
    SelectObject(dc, oldFont);
}

void drawClearButton(HDC dc, const RECT &place, std::wstring_view caption, bool pressed, bool focusShown,
                     HBRUSH fill)
{
    RECT face = place;
    FillRect(dc, &face, fill);
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (pressed)
        OffsetRect(&face, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(design::readableTextOn(design::ClearColour)));
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (focusShown) {
        InflateRect(&face, -1, -1);
        DrawFocusRect(dc, &face);
    }
}

void eraseBackground(HDC dc, const RECT &client, HBRUSH fill, const RECT &frame, HBRUSH frameFill)
{
    FillRect(dc, &client, fill);
    FillRect(dc, &frame, frameFill);
}
