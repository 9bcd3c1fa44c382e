#include "list_letters.h"

#include <commctrl.h>

#include <string>

namespace {

wchar_t firstLetterOf(HWND list, int row)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return text[0];
}

// The typed letter in the case of the first letter of the next name that
// starts with it, or as it was typed when none does.
wchar_t inTheCaseOfTheName(HWND list, wchar_t typed)
{
    const int rows = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    const int framed = static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
    for (int step = 1; step <= rows; ++step) {
        const wchar_t first = firstLetterOf(list, (framed + step) % rows);
        if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, &first, 1, &typed, 1) == CSTR_EQUAL)
            return first;
    }
    return typed;
}

LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_CHAR && wParam > L' ')
        wParam = inTheCaseOfTheName(list, static_cast<wchar_t>(wParam));
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(list, listProc, 0);
    return DefSubclassProc(list, message, wParam, lParam);
}

} // namespace

void findLettersInEitherCase(HWND list)
{
    SetWindowSubclass(list, listProc, 0, 0);
}
