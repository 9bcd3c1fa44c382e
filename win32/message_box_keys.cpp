#include "message_box_keys.h"

#include <commctrl.h>

namespace {

LRESULT CALLBACK messageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETDLGCODE) {
        // Coming in by Tab selects nothing and leaves the newest verdict,
        // in the first line, in sight.
        LRESULT code = DefSubclassProc(box, message, wParam, lParam) & ~DLGC_HASSETSEL;
        const auto *key = reinterpret_cast<const MSG *>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
            code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        return code;
    }
    if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE)
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, messageBoxProc, 0);
    return DefSubclassProc(box, message, wParam, lParam);
}

} // namespace

void passTabAndKeepEscape(HWND messageBox)
{
    SetWindowSubclass(messageBox, messageBoxProc, 0, 0);
}
