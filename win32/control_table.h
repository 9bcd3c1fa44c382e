#pragma once

// Before the form: <windows.h> makes MessageBox a macro, which must rename
// the form's FocusStop::MessageBox everywhere alike.
#include <windows.h>

#include "form_design.h"
#include "gdi_object.h"

#include <array>
#include <vector>

// The window's controls as a table of rows: each control's class, style,
// text, place on the form and background, and the brushes of those
// backgrounds. The window makes and lays out its controls by the table.

// The ids of the window's controls, named after the controls of the form.
enum ControlId : int {
    IdLabel1Title = 101,
    IdLabel1RiverHeading,
    IdFrame1,
    IdOption1First, // the type buttons follow in the order of their indices
    IdOption1Last = IdOption1First + 2,
    IdList1,
    IdCommand1,
    IdText1,
};

ControlId typeButtonId(int index);
// The type button's index, or -1 for any other control.
int typeIndexOf(int id);

// The controls of each stop of the keyboard focus.
std::vector<ControlId> controlsOf(quiz::design::FocusStop stop);

// Makes every control of the table in its place on `parent`, without its
// text; false if one of them could not be made.
bool createControls(HWND parent, UINT dpi);
// A themed frame leaves its inside to its parent: the frame fills it with
// `brush`, which must last as long as the frame.
void fillInsideOfFrame(HWND frame, HBRUSH brush);
// Puts the controls in the order of Tab among their siblings.
void orderForTab(HWND parent);
// The form's font at `dpi`, for the window to keep.
HFONT createTextFont(UINT dpi);
// Each control in its place at `dpi`, in `font`.
void layOutControls(HWND parent, UINT dpi, HFONT font);
void setControlTexts(HWND parent);

COLORREF colorRef(quiz::design::Rgb rgb);

enum Fill { WindowFill, LabelFill, FrameFill, OptionFill, ClearFill, FillCount };

// A brush for each fill of the form.
class Brushes
{
public:
    void make();
    void release();
    HBRUSH operator[](Fill fill) const { return static_cast<HBRUSH>(held[fill].get()); }

private:
    std::array<GdiObject, FillCount> held;
};

// Sets the colours of the text of the control `id` on `dc`, and tells the
// brush for its background; none for a control not in the table.
HBRUSH colourControl(HDC dc, int id, const Brushes &brushes);
